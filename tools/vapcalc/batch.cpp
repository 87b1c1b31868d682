// Batch mode: line splitting, one CSV row per state, and the streaming loop over the input.
#include "batch.h"

#include "cell_text.h"
#include "number_text.h"
#include "text.h"
#include "vaprop32.h"

#include <array>
#include <limits>
#include <optional>

namespace vapcalc {
namespace {

constexpr std::size_t kReadBlock = 1 << 16;
constexpr std::size_t kWriteBlock = 1 << 16;
constexpr std::uint64_t kProgressEvery = 4096;
constexpr std::uint64_t kMaxDiagnostics = 100;
constexpr std::string_view kMalformedCell = "malformed line";
// States computed by one StmBatch call at most.
constexpr std::size_t kBlockRows = 8192;

constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The first two fields of a line and the number of fields. Fields are separated by one comma
// (with blanks around it) or by blanks alone; a comma with nothing before or after it makes an
// empty field.
struct Fields {
    std::string_view first;
    std::string_view second;
    std::size_t count = 0;
};

Fields splitFields(std::string_view s) {
    Fields fields;
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (true) {
        while (i < n && isBlank(s[i])) ++i;
        const std::size_t start = i;
        while (i < n && !isBlank(s[i]) && s[i] != ',') ++i;
        const std::string_view field = s.substr(start, i - start);
        if (fields.count == 0) fields.first = field;
        if (fields.count == 1) fields.second = field;
        ++fields.count;
        while (i < n && isBlank(s[i])) ++i;
        if (i == n) break;
        if (s[i] == ',') ++i;  // a comma always starts another field, even an empty one at the end
    }
    return fields;
}

void appendCell(std::string& out, std::string_view text) {
    // Our cell texts hold no commas, quotes or line ends; quote anyway should one ever appear.
    if (text.find_first_of(",\"\n") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void appendColumnName(std::string& out, Property p, std::int32_t unitSet) {
    const PropertyInfo& info = propertyInfo(p);
    std::string name(info.letter);
    const std::string_view unit = unitText(info.quantity, unitSet);
    if (!unit.empty()) {
        name.append(" [");
        name.append(unit);
        name.push_back(']');
    }
    appendCell(out, name);
}

void appendMalformedRow(std::string& out, const BatchConfig& config) {
    out.push_back(',');  // the two input cells stay empty
    for (std::size_t i = 0; i < config.props.size(); ++i) {
        out.push_back(',');
        out.append(kMalformedCell);
    }
    out.push_back('\n');
}

// The CSV row of one state: the two inputs as the file has them, then each chosen property. `cells`
// holds the state's cells in the order of Property: the values to show when `shown`, else the
// library's cells, from which the values shown are taken (shownValue).
bool appendShownRow(std::string& out, const BatchConfig& config, double fileFirst, double fileSecond,
                    const double* cells, bool shown) {
    const double a = config.swapped ? fileSecond : fileFirst;
    const double b = config.swapped ? fileFirst : fileSecond;
    appendResult(out, fileFirst, config.digits);
    out.push_back(',');
    appendResult(out, fileSecond, config.digits);
    bool ok = true;
    for (Property p : config.props) {
        const double r =
            shown ? cells[static_cast<std::size_t>(p)] : shownValue(p, config.pair, a, b, config.unitSet, cells);
        out.push_back(',');
        if (isCode(r)) {
            if (r != kNotAvailable) ok = false;
            appendCell(out, codeText(r));
        } else {
            appendResult(out, r, config.digits);
        }
    }
    out.push_back('\n');
    return ok;
}

// The library names of the properties a batch needs: the chosen ones and the state's own, once each,
// with the position of each property's cell in a row (or -1).
struct BlockNames {
    std::string list;
    std::array<int, kPropertyCount> column{};
    std::size_t count = 0;
};

BlockNames blockNames(const BatchConfig& config) {
    BlockNames names;
    names.column.fill(-1);
    auto add = [&names](Property p) {
        int& c = names.column[static_cast<std::size_t>(p)];
        if (c >= 0) return;
        c = static_cast<int>(names.count++);
        if (!names.list.empty()) names.list.push_back(',');
        names.list.append(libraryName(p));
    };
    add(stateProperty(config.pair));
    for (Property p : config.props) add(p);
    return names;
}

// The streaming loop: holds at most one read block and one line of kMaxLineLength characters.
class BatchRun {
  public:
    BatchRun(const BatchConfig& config, const BatchIo& io)
        : config_(config), io_(io), names_(blockNames(config)), pairName_(libraryPairName(config.pair)) {
        out_.reserve(kWriteBlock + kMaxLineLength);
        carry_.reserve(kMaxLineLength + 1);
        pending_.reserve(kBlockRows);
    }

    BatchStats run() {
        out_ = batchHeader(config_);
        std::vector<char> block(kReadBlock);
        while (!stats_.writeError) {
            const std::ptrdiff_t n = io_.read(block.data(), block.size());
            if (n < 0) {
                stats_.readError = true;
                break;
            }
            if (n == 0) break;
            consume(std::string_view(block.data(), static_cast<std::size_t>(n)));
            // A short read means the input is arriving slowly (a pipe or a terminal): pass on what
            // has been computed so far.
            if (static_cast<std::size_t>(n) < block.size() || out_.size() >= kWriteBlock) flush();
        }
        if (!carry_.empty() || overLong_) endLine();  // a last line without its newline
        flush();
        return stats_;
    }

  private:
    void consume(std::string_view data) {
        while (!data.empty()) {
            const std::size_t nl = data.find('\n');
            const std::string_view piece = data.substr(0, nl);
            if (nl == std::string_view::npos) {
                keep(piece);
                return;
            }
            if (carry_.empty() && !overLong_) {
                line(piece);
            } else {
                keep(piece);
                endLine();
            }
            data.remove_prefix(nl + 1);
            if (out_.size() >= kWriteBlock) flush();
        }
    }

    // Part of a line that continues in the next block; beyond the limit it is only counted.
    void keep(std::string_view piece) {
        if (overLong_) return;
        if (carry_.size() + piece.size() > kMaxLineLength) {
            overLong_ = true;
            carry_.clear();
            return;
        }
        carry_.append(piece);
    }

    void endLine() {
        if (overLong_) {
            ++stats_.lines;
            malformed("line longer than " + std::to_string(kMaxLineLength) + " characters");
        } else {
            line(carry_);
        }
        carry_.clear();
        overLong_ = false;
    }

    void line(std::string_view text) {
        ++stats_.lines;
        if (text.size() > kMaxLineLength) {
            malformed("line longer than " + std::to_string(kMaxLineLength) + " characters");
            return;
        }
        const ParsedLine parsed = parseBatchLine(text);
        switch (parsed.kind) {
            case LineKind::Blank: return;
            case LineKind::Data:
                seenData_ = true;
                pend({false, parsed.first, parsed.second});
                return;
            case LineKind::Malformed:
                if (!seenData_ && !seenHeader_ && parsed.firstFieldIsText) {
                    seenHeader_ = true;  // the file's own header line
                    return;
                }
                malformed(parsed.problem);
                return;
        }
    }

    void malformed(const std::string& problem) {
        seenData_ = true;
        ++stats_.malformed;
        ++stats_.failed;
        if (stats_.malformed <= kMaxDiagnostics && io_.diagnostic) {
            io_.diagnostic("line " + std::to_string(stats_.lines) + ": " + problem);
        } else if (stats_.malformed == kMaxDiagnostics + 1 && io_.diagnostic) {
            io_.diagnostic("further malformed lines are counted but not shown");
        }
        pend({true, 0.0, 0.0});
    }

    // A row waits for its block; a full block is computed at once.
    struct PendingRow {
        bool malformed;
        double first;  // the file's columns
        double second;
    };

    void pend(const PendingRow& row) {
        pending_.push_back(row);
        if (pending_.size() >= kBlockRows) computePending();
    }

    // The waiting rows: their states by one StmBatch call, then their CSV rows in the order of the file.
    void computePending() {
        if (pending_.empty()) return;
        a_.clear();
        b_.clear();
        for (const PendingRow& row : pending_) {
            if (row.malformed) continue;
            a_.push_back(config_.swapped ? row.second : row.first);
            b_.push_back(config_.swapped ? row.first : row.second);
        }
        const std::size_t n = names_.count;
        cells_.assign(a_.size() * n, 0.0);
        if (!a_.empty()) {
            const std::int32_t rc = StmBatch(pairName_.c_str(),
                                             names_.list.c_str(),
                                             config_.unitSet,
                                             static_cast<std::int32_t>(a_.size()),
                                             a_.data(),
                                             b_.data(),
                                             cells_.data(),
                                             config_.threads);
            if (rc < 0) cells_.assign(cells_.size(), static_cast<double>(rc));  // refused: its code everywhere
        }
        std::array<double, kPropertyCount> row{};
        std::size_t k = 0;
        for (const PendingRow& p : pending_) {
            if (p.malformed) {
                appendMalformedRow(out_, config_);
            } else {
                row.fill(std::numeric_limits<double>::quiet_NaN());
                for (std::size_t i = 0; i < kPropertyCount; ++i) {
                    if (names_.column[i] >= 0) row[i] = cells_[k * n + static_cast<std::size_t>(names_.column[i])];
                }
                if (!appendShownRow(out_, config_, p.first, p.second, row.data(), false)) ++stats_.failed;
                ++k;
            }
            counted();
        }
        pending_.clear();
    }

    void counted() {
        ++stats_.states;
        if (io_.progress && stats_.states % kProgressEvery == 0) io_.progress(stats_.states);
    }

    void flush() {
        computePending();
        if (out_.empty() || stats_.writeError) return;
        if (!io_.write(out_.data(), out_.size())) stats_.writeError = true;
        out_.clear();
    }

    const BatchConfig& config_;
    const BatchIo& io_;
    BatchStats stats_;
    std::string out_;
    std::string carry_;
    bool overLong_ = false;
    bool seenData_ = false;
    bool seenHeader_ = false;
    const BlockNames names_;
    const std::string pairName_;
    std::vector<PendingRow> pending_;
    std::vector<double> a_;
    std::vector<double> b_;
    std::vector<double> cells_;
};

}  // namespace

ParsedLine parseBatchLine(std::string_view line) {
    ParsedLine result;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    line = trim(line);
    if (line.empty()) return result;
    const Fields fields = splitFields(line);
    result.kind = LineKind::Malformed;
    result.firstFieldIsText = !fields.first.empty() && !parseFiniteNumber(fields.first);
    if (fields.count == 1) {
        result.problem = "missing value: expected two numbers, found one field";
        return result;
    }
    if (fields.count > 2) {
        result.problem = "expected two numbers, found " + std::to_string(fields.count) + " fields";
        return result;
    }
    const std::string_view texts[2] = {fields.first, fields.second};
    std::optional<double> values[2];
    for (std::size_t i = 0; i < 2; ++i) {
        if (texts[i].empty()) {
            result.problem = "missing value: field " + std::to_string(i + 1) + " is empty";
            return result;
        }
        values[i] = parseFiniteNumber(texts[i]);
        if (!values[i]) {
            result.problem = "field " + std::to_string(i + 1) + " " + quotedForMessage(texts[i]) + " is not a number";
            return result;
        }
    }
    result.kind = LineKind::Data;
    result.first = *values[0];
    result.second = *values[1];
    return result;
}

std::string batchHeader(const BatchConfig& config) {
    const PairInfo& pair = pairInfo(config.pair);
    std::string out;
    appendColumnName(out, config.swapped ? pair.second : pair.first, config.unitSet);
    out.push_back(',');
    appendColumnName(out, config.swapped ? pair.first : pair.second, config.unitSet);
    for (Property p : config.props) {
        out.push_back(',');
        appendColumnName(out, p, config.unitSet);
    }
    out.push_back('\n');
    return out;
}

bool appendBatchRow(std::string& out, const BatchConfig& config, double fileFirst, double fileSecond) {
    const double a = config.swapped ? fileSecond : fileFirst;
    const double b = config.swapped ? fileFirst : fileSecond;
    StateEvaluator state(config.pair, a, b, config.unitSet);
    std::array<double, kPropertyCount> cells{};
    for (std::size_t i = 0; i < kPropertyCount; ++i) cells[i] = state.get(static_cast<Property>(i));
    return appendShownRow(out, config, fileFirst, fileSecond, cells.data(), true);
}

BatchStats runBatch(const BatchConfig& config, const BatchIo& io) { return BatchRun(config, io).run(); }

std::string batchSummary(const BatchStats& stats) {
    std::string s = std::to_string(stats.states) + (stats.states == 1 ? " state, " : " states, ") +
                    std::to_string(stats.failed) + " failed";
    if (stats.malformed > 0) {
        s += " (" + std::to_string(stats.malformed) + (stats.malformed == 1 ? " malformed line)" : " malformed lines)");
    }
    return s;
}

}  // namespace vapcalc
