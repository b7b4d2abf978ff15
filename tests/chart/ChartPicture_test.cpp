// The background picture: loading the stored block through the registry of picture formats, and
// decoding the JPEG once.

#include "JpegCodec.h"
#include "TChart.h"
#include "TChartCanvas3D.h"
#include "TChartPicture.h"
#include "TJPEGImage.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <cstdint>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes SmallJpeg() {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    TBytes jpeg;
    EXPECT_TRUE(Armalyx::EncodeJpeg(image, 90, jpeg));
    return jpeg;
}

TBytes Block(const std::string& className, const TBytes& jpeg, std::uint32_t count) {
    TBytes block;
    block.reserve(1 + className.size() + 4 + jpeg.size());
    block.push_back(static_cast<std::uint8_t>(className.size()));
    block.insert(block.end(), className.begin(), className.end());
    for (int shift = 0; shift < 32; shift += 8) {
        block.push_back(static_cast<std::uint8_t>(count >> shift));
    }
    block.insert(block.end(), jpeg.begin(), jpeg.end());
    return block;
}

TBytes Block(const std::string& className, const TBytes& jpeg) {
    return Block(className, jpeg, static_cast<std::uint32_t>(jpeg.size()));
}

} // namespace

TEST(ChartPicture, ValidBlockLoadsTheJpegHeader) {
    TChartPicture picture;
    int changes = 0;
    picture.SetOnChange([&changes] { ++changes; });
    ASSERT_TRUE(picture.LoadFromBlock(Block("TJPEGImage", SmallJpeg())));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 8);
    auto* jpeg = dynamic_cast<TJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_FALSE(jpeg->Grayscale());
    EXPECT_FALSE(jpeg->ProgressiveEncoding());
    EXPECT_EQ(jpeg->DecodeCount(), 0);
}

// The JPEG with the picture size in its frame header replaced: the scan data still holds 16 x 8.
TBytes WithStatedSize(TBytes jpeg, std::uint16_t width, std::uint16_t height) {
    for (std::size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height & 0xFF);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width & 0xFF);
            break;
        }
    }
    return jpeg;
}

TEST(ChartPicture, BadBlocksLeaveThePictureEmpty) {
    const TBytes jpeg = SmallJpeg();
    TBytes corrupt = jpeg;
    for (std::size_t i = 0; i < corrupt.size(); ++i) {
        corrupt[i] = static_cast<std::uint8_t>(i * 7);
    }
    TBytes nameTooLong{40, 'T', 'J'};
    const struct {
        const char* name;
        TBytes block;
    } cases[] = {
        {"unknown class", Block("TMetafile", jpeg)},
        {"count past the end",
         Block("TJPEGImage", jpeg, static_cast<std::uint32_t>(jpeg.size() + 1))},
        {"huge count", Block("TJPEGImage", jpeg, 0xFFFFFFFFu)},
        {"count cut short", TBytes{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 0x10, 0}},
        {"corrupt jpeg", Block("TJPEGImage", corrupt)},
        {"no jpeg bytes", Block("TJPEGImage", TBytes{})},
        {"empty block", TBytes{}},
        {"name past the end", nameTooLong},
        {"oversized picture", Block("TJPEGImage", WithStatedSize(jpeg, 30000, 30000))},
        {"too wide picture", Block("TJPEGImage", WithStatedSize(jpeg, 65000, 8))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TChartPicture picture;
        ASSERT_TRUE(picture.LoadFromBlock(Block("TJPEGImage", jpeg)));
        EXPECT_FALSE(picture.LoadFromBlock(c.block));
        EXPECT_TRUE(picture.Empty());
        EXPECT_EQ(picture.Graphic(), nullptr);
    }
}

TEST(ChartPicture, LoadingOrClearingTheChartsPictureRepaintsIt) {
    TChart chart;
    chart.grab();
    const auto& canvas = dynamic_cast<const TChartCanvas3D&>(chart.Canvas());
    ASSERT_TRUE(canvas.BufferValid());
    int before = chart.RepaintRequests();
    ASSERT_TRUE(chart.BackImage().LoadFromBlock(Block("TJPEGImage", SmallJpeg())));
    EXPECT_EQ(chart.RepaintRequests(), before + 1);
    EXPECT_FALSE(canvas.BufferValid()) << "the kept frame has no picture";
    before = chart.RepaintRequests();
    chart.BackImage().Clear();
    EXPECT_EQ(chart.RepaintRequests(), before + 1);
    chart.BackImage().Clear();
    EXPECT_EQ(chart.RepaintRequests(), before + 1) << "no picture, no change";
}

TEST(ChartPicture, DamagedScanDecodesWithoutCrashing) {
    QImage image(128, 96, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) & 0xFF));
        }
    }
    TBytes jpeg;
    ASSERT_TRUE(Armalyx::EncodeJpeg(image, 90, jpeg));
    for (std::size_t i = jpeg.size() / 2; i + 2 < jpeg.size(); ++i) {
        jpeg[i] = static_cast<std::uint8_t>(i * 13);
    }
    TChartPicture picture;
    ASSERT_TRUE(picture.LoadFromBlock(Block("TJPEGImage", jpeg)));
    const QImage& bitmap = picture.Graphic()->Bitmap();
    EXPECT_TRUE(bitmap.isNull() || bitmap.size() == QSize(128, 96));
}

TEST(ChartPicture, DecodesOnceAndScalesOncePerSize) {
    TChartPicture picture;
    ASSERT_TRUE(picture.LoadFromBlock(Block("TJPEGImage", SmallJpeg())));
    TChartGraphic& graphic = *picture.Graphic();
    QImage target(64, 32, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TChartCanvas3D canvas;
        canvas.AttachTarget(&target);
        for (int frame = 0; frame < 3; ++frame) {
            canvas.StretchPicture({2, 2, 34, 18}, graphic);
        }
        canvas.StretchPicture({0, 0, 20, 10}, graphic);
    }
    EXPECT_EQ(graphic.DecodeCount(), 1);
    EXPECT_EQ(graphic.ScaleCount(), 2);
    const QColor inside = target.pixelColor(10, 10);
    EXPECT_NEAR(inside.red(), 200, 12);
    EXPECT_NEAR(inside.green(), 40, 12);
    EXPECT_EQ(target.pixel(40, 25) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ChartPicture, ProgramPictureHasItsFiveBands) {
    QFile file(QStringLiteral(ARMALYX_SOURCE_DIR "/app/resources/Chart1BackImage.block"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    TChartPicture picture;
    ASSERT_TRUE(picture.LoadFromBlock({reinterpret_cast<const std::uint8_t*>(data.constData()),
                                       static_cast<std::size_t>(data.size())}));
    EXPECT_EQ(picture.Width(), 420);
    EXPECT_EQ(picture.Height(), 299);
    const QImage& bitmap = picture.Graphic()->Bitmap();
    ASSERT_EQ(bitmap.size(), QSize(420, 299));
    // Sampled near the top, away from the year digits: each band is pale and differs from its
    // neighbours, and the colour changes exactly at the band boundaries.
    const int boundaries[] = {54, 161, 268, 375};
    for (const int column : boundaries) {
        SCOPED_TRACE(column);
        const QColor before = bitmap.pixelColor(column - 3, 10);
        const QColor after = bitmap.pixelColor(column + 3, 10);
        EXPECT_GT(std::min({before.red(), before.green(), before.blue()}), 180);
        EXPECT_NE(before.name(), after.name());
    }
}
