// The background picture's block from arbitrary bytes: loading it, decoding it with libjpeg and
// scaling it must either give a picture of the size its header states or leave the picture empty,
// never crash, read outside the block or take memory out of proportion to the block.
#include "StoreInvariants.h"
#include "TChartGraphic.h"
#include "TChartPicture.h"

#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using Armalyx::Fuzz::Require;

// A size the chart's plot rectangle may have: small, so that scaling stays cheap.
constexpr QSize kStretchedSize(67, 38);

// The decoder makes the whole bitmap at the size the header states before it reads the scan, and
// libjpeg pads a scan that ends early: a block of a few kilobytes whose header claims 30000 x 30000
// pixels costs 3.6 GB and seconds of decoding. Until the picture format refuses such sizes, the
// target loads them but decodes only pictures up to this many pixels, so that the run stays within
// its memory limit and finds the faults it can still find.
constexpr long long kMostDecodedPixels = 2048LL * 2048;

void RequireEmpty(const TChartPicture& picture) {
    Require(picture.Empty(), "a picture that failed to load is not empty");
    Require(picture.Graphic() == nullptr, "an empty picture has a graphic");
    Require(picture.Width() == 0 && picture.Height() == 0, "an empty picture has a size");
}

void RequireDecodedPicture(TChartGraphic& graphic) {
    const QImage& bitmap = graphic.Bitmap();
    Require(bitmap.isNull() || bitmap.size() == QSize(graphic.Width(), graphic.Height()),
            "the decoded bitmap differs from the header's size");
    Require(&graphic.Bitmap() == &bitmap && graphic.DecodeCount() == 1,
            "the picture was decoded more than once");
    const QImage& scaled = graphic.ScaledBitmap(kStretchedSize);
    Require(bitmap.isNull() ? scaled.isNull() : scaled.size() == kStretchedSize,
            "the stretched bitmap has the wrong size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TChartPicture picture;
    int changes = 0;
    picture.SetOnChange([&changes] { ++changes; });
    const bool loaded = picture.LoadFromBlock(std::span<const std::uint8_t>(data, size));
    Require(changes == (loaded ? 1 : 0), "loading into an empty picture reported a wrong change");
    if (!loaded) {
        RequireEmpty(picture);
        return 0;
    }
    Require(picture.Width() > 0 && picture.Height() > 0, "a loaded picture has no size");
    if (static_cast<long long>(picture.Width()) * picture.Height() <= kMostDecodedPixels) {
        RequireDecodedPicture(*picture.Graphic());
    }
    picture.Clear();
    RequireEmpty(picture);
    return 0;
}
