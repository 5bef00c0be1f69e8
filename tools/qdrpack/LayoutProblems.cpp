#include "LayoutProblems.h"

#include "packs/PackFormat.h"
#include "packs/Windows1252.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

QString Hex(unsigned byte) {
    return QStringLiteral("0x%1").arg(byte, 2, 16, QLatin1Char('0'));
}

// The first title byte that is no Windows-1252 character (or is a control
// character), as the writer would refuse it; nothing when all are fine.
std::optional<unsigned char> BadTitleByte(const std::string& title) {
    for (char byte : title)
        if (!EncodeWindows1252(DecodeWindows1252(std::string_view(&byte, 1))))
            return static_cast<unsigned char>(byte);
    return std::nullopt;
}

} // namespace

bool DataInsideFile(const PackRecord& record, std::uint64_t fileSize) {
    return record.dataOffset + record.dataLength <= fileSize;
}

QString ProblemText(const PackProblem& problem) {
    switch (problem.kind) {
    case PackProblem::Kind::BadMagic:
        return QStringLiteral("the first byte is not \"X\"; this may not be a picture pack");
    case PackProblem::Kind::DataCutShort:
        return problem.message +
               QStringLiteral(": the picture's data runs past the end of the pack");
    case PackProblem::Kind::Refused:
        break;
    }
    return problem.message;
}

std::vector<Finding> LayoutProblems(const PackListing& listing, std::uint64_t fileSize) {
    std::vector<Finding> problems;
    if (!listing.header.complete) {
        problems.push_back(
            Finding{QStringLiteral("the file is %1 bytes long, too short for a pack's "
                                   "%2-byte header")
                        .arg(fileSize)
                        .arg(kPackHeaderSize)});
        return problems;
    }
    if (listing.header.magic != kPackMagic)
        problems.push_back(Finding{QStringLiteral("the first byte is %1, not %2 (\"X\")")
                                       .arg(Hex(listing.header.magic), Hex(kPackMagic))});
    if (!IsCategory(listing.header.category))
        problems.push_back(Finding{QStringLiteral("the category is %1; it must be 0 to %2")
                                       .arg(int(listing.header.category))
                                       .arg(kCategoryCount - 1)});
    for (const PackProblem& problem : listing.problems)
        problems.push_back({ProblemText(problem)});

    std::uint64_t end = kPackHeaderSize;
    bool dataCutShort = false;
    int number = 0;
    for (const PackRecord& record : listing.records) {
        ++number;
        if (record.title.size() > std::size_t(kMaxTitleLength))
            problems.push_back({QStringLiteral("the title of picture %1 is %2 bytes long; at "
                                               "most %3 fit")
                                    .arg(number)
                                    .arg(record.title.size())
                                    .arg(kMaxTitleLength),
                                true});
        if (const auto bad = BadTitleByte(record.title))
            problems.push_back({QStringLiteral("the title of picture %1 holds byte %2, which is "
                                               "not a Windows-1252 character a title may hold")
                                    .arg(number)
                                    .arg(Hex(*bad)),
                                true});
        end = record.dataOffset + record.dataLength;
        if (!DataInsideFile(record, fileSize)) {
            problems.push_back(
                Finding{QStringLiteral("the data of picture %1 runs past the end of the "
                                       "file: it needs %2 bytes, %3 are there")
                            .arg(number)
                            .arg(record.dataLength)
                            .arg(fileSize > record.dataOffset ? fileSize - record.dataOffset : 0)});
            dataCutShort = true;
        }
    }
    // Once a picture's data runs out, the next record header cannot be there either.
    if (listing.truncated && !dataCutShort)
        problems.push_back(
            Finding{QStringLiteral("the file ends inside the header of picture %1 of %2")
                        .arg(listing.records.size() + 1)
                        .arg(int(listing.header.pictureCount))});
    // The writer never leaves bytes behind the last picture; they mostly mean
    // a picture count that is too low.
    const bool allRead =
        listing.problems.empty() && !listing.truncated && !dataCutShort &&
        listing.records.size() == std::size_t(std::max<int>(listing.header.pictureCount, 0));
    if (allRead && fileSize > end)
        problems.push_back(
            {QStringLiteral("%1 bytes follow the last picture").arg(fileSize - end), true});
    return problems;
}

bool Playable(const std::vector<Finding>& findings) {
    return std::all_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.warning; });
}
