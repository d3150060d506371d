// The help reader lets chmlib see only the help file this build made: damaged copies, special
// files and swaps after the check are refused or harmless, and nothing hangs.

#include "HelpChmFile.h"
#include "HelpFileMutations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace plumcrest::help {
namespace {

const QString kHelpFile = QStringLiteral(PLUMCREST_HELP_FILE);

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A fresh file each time: truncating one in place makes some file systems flush it to disk.
bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile::remove(path);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// What the program does with a help file: its contents, its default topic, the first-run context
// and every topic the contents names.
int UseEverything(const ChmFile& file) {
    int read = 0;
    if (file.DefaultTopic())
        ++read;
    if (file.TopicForContext(10000))
        ++read;
    for (const ChmContentsEntry& entry : file.Contents()) {
        if (file.Read(ChmObjectPath(entry.local)))
            ++read;
    }
    return read;
}

// The help file's contents: 15 pages, 2 group heads, 13 inputs and 5 results.
constexpr int kContentsEntries = 35;

class HelpFileGuard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        original_ = ReadBytes(kHelpFile);
        ASSERT_GT(original_.size(), 4096);
        path_ = dir_.filePath(QStringLiteral("plumcrestcalc.chm"));
    }

    QTemporaryDir dir_;
    QByteArray original_;
    QString path_;
};

// The recorded identity is the built file's own; otherwise the program would refuse its help.
TEST_F(HelpFileGuard, built_file_matches_its_recorded_identity_and_opens) {
    const HelpFileIdentity actual = IdentityOf(original_);
    EXPECT_EQ(actual.size, BuiltHelpFileIdentity().size);
    EXPECT_EQ(actual.sha256, BuiltHelpFileIdentity().sha256);
    ASSERT_TRUE(WriteBytes(path_, original_));
    const auto file = ChmFile::Open(path_);
    ASSERT_TRUE(file);
    EXPECT_EQ(UseEverything(*file), 2 + kContentsEntries);
}

// Thousands of damaged copies, each opened and, were it accepted, read through: none gets past
// the check, and the check itself survives every size and content.
TEST_F(HelpFileGuard, damaged_copies_are_refused_before_chmlib) {
    constexpr int kCopies = 3000;
    std::mt19937 random(20261208);
    int refused = 0;
    int unchanged = 0;
    for (int copy = 0; copy < kCopies; ++copy) {
        const QByteArray bytes = testing::MutatedHelpFile(original_, random);
        ASSERT_TRUE(WriteBytes(path_, bytes));
        const auto file = ChmFile::Open(path_);
        if (bytes == original_) {
            ++unchanged; // a zeroed block that was zero already
            ASSERT_TRUE(file) << "copy " << copy;
            UseEverything(*file);
            continue;
        }
        ASSERT_FALSE(file) << "damaged copy " << copy << " of " << bytes.size() << " bytes opened";
        ++refused;
    }
    EXPECT_EQ(refused + unchanged, kCopies);
    EXPECT_GT(refused, kCopies * 9 / 10);
}

struct SizeCase {
    const char* name;
    std::function<QByteArray(const QByteArray&)> make;
};

void PrintTo(const SizeCase& row, std::ostream* out) {
    *out << row.name;
}

