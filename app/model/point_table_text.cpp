#include "point_table_text.h"

#include <cctype>
#include <climits>

#include "calvex_doc.h"
#include "form_messages.h"
#include "number_format.h"

namespace calvex {
namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

PropertyTexts propertyLabels(const PropertyFormats& f) {
    PropertyTexts out;
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        std::string text(kProperties[i].shortLabel);
        if (kProperties[i].kind != PropertyKind::Dimensionless) {
            text += " - ";
            text += unitText(f.kinds[i], formatUnit(f.formats[i]));
        }
        out[i] = std::move(text);
    }
    return out;
}

std::string currentPointText(const std::string& label, const PropertyTexts& texts, const PropertyTexts* labels) {
    std::string out;
    if (labels) {
        out += '\t';
    }
    out += label;
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        out += kLineEnd;
        if (labels) {
            out += (*labels)[i];
            out += '\t';
        }
        out += texts[i];
    }
    return out;
}

PropertyFormats documentFormats(const CCalvexDoc& doc) {
    PropertyFormats f;
    for (int p = 0; p < kPropertyCount; ++p) {
        f.kinds[static_cast<std::size_t>(p)] = propertyKind(p);
        f.formats[static_cast<std::size_t>(p)] = doc.GetDisplayFormat(p);
    }
    return f;
}

PropertyTexts storedPointTexts(const CCalvexDoc& doc, int i, const PropertyFormats& f) {
    PropertyTexts out;
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto k = static_cast<std::size_t>(p);
        out[k] = formatValue(doc.GetStoredValue(i, p), f.kinds[k], f.formats[k]);
    }
    return out;
}

std::string storedPointsText(const CCalvexDoc& doc, const PropertyFormats& f, const PropertyTexts* labels) {
    const int n = doc.GetStoredCount();
    if (n <= 0) {
        return {};
    }
    std::string out;
    if (labels) {
        out += '\t';
    }
    for (int i = 0; i < n; ++i) {
        if (i > 0) {
            out += '\t';
        }
        out += doc.GetStoredLabel(i);
    }
    std::vector<PropertyTexts> columns;
    columns.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        columns.push_back(storedPointTexts(doc, i, f));
    }
    for (int p = 0; p < kPropertyCount; ++p) {
        const auto k = static_cast<std::size_t>(p);
        out += kLineEnd;
        if (labels) {
            out += (*labels)[k];
            out += '\t';
        }
        for (int i = 0; i < n; ++i) {
            if (i > 0) {
                out += '\t';
            }
            out += columns[static_cast<std::size_t>(i)][k];
        }
    }
    return out;
}

int shownStoredIndex(int selected, int count) noexcept {
    if (count <= 0) {
        return -1;
    }
    if (selected < 0) {
        return 0;
    }
    return selected >= count ? count - 1 : selected;
}

int findStoredLabel(const CCalvexDoc& doc, const std::string& label, int except) {
    for (int i = 0; i < doc.GetStoredCount(); ++i) {
        if (i != except && doc.GetStoredLabel(i) == label) {
            return i;
        }
    }
    return -1;
}

std::optional<std::string> computedPointLabel(const std::string& label, const CCalvexDoc& doc) {
    if (!label.empty() && findStoredLabel(doc, label) < 0) {
        return std::nullopt;
    }
    return "Point " + std::to_string(doc.GetStoredCount() + 1);
}

std::optional<int> parseIntegerField(const std::string& text, int lo, int hi, std::string& message) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    long long value = 0;
    bool overflow = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            overflow = true;
            value = INT_MAX;
        }
        ++i;
    }
    const bool haveDigits = i > digitsStart;
    while (i < text.size() && blank(text[i])) {
        ++i;
    }
    if (!haveDigits || i != text.size() || overflow) {
        message = kMsgEnterInteger;
        return std::nullopt;
    }
    const int v = static_cast<int>(negative ? -value : value);
    if (v < lo || v > hi) {
        message = integerRangeMessage(lo, hi);
        return std::nullopt;
    }
    return v;
}

}  // namespace calvex
