// Helpers shared by the widget tests.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QDialog>
#include <deque>
#include <functional>

#include "user_prompts.h"

namespace calvex::test {

// Temporary folder that holds the tests' settings files.
QString settingsDir();

// Removes every value of the program's settings.
inline void clearSettings() {
    QSettings s(QStringLiteral("Orlesk"), QStringLiteral("Calvex"));
    s.clear();
    s.sync();
}

// Answers prompts from queues and records every message shown.
class ScriptedPrompts final : public UserPrompts {
  public:
    void message(QWidget*, const QString& text) override { messages.append(text); }
    Answer askYesNo(QWidget*, const QString& text) override { return next(text); }
    Answer askYesNoCancel(QWidget*, const QString& text) override { return next(text); }
    QString openFileName(QWidget*, const QString&) override { return takePath(); }
    QString saveFileName(QWidget*, const QString& suggested, const QString&) override {
        suggestions.append(suggested);
        return takePath();
    }
    // A dialog is handed to `dialogHandler`, which fills it in and answers; without one the
    // dialog counts as cancelled. It is never shown.
    bool runDialog(QDialog& dialog) override {
        ++dialogs;
        return dialogHandler ? dialogHandler(dialog) : false;
    }

    QStringList messages;
    QStringList questions;
    QStringList suggestions;
    std::deque<Answer> answers;
    std::deque<QString> paths;
    std::function<bool(QDialog&)> dialogHandler;
    int dialogs = 0;

  private:
    Answer next(const QString& text) {
        questions.append(text);
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString takePath() {
        if (paths.empty()) {
            return {};
        }
        QString p = paths.front();
        paths.pop_front();
        return p;
    }
};

}  // namespace calvex::test
