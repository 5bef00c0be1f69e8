// Feeds arbitrary bytes to the picture loader: the BMP header check, then
// whichever decoder Qt picks. Whatever the bytes, a picture comes back at
// the size asked for, or a reason, and never a crash.
#include "platform/BmpCheck.h"
#include "platform/PictureLoader.h"

#include <QImageReader>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Small, so each run decodes rather than stretches.
const QSize kShown(60, 37);

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "picture loader: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Pictures larger than this are refused, as a player's memory would refuse them.
    QImageReader::setAllocationLimit(64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (LooksLikeBmp(bytes)) {
        const BmpPreparation bmp = PrepareBmp(bytes);
        Check(bmp.Refused() != bmp.size.isValid(), "a BMP was neither refused nor sized");
        Check(bmp.Refused() || !bmp.bytes.isEmpty(), "an accepted BMP has no bytes");
    }
    const LoadedPicture picture = LoadPictureData(bytes, QStringLiteral("fuzz.bin"), kShown);
    if (picture.Ok()) {
        Check(picture.image.size() == kShown, "a picture came back at another size");
        Check(picture.image.format() == QImage::Format_RGB32, "a picture is not RGB32");
        Check(picture.reason.isEmpty(), "a shown picture has a reason");
    } else {
        Check(picture.reason.startsWith(QStringLiteral("fuzz.bin ")), "a refusal names no file");
    }
    return 0;
}
