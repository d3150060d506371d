#include "HelpChmFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <chm_lib.h>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plumcrest::help {
namespace {

// No topic, picture or stylesheet comes near this; a larger length means a damaged directory.
constexpr std::uint64_t kMaxObjectSize = 32u * 1024u * 1024u;

enum SystemCode : std::uint16_t { kContentsFile = 0, kDefaultTopic = 2, kTitle = 3 };

std::uint32_t ReadLe(const QByteArray& bytes, qsizetype at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The text of a #SYSTEM entry ends at its first NUL, or at the end of the entry.
QString EntryText(const QByteArray& bytes, qsizetype at, qsizetype length) {
    QByteArray text = bytes.mid(at, length);
    const qsizetype nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    return QString::fromUtf8(text);
}

QString DecodeEntities(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QString Attribute(const QString& attributes, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral(R"re((?:^|\s)%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(attributes);
    if (!match.hasMatch())
        return {};
    for (int group = 1; group <= 3; ++group) {
        if (match.capturedStart(group) >= 0)
            return DecodeEntities(match.captured(group));
    }
    return {};
}

// Closes a descriptor on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads at most `limit` bytes; one more than expected is asked for so that a file that grew
// after fstat shows up as the wrong size.
std::optional<QByteArray> ReadUpTo(int fd, qsizetype limit) {
    QByteArray bytes(limit, Qt::Uninitialized);
    qsizetype total = 0;
    while (total < limit) {
        const ssize_t got = ::read(fd, bytes.data() + total, std::size_t(limit - total));
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        total += got;
    }
    bytes.truncate(total);
    return bytes;
}

// The file's bytes, read from the descriptor that was checked, when they are the expected ones.
std::optional<QByteArray> ReadExpectedFile(const QString& path, const HelpFileIdentity& expected) {
    // Non-blocking, so a FIFO without a writer opens at once and is refused below.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        std::uint64_t(info.st_size) != expected.size ||
        expected.size > std::uint64_t(kMaxObjectSize))
        return std::nullopt;
    const auto bytes = ReadUpTo(file.get(), qsizetype(expected.size) + 1);
    if (!bytes || std::uint64_t(bytes->size()) != expected.size ||
        IdentityOf(*bytes).sha256 != expected.sha256)
        return std::nullopt;
    return bytes;
}

// chmlib opens files by name only. It gets the name of a sealed in-memory copy of the bytes that
// were checked, which nobody can change or replace.
int SealedCopy(const QByteArray& bytes) {
    const int fd = ::memfd_create("plumcrest-help", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    const char* at = bytes.constData();
    std::size_t left = std::size_t(bytes.size());
    while (left > 0) {
        const ssize_t done = ::write(fd, at, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            ::close(fd);
            return -1;
        }
        at += done;
        left -= std::size_t(done);
    }
    if (::fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

chmFile* OpenVerified(const QString& path, const HelpFileIdentity& expected) {
    const auto bytes = ReadExpectedFile(path, expected);
    if (!bytes)
        return nullptr;
    const Descriptor copy(SealedCopy(*bytes));
    if (copy.get() < 0)
        return nullptr;
    // chmlib keeps a descriptor of its own; this one is closed on return.
    const QByteArray name = "/proc/self/fd/" + QByteArray::number(copy.get());
    return chm_open(name.constData());
}

} // namespace

HelpFileIdentity IdentityOf(const QByteArray& bytes) {
    HelpFileIdentity identity;
    identity.size = std::uint64_t(bytes.size());
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    std::memcpy(identity.sha256.data(), digest.constData(), identity.sha256.size());
    return identity;
}

ChmSystemInfo ParseChmSystem(const QByteArray& system) {
    ChmSystemInfo info;
    qsizetype at = 4; // after the format version
    while (at + 4 <= system.size()) {
        const auto code = static_cast<std::uint16_t>(ReadLe(system, at, 2));
        const auto length = static_cast<qsizetype>(ReadLe(system, at + 2, 2));
        at += 4;
        if (at + length > system.size())
            break; // a cut-off entry is not trusted
        if (code == kContentsFile)
            info.contentsFile = ChmObjectPath(EntryText(system, at, length));
        else if (code == kDefaultTopic)
            info.defaultTopic = ChmObjectPath(EntryText(system, at, length));
        else if (code == kTitle)
            info.title = EntryText(system, at, length);
        at += length;
    }
    return info;
}

std::optional<QString> LookUpContext(const QByteArray& ivb, const QByteArray& strings,
                                     std::uint32_t context) {
    if (ivb.size() < 4)
        return std::nullopt;
    const qsizetype end = std::min<qsizetype>(ivb.size(), 4 + qsizetype(ReadLe(ivb, 0, 4)));
    for (qsizetype at = 4; at + 8 <= end; at += 8) {
        if (ReadLe(ivb, at, 4) != context)
            continue;
        const qsizetype offset = ReadLe(ivb, at + 4, 4);
        if (offset >= strings.size())
            return std::nullopt;
        const qsizetype nul = strings.indexOf('\0', offset);
        const QByteArray path = strings.mid(offset, nul < 0 ? -1 : nul - offset);
        if (path.isEmpty())
            return std::nullopt;
        return QString::fromUtf8(path);
    }
    return std::nullopt;
}

std::vector<ChmContentsEntry> ParseSiteMap(const QByteArray& hhc) {
    static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    std::vector<ChmContentsEntry> entries;
    int lists = 0;
    std::optional<ChmContentsEntry> open;
    auto it = tag.globalMatch(QString::fromUtf8(hhc));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            lists = closing ? std::max(0, lists - 1) : lists + 1;
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                open = ChmContentsEntry{{}, {}, std::max(0, lists - 1)};
            } else if (open) {
                if (!open->name.isEmpty() || !open->local.isEmpty())
                    entries.push_back(*open);
                open.reset();
            }
        } else if (open) {
            const QString param = Attribute(match.captured(3), QStringLiteral("name")).toLower();
            const QString value = Attribute(match.captured(3), QStringLiteral("value"));
            if (param == QLatin1String("name"))
                open->name = value;
            else if (param == QLatin1String("local"))
                open->local = value;
        }
    }
    return entries;
}

QString ChmObjectPath(const QString& written) {
    QString path = written.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path, const HelpFileIdentity& expected) {
    if (path.isEmpty())
        return nullptr;
    chmFile* handle = OpenVerified(path, expected);
    if (!handle)
        return nullptr;
    auto file = std::make_unique<ChmFile>(Key{}, handle, path);
    // Every compiled help file has a #SYSTEM object; one that cannot be read means the
    // directory itself is damaged.
    const auto system = file->Read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return nullptr;
    file->system_ = ParseChmSystem(*system);
    return file;
}

std::unique_ptr<ChmFile> ChmFile::OpenBuilt(const QString& path) {
    // The size is checked before any byte is read, so the second try costs nothing unless the two
    // files are the same size.
    if (auto file = Open(path, BuiltHelpFileIdentity()))
        return file;
    return Open(path, BuiltSpanishHelpFileIdentity());
}

ChmFile::ChmFile(Key, chmFile* handle, QString path) : handle_(handle), path_(std::move(path)) {}

ChmFile::~ChmFile() {
    chm_close(handle_);
}

bool ChmFile::Contains(const QString& objectPath) const {
    chmUnitInfo unit{};
    return chm_resolve_object(handle_, objectPath.toUtf8().constData(), &unit) ==
           CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmFile::Read(const QString& objectPath) const {
    chmUnitInfo unit{};
    const QByteArray name = objectPath.toUtf8();
    if (name.size() > CHM_MAX_PATHLEN ||
        chm_resolve_object(handle_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > kMaxObjectSize)
        return std::nullopt;
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(
        handle_, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return data;
}

std::optional<QString> ChmFile::ResolveRecordedPath(const QString& recorded) const {
    QString path = ChmObjectPath(recorded);
    while (path.size() > 1) {
        if (Contains(path))
            return path;
        const qsizetype next = path.indexOf(QLatin1Char('/'), 1);
        if (next < 0)
            break;
        path = path.mid(next);
    }
    return std::nullopt;
}

std::optional<QString> ChmFile::TopicForContext(int context) const {
    const auto ivb = Read(QStringLiteral("/#IVB"));
    const auto strings = Read(QStringLiteral("/#STRINGS"));
    if (!ivb || !strings)
        return std::nullopt;
    const auto recorded = LookUpContext(*ivb, *strings, static_cast<std::uint32_t>(context));
    if (!recorded)
        return std::nullopt;
    return ResolveRecordedPath(*recorded);
}

bool ChmFile::ContextMapReadable() const {
    for (const char* object : {"/#IVB", "/#STRINGS"}) {
        const QString path = QLatin1String(object);
        if (Contains(path) && !Read(path))
            return false;
    }
    return true;
}

std::optional<QString> ChmFile::DefaultTopic() const {
    if (!system_.defaultTopic.isEmpty() && Contains(system_.defaultTopic))
        return system_.defaultTopic;
    for (const ChmContentsEntry& entry : Contents()) {
        if (entry.local.isEmpty())
            continue;
        const QString path = ChmObjectPath(entry.local.section(QLatin1Char('#'), 0, 0));
        if (Contains(path))
            return path;
    }
    for (const char* usual : {"/index.htm", "/index.html", "/default.htm", "/default.html"}) {
        if (Contains(QLatin1String(usual)))
            return QString::fromLatin1(usual);
    }
    return std::nullopt;
}

std::vector<ChmContentsEntry> ChmFile::Contents() const {
    if (system_.contentsFile.isEmpty())
        return {};
    const auto hhc = Read(system_.contentsFile);
    return hhc ? ParseSiteMap(*hhc) : std::vector<ChmContentsEntry>{};
}

} // namespace plumcrest::help
