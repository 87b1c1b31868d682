// The Calvex document: defaults, point operations, maxima and the ".stm" byte layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "calvex_doc.h"

namespace calvex {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A new document saved at once: the 34-byte head (count 0, selection 0, index 0, the words
// 2 2 3 2 5 4 4 5 5 2 2), then the current point and the maxima, each eleven doubles
// (pressure 0, temperature 273.15 = 66 66 66 66 66 12 71 40, the rest 0) and an empty label.
Bytes goldenNewDocument() {
    Bytes b = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 3, 0, 2, 0, 5, 0, 4, 0, 4, 0, 5, 0, 5, 0, 2, 0, 2, 0};
    for (int rec = 0; rec < 2; ++rec) {
        for (int i = 0; i < 8; ++i) {
            b.push_back(0);
        }
        const std::uint8_t t[8] = {0x66, 0x66, 0x66, 0x66, 0x66, 0x12, 0x71, 0x40};
        b.insert(b.end(), t, t + 8);
        for (int i = 0; i < 9 * 8; ++i) {
            b.push_back(0);
        }
        b.push_back(0);
    }
    return b;
}

CStatePoint makePoint(double base, const std::string& label) {
    CStatePoint p;
    for (int i = 0; i < kPropertyCount; ++i) {
        p.setValue(i, base + i);
    }
    p.setLabel(label);
    return p;
}

// A document with three stored points, a selection and changed formats.
CCalvexDoc sampleDocument() {
    CCalvexDoc doc;
    doc.OnNewDocument();
    const char* labels[] = {"Inlet", "Point 2", "exhaust"};
    for (int i = 0; i < 3; ++i) {
        doc.CurrentPoint() = makePoint(10.0 * (i + 1), labels[i]);
        doc.StoreCurrentPoint();
    }
    doc.CurrentPoint() = makePoint(1.5, "current");
    doc.CurrentPoint().setValue(kQuality, -20.0);
    doc.SetInputSelection(kInputPressure | kInputTemperature | kInputIfc67);
    doc.SetSelectedIndex(1);
    doc.SetDisplayFormat(kTemperature, makeFormat(3, 1, 3));
    return doc;
}

TEST(CalvexDoc, NewDocumentDefaults) {
    CCalvexDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.IsNewDocument());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetStoredCount(), 0);
    EXPECT_EQ(doc.InputSelection(), 0u);
    EXPECT_EQ(doc.SelectedIndex(), 0);
    EXPECT_EQ(doc.CurrentPoint().value(kPressure), 0.0);
    EXPECT_EQ(doc.CurrentPoint().value(kTemperature), 273.15);
    EXPECT_EQ(doc.CurrentPoint().label(), "");
    EXPECT_EQ(doc.MaximaPoint(), doc.CurrentPoint());
    const DisplayFormat expected[kPropertyCount] = {2, 2, 3, 2, 5, 4, 4, 5, 5, 2, 2};
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(doc.GetDisplayFormat(p), expected[p]) << p;
    }
    EXPECT_EQ(doc.GetTitle(), "Untitled");
}

TEST(CalvexDoc, NewDocumentIsThe212GoldenBytes) {
    CCalvexDoc doc;
    doc.OnNewDocument();
    const Bytes bytes = doc.SaveToBytes();
    ASSERT_EQ(bytes.size(), 212u);
    EXPECT_EQ(bytes, goldenNewDocument());
}

TEST(CalvexDoc, NewDocumentEmptiesAnOldOne) {
    CCalvexDoc doc = sampleDocument();
    doc.OnNewDocument();
    EXPECT_EQ(doc.SaveToBytes(), goldenNewDocument());
}

TEST(CalvexDoc, LabelLengthPrefixes) {
    struct Row {
        std::size_t length;
        Bytes prefix;  // framework string encoding of the length
    };
    const Row rows[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Row& row : rows) {
        CCalvexDoc doc;
        doc.CurrentPoint().setLabel(std::string(row.length, 'a'));
        const Bytes bytes = doc.SaveToBytes();
        ASSERT_EQ(bytes.size(), 212u + row.length + row.prefix.size() - 1) << row.length;
        const Bytes prefix(bytes.begin() + 34 + 88, bytes.begin() + 34 + 88 + static_cast<long>(row.prefix.size()));
        EXPECT_EQ(prefix, row.prefix) << row.length;
        EXPECT_EQ(bytes[34 + 88 + row.prefix.size()], row.length ? 'a' : 0) << row.length;

        CCalvexDoc back;
        ASSERT_TRUE(back.LoadFromBytes(bytes).ok) << row.length;
        EXPECT_EQ(back.CurrentPoint().label(), std::string(row.length, 'a'));
        EXPECT_EQ(back.SaveToBytes(), bytes);
    }
}

