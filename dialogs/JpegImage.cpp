#include "JpegImage.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <limits>

namespace plumcrest::dialogs {
namespace {

// libjpeg's default error_exit calls exit(); ours jumps back to the decoding step that failed.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

// Warnings (premature end of data, corrupt segments) would otherwise give a half-grey picture:
// a damaged logo is no logo. Trace messages (level > 0) are dropped.
void WarningIsFailure(j_common_ptr info, int level) {
    if (level < 0)
        JumpBack(info);
}

void Silent(j_common_ptr) {}

// Owns the libjpeg decompressor for one decode; destroyed outside the setjmp frames.
struct Decompressor {
    jpeg_decompress_struct info{};
    ErrorManager errors{};

    Decompressor() {
        info.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = JumpBack;
        errors.pub.emit_message = WarningIsFailure;
        errors.pub.output_message = Silent;
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

// The setjmp frames below hold no objects with destructors, so a jump out of libjpeg skips none.
bool ReadHeader(Decompressor& d, const QByteArray& bytes) {
    if (setjmp(d.errors.jump))
        return false;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    d.info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&d.info);
    return d.info.output_components == 3;
}

bool ReadPixels(Decompressor& d, QImage& image) {
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

std::optional<QImage> DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return std::nullopt;
    Decompressor d;
    if (!ReadHeader(d, bytes))
        return std::nullopt;
    constexpr auto kMaxSide = static_cast<JDIMENSION>(std::numeric_limits<int>::max() / 4);
    if (d.info.output_width == 0 || d.info.output_height == 0 || d.info.output_width > kMaxSide ||
        d.info.output_height > kMaxSide)
        return std::nullopt;
    QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                 QImage::Format_RGB888);
    if (image.isNull() || !ReadPixels(d, image))
        return std::nullopt; // too large to hold, or damaged data
    return image;
}

std::optional<QImage> LoadJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeJpeg(file.readAll());
}

} // namespace plumcrest::dialogs
