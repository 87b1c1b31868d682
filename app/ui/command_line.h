// The program's command line: the requests that run without a window (print, chart, help,
// version) and the document to open in the window otherwise.
//
//   calvex [file.stm]                 the window, with the document opened
//   calvex -p file.stm                print the stored points on the default printer
//   calvex -pt file.stm target        print on the printer named target, or into target.pdf
//   calvex -ct file.stm out.png       write the chart of the document (.png, .svg or .pdf)
//   calvex --help | --version         the usage or the version on standard output
//
// "/p", "/pt" and "/ct" are read as "-p", "-pt" and "-ct".
#pragma once

#include <QString>
#include <QStringList>

namespace calvex {

struct BatchCommand {
    enum class Kind {
        Window,   // no request without a window: the program opens its window
        Help,     // --help: the usage on standard output
        Version,  // --version: the version on standard output
        Print,    // -p / -pt
        Chart,    // -ct
        Invalid,  // a request without its files: `error` says which
    };
    Kind kind = Kind::Window;
    QString file;    // the document (Print, Chart)
    QString target;  // printer or PDF file (Print; empty: the default printer), picture file (Chart)
    QString error;   // Invalid: what is missing
};

BatchCommand parseBatchCommand(const QStringList& arguments);

// True when the command runs without a window.
constexpr bool runsWithoutWindow(BatchCommand::Kind k) noexcept { return k != BatchCommand::Kind::Window; }

// The text of --help (ends in a newline).
QString usageText();
// The text of --version: "calvex " and the version, then the formulations (ends in a newline).
QString versionText();
// The program's version ("3.2.0").
QString programVersion();

// Runs a command of the kinds Help, Version and Invalid: prints its text (Help, Version on
// standard output; Invalid on standard error with the usage) and returns the exit status
// (0, or 2 for Invalid). Needs no application object.
int runTextCommand(const BatchCommand& command);

}  // namespace calvex
