#pragma once

#include <QLocalServer>
#include <QObject>

// Keeps one running copy per user: the first copy listens under the guard's name; a later
// copy finds it, sends it the wake-up message and learns that it must end.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance(const QString& guardName, const QString& messageName, QObject* parent = nullptr);

    // True for the first copy, which from then on listens for later copies.
    bool claim();

signals:
    // A later copy was started; the first copy should come to the front.
    void activationRequested();

private:
    void readMessage();

    QString serverName_;
    QByteArray message_;
    QLocalServer server_;
};
