#include "console_prompts.h"

#include <cstdio>

namespace calvex {

void ConsolePrompts::message(QWidget*, const QString& text) {
    messages_.append(text);
    const QByteArray line = (QStringLiteral("calvex: ") + text + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
}

UserPrompts::Answer ConsolePrompts::askYesNo(QWidget* parent, const QString& text) {
    message(parent, text);
    return Answer::No;
}

UserPrompts::Answer ConsolePrompts::askYesNoCancel(QWidget* parent, const QString& text) {
    message(parent, text);
    return Answer::Cancel;
}

QString ConsolePrompts::openFileName(QWidget*, const QString&) { return {}; }

QString ConsolePrompts::saveFileName(QWidget*, const QString&, const QString&) { return {}; }

bool ConsolePrompts::runDialog(QDialog&) { return false; }

QString aboutFile(const QString& file, const QString& text) {
    return text.contains(file) ? text : file + QStringLiteral(": ") + text;
}

}  // namespace calvex
