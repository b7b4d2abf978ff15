#include "JpegCodec.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which by default ends the program. Ours jumps
// back to the setjmp of the function that started the work. Between setjmp and a possible jump,
// those functions keep only plain C data in their own frame, so nothing is left half-destroyed.
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

void InstallErrorManager(jpeg_decompress_struct& info, TJpegErrorManager& manager) {
    info.err = jpeg_std_error(&manager.Public);
    manager.Public.error_exit = JpegErrorExit;
    manager.Public.output_message = JpegSilentMessage;
}

bool HeaderOf(const std::uint8_t* data, std::size_t size, TJpegHeader* header) {
    jpeg_decompress_struct info;
    TJpegErrorManager manager;
    InstallErrorManager(info, manager);
    if (setjmp(manager.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    header->Width = static_cast<int>(info.image_width);
    header->Height = static_cast<int>(info.image_height);
    header->Components = info.num_components;
    header->Grayscale = info.jpeg_color_space == JCS_GRAYSCALE;
    header->Progressive = info.progressive_mode != 0;
    jpeg_destroy_decompress(&info);
    return true;
}

// Fills the image's rows from the decoder; the image was made at the header's size beforehand.
bool DecodeInto(const std::uint8_t* data, std::size_t size, QImage* image) {
    jpeg_decompress_struct info;
    TJpegErrorManager manager;
    InstallErrorManager(info, manager);
    if (setjmp(manager.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    const bool gray = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (static_cast<int>(info.output_width) != image->width() ||
        static_cast<int>(info.output_height) != image->height() || components != (gray ? 1 : 3)) {
        jpeg_destroy_decompress(&info);
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
    jpeg_destroy_decompress(&info);
    return true;
}

bool EncodeFrom(const QImage* image, int quality, unsigned char** buffer, unsigned long* length) {
    jpeg_compress_struct info;
    TJpegErrorManager manager;
    info.err = jpeg_std_error(&manager.Public);
    manager.Public.error_exit = JpegErrorExit;
    manager.Public.output_message = JpegSilentMessage;
    if (setjmp(manager.Jump) != 0) {
        jpeg_destroy_compress(&info);
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
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

bool ReadJpegHeader(const std::uint8_t* data, std::size_t size, TJpegHeader& header) {
    if (data == nullptr || size == 0) {
        return false;
    }
    return HeaderOf(data, size, &header);
}

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size) {
    TJpegHeader header;
    if (!ReadJpegHeader(data, size, header) || header.Width <= 0 || header.Height <= 0) {
        return {};
    }
    QImage image(header.Width, header.Height, QImage::Format_RGB32);
    if (image.isNull() || !DecodeInto(data, size, &image)) {
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
