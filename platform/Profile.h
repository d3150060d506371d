#pragma once
// The profile functions the program relies on (GetPrivateProfileStringA,
// WritePrivateProfileStringA), over SimpleIni and POSIX files. No Qt.
//
// Reading: a missing or unreadable file, section or key gives the default; section and key names
// are compared without regard to ASCII case; values come back trimmed of blanks and cut to
// kMaxValueLength characters; when a key appears twice in a section, the first one wins.
// Writing keeps the other sections, keys and comments in their order, adds a missing section or
// key at the end, writes "key=value", and replaces the file in one step (temporary file beside
// it, fsync, rename), so a failed write leaves the old file as it was.

#include <memory>
#include <string>
#include <string_view>

namespace plumcrest::profile {

// The original read buffer held 2048 characters including the terminating NUL.
inline constexpr std::size_t kMaxValueLength = 2047;

// One profile file: read once when constructed, changed in memory, written back by Commit.
class ProfileFile {
public:
    explicit ProfileFile(std::string path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    std::string Read(std::string_view section, std::string_view key,
                     std::string_view defaultValue) const;

    // Sets the value in memory, creating the section or key when missing. False (nothing
    // changed) for names or values that the file format cannot hold: line breaks or NUL, an empty
    // key, a key with "=", a section with "]".
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Writes the whole content to the file. False when the file cannot be written, or when it
    // exists but could not be read (writing would lose its content).
    bool Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::string ReadProfileString(const std::string& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

bool WriteProfileString(const std::string& file, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace plumcrest::profile
