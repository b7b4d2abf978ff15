#include "JpegCodec.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which by default ends the program. Ours jumps
// back to the setjmp of the function that started the work. Between setjmp and a possible jump,
// only libjpeg's own C frames are left, so the jump skips no destructor; the session that owns
// the libjpeg structure lives outside that span and tears it down when the function returns.
struct TJpegErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Jump;
};

extern "C" void JpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
    std::longjmp(manager->Jump, 1);
}

// Warnings (a truncated scan, for instance) are not printed.
extern "C" void JpegSilentMessage(j_common_ptr /*info*/) {}

// One libjpeg decoder or encoder for the span of a function, with our error manager installed and
// its tear-down however the function ends. The caller sets its setjmp on Errors.Jump before the
// first libjpeg call. The structure starts zeroed, so tearing down one that was never created
// does nothing.
template <typename TInfo> struct TJpegSession {
    TInfo Info{};
    TJpegErrorManager Errors{};

    TJpegSession() {
        Info.err = jpeg_std_error(&Errors.Public);
        Errors.Public.error_exit = JpegErrorExit;
        Errors.Public.output_message = JpegSilentMessage;
    }
    ~TJpegSession() { jpeg_destroy(reinterpret_cast<j_common_ptr>(&Info)); }
    TJpegSession(const TJpegSession&) = delete;
    TJpegSession& operator=(const TJpegSession&) = delete;
};

// Reads the header and, when an image is given, fills the image's rows from the decoder; the
// image was made at the header's size beforehand.
bool RunDecoder(const std::uint8_t* data, std::size_t size, TJpegHeader* header, QImage* image) {
    TJpegSession<jpeg_decompress_struct> session;
    jpeg_decompress_struct& info = session.Info;
    if (setjmp(session.Errors.Jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    header->Width = static_cast<int>(info.image_width);
    header->Height = static_cast<int>(info.image_height);
    header->Components = info.num_components;
    header->Grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
    header->Progressive = info.progressive_mode != 0;
    if (image == nullptr) {
        return true;
    }
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (static_cast<int>(info.output_width) != image->width() ||
        static_cast<int>(info.output_height) != image->height() || components != (gray ? 1 : 3)) {
        return false;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        auto* out = reinterpret_cast<QRgb*>(image->scanLine(y));
        for (int x = 0; x < image->width(); ++x) {
            const JSAMPLE* pixel = row[0] + static_cast<std::ptrdiff_t>(x) * components;
            out[x] = gray ? qRgb(pixel[0], pixel[0], pixel[0]) : qRgb(pixel[0], pixel[1], pixel[2]);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool EncodeFrom(const QImage* image, int quality, unsigned char** buffer, unsigned long* length) {
    TJpegSession<jpeg_compress_struct> session;
    jpeg_compress_struct& info = session.Info;
    if (setjmp(session.Errors.Jump) != 0) {
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, length);
    info.image_width = static_cast<JDIMENSION>(image->width());
    info.image_height = static_cast<JDIMENSION>(image->height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.image_width * 3, 1);
    while (info.next_scanline < info.image_height) {
        const auto* in = reinterpret_cast<const QRgb*>(
            image->constScanLine(static_cast<int>(info.next_scanline)));
        for (int x = 0; x < image->width(); ++x) {
            JSAMPLE* const pixel = row[0] + std::ptrdiff_t{3} * x;
            pixel[0] = static_cast<JSAMPLE>(qRed(in[x]));
            pixel[1] = static_cast<JSAMPLE>(qGreen(in[x]));
            pixel[2] = static_cast<JSAMPLE>(qBlue(in[x]));
        }
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

namespace Armalyx {

bool ReadJpegHeader(const std::uint8_t* data, std::size_t size, TJpegHeader& header) {
    if (data == nullptr || size == 0) {
        return false;
    }
    return RunDecoder(data, size, &header, nullptr);
}

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size) {
    TJpegHeader header;
    if (!Armalyx::ReadJpegHeader(data, size, header) || header.Width <= 0 || header.Height <= 0) {
        return {};
    }
    QImage image(header.Width, header.Height, QImage::Format_RGB32);
    if (image.isNull() || !RunDecoder(data, size, &header, &image)) {
        return {};
    }
    return image;
}

bool EncodeJpeg(const QImage& image, int quality, std::vector<std::uint8_t>& out) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    const bool ok = !rgb.isNull() && EncodeFrom(&rgb, quality, &buffer, &length);
    if (ok) {
        out.assign(buffer, buffer + length);
    }
    std::free(buffer);
    return ok;
}

} // namespace Armalyx
