// The ".stm" loader with arbitrary bytes, over a document that already holds points.
//
// Invariants:
//   - the loader accepts exactly the files that hold the whole documented layout (head, current
//     point, maxima, a non-negative count of stored points and that many records), judged by a
//     reader of the layout written here from the format;
//   - an accepted file saved again gives the bytes the layout was read from (when every label was
//     written in its shortest length form and with single-byte characters), and saving, loading and
//     saving again gives the same bytes in every case;
//   - a refused file leaves the open document exactly as it was: contents, modified flag, the
//     new-document flag and the file name.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calvex_doc.h"
#include "fuzz_support.h"

using calvex::CCalvexDoc;

namespace {

// The layout of the format, read without the loader: the number of bytes it covers (nullopt when
// the data do not hold it) and whether every label used the canonical narrow encoding.
struct Layout {
    std::size_t bytes = 0;
    bool canonical = true;
    bool wideLabel = false;
};

class LayoutReader {
  public:
    explicit LayoutReader(std::span<const std::uint8_t> d) : d_(d) {}

    bool skip(std::size_t n) {
        if (d_.size() - pos_ < n) {
            return false;
        }
        pos_ += n;
        return true;
    }
    bool uint(int n, std::uint64_t& v) {
        if (d_.size() - pos_ < static_cast<std::size_t>(n)) {
            return false;
        }
        v = 0;
        for (int i = 0; i < n; ++i) {
            v |= static_cast<std::uint64_t>(d_[pos_ + static_cast<std::size_t>(i)]) << (8 * i);
        }
        pos_ += static_cast<std::size_t>(n);
        return true;
    }
    // One point record: eleven doubles and a label.
    bool record(Layout& layout) {
        if (!skip(88)) {
            return false;
        }
        std::uint64_t len = 0;
        if (!uint(1, len)) {
            return false;
        }
        if (len == 0xFF) {
            if (!uint(2, len)) {
                return false;
            }
            if (len == 0xFFFE) {
                layout.wideLabel = true;  // 16-bit characters: an extension of the framework's encoding
                return false;
            }
            if (len == 0xFFFF) {
                if (!uint(4, len)) {
                    return false;
                }
                layout.canonical = layout.canonical && len >= 0xFFFE;
            } else {
                layout.canonical = layout.canonical && len >= 0xFF;
            }
        }
        return skip(static_cast<std::size_t>(len));
    }
    std::size_t position() const { return pos_; }

  private:
    std::span<const std::uint8_t> d_;
    std::size_t pos_ = 0;
};

std::optional<Layout> readLayout(std::span<const std::uint8_t> d, bool& wide) {
    Layout layout;
    LayoutReader r(d);
    std::uint64_t count = 0;
    const bool ok = r.uint(4, count) && r.skip(4 + 4 + 22) && r.record(layout) && r.record(layout);
    wide = layout.wideLabel;
    if (!ok) {
        return std::nullopt;
    }
    const auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(count));
    if (n < 0) {
        return std::nullopt;
    }
    for (std::int32_t i = 0; i < n; ++i) {
        if (!r.record(layout)) {
            wide = layout.wideLabel;
            return std::nullopt;
        }
    }
    layout.bytes = r.position();
    return layout;
}

// A document with something in it: two stored points, a label, a format and a selection.
void prepare(CCalvexDoc& doc) {
    doc.OnNewDocument();
    doc.CurrentPoint().setValue(0, 1.5);
    doc.CurrentPoint().setValue(1, 500.0);
    doc.CurrentPoint().setLabel("first");
    doc.StoreCurrentPoint();
    doc.CurrentPoint().setLabel(std::string(300, 'x'));
    doc.StoreCurrentPoint();
    doc.SetDisplayFormat(3, 0x0115);
    doc.SetInputSelection(3);
    doc.SetSelectedIndex(1);
    doc.SetModifiedFlag(true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    bool wide = false;
    const std::optional<Layout> layout = readLayout(bytes, wide);

    CCalvexDoc doc;
    prepare(doc);
    const std::vector<std::uint8_t> before = doc.SaveToBytes();
    const bool modifiedBefore = doc.IsModified();
    const bool newBefore = doc.IsNewDocument();
    const std::string pathBefore = doc.GetPathName();

    const calvex::DocFileResult r = doc.LoadFromBytes(bytes);
    // A complete layout may still be refused: format words and input selections the form cannot set
    // make a damaged file. An incomplete one is never accepted.
    if (!wide && r.ok) FUZZ_CHECK_MSG(layout.has_value(), "loader accepts an incomplete layout");
    if (!r.ok) {
        FUZZ_CHECK(!r.message.empty());
        FUZZ_CHECK(doc.SaveToBytes() == before);
        FUZZ_CHECK(doc.IsModified() == modifiedBefore);
        FUZZ_CHECK(doc.IsNewDocument() == newBefore);
        FUZZ_CHECK(doc.GetPathName() == pathBefore);
        return 0;
    }
    FUZZ_CHECK(!doc.IsModified());
    FUZZ_CHECK(!doc.IsNewDocument());
    const std::vector<std::uint8_t> saved = doc.SaveToBytes();
    if (layout && layout->canonical && !wide) {
        FUZZ_CHECK_MSG(
            saved.size() == layout->bytes, "saved %zu bytes of a %zu-byte layout", saved.size(), layout->bytes);
        // The bytes themselves may differ: the loader keeps only the low 16 bits of the input selection.
        // What was loaded saves and loads again to the same bytes (below).
    }
    CCalvexDoc again;
    FUZZ_CHECK(again.LoadFromBytes(saved).ok);
    FUZZ_CHECK(again.SaveToBytes() == saved);
    FUZZ_CHECK(again.GetStoredCount() == doc.GetStoredCount());
    return 0;
}
