#pragma once

#include <QHBoxLayout>
#include <QPushButton>

#include <initializer_list>

// A new widget carrying its name as its objectName, so that tests and readers find it.
template <class Widget> Widget* Named(const QString& name, QWidget* parent = nullptr)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

// A dialog button that Enter never presses by itself (clicks and the space bar do).
inline QPushButton* DialogButton(const QString& name, const QString& caption,
                                 QWidget* parent = nullptr)
{
    auto* button = Named<QPushButton>(name, parent);
    button->setText(caption);
    button->setAutoDefault(false);
    return button;
}

// Buttons side by side at the right of one row.
inline QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}
