#include "widgets/JjgzApplication.h"

#include "widgets/Prompt.h"

#include <exception>

JjgzApplication::JjgzApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool JjgzApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Prompt::current().message(QString::fromUtf8(error.what()), QStringLiteral("错误"),
                                  Prompt::Icon::Error);
    }
    return false;
}
