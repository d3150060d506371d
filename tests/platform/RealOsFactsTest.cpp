// The real OS facts on Linux: no Windows version, no Desktop Window Manager, so composition is off.

#include "CompositionFuncs.h"
#include "Services.h"

#include <gtest/gtest.h>

namespace plumcrest::platform {
namespace {

TEST(RealOsFacts, ReportNoWindowsAndNoDwm) {
    OsFacts& os = TheOs();
    EXPECT_FALSE(os.WindowsMajorVersion().has_value());
    EXPECT_FALSE(os.VisualStylesActive());
    EXPECT_EQ(os.LoadLibrary(kDwmLibrary), nullptr);
    EXPECT_FALSE(IsVistaOrLater());
    EXPECT_FALSE(IsVistaWithThemes());
    EXPECT_FALSE(IsCompositionEnabled());
}

// Guards the test above: a library that does exist must load, or "not loadable" proves nothing.
TEST(RealOsFacts, LoadsAnExistingLibraryByName) {
    auto library = TheOs().LoadLibrary("libc.so.6");
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library->Resolve("malloc"), nullptr);
    EXPECT_EQ(library->Resolve("DwmIsCompositionEnabled"), nullptr);
}

} // namespace
} // namespace plumcrest::platform
