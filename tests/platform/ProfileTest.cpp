#include "Profile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace plumcrest::profile {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "profile-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = (dir_ / "test.ini").string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    static void Put(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
    std::string file_;
};

struct ReadCase {
    const char* name;
    std::string content;
    const char* section;
    const char* key;
    std::string expected;
};

// Rows print by name, not as bytes.
void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << row.name;
}

class ProfileRead : public ProfileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileRead, reads_like_the_profile_functions) {
    const auto& row = GetParam();
    Put(file_, row.content);
    EXPECT_EQ(ReadProfileString(file_, row.section, row.key, "dflt"), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileRead,
    ::testing::Values(
        ReadCase{"plain", "[S]\nk=v\n", "S", "k", "v"},
        ReadCase{"missing_section", "[S]\nk=v\n", "T", "k", "dflt"},
        ReadCase{"missing_key", "[S]\nk=v\n", "S", "j", "dflt"},
        ReadCase{"key_in_other_section", "[S]\nk=v\n[T]\nj=w\n", "S", "j", "dflt"},
        ReadCase{"empty_value_is_not_missing", "[S]\nk=\n", "S", "k", ""},
        ReadCase{"blanks_trimmed", "[S]\n  k \t=  v w \t\n", "S", "k", "v w"},
        ReadCase{"section_name_case", "[lastvalues]\nk=v\n", "LastValues", "k", "v"},
        ReadCase{"key_name_case", "[S]\npurchaseprice=5\n", "S", "PurchasePrice", "5"},
        ReadCase{"first_duplicate_wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        ReadCase{"first_duplicate_wins_across_case", "[S]\nK=1\nk=2\n", "S", "k", "1"},
        ReadCase{"repeated_section_first_wins", "[S]\nk=1\n[T]\n[S]\nk=2\n", "S", "k", "1"},
        ReadCase{"crlf_lines", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"comment_is_not_a_key", "[S]\n;k=v\n", "S", ";k", "dflt"},
        ReadCase{"no_equals_is_not_a_key", "[S]\nk\n", "S", "k", "dflt"},
        ReadCase{"cut_to_2047", "[S]\nk=" + std::string(5000, '7') + "\n", "S", "k",
                 std::string(kMaxValueLength, '7')},
        ReadCase{"after_nul_ignored", "[S]\nk=v\n\0[S]\nj=w\n"s, "S", "j", "dflt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, missing_file_or_folder_reads_default) {
    EXPECT_EQ(ReadProfileString(file_, "S", "k", "d"), "d");
    EXPECT_EQ(ReadProfileString((dir_ / "no/such/x.ini").string(), "S", "k", "d"), "d");
}

TEST_F(ProfileTest, unusable_file_types_read_default) {
    fs::create_directory(file_);
    EXPECT_EQ(ReadProfileString(file_, "S", "k", "d"), "d");
    const std::string fifo = (dir_ / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadProfileString(fifo, "S", "k", "d"), "d"); // must not block either
}

TEST_F(ProfileTest, binary_garbage_reads_without_crash_and_rewrites_cleanly) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 50; ++round) {
        std::string garbage(4096, '\0');
        for (char& c : garbage)
            c = static_cast<char>(random() & 0xFF);
        Put(file_, garbage);
        EXPECT_EQ(ReadProfileString(file_, "LastValues", "Term", "d"), "d");
        ASSERT_TRUE(WriteProfileString(file_, "LastValues", "Term", "30"));
        EXPECT_EQ(ReadProfileString(file_, "LastValues", "Term", "d"), "30");
    }
}

TEST_F(ProfileTest, huge_line_reads_default) {
    Put(file_, "[S]\n" + std::string(8 << 20, 'x'));
    EXPECT_EQ(ReadProfileString(file_, "S", "k", "d"), "d");
}

TEST_F(ProfileTest, write_creates_file_without_blanks_around_equals) {
    ASSERT_TRUE(WriteProfileString(file_, "S", "k", "v"));
    ASSERT_TRUE(WriteProfileString(file_, "S", "j", "w"));
    ASSERT_TRUE(WriteProfileString(file_, "T", "k", "x"));
    EXPECT_EQ(Get(file_), "[S]\nk=v\nj=w\n\n[T]\nk=x\n");
}

TEST_F(ProfileTest, write_keeps_other_content_in_order) {
    Put(file_, "; file comment\n\n[A]\n; about x\nx=1\ny=2\n[B]\nz=3\n; trailing\n");
    ASSERT_TRUE(WriteProfileString(file_, "a", "X", "9"));
    ASSERT_TRUE(WriteProfileString(file_, "B", "new", "4"));
    ASSERT_TRUE(WriteProfileString(file_, "C", "c", "5"));
    // An existing name keeps its spelling; new keys and sections go last.
    EXPECT_EQ(Get(file_), "; file comment\n\n[A]\n\n; about x\nx=9\ny=2\n\n[B]\nz=3\nnew=4\n\n"
                          "[C]\nc=5\n\n; trailing\n");
    ASSERT_TRUE(WriteProfileString(file_, "A", "y", "7"));
    EXPECT_EQ(Get(file_), "; file comment\n\n[A]\n\n; about x\nx=9\ny=7\n\n[B]\nz=3\nnew=4\n\n"
                          "[C]\nc=5\n\n; trailing\n");
}

TEST_F(ProfileTest, write_replaces_the_first_of_duplicates) {
    Put(file_, "[S]\nk=1\nj=0\nk=2\n");
    ASSERT_TRUE(WriteProfileString(file_, "S", "k", "3"));
    EXPECT_EQ(ReadProfileString(file_, "S", "k", "d"), "3");
    EXPECT_EQ(Get(file_), "[S]\nk=3\nj=0\n");
}

TEST_F(ProfileTest, write_refuses_text_the_format_cannot_hold) {
    Put(file_, "[S]\nk=1\n");
    EXPECT_FALSE(WriteProfileString(file_, "S", "k", "a\nb=c"));
    EXPECT_FALSE(WriteProfileString(file_, "S", "", "v"));
    EXPECT_FALSE(WriteProfileString(file_, "S", "a=b", "v"));
    EXPECT_FALSE(WriteProfileString(file_, "S]", "k", "v"));
    EXPECT_EQ(Get(file_), "[S]\nk=1\n");
}

TEST_F(ProfileTest, write_fails_where_no_file_can_be_written) {
    Put((dir_ / "plain").string(), "x");
    fs::create_directory(dir_ / "folder.ini");
    for (const std::string& path :
         {(dir_ / "plain/test.ini").string(), (dir_ / "missing/test.ini").string(),
          std::string("/proc/plumcrest-none/test.ini"), (dir_ / "folder.ini").string(),
          std::string()})
        EXPECT_FALSE(WriteProfileString(path, "S", "k", "v")) << path;
    EXPECT_TRUE(fs::is_directory(dir_ / "folder.ini"));
    EXPECT_EQ(EntriesInFolder(), 2u); // no temporary file left behind
}

TEST_F(ProfileTest, write_protected_file_is_not_replaced) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    Put(file_, "[S]\nk=1\n");
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_FALSE(WriteProfileString(file_, "S", "k", "2"));
    EXPECT_EQ(Get(file_), "[S]\nk=1\n");
}

TEST_F(ProfileTest, write_keeps_permissions_and_symbolic_link) {
    Put(file_, "[S]\nk=1\n");
    fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::path link = dir_ / "link.ini";
    fs::create_symlink(file_, link);
    ASSERT_TRUE(WriteProfileString(link.string(), "S", "k", "2"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Get(file_), "[S]\nk=2\n");
    EXPECT_EQ(fs::status(file_).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

struct LinkCase {
    const char* name;
    const char* link;   // the path the program writes, inside the test folder
    const char* target; // where the link points, as written in the link
    const char* file;   // the file that must then hold the value, inside the test folder
};

void PrintTo(const LinkCase& row, std::ostream* out) {
    *out << row.name;
}

class ProfileDanglingLink : public ProfileTest, public ::testing::WithParamInterface<LinkCase> {};

// State: the saved-values name is a symbolic link whose file does not exist yet.
// Action: a write.  Expected: the file is made where the link points; the link stays a link.
TEST_P(ProfileDanglingLink, write_creates_the_file_the_link_names) {
    const auto& row = GetParam();
    fs::create_directories(dir_ / "real");
    fs::create_symlink(row.target, dir_ / row.link);
    ASSERT_TRUE(WriteProfileString((dir_ / row.link).string(), "S", "k", "7"));
    EXPECT_TRUE(fs::is_symlink(dir_ / row.link));
    EXPECT_EQ(Get((dir_ / row.file).string()), "[S]\nk=7\n");
    EXPECT_EQ(ReadProfileString((dir_ / row.link).string(), "S", "k", "d"), "7");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileDanglingLink,
    ::testing::Values(LinkCase{"relative_target", "p.ini", "real/p.ini", "real/p.ini"},
                      LinkCase{"target_beside_the_link", "p.ini", "q.ini", "q.ini"},
                      LinkCase{"target_path_through_dot_dot", "p.ini", "real/../real/r.ini",
                               "real/r.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileTest, absolute_dangling_link_and_chain_of_links) {
    fs::create_symlink(dir_ / "final.ini", dir_ / "middle.ini");
    fs::create_symlink("middle.ini", dir_ / "first.ini");
    ASSERT_TRUE(WriteProfileString((dir_ / "first.ini").string(), "S", "k", "3"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "first.ini"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "middle.ini"));
    EXPECT_EQ(Get((dir_ / "final.ini").string()), "[S]\nk=3\n");
}

// No folder is ever made for the target, and a loop is never written through.
TEST_F(ProfileTest, link_into_a_missing_folder_or_a_loop_is_refused) {
    fs::create_symlink("nowhere/p.ini", dir_ / "p.ini");
    fs::create_symlink("b.ini", dir_ / "a.ini");
    fs::create_symlink("a.ini", dir_ / "b.ini");
    EXPECT_FALSE(WriteProfileString((dir_ / "p.ini").string(), "S", "k", "1"));
    EXPECT_FALSE(WriteProfileString((dir_ / "a.ini").string(), "S", "k", "1"));
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "p.ini"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "a.ini"));
    EXPECT_EQ(EntriesInFolder(), 3u);
}

class ProfileMode : public ProfileTest, public ::testing::WithParamInterface<fs::perms> {};

// A file's own permissions survive the replacement, whatever they are (the umask only shapes a
// new file).
TEST_P(ProfileMode, write_keeps_the_files_own_mode) {
    const fs::perms mode = GetParam();
    if ((mode & fs::perms::owner_read) == fs::perms::none && ::geteuid() != 0)
        GTEST_SKIP() << "only root can read a file its owner may not read";
    Put(file_, "[S]\nk=1\n");
    fs::permissions(file_, mode);
    ASSERT_TRUE(WriteProfileString(file_, "S", "k", "2"));
    EXPECT_EQ(fs::status(file_).permissions(), mode);
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_EQ(Get(file_), "[S]\nk=2\n");
}

INSTANTIATE_TEST_SUITE_P(Modes, ProfileMode,
                         ::testing::Values(fs::perms::none,
                                           fs::perms::owner_read | fs::perms::owner_write |
                                               fs::perms::others_read,
                                           fs::perms::owner_all | fs::perms::group_exec),
                         [](const auto& info) {
                             std::ostringstream name;
                             name << "mode_" << std::oct << static_cast<unsigned>(info.param);
                             return name.str();
                         });

// A process id that no process has: a child that has ended and been reaped.
pid_t GonePid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// State: temporaries of killed saves and other files of similar names beside the file.
// Action: a save.  Expected: only the temporaries of this file whose process is gone are removed.
TEST_F(ProfileTest, save_removes_only_abandoned_temporaries_of_its_own_naming) {
    const std::string gone = std::to_string(GonePid());
    const std::string living = std::to_string(::getppid());
    const std::vector<std::string> removed = {"test.ini." + gone + ".0.tmp",
                                              "test.ini." + gone + ".17.tmp"};
    const std::vector<std::string> kept = {"test.ini." + living +
                                               ".0.tmp", // its process may still be saving
                                           "test.ini." + gone + ".x.tmp",
                                           "test.ini." + gone + ".0.tmp.bak",
                                           "test.ini." + gone + ".tmp",
                                           "other.ini." + gone + ".0.tmp",
                                           "test.ini.0.0.tmp",
                                           "test.ini.-" + gone + ".0.tmp",
                                           "xtest.ini." + gone + ".0.tmp"};
    for (const auto& name : removed)
        Put((dir_ / name).string(), "left over");
    for (const auto& name : kept)
        Put((dir_ / name).string(), "not ours");
    fs::create_directory(dir_ / ("test.ini." + gone + ".5.tmp")); // not a file we write

    ASSERT_TRUE(WriteProfileString(file_, "S", "k", "v"));

    for (const auto& name : removed)
        EXPECT_FALSE(fs::exists(dir_ / name)) << name;
    for (const auto& name : kept)
        EXPECT_EQ(Get((dir_ / name).string()), "not ours") << name;
    EXPECT_TRUE(fs::is_directory(dir_ / ("test.ini." + gone + ".5.tmp")));
    EXPECT_EQ(EntriesInFolder(), kept.size() + 2); // the kept ones, the folder and the file
}

TEST_F(ProfileTest, one_commit_writes_many_keys) {
    ProfileFile profile(file_);
    ASSERT_TRUE(profile.Set("S", "a", "1"));
    ASSERT_TRUE(profile.Set("S", "b", "2"));
    EXPECT_FALSE(fs::exists(file_)); // nothing written before the commit
    ASSERT_TRUE(profile.Commit());
    EXPECT_EQ(Get(file_), "[S]\na=1\nb=2\n");
    EXPECT_EQ(profile.Read("s", "B", "d"), "2");
}

} // namespace
} // namespace plumcrest::profile
