#include "PackBitmap.h"

#include "Console.h"
#include "ToolErrors.h"
#include "ToolFiles.h"
#include "packs/PackFormat.h"
#include "platform/BmpWriter.h"
#include "platform/PictureLoader.h"

namespace {

constexpr QSize kPictureSize(kPictureWidth, kPictureHeight);

} // namespace

QByteArray PackBitmap(const std::filesystem::path& image, bool keep) {
    // Read through the file layer so a missing or unreadable file is named
    // the same way everywhere, whatever bytes its name is made of.
    const QByteArray bytes = ReadWholeFile(image);
    const LoadedPicture picture = LoadPictureData(bytes, Shown(image), kPictureSize);
    if (!picture.Ok())
        throw InputError(picture.reason.toStdString());
    if (!keep)
        return EncodeBmp24(picture.image);
    if (!bytes.startsWith("BM"))
        throw InputError(image.string() + " is not a BMP file; --keep stores BMP files only");
    return bytes;
}
