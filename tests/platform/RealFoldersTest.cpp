// Where the real folder service puts the saved values: the XDG config home, else the home
// folder's ".config", the home folder taken from the password database when HOME is unset, and
// nothing (every save refused) when no home folder is known at all.

#include "Services.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace plumcrest::platform {
namespace {

struct HomeCase {
    const char* name;
    const char* xdgConfigHome;
    const char* home;
    const char* accountHome;
    const char* expected;
};

void PrintTo(const HomeCase& row, std::ostream* out) {
    *out << row.name;
}

class ConfigHome : public ::testing::TestWithParam<HomeCase> {};

TEST_P(ConfigHome, folder_for_the_saved_values) {
    const auto& row = GetParam();
    EXPECT_EQ(ConfigHomeFolder(row.xdgConfigHome, row.home, row.accountHome), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigHome,
    ::testing::Values(
        HomeCase{"xdg_first", "/cfg/x", "/home/h", "/home/a", "/cfg/x"},
        HomeCase{"xdg_trailing_separators", "/cfg/x//", "/home/h", "/home/a", "/cfg/x"},
        HomeCase{"relative_xdg_ignored", "cfg", "/home/h", "/home/a", "/home/h/.config"},
        HomeCase{"home_without_xdg", nullptr, "/home/h/", "/home/a", "/home/h/.config"},
        HomeCase{"account_without_home", nullptr, nullptr, "/home/a", "/home/a/.config"},
        HomeCase{"empty_home_is_no_home", "", "", "/home/a", "/home/a/.config"},
        HomeCase{"relative_home_is_no_home", nullptr, "h", "/home/a", "/home/a/.config"},
        HomeCase{"root_folder_as_home", nullptr, nullptr, "/", "/.config"},
        HomeCase{"no_home_anywhere", nullptr, nullptr, nullptr, ""},
        HomeCase{"account_without_a_usable_home", nullptr, nullptr, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Sets or clears one environment variable for the scope, then puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// State: neither HOME nor XDG_CONFIG_HOME is set.  Expected: the account's home from the
// password database, never the root of the file system.
TEST(RealFolders, without_home_variables_the_account_home_is_used) {
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->pw_dir[0], '/');
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", nullptr);
    const std::string accountHome = entry->pw_dir;
    EXPECT_EQ(TheFolders().AppDataFolder(),
              (accountHome == "/" ? std::string() : accountHome) + "/.config");
}

TEST(RealFolders, variables_win_over_the_account) {
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", "/tmp/plumcrest-home");
    EXPECT_EQ(TheFolders().AppDataFolder(), "/tmp/plumcrest-home/.config");
    const ScopedEnv config("XDG_CONFIG_HOME", "/tmp/plumcrest-config");
    EXPECT_EQ(TheFolders().AppDataFolder(), "/tmp/plumcrest-config");
}

} // namespace
} // namespace plumcrest::platform