TEST(CalvexDoc, LongLengthFormsAreReadEvenForShortLabels) {
    // A reader must accept a length written in a longer form than needed.
    Bytes b = goldenNewDocument();
    const std::size_t at = 34 + 88;
    b[at] = 0xFF;
    const std::uint8_t rest[] = {0x03, 0x00, 'a', 'b', 'c'};
    b.insert(b.begin() + static_cast<long>(at) + 1, rest, rest + 5);
    CCalvexDoc doc;
    ASSERT_TRUE(doc.LoadFromBytes(b).ok);
    EXPECT_EQ(doc.CurrentPoint().label(), "abc");
}

TEST(CalvexDoc, WideStringLabelIsRead) {
    // 0xFF 0xFFFE marks 16-bit characters; length 2, "Hi".
    Bytes b = goldenNewDocument();
    const std::size_t at = 34 + 88;
    b.erase(b.begin() + static_cast<long>(at));
    const std::uint8_t wide[] = {0xFF, 0xFE, 0xFF, 0x02, 'H', 0, 'i', 0};
    b.insert(b.begin() + static_cast<long>(at), wide, wide + 8);
    CCalvexDoc doc;
    ASSERT_TRUE(doc.LoadFromBytes(b).ok);
    EXPECT_EQ(doc.CurrentPoint().label(), "Hi");
}

TEST(CalvexDoc, StoredPointsRoundTripByteForByte) {
    const CCalvexDoc doc = sampleDocument();
    const Bytes bytes = doc.SaveToBytes();
    // head + current + maxima + three stored points, labels of 7, 5, 7, 7 characters
    EXPECT_EQ(bytes.size(), 34u + 89u + 7u + 89u + 89u + 5u + 89u + 7u + 89u + 7u);
    // count 3 at offset 0, selection 0x2003 at 4, index 1 at 8, temperature word 0x0313 at 14
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[4], 0x03);
    EXPECT_EQ(bytes[5], 0x20);
    EXPECT_EQ(bytes[8], 1);
    EXPECT_EQ(bytes[14], 0x13);
    EXPECT_EQ(bytes[15], 0x03);

    CCalvexDoc back;
    ASSERT_TRUE(back.LoadFromBytes(bytes).ok);
    EXPECT_EQ(back.SaveToBytes(), bytes);
    EXPECT_EQ(back.GetStoredCount(), 3);
    EXPECT_EQ(back.GetStoredLabel(2), "exhaust");
    EXPECT_EQ(back.GetStoredValue(1, kEnthalpy), 23.0);
    EXPECT_EQ(back.CurrentPoint().value(kQuality), -20.0);
    EXPECT_EQ(back.InputSelection(), 0x2003u);
    EXPECT_EQ(back.SelectedIndex(), 1);
    EXPECT_FALSE(back.IsNewDocument());
    EXPECT_FALSE(back.IsModified());
}

TEST(CalvexDoc, LoadingReplacesTheStoredPoints) {
    CCalvexDoc small;
    small.CurrentPoint() = makePoint(5.0, "only");
    small.StoreCurrentPoint();
    const Bytes file = small.SaveToBytes();

    CCalvexDoc doc = sampleDocument();
    ASSERT_EQ(doc.GetStoredCount(), 3);
    ASSERT_TRUE(doc.LoadFromBytes(file).ok);
    EXPECT_EQ(doc.GetStoredCount(), 1);
    EXPECT_EQ(doc.GetStoredLabel(0), "only");
    EXPECT_EQ(doc.SaveToBytes(), file);
}

