#include "command_line.h"

#include <cstdio>

#include "app_strings.h"

#ifndef CALVEX_VERSION
#define CALVEX_VERSION "0.0.0"
#endif

namespace calvex {
namespace {

bool isOption(const QString& a, const char* name) {
    // "-pt" and "/pt" alike.
    return a.size() > 1 && (a[0] == QLatin1Char('-') || a[0] == QLatin1Char('/')) && a.mid(1) == QLatin1String(name);
}

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

BatchCommand parseBatchCommand(const QStringList& arguments) {
    using Kind = BatchCommand::Kind;
    BatchCommand c;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QStringLiteral("--help") || a == QStringLiteral("-h") || a == QStringLiteral("/?")) {
            c.kind = Kind::Help;
            return c;
        }
        if (a == QStringLiteral("--version")) {
            c.kind = Kind::Version;
            return c;
        }
        const bool print = isOption(a, "p");
        const bool printTo = isOption(a, "pt");
        const bool chart = isOption(a, "ct");
        if (!print && !printTo && !chart) {
            continue;
        }
        const qsizetype needed = print ? 1 : 2;
        if (i + needed >= arguments.size()) {
            c.kind = Kind::Invalid;
            c.error =
                print ? QStringLiteral("%1 needs a document").arg(a)
                      : QStringLiteral("%1 needs a document and %2")
                            .arg(a, chart ? QStringLiteral("a picture file") : QStringLiteral("a printer or PDF file"));
            return c;
        }
        c.kind = chart ? Kind::Chart : Kind::Print;
        c.file = arguments[i + 1];
        if (!print) {
            c.target = arguments[i + 2];
        }
        return c;
    }
    return c;
}

QString programVersion() { return QStringLiteral(CALVEX_VERSION); }

QString usageText() {
    return QStringLiteral(
               "Usage: calvex [file.stm]\n"
               "       calvex -p file.stm             print the stored points on the default printer\n"
               "       calvex -pt file.stm target     print on the printer named target, or into target.pdf\n"
               "       calvex -ct file.stm out.png    write the T-s and h-s chart of the document\n"
               "                                      (.png, .svg or .pdf)\n"
               "       calvex --help | --version\n"
               "\n"
               "%1, the calculator of water and steam properties (IAPWS-IF97, or IFC-67 on request).\n"
               "Requests with -p, -pt and -ct run without a window: a failure is reported on standard\n"
               "error and ends the program with status 1.\n")
        .arg(QString::fromLatin1(kAppTitle));
}

QString versionText() {
    return QStringLiteral(
               "calvex %1\n"
               "Thermodynamic properties: IAPWS-IF97 (1997 release); IFC-67 on request\n"
               "Viscosity and thermal conductivity: industrial equations of the IAPS 1985 "
               "formulations\n")
        .arg(programVersion());
}

int runTextCommand(const BatchCommand& command) {
    switch (command.kind) {
        case BatchCommand::Kind::Help: write(stdout, usageText()); return 0;
        case BatchCommand::Kind::Version: write(stdout, versionText()); return 0;
        case BatchCommand::Kind::Invalid:
            write(stderr, QStringLiteral("calvex: %1\n").arg(command.error) + usageText());
            return 2;
        default: return 0;
    }
}

}  // namespace calvex
