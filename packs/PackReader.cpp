#include "packs/PackReader.h"

#include "packs/PackFormat.h"
#include "packs/Windows1252.h"
#include "platform/FileLayer.h"
#include "platform/LittleEndian.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Extraction copies through a buffer of at most this size, whatever the
// picture's length claims.
constexpr std::uint64_t kCopyChunk = 1 << 20;

PackProblem Refusal(std::string_view fileName, const QString& why) {
    return {PackProblem::Kind::Refused,
            QStringLiteral("%1 is not a picture pack Quadrillo can read: %2.")
                .arg(DecodeFileName(fileName), why)};
}

PackProblem Refusal(const std::filesystem::path& pack, const QString& why) {
    return Refusal(std::string_view(pack.filename().native()), why);
}

enum class RecordRead { Ok, CutShort, Refused };

// Held in place: listing thousands of titles allocates nothing per title.
struct RecordHeader {
    unsigned char bytes[0x7f + 4]; // the title, then the data length
    std::size_t titleLength = 0;
    std::uint32_t dataLength = 0;
    std::string_view Title() const { return {reinterpret_cast<const char*>(bytes), titleLength}; }
};

// Reads the record header at the current position: title length, title and
// data length.
RecordRead ReadRecordHeader(InputFile& in, int number, RecordHeader& header,
                            PackProblems& problems) {
    unsigned char length = 0;
    if (in.Read(&length, 1) != 1)
        return RecordRead::CutShort;
    if (length >= 0x80) {
        problems.push_back(
            Refusal(in.Path(), QStringLiteral("the title of picture %1 claims %2 bytes")
                                   .arg(number)
                                   .arg(int(static_cast<signed char>(length)))));
        return RecordRead::Refused;
    }
    // Title and data length in one read.
    if (in.Read(header.bytes, length + 4u) != length + 4u)
        return RecordRead::CutShort;
    header.titleLength = length;
    header.dataLength = ReadLittleEndian32(header.bytes + length);
    if (header.dataLength > kMaxPictureDataLength) {
        problems.push_back(Refusal(in.Path(), QStringLiteral("picture %1 claims %2 bytes of data")
                                                  .arg(number)
                                                  .arg(qulonglong(header.dataLength))));
        return RecordRead::Refused;
    }
    return RecordRead::Ok;
}

} // namespace

QString PackName(const std::filesystem::path& pack) {
    return DecodeFileName(pack.filename().native());
}

std::optional<PackProblem> ParsePackHeader(const unsigned char* bytes, std::size_t got,
                                           std::string_view fileName, PackHeader& header) {
    header.complete = got >= std::size_t(kPackHeaderSize);
    header.magic = got > 0 ? bytes[0] : 0;
    header.category = got > 1 ? static_cast<std::int8_t>(bytes[1]) : 0;
    header.pictureCount = got > 2 ? static_cast<std::int8_t>(bytes[2]) : 0;
    if (!header.complete)
        return Refusal(fileName, QStringLiteral("it ends inside its header"));
    if (header.pictureCount < 0)
        return Refusal(fileName,
                       QStringLiteral("it claims %1 pictures").arg(int(header.pictureCount)));
    return std::nullopt;
}

std::optional<PackProblem> ReadPackHeader(InputFile& in, PackHeader& header) {
    unsigned char bytes[kPackHeaderSize] = {};
    const std::size_t got = in.Read(bytes, kPackHeaderSize);
    return ParsePackHeader(bytes, got, in.Path().filename().native(), header);
}

PackListing VisitPackRecords(const std::filesystem::path& pack,
                             const std::function<void(const PackRecordView&)>& visit) {
    InputFile in(pack);
    PackListing listing;
    if (std::optional<PackProblem> refused = ReadPackHeader(in, listing.header)) {
        listing.problems.push_back(std::move(*refused));
        return listing;
    }
    for (int number = 1; number <= listing.header.pictureCount; ++number) {
        RecordHeader record;
        const RecordRead read = ReadRecordHeader(in, number, record, listing.problems);
        if (read != RecordRead::Ok) {
            listing.truncated = read == RecordRead::CutShort;
            break;
        }
        visit({record.Title(), record.dataLength, in.Position()});
        in.Skip(record.dataLength);
    }
    return listing;
}

PackListing ReadPackListing(const std::filesystem::path& pack) {
    std::vector<PackRecord> records;
    PackListing listing = VisitPackRecords(pack, [&](const PackRecordView& record) {
        records.push_back({std::string(record.title), record.dataLength, record.dataOffset});
    });
    listing.records = std::move(records);
    return listing;
}

PackProblems ListPackTitles(const std::filesystem::path& pack, bool resetFirst,
                            std::vector<QString>& titles) {
    if (resetFirst)
        titles.clear();
    return VisitPackRecords(pack,
                            [&](const PackRecordView& record) {
                                titles.push_back(DecodeWindows1252(record.title));
                            })
        .problems;
}

PackProblems ExtractPicture(const std::filesystem::path& pack, int pictureNumber,
                            const std::filesystem::path& output, ExtractedPicture* extracted) {
    OutputFile out(output);
    InputFile in(pack);
    PackProblems problems;

    PackHeader header;
    std::optional<PackProblem> refused = ReadPackHeader(in, header);
    if (header.magic != kPackMagic)
        problems.push_back({PackProblem::Kind::BadMagic, PackName(pack)});
    if (refused) {
        problems.push_back(std::move(*refused));
        return problems;
    }
    const int count = header.pictureCount;
    const int number = pictureNumber == 0 ? 1 : pictureNumber;
    if (number < 1 || number > count) {
        problems.push_back(Refusal(
            pack, QStringLiteral("it holds %1 pictures, not picture %2").arg(count).arg(number)));
        return problems;
    }

    RecordHeader record;
    for (int skipped = 1; skipped <= number; ++skipped) {
        const RecordRead read = ReadRecordHeader(in, skipped, record, problems);
        if (read == RecordRead::Refused)
            return problems;
        if (read == RecordRead::CutShort) {
            problems.push_back({PackProblem::Kind::DataCutShort, kReadOutTheFile});
            return problems;
        }
        if (skipped < number)
            in.Skip(record.dataLength);
    }
    const std::uint64_t length = record.dataLength;
    if (extracted) {
        extracted->title = DecodeWindows1252(record.Title());
        // Whole in memory only when the file holds it all, so memory stays
        // bounded by the file whatever the length claims.
        const std::uint64_t size = in.Size();
        if (size >= in.Position() && size - in.Position() >= length) {
            QByteArray data(qsizetype(length), Qt::Uninitialized);
            const std::size_t got = in.Read(data.data(), std::size_t(length));
            if (got == length) {
                out.Write(data.constData(), got);
                out.Close();
                extracted->data = std::move(data);
                return problems;
            }
            // Shorter than it was a moment ago: copy what is there.
            in.Skip(-std::int64_t(got));
        }
    }

    const std::uint64_t chunk = std::min(length, kCopyChunk);
    const auto buffer = std::make_unique_for_overwrite<char[]>(std::max<std::uint64_t>(chunk, 1));
    std::uint64_t copied = 0;
    while (copied < length) {
        const std::size_t want = std::size_t(std::min(chunk, length - copied));
        const std::size_t got = in.Read(buffer.get(), want);
        out.Write(buffer.get(), got);
        copied += got;
        if (got < want)
            break;
    }
    if (copied < length) {
        out.ExtendTo(length);
        problems.push_back({PackProblem::Kind::DataCutShort, kReadOutTheFile});
    }
    out.Close();
    return problems;
}