TEST(CalvexDoc, StoreDeleteRecallReplace) {
    CCalvexDoc doc;
    doc.CurrentPoint() = makePoint(1.0, "a");
    EXPECT_EQ(doc.StoreCurrentPoint(), 1);
    EXPECT_TRUE(doc.IsModified());
    doc.CurrentPoint() = makePoint(2.0, "b");
    EXPECT_EQ(doc.StoreCurrentPoint(), 2);
    doc.CurrentPoint() = makePoint(3.0, "c");
    EXPECT_EQ(doc.StoreCurrentPoint(), 3);

    doc.SetModifiedFlag(false);
    ASSERT_TRUE(doc.RecallStoredPoint(0));
    EXPECT_EQ(doc.CurrentPoint(), makePoint(1.0, "a"));
    EXPECT_FALSE(doc.IsModified());  // recall does not modify

    doc.CurrentPoint() = makePoint(0.5, "z");
    ASSERT_TRUE(doc.ReplaceStoredPoint(1));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetStoredLabel(1), "z");
    EXPECT_EQ(doc.GetStoredValue(1, kPressure), 0.5);

    doc.SetModifiedFlag(false);
    EXPECT_EQ(doc.DeleteStoredPoint(0), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetStoredLabel(0), "z");
    EXPECT_EQ(doc.GetStoredLabel(1), "c");

    // Indices outside the collection change nothing and read nothing outside it.
    EXPECT_EQ(doc.DeleteStoredPoint(2), 2);
    EXPECT_EQ(doc.DeleteStoredPoint(-1), 2);
    EXPECT_FALSE(doc.RecallStoredPoint(5));
    EXPECT_FALSE(doc.ReplaceStoredPoint(-3));
    EXPECT_EQ(doc.GetStoredValue(7, kPressure), NotAvailableMarker);
    EXPECT_EQ(doc.GetStoredLabel(7), "");
    EXPECT_EQ(doc.StoredPoint(2), nullptr);
}

TEST(CalvexDoc, MaximaRiseWithStoreAndReplaceAndNeverFall) {
    CCalvexDoc doc;
    doc.CurrentPoint() = makePoint(100.0, "high");
    doc.CurrentPoint().setValue(kViscosity, -20.0);
    doc.StoreCurrentPoint();
    EXPECT_EQ(doc.MaximaPoint().value(kViscosity), 0.0);  // a marker never raises a maximum
    doc.CurrentPoint() = makePoint(1.0, "low");
    doc.StoreCurrentPoint();
    EXPECT_EQ(doc.MaximaPoint().value(kPressure), 100.0);
    EXPECT_EQ(doc.MaximaPoint().value(kViscosity), 8.0);

    doc.DeleteStoredPoint(0);  // the point with the largest pressure
    EXPECT_EQ(doc.MaximaPoint().value(kPressure), 100.0);

    doc.CurrentPoint() = makePoint(500.0, "bigger");
    doc.ReplaceStoredPoint(0);
    EXPECT_EQ(doc.MaximaPoint().value(kCriticalVelocity), 510.0);
    // Recall does not touch the maxima.
    doc.CurrentPoint() = makePoint(9000.0, "never stored");
    EXPECT_EQ(doc.MaximaPoint().value(kPressure), 500.0);
}

// ---- damaged files -------------------------------------------------------------------------

TEST(CalvexDoc, EveryTruncationIsRefusedAndChangesNothing) {
    const Bytes file = sampleDocument().SaveToBytes();
    CCalvexDoc doc;
    doc.CurrentPoint() = makePoint(42.0, "open");
    doc.StoreCurrentPoint();
    const Bytes before = doc.SaveToBytes();
    for (std::size_t n = 0; n < file.size(); ++n) {
        const DocFileResult r = doc.LoadFromBytes(std::span(file.data(), n));
        EXPECT_FALSE(r.ok) << n;
        EXPECT_EQ(r.message, kMsgPastEnd) << n;
        ASSERT_EQ(doc.SaveToBytes(), before) << n;
        EXPECT_TRUE(doc.IsModified()) << n;  // the open document's flags stay too
    }
}

TEST(CalvexDoc, BadCountsAreRefusedWithoutAllocating) {
    struct Row {
        std::int32_t count;
        const char* message;
    };
    const Row rows[] = {
        {-1, kMsgUnexpectedFormat},
        {INT32_MIN, kMsgUnexpectedFormat},
        {INT32_MAX, kMsgPastEnd},  // more records than the file could hold
        {4, kMsgPastEnd},          // one more than written
        {1000000, kMsgPastEnd},
    };
    const Bytes good = sampleDocument().SaveToBytes();
    for (const Row& row : rows) {
        Bytes b = good;
        const auto u = static_cast<std::uint32_t>(row.count);
        for (int i = 0; i < 4; ++i) {
            b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
        }
        CCalvexDoc doc;
        const Bytes before = doc.SaveToBytes();
        const DocFileResult r = doc.LoadFromBytes(b);
        EXPECT_FALSE(r.ok) << row.count;
        EXPECT_EQ(r.message, row.message) << row.count;
        EXPECT_EQ(doc.SaveToBytes(), before);
        EXPECT_TRUE(doc.IsNewDocument());
    }
}

