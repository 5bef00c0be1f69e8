#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class InputFile;

// Something a read of a pack met, in the order it met them. Readers do not
// show anything; the caller shows each message or prints it.
struct PackProblem {
    enum class Kind {
        BadMagic,     // the first byte is not "X"; the message is the pack's file name
        DataCutShort, // the picture's data runs past the end of the file
        Refused,      // a field beyond the format's limits; nothing more was read
    };
    Kind kind;
    QString message;
    bool operator==(const PackProblem&) const = default;
};
using PackProblems = std::vector<PackProblem>;

// A pack as lists and messages name it: its file name.
QString PackName(const std::filesystem::path& pack);

struct PackRecord {
    std::string title; // the raw title bytes
    std::uint32_t dataLength = 0;
    std::uint64_t dataOffset = 0; // where the bitmap starts in the file
};

// The three bytes in front of the records.
struct PackHeader {
    std::uint8_t magic = 0;
    std::int8_t category = 0;
    std::int8_t pictureCount = 0;
    bool complete = false; // all three bytes were there; missing ones read as 0
};

// Reads the header at the start of `in`. Refuses a header cut short and a
// picture count of 0x80 or more; whether the magic is right is the caller's
// question, since the catalogue refuses a wrong one and extraction goes on.
std::optional<PackProblem> ReadPackHeader(InputFile& in, PackHeader& header);
// The same for the first `got` bytes of the pack named `fileName`, read
// already.
std::optional<PackProblem> ParsePackHeader(const unsigned char* bytes, std::size_t got,
                                           std::string_view fileName, PackHeader& header);

struct PackListing {
    PackHeader header;
    std::vector<PackRecord> records; // the sound records, in file order
    PackProblems problems;
    bool truncated = false; // the file ended inside a record header
};

// Reads the header and every record header; stops at the first record that
// is beyond the format's limits or cut short. Raises FileError when the pack
// cannot be opened.
PackListing ReadPackListing(const std::filesystem::path& pack);

// A record as it is read; the title lasts until the next one is.
struct PackRecordView {
    std::string_view title;
    std::uint32_t dataLength = 0;
    std::uint64_t dataOffset = 0;
};

// The same reads, each sound record handed to `visit` as it is read and
// none kept: `records` stays empty.
PackListing VisitPackRecords(const std::filesystem::path& pack,
                             const std::function<void(const PackRecordView&)>& visit);

// Puts the titles of one pack, in file order, into `titles`: after emptying
// it when `resetFirst` is set, else after what it holds.
PackProblems ListPackTitles(const std::filesystem::path& pack, bool resetFirst,
                            std::vector<QString>& titles);

// What extraction can hand back besides the file it wrote.
struct ExtractedPicture {
    QString title;   // once the picture's record was read
    QByteArray data; // the bitmap, when it was read whole; else empty
};

// Copies the bitmap of picture `pictureNumber` (from 1; 0 means 1) into
// `output`, which is created first. A picture cut short is still written at
// its full length, the missing bytes as zeros. With `extracted`, its title
// and bytes come back too, so they need not be read again. Raises FileError
// when a file cannot be opened or written.
PackProblems ExtractPicture(const std::filesystem::path& pack, int pictureNumber,
                            const std::filesystem::path& output,
                            ExtractedPicture* extracted = nullptr);

// The text shown when a picture's data is cut short.
inline const QString kReadOutTheFile = QStringLiteral("Read Out the File");
