// The saved default display settings: layout of the values, reading, writing, and their use by
// the view at its first initialization and when it is destroyed.
#include <gtest/gtest.h>

#include <QSettings>

#include "calvex_doc.h"
#include "calvex_view.h"
#include "defaults_store.h"
#include "main_frame.h"
#include "widget_test_support.h"

namespace calvex {
namespace {

TEST(DefaultsSnapshot, LayoutOfTheValues) {
    DefaultsSnapshot s = DefaultsSnapshot::builtIn();
    const std::uint32_t digits[kPropertyCount] = {2, 2, 3, 2, 5, 4, 4, 5, 5, 2, 2};
    for (int p = 0; p < kPropertyCount; ++p) {
        EXPECT_EQ(s.values[static_cast<std::size_t>(p)], digits[p]);
    }
    EXPECT_FALSE(s.ifc67());

    // The high half's unit index takes precedence over the word's unit bits.
    s.values[kPressure] = 0x00040213;  // unit 4 over word 0x0213 (unit 2, scientific, 3 digits)
    EXPECT_EQ(s.format(kPressure), makeFormat(3, 1, 4));
    s.values[kTemperature] = 0x00000313;  // high half 0: unit 0
    EXPECT_EQ(s.format(kTemperature), makeFormat(3, 1, 0));

    EXPECT_EQ(DefaultsSnapshot::pack(makeFormat(4, 1, 3)), 0x00030314u);
}

TEST(DefaultsSnapshot, ApplyToDocument) {
    CCalvexDoc doc;
    doc.SetInputSelection(kInputPressure | kInputEnthalpy);
    DefaultsSnapshot s = DefaultsSnapshot::builtIn();
    s.values[kEnthalpy] = DefaultsSnapshot::pack(makeFormat(1, 0, 1));
    s.formulation = 7;
    s.applyTo(doc);
    EXPECT_EQ(doc.GetDisplayFormat(kEnthalpy), makeFormat(1, 0, 1));
    EXPECT_EQ(doc.GetDisplayFormat(kPressure), 2);
    EXPECT_EQ(doc.InputSelection(), kInputPressure | kInputEnthalpy | kInputIfc67);
    s.formulation = 0;
    s.applyTo(doc);
    EXPECT_EQ(doc.InputSelection(), kInputPressure | kInputEnthalpy);
}

// A saved value whose format word the form could not set gives the document the built-in word
// of its property; the valid values are taken as they are.
TEST(DefaultsSnapshot, WordsTheFormCannotSetGiveTheBuiltInWords) {
    CCalvexDoc doc;
    DefaultsSnapshot s = DefaultsSnapshot::builtIn();
    s.values[kPressure] = 0x0009'0002;  // unit 9: no such pressure unit
    s.values[kTemperature] = DefaultsSnapshot::pack(makeFormat(4, 1, 3));
    s.values[kQuality] = 0x0001'0003;   // the quality has no units
    s.values[kEnthalpy] = 0x0000'000C;  // 12 digits
    s.values[kEntropy] = 0x0000'0025;   // style 2
    s.values[kViscosity] = 0xFFFF'FFFFu;
    s.applyTo(doc);
    EXPECT_EQ(doc.GetDisplayFormat(kPressure), 2);
    EXPECT_EQ(doc.GetDisplayFormat(kTemperature), makeFormat(4, 1, 3));
    EXPECT_EQ(doc.GetDisplayFormat(kQuality), 3);
    EXPECT_EQ(doc.GetDisplayFormat(kEnthalpy), 2);
    EXPECT_EQ(doc.GetDisplayFormat(kEntropy), 5);
    EXPECT_EQ(doc.GetDisplayFormat(kViscosity), 5);
    // Such a document saves a file that opens again.
    CCalvexDoc again;
    EXPECT_TRUE(again.LoadFromBytes(doc.SaveToBytes()).ok);
}

class SavedDefaults : public ::testing::Test {
  protected:
    void SetUp() override { test::clearSettings(); }
    void TearDown() override { test::clearSettings(); }
};

TEST_F(SavedDefaults, SettingsLiveInTheTemporaryFolder) {
    auto s = openCalvexSettings();
    EXPECT_TRUE(s->fileName().startsWith(test::settingsDir())) << s->fileName().toStdString();
    EXPECT_TRUE(s->fileName().endsWith(QStringLiteral("Orlesk/Calvex.conf"))) << s->fileName().toStdString();
}

TEST_F(SavedDefaults, AbsentValuesTakeTheBuiltInDefaults) {
    auto s = openCalvexSettings();
    EXPECT_EQ(readDefaults(*s), DefaultsSnapshot::builtIn());
    s->setValue(QStringLiteral("Defaults/S"), QStringLiteral("not a number"));
    s->setValue(QStringLiteral("Defaults/H"), 0x00010203);
    const DefaultsSnapshot d = readDefaults(*s);
    EXPECT_EQ(d.values[kEntropy], 5u);
    EXPECT_EQ(d.values[kEnthalpy], 0x00010203u);
}

TEST_F(SavedDefaults, WriteReadRoundTripUnderTheExactNames) {
    DefaultsSnapshot d = DefaultsSnapshot::builtIn();
    for (int p = 0; p < kPropertyCount; ++p) {
        d.values[static_cast<std::size_t>(p)] =
            0x00010000u * static_cast<std::uint32_t>(p) + 0x10u + static_cast<std::uint32_t>(p % 9);
    }
    d.values[kViscosity] = 0xFFFFFFFFu;
    d.formulation = 1;
    {
        auto s = openCalvexSettings();
        writeDefaults(*s, d);
    }
    auto s = openCalvexSettings();
    EXPECT_EQ(readDefaults(*s), d);
    // Value names are case-sensitive: exactly these twelve in group "Defaults".
    s->beginGroup(QStringLiteral("Defaults"));
    QStringList keys = s->childKeys();
    keys.sort();
    QStringList expected{"P", "T", "Q", "V", "H", "S", "C", "K", "M", "Pr", "CV", "F67"};
    expected.sort();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(s->value(QStringLiteral("V")).toUInt(), d.values[kVolume]);
    EXPECT_EQ(s->value(QStringLiteral("K")).toUInt(), d.values[kConductivity]);
    EXPECT_EQ(s->value(QStringLiteral("M")).toUInt(), 0xFFFFFFFFu);
    EXPECT_EQ(s->value(QStringLiteral("F67")).toInt(), 1);
    s->endGroup();
}

TEST_F(SavedDefaults, FirstNewDocumentTakesTheSnapshot) {
    {
        auto s = openCalvexSettings();
        s->setValue(QStringLiteral("Defaults/T"), 0x00030003);  // 3 digits, deg C
        s->setValue(QStringLiteral("Defaults/F67"), 1);
    }
    auto prompts = std::make_shared<test::ScriptedPrompts>();
    CMainFrame frame(prompts);
    ASSERT_TRUE(frame.startUp({}));
    const CCalvexDoc& doc = frame.document();
    EXPECT_EQ(doc.GetDisplayFormat(kTemperature), makeFormat(3, 0, 3));
    EXPECT_EQ(doc.InputSelection() & kInputIfc67, static_cast<std::uint32_t>(kInputIfc67));
    EXPECT_EQ(frame.view()->box(kTemperature)->text(), QStringLiteral("0.000"));  // 273.15 K
    EXPECT_TRUE(frame.view()->editFlags().recomputeNeeded);
    EXPECT_FALSE(doc.IsModified());

    // A later new document starts from the built-in defaults.
    ASSERT_TRUE(frame.newDocument());
    EXPECT_EQ(frame.document().GetDisplayFormat(kTemperature), 2);
    EXPECT_EQ(frame.view()->box(kTemperature)->text(), QStringLiteral("273.15"));

    // "Restore Default Settings" applies the snapshot on request.
    frame.view()->RestoreDefaultSettings();
    EXPECT_EQ(frame.document().GetDisplayFormat(kTemperature), makeFormat(3, 0, 3));
    EXPECT_TRUE(frame.document().IsModified());
}

TEST_F(SavedDefaults, OpeningAndClosingWritesBackTheValuesRead) {
    const std::string file = (test::settingsDir() + QStringLiteral("/opened.stm")).toStdString();
    CCalvexDoc saved;
    saved.SetDisplayFormat(kPressure, makeFormat(6, 1, 5));
    ASSERT_TRUE(saved.OnSaveDocument(file).ok);
    {
        auto s = openCalvexSettings();
        s->setValue(QStringLiteral("Defaults/P"), 0x00050015);
        s->setValue(QStringLiteral("Defaults/CV"), 7);
        s->setValue(QStringLiteral("Defaults/F67"), 3);
    }
    DefaultsSnapshot before;
    {
        auto s = openCalvexSettings();
        before = readDefaults(*s);
    }
    {
        auto prompts = std::make_shared<test::ScriptedPrompts>();
        CMainFrame frame(prompts);
        ASSERT_TRUE(frame.startUp({QString::fromStdString(file)}));
        // The opened document keeps its own formats; the snapshot is only read.
        EXPECT_EQ(frame.document().GetDisplayFormat(kPressure), makeFormat(6, 1, 5));
        EXPECT_EQ(frame.view()->defaultsSnapshot(), before);
    }
    auto s = openCalvexSettings();
    EXPECT_EQ(readDefaults(*s), before);
    EXPECT_EQ(s->value(QStringLiteral("Defaults/F67")).toInt(), 3);
    EXPECT_EQ(s->value(QStringLiteral("Defaults/Q")).toInt(), 3);  // absent before, written now
}

TEST_F(SavedDefaults, UseSettingsAsDefaultIsWrittenAtTheEnd) {
    {
        auto prompts = std::make_shared<test::ScriptedPrompts>();
        CMainFrame frame(prompts);
        ASSERT_TRUE(frame.startUp({}));
        frame.view()->box(kEnthalpy)->setFormat(makeFormat(4, 1, 1));
        frame.view()->UseSettingsAsDefault();
        // Nothing is written yet.
        auto s = openCalvexSettings();
        EXPECT_FALSE(s->contains(QStringLiteral("Defaults/H")));
    }
    auto s = openCalvexSettings();
    EXPECT_EQ(s->value(QStringLiteral("Defaults/H")).toUInt(), 0x00010114u);
    EXPECT_EQ(s->value(QStringLiteral("Defaults/F67")).toInt(), 0);
}

}  // namespace
}  // namespace calvex
