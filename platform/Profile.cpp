#include "Profile.h"

// Bytes in, bytes out: the file is 8-bit text and nothing is validated or converted.
#define SI_NO_CONVERSION
// Debian's header keeps the template bodies behind this switch; this file is their one user.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace plumcrest::profile {
namespace {

enum class Source { Missing, Loaded, Unreadable };

struct FileContent {
    Source source = Source::Missing;
    std::string text;
    std::optional<mode_t> mode; // the existing file's own permissions, 0 included
};

bool ReadAll(int fd, std::string& text) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// A directory, device or pipe in place of the file counts as unreadable, never as content.
FileContent LoadContent(const std::string& path) {
    FileContent content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        content.source =
            (errno == ENOENT || errno == ENOTDIR) ? Source::Missing : Source::Unreadable;
        return content;
    }
    struct stat info {};
    content.source = Source::Unreadable;
    try {
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, content.text)) {
            content.source = Source::Loaded;
            content.mode = info.st_mode & 07777;
        }
    } catch (const std::bad_alloc&) {
        content.text.clear();
    }
    ::close(fd);
    return content;
}

bool IsCommentLine(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && (line[first] == ';' || line[first] == '#');
}

bool IsBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// SimpleIni keeps a comment only when an entry follows it; comment lines after the last entry
// are kept here and written back after the entries. Empty when the file ends in an entry or has
// no entry at all (then the leading comment is SimpleIni's file comment).
std::string TrailingComments(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    std::size_t end = lines.size();
    while (end > 0 && IsBlankLine(lines[end - 1]))
        --end;
    std::size_t begin = end;
    while (begin > 0 && (IsCommentLine(lines[begin - 1]) || IsBlankLine(lines[begin - 1])))
        --begin;
    if (begin == 0)
        return {};
    while (begin < end && IsBlankLine(lines[begin]))
        ++begin;
    std::string block;
    for (std::size_t i = begin; i < end; ++i)
        block.append(lines[i]).append("\n");
    return block.empty() ? block : "\n" + block;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t done = ::write(fd, data.data(), data.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// Temporaries are named "<file>.<pid>.<n>.tmp" after the file they replace.
std::optional<pid_t> TemporaryOwner(std::string_view entry, std::string_view fileName) {
    if (entry.size() <= fileName.size() + 1 || entry.substr(0, fileName.size()) != fileName ||
        entry[fileName.size()] != '.' || !entry.ends_with(".tmp"))
        return std::nullopt;
    std::string_view rest = entry.substr(fileName.size() + 1);
    rest.remove_suffix(4);
    const auto dot = rest.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view pidText = rest.substr(0, dot);
    const std::string_view counter = rest.substr(dot + 1);
    const auto digitsOnly = [](std::string_view text) {
        return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digitsOnly(pidText) || !digitsOnly(counter))
        return std::nullopt;
    pid_t pid = 0;
    const auto result = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    if (result.ec != std::errc() || result.ptr != pidText.data() + pidText.size() || pid <= 0)
        return std::nullopt;
    return pid;
}

// A save killed half way leaves its temporary behind; the next save removes those whose process
// is gone. A process that still runs may be writing its own, and anything else is not ours.
void RemoveAbandonedTemporaries(const std::filesystem::path& target) {
    const auto folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const std::string fileName = target.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return;
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        const auto owner = TemporaryOwner(name, fileName);
        if (!owner || *owner == ::getpid())
            continue;
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (::kill(*owner, 0) != 0 && errno == ESRCH)
            ::unlink(entry.path().c_str());
    }
}

// Opened with O_EXCL under a name of our own, so the umask applies as for any new file.
int CreateTemporary(const std::string& target, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const std::filesystem::path& file) {
    const auto folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already succeeded
        ::close(fd);
    }
}

// Writing through a symbolic link replaces the file it points to, not the link, and creates that
// file when the link dangles. Nothing for a link loop or a chain too long to follow.
std::optional<std::string> ResolveTarget(const std::string& path) {
    constexpr int kMaxLinks = 40; // as the kernel allows when it follows a chain itself
    std::filesystem::path current = path;
    for (int link = 0; link <= kMaxLinks; ++link) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current.string();
        std::error_code error;
        std::filesystem::path next = std::filesystem::read_symlink(current, error);
        if (error || next.empty())
            return std::nullopt;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::nullopt;
}

