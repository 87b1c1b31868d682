// The program's command line: the requests that run without a window (-p, -pt, --help,
// --version) for good, missing, damaged and crafted documents and unwritable targets. The
// program itself runs under `timeout` without a display: a request must end by itself with its
// exit status and, on a failure, its message on standard error.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "calvex_doc.h"
#include "command_line.h"

namespace calvex {
namespace {

// Exit status of `timeout` when it had to stop the program.
constexpr int kTimedOut = 124;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The program with `args`, no display and no platform named: as from a terminal without X.
ProgramRun runProgram(const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    p.setProcessEnvironment(env);
    QStringList all{QStringLiteral("-k"), QStringLiteral("5"), QStringLiteral("60"), QStringLiteral(CALVEX_PROGRAM)};
    all += args;
    p.start(QStringLiteral("timeout"), all);
    ProgramRun r;
    if (!p.waitForFinished(90000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(CommandLine, Requests) {
    using Kind = BatchCommand::Kind;
    struct Row {
        QStringList args;
        Kind kind;
        const char* file;
        const char* target;
    };
    const Row rows[] = {
        {{"calvex"}, Kind::Window, "", ""},
        {{"calvex", "a.stm"}, Kind::Window, "", ""},
        {{"calvex", "--help"}, Kind::Help, "", ""},
        {{"calvex", "a.stm", "--version"}, Kind::Version, "", ""},
        {{"calvex", "-p", "a.stm"}, Kind::Print, "a.stm", ""},
        {{"calvex", "/p", "a.stm"}, Kind::Print, "a.stm", ""},
        {{"calvex", "-pt", "a.stm", "out.pdf"}, Kind::Print, "a.stm", "out.pdf"},
        {{"calvex", "/pt", "a.stm", "Laser"}, Kind::Print, "a.stm", "Laser"},
        {{"calvex", "-p"}, Kind::Invalid, "", ""},
        {{"calvex", "-pt", "a.stm"}, Kind::Invalid, "", ""},
    };
    for (const Row& row : rows) {
        const BatchCommand c = parseBatchCommand(row.args);
        const std::string what = row.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(c.kind, row.kind) << what;
        EXPECT_EQ(c.file, QString::fromLatin1(row.file)) << what;
        EXPECT_EQ(c.target, QString::fromLatin1(row.target)) << what;
        EXPECT_EQ(c.kind == Kind::Invalid, !c.error.isEmpty()) << what;
    }
}

class ProgramCommandLine : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        CCalvexDoc doc;
        doc.CurrentPoint().setValue(kPressure, 2.5);
        doc.CurrentPoint().setLabel("Boiler");
        doc.StoreCurrentPoint();
        good_ = path(QStringLiteral("good.stm"));
        ASSERT_TRUE(doc.OnSaveDocument(good_.toStdString()).ok);
        QFile in(good_);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        goodBytes_ = in.readAll();
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A copy of the good document with `bytes` written at `offset`.
    QString crafted(const QString& name, int offset, const QByteArray& bytes) {
        QByteArray b = goodBytes_;
        b.replace(offset, bytes.size(), bytes);
        const QString p = path(name);
        QFile out(p);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(b);
        return p;
    }

    ProgramRun run(const QStringList& args) { return runProgram(args, dir_.path()); }

    QTemporaryDir dir_;
    QString good_;
    QByteArray goodBytes_;
};

TEST_F(ProgramCommandLine, HelpAndVersionOnStandardOutput) {
    const ProgramRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: calvex"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("-pt file.stm target")));
    const ProgramRun version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("calvex ") + programVersion() + QLatin1Char('\n')));
    EXPECT_TRUE(version.out.contains(QStringLiteral("IAPWS-IF97")));
    EXPECT_FALSE(version.err.contains(QStringLiteral("calvex:")));
}

TEST_F(ProgramCommandLine, PrintsIntoAPdfWithoutADisplay) {
    const QString pdf = path(QStringLiteral("plant.pdf"));
    const ProgramRun r = run({QStringLiteral("-pt"), good_, pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("calvex:"))) << r.err.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

// Every failure of a request ends the program with status 1 (2 for a request without its files)
// and one line "calvex: ..." on standard error; nothing is written.
TEST_F(ProgramCommandLine, FailuresEndWithAStatusAndAMessage) {
    const QString out = path(QStringLiteral("out.pdf"));
    const QString missing = path(QStringLiteral("missing.stm"));
    const QString empty = crafted(QStringLiteral("empty.stm"), 0, {});
    QFile::resize(empty, 0);
    const QString truncated = crafted(QStringLiteral("truncated.stm"), 0, {});
    QFile::resize(truncated, 100);
    // Offset 4: the input selection; offset 12: the pressure's format word.
    const QString allInputs = crafted(QStringLiteral("inputs.stm"), 4, QByteArray("\x1F\x20\x00\x00", 4));
    const QString badUnit = crafted(QStringLiteral("unit.stm"), 12, QByteArray("\x02\x0C", 2));
    const QString badDigits = crafted(QStringLiteral("digits.stm"), 12, QByteArray("\x0B\x00", 2));
    struct Row {
        QStringList args;
        int status;
        QString message;
    };
    const QString unexpected = QString::fromLatin1(kMsgUnexpectedFormat);
    const Row rows[] = {
        {{"-pt", missing, out}, 1, missing + QStringLiteral(": ") + QString::fromLatin1(kMsgFailedToOpen)},
        {{"-p", missing}, 1, missing + QStringLiteral(": ") + QString::fromLatin1(kMsgFailedToOpen)},
        {{"-pt", empty, out},
         1,
         QStringLiteral("An attempt was made to access ") + empty + QStringLiteral(" past its end.")},
        {{"-pt", truncated, out},
         1,
         QStringLiteral("An attempt was made to access ") + truncated + QStringLiteral(" past its end.")},
        {{"-pt", allInputs, out}, 1, allInputs + QStringLiteral(": ") + unexpected},
        {{"-pt", badUnit, out}, 1, badUnit + QStringLiteral(": ") + unexpected},
        {{"-p", badDigits}, 1, badDigits + QStringLiteral(": ") + unexpected},
        {{"-pt", good_, QStringLiteral("/no/such/dir/out.pdf")},
         1,
         QStringLiteral("/no/such/dir/out.pdf: The document could not be printed.")},
        {{"-pt", good_}, 2, QStringLiteral("-pt needs a document and a printer or PDF file")},
        {{"-p"}, 2, QStringLiteral("-p needs a document")},
    };
    for (const Row& row : rows) {
        const std::string what = row.args.join(QLatin1Char(' ')).toStdString();
        const ProgramRun r = run(row.args);
        EXPECT_NE(r.exitCode, kTimedOut) << what;
        EXPECT_EQ(r.exitCode, row.status) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("calvex: ") + row.message)) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty() || row.status == 2) << what;
        EXPECT_FALSE(QFileInfo::exists(out)) << what;
    }
}

}  // namespace
}  // namespace calvex
