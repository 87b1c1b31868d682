#include "user_prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "app_strings.h"

namespace calvex {

void DialogPrompts::message(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QString::fromLatin1(kAppTitle), text, QMessageBox::Ok);
}

UserPrompts::Answer DialogPrompts::askYesNo(QWidget* parent, const QString& text) {
    const auto b = QMessageBox::question(
        parent, QString::fromLatin1(kAppTitle), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

UserPrompts::Answer DialogPrompts::askYesNoCancel(QWidget* parent, const QString& text) {
    const auto b = QMessageBox::question(parent,
                                         QString::fromLatin1(kAppTitle),
                                         text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes) {
        return Answer::Yes;
    }
    return b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QString DialogPrompts::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString DialogPrompts::saveFileName(QWidget* parent, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
}

bool DialogPrompts::runDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

}  // namespace calvex
