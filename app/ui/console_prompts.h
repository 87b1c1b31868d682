// The prompts of a request that runs without a window (-p, -pt, -ct): every message goes to
// standard error as "calvex: " and its text; a question is answered No (or Cancel), a file
// dialog is cancelled and a dialog is not run. Nothing waits for a user.
#pragma once

#include <QStringList>

#include "user_prompts.h"

namespace calvex {

class ConsolePrompts final : public UserPrompts {
  public:
    void message(QWidget* parent, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override;
    bool runDialog(QDialog& dialog) override;

    // Every message written so far.
    const QStringList& messages() const noexcept { return messages_; }

  private:
    QStringList messages_;
};

// The message of a failure about `file`: "file: text", or the text alone when it names the
// file already.
QString aboutFile(const QString& file, const QString& text);

}  // namespace calvex
