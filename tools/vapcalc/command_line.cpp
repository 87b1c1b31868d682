// Reading vapcalc's arguments: options, NAME=VALUE inputs, the batch file.
#include "command_line.h"

#include "number_text.h"
#include "text.h"
#include "unit_set_name.h"

#include <array>
#include <cstddef>
#include <optional>

namespace vapcalc {
namespace {

constexpr std::string_view kPairList = "P,T  P,Q  T,Q  P,H  P,S  H,S  T,S  P,V  T,V";

// Letters that can be inputs: P, T, Q, H, S, V.
std::optional<Property> inputLetter(std::string_view letter) {
    const std::optional<Property> p = propertyFromLetter(letter);
    if (!p) return std::nullopt;
    switch (*p) {
        case Property::P:
        case Property::T:
        case Property::Q:
        case Property::H:
        case Property::S:
        case Property::V: return p;
        default: return std::nullopt;
    }
}

struct Input {
    Property letter;
    double value;
};

class Parser {
  public:
    explicit Parser(const std::vector<std::string_view>& args) : args_(args) {}

    CommandLine run() {
        while (pos_ < args_.size() && result_.error.empty()) step();
        if (result_.error.empty()) finish();
        result_.ok = result_.error.empty();
        return result_;
    }

  private:
    void fail(std::string message) {
        if (result_.error.empty()) result_.error = std::move(message);
    }

    // The value of an option: the text after '=' in "--name=value", else the next argument.
    std::optional<std::string_view> optionValue(std::string_view name, std::optional<std::string_view> inlineValue) {
        if (inlineValue) return inlineValue;
        if (pos_ >= args_.size()) {
            fail(std::string(name) + " needs a value");
            return std::nullopt;
        }
        return args_[pos_++];
    }

    void step() {
        const std::string_view arg = args_[pos_++];
        if (endOfOptions_ || arg == "-" || arg.empty() || arg.front() != '-') {
            positional(arg);
            return;
        }
        if (arg == "--") {
            endOfOptions_ = true;
            return;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const bool takesValue = name == "--units" || name == "--format" || name == "--digits" || name == "--pair" ||
                                name == "--props" || name == "--threads";
        if (!takesValue && inlineValue) {
            fail(std::string(name) + " takes no value");
            return;
        }
        if (name == "--help" || name == "-h") {
            help_ = true;
        } else if (name == "--version") {
            version_ = true;
        } else if (name == "--ifc67") {
            flags_ |= kIfc67Flag;
        } else if (name == "--fast") {
            flags_ |= kFastFlag;
        } else if (name == "--batch") {
            batch_ = true;
        } else if (takesValue) {
            if (const std::optional<std::string_view> v = optionValue(name, inlineValue)) valueOption(name, *v);
        } else {
            fail("unknown option " + quotedForMessage(arg) + " (see vapcalc --help)");
        }
    }

    void valueOption(std::string_view name, std::string_view v) {
        if (name == "--units") {
            const std::optional<std::int32_t> set = parseUnitSet(v);
            if (!set) {
                fail("unknown unit set " + quotedForMessage(v) +
                     " (names Eng, SI, EngG, SIF, SIK, MET, METF with flags o and S, or a number 0 to 127)");
                return;
            }
            result_.options.unitSet = *set;
        } else if (name == "--format") {
            if (v == "table") {
                result_.options.format = Format::Table;
            } else if (v == "csv") {
                result_.options.format = Format::Csv;
            } else if (v == "json") {
                result_.options.format = Format::Json;
            } else {
                fail("unknown format " + quotedForMessage(v) + " (table, csv or json)");
                return;
            }
            formatGiven_ = true;
        } else if (name == "--digits") {
            const std::optional<double> d = parseFiniteNumber(v);
            if (!d || *d != static_cast<double>(static_cast<int>(*d)) || *d < 1 || *d > kMaxDigits) {
                fail("--digits needs a whole number from 1 to 17, not " + quotedForMessage(v));
                return;
            }
            result_.options.digits = static_cast<int>(*d);
        } else if (name == "--threads") {
            const std::optional<double> t = parseFiniteNumber(v);
            if (!t || *t != static_cast<double>(static_cast<int>(*t)) || *t < 0 || *t > kMaxThreads) {
                fail("--threads needs a whole number from 0 (one per processor) to 1024, not " + quotedForMessage(v));
                return;
            }
            result_.options.threads = static_cast<int>(*t);
        } else if (name == "--pair") {
            pairOption(v);
        } else if (name == "--props") {
            propsOption(v);
        }
    }

    void pairOption(std::string_view v) {
        std::optional<Property> a;
        std::optional<Property> b;
        if (v.size() == 2) {
            a = inputLetter(v.substr(0, 1));
            b = inputLetter(v.substr(1, 1));
        } else if (v.size() == 3 && v[1] == ',') {
            a = inputLetter(v.substr(0, 1));
            b = inputLetter(v.substr(2, 1));
        }
        const std::optional<Pair> pair = (a && b) ? pairOf(*a, *b) : std::nullopt;
        if (!pair) {
            fail("unknown pair " + quotedForMessage(v) + " (the pairs are " + std::string(kPairList) +
                 ", in either order)");
            return;
        }
        batchPair_ = pair;
        result_.options.pair = *pair;
        result_.options.swapped = pairInfo(*pair).first != *a;
    }

    void propsOption(std::string_view v) {
        propsGiven_ = true;
        result_.options.props.clear();
        if (v == "all") {
            result_.options.props = allProperties();
            return;
        }
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = v.find(',', start);
            const std::string_view item = v.substr(start, comma == std::string_view::npos ? v.npos : comma - start);
            const std::optional<Property> p = propertyFromLetter(item);
            if (!p) {
                fail("unknown property " + quotedForMessage(item) +
                     " in --props (letters P T Q H S V C W G M K Pr R U D CV SIGMA M08 K11, or all)");
                return;
            }
            result_.options.props.push_back(*p);
            if (comma == std::string_view::npos) break;
            start = comma + 1;
        }
    }

