#pragma once
// Reading a compiled HTML help file (.chm) with chmlib: its objects, the facts in its #SYSTEM
// object, its context map and its contents tree. The parsers take plain bytes so that damaged
// data can be tested without building a damaged file.

#include "HelpFileIdentity.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct chmFile;

namespace plumcrest::help {

// What the #SYSTEM object records; empty texts where an entry is missing.
struct ChmSystemInfo {
    QString contentsFile; // object path, "/contents.hhc"
    QString defaultTopic; // object path, "/overview.htm"
    QString title;
};

ChmSystemInfo ParseChmSystem(const QByteArray& system);

// The path recorded for a context number: #IVB holds a byte count, then pairs of
// (context number, offset of a NUL-terminated path in #STRINGS).
std::optional<QString> LookUpContext(const QByteArray& ivb, const QByteArray& strings,
                                     std::uint32_t context);

// One entry of a sitemap contents file (.hhc); depth 0 is the top level.
struct ChmContentsEntry {
    QString name;
    QString local; // as written in the file, relative to the root
    int depth = 0;
};

std::vector<ChmContentsEntry> ParseSiteMap(const QByteArray& hhc);

// An object path inside the file for a path as written in a project or link: "/" separated,
// starting with "/".
QString ChmObjectPath(const QString& written);

// The size and SHA-256 digest of some bytes, as a file of exactly those bytes would have.
HelpFileIdentity IdentityOf(const QByteArray& bytes);

class ChmFile {
public:
    // Nothing unless the path names a regular file of exactly the expected size and digest; only
    // then does chmlib see it, and it reads a sealed private copy of the bytes that were checked,
    // so neither a swap of the name nor a write into the file afterwards can reach it. Never
    // blocks: a FIFO, device or directory in the file's place is refused, not read. Nothing also
    // when chmlib cannot find its directory or #SYSTEM object.
    static std::unique_ptr<ChmFile>
    Open(const QString& path, const HelpFileIdentity& expected = BuiltHelpFileIdentity());
    // As Open, for a file that is either of the help files this build compiled (English or
    // Spanish), whatever its name.
    static std::unique_ptr<ChmFile> OpenBuilt(const QString& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool Contains(const QString& objectPath) const;
    // Nothing when the object is missing, damaged or implausibly large.
    std::optional<QByteArray> Read(const QString& objectPath) const;

    const ChmSystemInfo& System() const { return system_; }
    // The object a recorded path names. Compilers may record absolute build paths, so when the
    // path as written is not in the file, its longest tail that is wins.
    std::optional<QString> ResolveRecordedPath(const QString& recorded) const;
    std::optional<QString> TopicForContext(int context) const;
    // False when the file lists its context map but the map cannot be read (a damaged file).
    bool ContextMapReadable() const;
    // The default topic of #SYSTEM, else the first topic of the contents, else a usual name.
    std::optional<QString> DefaultTopic() const;
    std::vector<ChmContentsEntry> Contents() const;
    const QString& Path() const { return path_; }

private:
    struct Key {};

public:
    ChmFile(Key, chmFile* handle, QString path); // through Open only

private:
    chmFile* handle_;
    QString path_;
    ChmSystemInfo system_;
};

} // namespace plumcrest::help
