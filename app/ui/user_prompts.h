// Every message box, file dialog and dialog of the program goes through this interface, so tests can
// answer them without a modal window.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace calvex {

class UserPrompts {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~UserPrompts() = default;

    // A message with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No buttons.
    virtual Answer askYesNo(QWidget* parent, const QString& text) = 0;
    // A question with Yes, No and Cancel buttons.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // File dialogs; an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) = 0;
    // Runs a dialog of the program (number format, copy special, ...); true when it was accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
};

// The interactive prompts: message boxes titled "Caldora" and the platform's file dialogs.
class DialogPrompts final : public UserPrompts {
  public:
    void message(QWidget* parent, const QString& text) override;
    Answer askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override;
    bool runDialog(QDialog& dialog) override;
};

}  // namespace calvex