// Format words and input selections that the form cannot set make a damaged file: refused with
// "Unexpected file format." and the open document unchanged. The values the form can set open.
TEST(CalvexDoc, SettingsTheFormCannotMakeAreRefused) {
    struct Row {
        const char* what;
        std::uint32_t selection;
        int property;  // -1: no format word changed
        DisplayFormat word;
        bool accepted;
    };
    const Row rows[] = {
        {"pressure and temperature with IFC-67", 0x2003, -1, 0, true},
        {"no input", 0, -1, 0, true},
        {"entropy alone", 16, -1, 0, true},
        {"pressure and entropy", 17, -1, 0, true},
        {"high half ignored", 0xABCD0009u, -1, 0, true},
        {"all five inputs and IFC-67", 0x201F, -1, 0, false},
        {"every bit", 0xFFFFFFFFu, -1, 0, false},
        {"temperature and enthalpy", 0x000A, -1, 0, false},
        {"pressure, temperature, quality", 0x0007, -1, 0, false},
        {"an unknown bit", 0x0043, -1, 0, false},
        {"IFC-67 bit beside another unknown bit", 0x6003, -1, 0, false},
        {"8 digits scientific deg C", 3, kTemperature, makeFormat(8, 1, 3), true},
        {"last volume unit", 3, kVolume, makeFormat(4, 0, 3), true},
        {"9 digits", 3, kPressure, makeFormat(9, 0, 0), false},
        {"15 digits", 3, kEntropy, makeFormat(15, 0, 0), false},
        {"style 2", 3, kEnthalpy, makeFormat(2, 2, 0), false},
        {"temperature unit 4", 3, kTemperature, makeFormat(2, 0, 4), false},
        {"pressure unit 9", 3, kPressure, makeFormat(2, 0, 9), false},
        {"velocity unit 255", 3, kCriticalVelocity, makeFormat(2, 0, 255), false},
        {"a unit for the quality", 3, kQuality, makeFormat(3, 0, 1), false},
        {"a unit for the Prandtl number", 3, kPrandtl, makeFormat(2, 0, 1), false},
    };
    for (const Row& row : rows) {
        CCalvexDoc source = sampleDocument();
        if (row.property >= 0) {
            source.SetDisplayFormat(row.property, row.word);
        }
        Bytes b = source.SaveToBytes();
        for (int i = 0; i < 4; ++i) {
            b[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(row.selection >> (8 * i));
        }
        CCalvexDoc doc;
        doc.CurrentPoint() = makePoint(42.0, "open");
        doc.StoreCurrentPoint();
        const Bytes before = doc.SaveToBytes();
        const DocFileResult r = doc.LoadFromBytes(b);
        EXPECT_EQ(r.ok, row.accepted) << row.what;
        if (row.accepted) {
            // The document keeps the meaningful low half of the selection only.
            EXPECT_EQ(doc.InputSelection(), row.selection & 0xFFFFu) << row.what;
            if (row.property >= 0) {
                EXPECT_EQ(doc.GetDisplayFormat(row.property), row.word) << row.what;
            }
        } else {
            EXPECT_EQ(r.message, kMsgUnexpectedFormat) << row.what;
            EXPECT_EQ(doc.SaveToBytes(), before) << row.what;
        }
    }
}

TEST(CalvexDoc, HugeLabelLengthIsRefused) {
    Bytes b = goldenNewDocument();
    const std::size_t at = 34 + 88;
    b.erase(b.begin() + static_cast<long>(at));
    const std::uint8_t huge[] = {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F};
    b.insert(b.begin() + static_cast<long>(at), huge, huge + 7);
    CCalvexDoc doc;
    const DocFileResult r = doc.LoadFromBytes(b);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kMsgPastEnd);

    // The 64-bit length form is not part of the format.
    Bytes c = goldenNewDocument();
    c.erase(c.begin() + static_cast<long>(at));
    const std::uint8_t form64[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0};
    c.insert(c.begin() + static_cast<long>(at), form64, form64 + sizeof form64);
    const DocFileResult r2 = doc.LoadFromBytes(c);
    EXPECT_FALSE(r2.ok);
    EXPECT_EQ(r2.message, kMsgUnexpectedFormat);
}

