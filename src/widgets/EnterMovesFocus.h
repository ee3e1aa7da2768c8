#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

// Turns Enter into Tab inside a window, so that Enter moves to the next field and never
// accepts a dialog by itself (buttons still answer the space bar and clicks).
class EnterMovesFocus : public QObject {
public:
    // Watches `window` and every widget it holds now.
    static void install(QWidget* window)
    {
        auto* filter = new EnterMovesFocus(window);
        window->installEventFilter(filter);
        for (QWidget* child : window->findChildren<QWidget*>())
            child->installEventFilter(filter);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }

private:
    using QObject::QObject;
};
