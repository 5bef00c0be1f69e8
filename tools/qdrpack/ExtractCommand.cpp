#include "Arguments.h"
#include "Commands.h"
#include "Console.h"
#include "Help.h"
#include "LayoutProblems.h"
#include "PictureFileName.h"
#include "ToolErrors.h"
#include "ToolFiles.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "packs/Windows1252.h"

#include <charconv>
#include <filesystem>

namespace {

const std::string kCommand = "extract";

int PictureNumber(const std::string& text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < 1)
        throw UsageError(kCommand, "the picture number must be 1 or more, not \"" + text + "\"");
    return number;
}

// The picture's record, found before anything is written so that a number
// beyond the pack leaves no empty file behind.
const PackRecord& Record(const std::filesystem::path& pack, const PackListing& listing,
                         int number) {
    if (std::size_t(number) <= listing.records.size())
        return listing.records[std::size_t(number) - 1];
    for (const PackProblem& problem : listing.problems)
        PrintPackProblem(pack, ProblemText(problem));
    if (number > listing.header.pictureCount)
        throw InputError(pack.string() + " holds " + std::to_string(listing.header.pictureCount) +
                         " pictures, not picture " + std::to_string(number));
    throw InputError("picture " + std::to_string(number) + " of " + pack.string() +
                     " cannot be read");
}

} // namespace

int RunExtract(const std::vector<std::string>& args) {
    const ParsedArguments parsed = ParseArguments(
        kCommand, args, {{"--output", "-o", true, false}, {"--force", "", false, false}});
    if (PrintHelpIfAsked(kCommand, parsed.help))
        return 0;
    if (parsed.operands.size() != 2)
        throw UsageError(kCommand, "give a pack and a picture number");
    const std::filesystem::path pack = parsed.operands[0];
    const int number = PictureNumber(parsed.operands[1]);

    const PackListing listing = ReadPackListing(pack);
    const PackRecord& record = Record(pack, listing, number);
    const std::optional<std::string> named = parsed.Value("--output");
    const std::filesystem::path output =
        named ? std::filesystem::path(*named)
              : DefaultPictureFileName(DecodeWindows1252(record.title), number);
    RefuseToReplace(output, parsed.Has("--force"));

    const PackProblems problems = ExtractPicture(pack, number, output);
    for (const PackProblem& problem : problems)
        PrintPackProblem(pack, ProblemText(problem));
    PrintOut(QStringLiteral("%1: %2 bytes").arg(Shown(output)).arg(record.dataLength));
    return problems.empty() ? 0 : 1;
}