TEST(CalvexDoc, RandomCorruptionNeverHalfLoads) {
    const CCalvexDoc source = sampleDocument();
    const Bytes good = source.SaveToBytes();
    std::mt19937 rng(20261208);  // fixed seed: the same cases every run
    std::uniform_int_distribution<std::size_t> pos(0, good.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> flips(1, 8);
    int refused = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        Bytes b = good;
        const int n = flips(rng);
        for (int i = 0; i < n; ++i) {
            b[pos(rng)] = static_cast<std::uint8_t>(byte(rng));
        }
        if (trial % 3 == 0) {
            b.resize(pos(rng));
        }
        CCalvexDoc doc;
        doc.CurrentPoint() = makePoint(7.0, "keep");
        doc.StoreCurrentPoint();
        const Bytes before = doc.SaveToBytes();
        const DocFileResult r = doc.LoadFromBytes(b);
        if (!r.ok) {
            ++refused;
            EXPECT_TRUE(r.message == kMsgPastEnd || r.message == kMsgUnexpectedFormat) << r.message;
            ASSERT_EQ(doc.SaveToBytes(), before) << "trial " << trial;
        } else {
            // Accepted: the document holds the file's count of points and reads back as saved.
            const std::int32_t count =
                static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
            EXPECT_EQ(doc.GetStoredCount(), count) << "trial " << trial;
            const Bytes saved = doc.SaveToBytes();
            CCalvexDoc again;
            ASSERT_TRUE(again.LoadFromBytes(saved).ok);
            EXPECT_EQ(again.SaveToBytes(), saved);
        }
    }
    EXPECT_GT(refused, 1000);
}

TEST(CalvexDoc, TrailingBytesAfterTheLastRecordAreIgnored) {
    Bytes b = goldenNewDocument();
    b.push_back(0xAB);
    CCalvexDoc doc;
    ASSERT_TRUE(doc.LoadFromBytes(b).ok);
    EXPECT_EQ(doc.SaveToBytes(), goldenNewDocument());
}

// ---- files on disk -------------------------------------------------------------------------

class CalvexDocFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("calvex_doc_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(CalvexDocFile, SaveThenOpen) {
    CCalvexDoc doc = sampleDocument();
    doc.SetModifiedFlag();
    const std::string file = path("turbine.stm");
    ASSERT_TRUE(doc.OnSaveDocument(file).ok);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.IsNewDocument());
    EXPECT_EQ(doc.GetTitle(), "turbine.stm");
    EXPECT_EQ(std::filesystem::file_size(file), doc.SaveToBytes().size());
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));

    CCalvexDoc other;
    ASSERT_TRUE(other.OnOpenDocument(file).ok);
    EXPECT_EQ(other.SaveToBytes(), doc.SaveToBytes());
    EXPECT_EQ(other.GetPathName(), file);
}

TEST_F(CalvexDocFile, NewDocumentFileIs212Bytes) {
    CCalvexDoc doc;
    const std::string file = path("new.stm");
    ASSERT_TRUE(doc.OnSaveDocument(file).ok);
    std::ifstream in(file, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, goldenNewDocument());
}

TEST_F(CalvexDocFile, TruncatedFileNamesTheFile) {
    const Bytes good = sampleDocument().SaveToBytes();
    const std::string file = path("short.stm");
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(good.data()), 100);
    }
    CCalvexDoc doc;
    const DocFileResult r = doc.OnOpenDocument(file);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "An attempt was made to access " + file + " past its end.");
    EXPECT_TRUE(doc.IsNewDocument());
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(CalvexDocFile, MissingFileAndUnwritablePlace) {
    CCalvexDoc doc;
    EXPECT_EQ(doc.OnOpenDocument(path("absent.stm")).message, kMsgFailedToOpen);
    EXPECT_EQ(doc.OnOpenDocument(dir_.string()).message, kMsgFailedToOpen);  // a folder
    doc.SetModifiedFlag();
    EXPECT_EQ(doc.OnSaveDocument(path("no/such/folder/x.stm")).message, kMsgFailedToSave);
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace calvex
