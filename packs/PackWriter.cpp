#include "packs/PackWriter.h"

#include "packs/PackFormat.h"
#include "packs/Windows1252.h"
#include "platform/FileLayer.h"
#include "platform/LittleEndian.h"

#include <optional>

QString CheckPackContents(int category, const std::vector<PackPicture>& pictures) {
    if (category < 0 || category >= kCategoryCount)
        return QStringLiteral("the category must be 0 to %1, not %2")
            .arg(kCategoryCount - 1)
            .arg(category);
    if (pictures.size() > std::size_t(kMaxPackPictures))
        return QStringLiteral("a pack holds at most %1 pictures, not %2")
            .arg(kMaxPackPictures)
            .arg(pictures.size());
    for (const PackPicture& picture : pictures) {
        const std::optional<std::string> bytes = EncodeWindows1252(picture.title);
        if (!bytes)
            return QStringLiteral("the title \"%1\" has a character a pack cannot hold")
                .arg(picture.title);
        if (bytes->size() > std::size_t(kMaxTitleLength))
            return QStringLiteral("the title \"%1\" is %2 characters long; at most %3 fit")
                .arg(picture.title)
                .arg(bytes->size())
                .arg(kMaxTitleLength);
        if (std::uint64_t(picture.data.size()) > kMaxPictureDataLength)
            return QStringLiteral("the picture \"%1\" is too large for a pack").arg(picture.title);
    }
    return {};
}

QByteArray EncodePack(int category, const std::vector<PackPicture>& pictures) {
    QByteArray pack;
    pack.append(char(kPackMagic));
    pack.append(char(category));
    pack.append(char(pictures.size()));
    for (const PackPicture& picture : pictures) {
        const std::string title = EncodeWindows1252(picture.title).value_or(std::string());
        const auto length = std::uint32_t(picture.data.size());
        pack.append(char(title.size()));
        pack.append(title.data(), qsizetype(title.size()));
        AppendLittleEndian32(pack, length);
        pack.append(picture.data);
    }
    return pack;
}

QString WritePack(const std::filesystem::path& pack, int category,
                  const std::vector<PackPicture>& pictures) {
    if (QString why = CheckPackContents(category, pictures); !why.isEmpty())
        return why;
    const QByteArray bytes = EncodePack(category, pictures);
    const std::filesystem::path part = PartFile(pack);
    try {
        OutputFile out(part);
        out.Write(bytes.constData(), std::size_t(bytes.size()));
        out.Close();
    } catch (const FileError&) {
        DiscardFile(part);
        throw;
    }
    ReplaceFile(part, pack);
    return {};
}