bool ReplaceFile(const std::string& path, std::string_view data, std::optional<mode_t> keepMode) {
    const auto resolved = ResolveTarget(path);
    if (!resolved)
        return false;
    const std::string& target = *resolved;
    RemoveAbandonedTemporaries(target);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    bool ok = (!keepMode || ::fchmod(fd, *keepMode) == 0) && WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}

// Replacing a value keeps the spelling the file already uses for the key.
std::string ExistingKeyName(const CSimpleIniA& ini, const std::string& section,
                            const std::string& key) {
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(section.c_str(), keys);
    const SI_GenericNoCase<char> less;
    for (const auto& entry : keys)
        if (!less(entry.pItem, key.c_str()) && !less(key.c_str(), entry.pItem))
            return entry.pItem;
    return key;
}

// SimpleIni separates sections by two blank lines; one is enough. No value holds a line break,
// so only blank lines between entries and inside comment blocks are affected.
std::string SingleBlankLines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\n' && out.size() >= 2 && out[out.size() - 1] == '\n' &&
            out[out.size() - 2] == '\n')
            continue;
        out += c;
    }
    return out;
}

} // namespace

struct ProfileFile::Impl {
    std::string path;
    // Several entries per key are kept so that the first of duplicates can win on reading.
    CSimpleIniA ini{false, true, false};
    Source source = Source::Missing;
    std::optional<mode_t> mode;
    std::string trailingComments;
};

ProfileFile::ProfileFile(std::string path) : impl_(std::make_unique<Impl>()) {
    impl_->path = std::move(path);
    impl_->ini.SetSpaces(false);
    FileContent content = LoadContent(impl_->path);
    impl_->source = content.source;
    impl_->mode = content.mode;
    if (content.source != Source::Loaded)
        return;
    if (impl_->ini.LoadData(content.text) < 0) {
        impl_->ini.Reset();
        impl_->source = Source::Unreadable;
        return;
    }
    impl_->trailingComments = TrailingComments(content.text);
}

ProfileFile::~ProfileFile() = default;

std::string ProfileFile::Read(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const {
    CSimpleIniA::TNamesDepend values;
    if (!impl_->ini.GetAllValues(std::string(section).c_str(), std::string(key).c_str(), values))
        return std::string(defaultValue);
    values.sort(CSimpleIniA::Entry::LoadOrder());
    std::string value = values.front().pItem ? values.front().pItem : "";
    if (value.size() > kMaxValueLength)
        value.resize(kMaxValueLength);
    return value;
}

bool ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value) ||
        key.empty() || key.find('=') != std::string_view::npos ||
        section.find(']') != std::string_view::npos)
        return false;
    const std::string sectionText(section);
    const std::string keyText = ExistingKeyName(impl_->ini, sectionText, std::string(key));
    const std::string valueText(value);
    // Replacing drops later duplicates of the key and keeps the first one's place and comment.
    return impl_->ini.SetValue(sectionText.c_str(), keyText.c_str(), valueText.c_str(), nullptr,
                               true) >= 0;
}

bool ProfileFile::Commit() {
    if (impl_->path.empty() || impl_->source == Source::Unreadable)
        return false;
    // Replacing by rename would bypass a write-protected file; refuse as a direct write would.
    if (impl_->source == Source::Loaded && ::access(impl_->path.c_str(), W_OK) != 0)
        return false;
    std::string data;
    try {
        if (impl_->ini.Save(data, impl_->ini.IsUnicode()) < 0)
            return false;
        data = SingleBlankLines(data) + impl_->trailingComments;
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!ReplaceFile(impl_->path, data, impl_->mode))
        return false;
    impl_->source = Source::Loaded;
    return true;
}

std::string ReadProfileString(const std::string& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue) {
    return ProfileFile(file).Read(section, key, defaultValue);
}

bool WriteProfileString(const std::string& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    ProfileFile profile(file);
    return profile.Set(section, key, value) && profile.Commit();
}

} // namespace plumcrest::profile
