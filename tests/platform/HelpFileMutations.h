#pragma once
// Seeded damage to a help file's bytes, shared by the fuzz test and scripts/fuzz-help.sh: the
// kinds of harm a disk, a download or a careless copy does to a file.

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <random>

namespace plumcrest::testing {

inline QByteArray MutatedHelpFile(const QByteArray& original, std::mt19937& random) {
    QByteArray bytes = original;
    const auto below = [&random](qsizetype bound) {
        return bound <= 0
                   ? qsizetype(0)
                   : qsizetype(std::uniform_int_distribution<qsizetype>(0, bound - 1)(random));
    };
    const auto anyByte = [&random] { return char(random() & 0xFF); };
    switch (below(8)) {
    case 0: // a few bytes changed in place: same size, so only the digest can tell
        for (qsizetype n = 1 + below(4); n > 0 && !bytes.isEmpty(); --n)
            bytes[below(bytes.size())] = anyByte();
        break;
    case 1: // one bit flipped
        if (!bytes.isEmpty()) {
            const qsizetype at = below(bytes.size());
            bytes[at] = char(bytes[at] ^ (1 << below(8)));
        }
        break;
    case 2: // a length or offset in the headers set to an extreme
        if (bytes.size() >= 0x80) {
            const qsizetype at = below(0x80 - 4);
            const char fill = below(2) ? char(0xFF) : char(0);
            std::fill(bytes.begin() + at, bytes.begin() + at + 4, fill);
        }
        break;
    case 3: // cut short, possibly to nothing
        bytes.truncate(below(bytes.size() + 1));
        break;
    case 4: // garbage appended
        for (qsizetype n = 1 + below(4096); n > 0; --n)
            bytes.append(anyByte());
        break;
    case 5: // a run of bytes removed
        if (!bytes.isEmpty())
            bytes.remove(below(bytes.size()), 1 + below(64));
        break;
    case 6: // a run of garbage inserted
        bytes.insert(below(bytes.size() + 1), QByteArray(1 + below(64), anyByte()));
        break;
    default: // a block overwritten with zeros, as a bad sector reads
        if (!bytes.isEmpty()) {
            const qsizetype at = below(bytes.size());
            const qsizetype length = std::min<qsizetype>(1 + below(512), bytes.size() - at);
            std::fill(bytes.begin() + at, bytes.begin() + at + length, '\0');
        }
        break;
    }
    return bytes;
}

} // namespace plumcrest::testing
