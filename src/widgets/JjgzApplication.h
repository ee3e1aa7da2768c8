#pragma once

#include <QApplication>

// The application's standard error box: an exception that no screen caught is shown with the
// caption "错误" and its message when it reaches the event loop, and the program goes on.
class JjgzApplication : public QApplication {
    Q_OBJECT
public:
    JjgzApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
