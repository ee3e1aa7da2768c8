#include "widgets/QtPrompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Prompt::Icon icon)
{
    switch (icon) {
    case Prompt::Icon::Information:
        return QMessageBox::Information;
    case Prompt::Icon::Warning:
        return QMessageBox::Warning;
    case Prompt::Icon::Error:
        return QMessageBox::Critical;
    case Prompt::Icon::Question:
        return QMessageBox::Question;
    case Prompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget* owner()
{
    return QApplication::activeWindow();
}

} // namespace

void QtPrompt::message(const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtPrompt::ask(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, owner());
    QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtPrompt::openFile(const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), caption, dir, filter);
}

QString QtPrompt::saveFile(const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner(), caption, dir, filter);
}

QString QtPrompt::folder(const QString& caption, const QString& dir)
{
    return QFileDialog::getExistingDirectory(owner(), caption, dir);
}

std::optional<QString> QtPrompt::inputText(const QString& caption, const QString& label,
                                           const QString& initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), caption, label, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

int QtPrompt::exec(QDialog& dialog)
{
    return dialog.exec();
}