    void positional(std::string_view arg) {
        const std::size_t eq = arg.find('=');
        if (eq == std::string_view::npos || endOfOptions_) {
            if (file_) {
                fail("more than one input file: " + quotedForMessage(*file_) + " and " + quotedForMessage(arg));
                return;
            }
            file_ = arg;
            return;
        }
        const std::string_view letter = arg.substr(0, eq);
        const std::string_view text = arg.substr(eq + 1);
        const std::optional<Property> p = inputLetter(letter);
        if (!p) {
            fail("unknown input " + quotedForMessage(letter) + " in " + quotedForMessage(arg) +
                 " (inputs are P, T, Q, H, S and V)");
            return;
        }
        if (text.empty()) {
            fail("missing value in " + quotedForMessage(arg));
            return;
        }
        const std::optional<double> value = parseFiniteNumber(text);
        if (!value) {
            fail(quotedForMessage(text) + " in " + quotedForMessage(arg) + " is not a number");
            return;
        }
        for (const Input& in : inputs_) {
            if (in.letter == *p) {
                fail(std::string(propertyInfo(*p).letter) + " is given twice");
                return;
            }
        }
        if (inputs_.size() == 2) {
            fail("more than two inputs: " + quotedForMessage(arg) + " (give one pair: " + std::string(kPairList) + ")");
            return;
        }
        inputs_.push_back({*p, *value});
    }

    void finish() {
        Options& o = result_.options;
        o.unitSet |= flags_;
        if (help_) {
            o.mode = Mode::Help;
            return;
        }
        if (version_) {
            o.mode = Mode::Version;
            return;
        }
        if (batch_) {
            finishBatch();
        } else {
            finishPoint();
        }
    }

    void finishBatch() {
        Options& o = result_.options;
        o.mode = Mode::Batch;
        o.defaultState = false;
        if (!inputs_.empty()) {
            fail("batch mode reads its states from the file; NAME=VALUE inputs are not used with --batch");
        } else if (!batchPair_) {
            fail("batch mode needs --pair (" + std::string(kPairList) + ")");
        } else if (formatGiven_ && o.format != Format::Csv) {
            fail("batch mode writes CSV only");
        }
        if (file_) o.file = std::string(*file_);
        if (!propsGiven_) o.props = defaultBatchProperties(o.pair);
    }

    void finishPoint() {
        Options& o = result_.options;
        o.mode = Mode::Point;
        if (file_) {
            fail("unexpected argument " + quotedForMessage(*file_) +
                 " (inputs are written NAME=VALUE, e.g. P=10; files need --batch)");
            return;
        }
        if (batchPair_) {
            fail("--pair is for batch mode; for one point write the inputs as NAME=VALUE, e.g. P=10 T=500");
            return;
        }
        if (inputs_.size() == 1) {
            fail("one input is not a state: give two, e.g. P=10 T=500 (pairs " + std::string(kPairList) + ")");
            return;
        }
        if (inputs_.size() == 2) {
            const std::optional<Pair> pair = pairOf(inputs_[0].letter, inputs_[1].letter);
            if (!pair) {
                fail("no calculation from " + std::string(propertyInfo(inputs_[0].letter).letter) + " and " +
                     std::string(propertyInfo(inputs_[1].letter).letter) + " (the pairs are " + std::string(kPairList) +
                     ")");
                return;
            }
            o.pair = *pair;
            const bool inOrder = pairInfo(*pair).first == inputs_[0].letter;
            o.first = inOrder ? inputs_[0].value : inputs_[1].value;
            o.second = inOrder ? inputs_[1].value : inputs_[0].value;
            o.defaultState = false;
        }
        if (!propsGiven_) o.props = defaultPointProperties();
    }

    const std::vector<std::string_view>& args_;
    std::size_t pos_ = 0;
    CommandLine result_;
    std::vector<Input> inputs_;
    std::optional<std::string_view> file_;
    std::optional<Pair> batchPair_;
    std::int32_t flags_ = 0;
    bool endOfOptions_ = false;
    bool help_ = false;
    bool version_ = false;
    bool batch_ = false;
    bool formatGiven_ = false;
    bool propsGiven_ = false;
};

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string_view>& args) { return Parser(args).run(); }

std::vector<std::string> splitSingleWord(std::vector<std::string> args) {
    if (args.size() != 1 || args.front().find_first_of(" \t") == std::string::npos) return args;
    std::vector<std::string> words;
    std::string word;
    for (char c : args.front()) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::vector<Property> defaultPointProperties() {
    std::vector<Property> props;
    for (std::size_t i = 0; i < kDefaultPropertyCount; ++i) props.push_back(static_cast<Property>(i));
    return props;
}

std::vector<Property> allProperties() {
    std::vector<Property> all;
    for (std::size_t i = 0; i < kPropertyCount; ++i) all.push_back(static_cast<Property>(i));
    return all;
}

std::vector<Property> defaultBatchProperties(Pair pair) {
    const PairInfo& info = pairInfo(pair);
    std::vector<Property> props;
    for (Property p : {Property::P, Property::T, Property::Q, Property::H, Property::S, Property::V}) {
        if (p == info.first || p == info.second) continue;
        if (p == Property::Q && pair == Pair::PT) continue;
        props.push_back(p);
    }
    return props;
}

}  // namespace vapcalc
