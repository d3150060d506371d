// The composition helpers against a fake OS that offers a fake "dwmapi.dll".

#include "CompositionFuncs.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace plumcrest::platform {
namespace {

// What the fake DWM entries do and saw; reset for every test.
struct FakeDwm {
    std::optional<int> writeEnabled = 1; // nothing: the entry leaves the out-value alone
    long result = 0;
    int compositionCalls = 0;
    int extendCalls = 0;
    void* extendHandle = nullptr;
    Margins extendMargins;
};
FakeDwm dwm;

long PLUMCREST_WINAPI FakeIsCompositionEnabled(int* enabled) {
    ++dwm.compositionCalls;
    if (dwm.writeEnabled)
        *enabled = *dwm.writeEnabled;
    return dwm.result;
}

long PLUMCREST_WINAPI FakeExtendFrame(void* hwnd, const Margins* margins) {
    ++dwm.extendCalls;
    dwm.extendHandle = hwnd;
    dwm.extendMargins = *margins;
    return dwm.result;
}

constexpr long kEFail = -2147467259L; // E_FAIL, 0x80004005 as a signed 32-bit value

class CompositionFuncsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dwm = FakeDwm{};
        fake.os.windowsMajor = 6;
        fake.os.visualStyles = true;
        fake.os.libraries[kDwmLibrary] = {
            {kDwmIsCompositionEnabled, reinterpret_cast<void*>(&FakeIsCompositionEnabled)},
            {kDwmExtendFrameIntoClientArea, reinterpret_cast<void*>(&FakeExtendFrame)}};
    }
    void TearDown() override { EXPECT_EQ(fake.os.loads, fake.os.unloads) << "library left loaded"; }
    void RemoveEntry(const char* entry) { fake.os.libraries[kDwmLibrary].erase(entry); }

    testing::FakePlatform fake;
};

struct VersionRow {
    const char* name;
    std::optional<int> major;
    bool visualStyles;
    bool vistaOrLater;
    bool vistaWithThemes;
};

TEST_F(CompositionFuncsTest, VersionAndThemeQueries) {
    const VersionRow rows[] = {
        {"xp_with_styles", 5, true, false, false},
        {"vista_with_styles", 6, true, true, true},
        {"vista_without_styles", 6, false, true, false},
        {"windows_10", 10, true, true, true},
        {"failed_version_query", std::nullopt, true, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake.os.windowsMajor = row.major;
        fake.os.visualStyles = row.visualStyles;
        EXPECT_EQ(IsVistaOrLater(), row.vistaOrLater);
        EXPECT_EQ(IsVistaWithThemes(), row.vistaWithThemes);
    }
}

struct CompositionRow {
    const char* name;
    std::optional<int> major;
    bool library;
    bool entry;
    std::optional<int> writeEnabled;
    long result;
    bool expected;
    int loads;
};

TEST_F(CompositionFuncsTest, IsCompositionEnabledAnswersAndAlwaysUnloads) {
    const CompositionRow rows[] = {
        {"composition_on", 6, true, true, 1, 0, true, 1},
        {"composition_off", 6, true, true, 0, 0, false, 1},
        {"any_nonzero_bool_is_true", 6, true, true, -1, 0, true, 1},
        {"result_code_is_not_examined", 6, true, true, 1, kEFail, true, 1},
        {"untouched_out_value_starts_false", 6, true, true, std::nullopt, 0, false, 1},
        {"entry_missing", 6, true, false, 1, 0, false, 1},
        {"library_missing", 6, false, true, 1, 0, false, 0},
        {"before_vista_loads_nothing", 5, true, true, 1, 0, false, 0},
        {"failed_version_query_loads_nothing", std::nullopt, true, true, 1, 0, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        fake.os.loads = fake.os.unloads = 0;
        fake.os.windowsMajor = row.major;
        if (!row.library)
            fake.os.libraries.clear();
        if (!row.entry)
            RemoveEntry(kDwmIsCompositionEnabled);
        dwm.writeEnabled = row.writeEnabled;
        dwm.result = row.result;

        EXPECT_EQ(IsCompositionEnabled(), row.expected);
        EXPECT_EQ(fake.os.loads, row.loads);
        EXPECT_EQ(fake.os.unloads, fake.os.loads);
    }
}

TEST_F(CompositionFuncsTest, EveryCallLoadsAfresh) {
    EXPECT_TRUE(IsCompositionEnabled());
    dwm.writeEnabled = 0;
    EXPECT_FALSE(IsCompositionEnabled());
    EXPECT_EQ(fake.os.loads, 2);
    EXPECT_EQ(dwm.compositionCalls, 2);
}

struct MarginsRow {
    const char* name;
    MarginRect rect;
    Margins record;
};

TEST_F(CompositionFuncsTest, ExtendGlassFramePassesMarginsInRecordOrder) {
    const MarginsRow rows[] = {
        {"bottom_band", {0, 0, 0, 24}, {0, 0, 0, 24}},
        {"all_sides_distinct", {1, 2, 3, 4}, {1, 3, 2, 4}},
        {"sheet_of_glass", {-1, -1, -1, -1}, {-1, -1, -1, -1}},
    };
    const WindowHandle handle = 0x1234;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dwm = FakeDwm{};
        ExtendGlassFrame(handle, row.rect);
        ASSERT_EQ(dwm.extendCalls, 1);
        EXPECT_EQ(dwm.extendHandle, reinterpret_cast<void*>(handle));
        EXPECT_EQ(dwm.extendMargins.cxLeftWidth, row.record.cxLeftWidth);
        EXPECT_EQ(dwm.extendMargins.cxRightWidth, row.record.cxRightWidth);
        EXPECT_EQ(dwm.extendMargins.cyTopHeight, row.record.cyTopHeight);
        EXPECT_EQ(dwm.extendMargins.cyBottomHeight, row.record.cyBottomHeight);
    }
}

struct NoExtendRow {
    const char* name;
    std::optional<int> major;
    bool library;
    const char* removedEntry;
    int enabled;
};

TEST_F(CompositionFuncsTest, ExtendGlassFrameDoesNothingWithoutComposition) {
    const NoExtendRow rows[] = {
        {"composition_off", 6, true, nullptr, 0},
        {"before_vista", 5, true, nullptr, 1},
        {"failed_version_query", std::nullopt, true, nullptr, 1},
        {"library_missing", 6, false, nullptr, 1},
        {"composition_entry_missing", 6, true, kDwmIsCompositionEnabled, 1},
        {"extend_entry_missing", 6, true, kDwmExtendFrameIntoClientArea, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        fake.os.windowsMajor = row.major;
        if (!row.library)
            fake.os.libraries.clear();
        if (row.removedEntry)
            RemoveEntry(row.removedEntry);
        dwm.writeEnabled = row.enabled;

        ExtendGlassFrame(0x1234, {0, 0, 0, 24});
        EXPECT_EQ(dwm.extendCalls, 0);
        EXPECT_EQ(fake.os.unloads, fake.os.loads);
    }
}

} // namespace
} // namespace plumcrest::platform
