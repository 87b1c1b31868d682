// vapcalc: the properties of one state point, or of a file of them, from the vaprop32 exports.
#include "batch.h"
#include "cell_text.h"
#include "command_line.h"
#include "error_codes.h"
#include "number_text.h"
#include "point_output.h"
#include "progress.h"
#include "vaprop32.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitIo = 3;

void printError(std::string_view message) {
    std::string line = "vapcalc: ";
    line.append(message);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stderr);
}

bool writeAll(int fd, const char* data, std::size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, data, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

int printStdout(std::string_view text) { return writeAll(STDOUT_FILENO, text.data(), text.size()) ? kExitOk : kExitIo; }

int runPoint(const vapcalc::Options& options) {
    vapcalc::StateEvaluator state(options.pair, options.first, options.second, options.unitSet);
    if (const double code = state.stateCode(); code != 0.0) {
        printError(vapcalc::codeText(code));
        return kExitFailed;
    }
    const vapcalc::PointReport report = vapcalc::evaluatePoint(options);
    return printStdout(vapcalc::formatPoint(report, options.format, options.digits));
}

void writeStderr(const std::string& text) {
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stderr);
}

int runBatch(const vapcalc::Options& options) {
    // A word the library rejects would fail every state alike: say so once.
    if (!vapcalc::unitSetAccepted(options.unitSet)) {
        printError(vapcalc::codeText(VAPROP_INVALID_UNIT_SET));
        return kExitFailed;
    }
    int fd = STDIN_FILENO;
    if (options.file != "-") {
        fd = ::open(options.file.c_str(), O_RDONLY);
        if (fd < 0) {
            printError("cannot open " + options.file + ": " + std::strerror(errno));
            return kExitIo;
        }
    }
    const vapcalc::BatchConfig config{
        options.pair, options.swapped, options.props, options.unitSet, options.digits, options.threads};
    vapcalc::ProgressLine progress(vapcalc::ProgressLine::Clock::now());
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    vapcalc::BatchIo io;
    io.read = [fd](char* buf, std::size_t n) -> std::ptrdiff_t {
        while (true) {
            const ssize_t r = ::read(fd, buf, n);
            if (r < 0 && errno == EINTR) continue;
            return r;
        }
    };
    io.write = [](const char* data, std::size_t n) { return writeAll(STDOUT_FILENO, data, n); };
    io.diagnostic = [&progress](std::string_view message) {
        writeStderr(progress.clear());
        printError(message);
    };
    if (terminal) {
        io.progress = [&progress](std::uint64_t states) {
            writeStderr(progress.update(states, vapcalc::ProgressLine::Clock::now()));
        };
    }
    const vapcalc::BatchStats stats = vapcalc::runBatch(config, io);
    writeStderr(progress.clear());
    if (fd != STDIN_FILENO) ::close(fd);
    if (stats.readError) {
        printError("cannot read " + (options.file == "-" ? std::string("standard input") : options.file));
        return kExitIo;
    }
    if (stats.writeError) {
        printError("cannot write the output");
        return kExitIo;
    }
    printError(vapcalc::batchSummary(stats));
    return stats.failed == 0 ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    words = vapcalc::splitSingleWord(std::move(words));
    const std::vector<std::string_view> args(words.begin(), words.end());
    const vapcalc::CommandLine cl = vapcalc::parseCommandLine(args);
    if (!cl.ok) {
        printError(cl.error);
        printError("try 'vapcalc --help'");
        return kExitUsage;
    }
    switch (cl.options.mode) {
        case vapcalc::Mode::Help: return printStdout(vapcalc::helpText());
        case vapcalc::Mode::Version: {
            char version[vapcalc::kNumberTextMax];
            const std::size_t n = vapcalc::formatNumber(StmVer(), 0, version);
            return printStdout("vapcalc, property library vaprop32 " + std::string(version, n) + "\n");
        }
        case vapcalc::Mode::Batch: return runBatch(cl.options);
        case vapcalc::Mode::Point: break;
    }
    return runPoint(cl.options);
}