class HelpFileSizes : public HelpFileGuard, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(HelpFileSizes, refused) {
    ASSERT_TRUE(WriteBytes(path_, GetParam().make(original_)));
    EXPECT_FALSE(ChmFile::Open(path_));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HelpFileSizes,
    ::testing::Values(
        SizeCase{"empty", [](const QByteArray&) { return QByteArray(); }},
        SizeCase{"one_byte", [](const QByteArray& b) { return b.left(1); }},
        SizeCase{"last_byte_missing", [](const QByteArray& b) { return b.chopped(1); }},
        SizeCase{"one_byte_more", [](const QByteArray& b) { return b + '\0'; }},
        SizeCase{"same_size_all_zero", [](const QByteArray& b) { return QByteArray(b.size(), 0); }},
        SizeCase{"last_byte_changed",
                 [](const QByteArray& b) {
                     QByteArray c = b;
                     c[c.size() - 1] = char(c[c.size() - 1] ^ 1);
                     return c;
                 }},
        SizeCase{"middle_byte_changed",
                 [](const QByteArray& b) {
                     QByteArray c = b;
                     c[c.size() / 2] = char(c[c.size() / 2] ^ 0x40);
                     return c;
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

// A file far larger than the help file is judged by its size alone, never read.
TEST_F(HelpFileGuard, huge_file_is_refused_without_reading_it) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(64) << 30)); // sparse: 64 GiB of nothing on disk
    file.close();
    EXPECT_FALSE(ChmFile::Open(path_));
    // Even when told to expect that size, the reader does not take in a file that large.
    HelpFileIdentity huge = IdentityOf(original_);
    huge.size = std::uint64_t(64) << 30;
    EXPECT_FALSE(ChmFile::Open(path_, huge));
}

// After the check, chmlib reads the bytes that were checked: neither a rewrite of the file nor
// another file renamed into its place reaches it.
TEST_F(HelpFileGuard, changes_after_opening_do_not_reach_the_reader) {
    ASSERT_TRUE(WriteBytes(path_, original_));
    const auto file = ChmFile::Open(path_);
    ASSERT_TRUE(file);
    {
        QFile inPlace(path_);
        ASSERT_TRUE(inPlace.open(QIODevice::ReadWrite));
        ASSERT_EQ(inPlace.write(QByteArray(original_.size(), '\xA5')), original_.size());
    }
    EXPECT_EQ(UseEverything(*file), 2 + kContentsEntries);
    const QString other = dir_.filePath(QStringLiteral("other"));
    ASSERT_TRUE(WriteBytes(other, original_.left(original_.size() / 3)));
    ASSERT_EQ(::rename(QFile::encodeName(other).constData(), QFile::encodeName(path_).constData()),
              0);
    EXPECT_EQ(UseEverything(*file), 2 + kContentsEntries);
    EXPECT_TRUE(file->Read(QStringLiteral("/welcome.htm"))->contains("Welcome to Plumcrest"));
}

// Runs `open` in a child process and reports whether it finished within the limit, refusing.
// A hang shows as a failure here instead of freezing the test run.
::testing::AssertionResult RefusedWithin(const QString& path, std::chrono::seconds limit) {
    const pid_t child = ::fork();
    if (child < 0)
        return ::testing::AssertionFailure() << "fork failed";
    if (child == 0)
        ::_exit(ChmFile::Open(path) ? 1 : 0);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return ::testing::AssertionFailure() << "opening " << path.toStdString() << " hung";
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFSIGNALED(status))
        return ::testing::AssertionFailure() << "crashed with signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) != 0)
        return ::testing::AssertionFailure() << path.toStdString() << " was opened";
    return ::testing::AssertionSuccess();
}

constexpr std::chrono::seconds kLimit(10);

TEST_F(HelpFileGuard, fifo_is_refused_without_waiting_for_a_writer) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path_).constData(), 0600), 0);
    EXPECT_TRUE(RefusedWithin(path_, kLimit));
}

TEST_F(HelpFileGuard, directory_is_refused) {
    ASSERT_TRUE(QDir().mkdir(path_));
    EXPECT_TRUE(RefusedWithin(path_, kLimit));
}

TEST_F(HelpFileGuard, link_to_an_endless_device_is_refused) {
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path_));
    EXPECT_TRUE(RefusedWithin(path_, kLimit));
}

TEST_F(HelpFileGuard, link_loop_is_refused) {
    ASSERT_TRUE(QFile::link(path_, path_));
    EXPECT_TRUE(RefusedWithin(path_, kLimit));
}

} // namespace
} // namespace plumcrest::help
