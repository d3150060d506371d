#pragma once
// JPEG decoding through libjpeg's own API. Any failure (missing file, truncated or corrupt data,
// not a JPEG at all) yields nothing; the decoder never prints, exits or throws.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace plumcrest::dialogs {

// An RGB image, or nothing when the bytes are not a complete, readable JPEG picture.
std::optional<QImage> DecodeJpeg(const QByteArray& bytes);

// Reads the file (Qt resource paths included) and decodes it.
std::optional<QImage> LoadJpeg(const QString& path);

} // namespace plumcrest::dialogs
