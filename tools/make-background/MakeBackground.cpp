// Makes the chart's background picture (BackgroundPicture.h draws it): writes the JPEG and the
// block the window stores it in (length byte, "TJPEGImage", 32-bit little-endian byte count, the
// JPEG bytes).
//
//   armalyx-make-background OUTPUT.jpg OUTPUT.block

#include "BackgroundPicture.h"
#include "JpegCodec.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

bool WriteFile(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg OUTPUT.block\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    std::vector<std::uint8_t> jpeg;
    if (!Armalyx::EncodeJpeg(Armalyx::BackgroundPicture::Draw(),
                             Armalyx::BackgroundPicture::kJpegQuality, jpeg)) {
        std::fprintf(stderr, "could not encode the picture\n");
        return 1;
    }
    if (!WriteFile(argv[1], jpeg) || !WriteFile(argv[2], Armalyx::BackgroundPicture::Block(jpeg))) {
        std::fprintf(stderr, "could not write the output files\n");
        return 1;
    }
    std::printf("%zu JPEG bytes, %zu block bytes\n", jpeg.size(),
                Armalyx::BackgroundPicture::Block(jpeg).size());
    return 0;
}
