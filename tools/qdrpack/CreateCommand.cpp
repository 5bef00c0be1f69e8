#include "Arguments.h"
#include "Category.h"
#include "Commands.h"
#include "Console.h"
#include "Help.h"
#include "PackBitmap.h"
#include "PictureFileName.h"
#include "ToolErrors.h"
#include "ToolFiles.h"
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/FileLayer.h"

#include <filesystem>

namespace {

const std::string kCommand = "create";

int CategoryArgument(const ParsedArguments& parsed) {
    const std::optional<std::string> text = parsed.Value("--category");
    if (!text)
        throw UsageError(kCommand, "--category is required");
    const std::optional<int> category = ParseCategory(*text);
    if (!category)
        throw UsageError(kCommand, "unknown category \"" + *text + "\"; use " + CategoryChoices());
    return *category;
}

// The pictures with their titles and no data yet, so that every title is
// tested before any image is decoded.
std::vector<PackPicture> Titled(const std::vector<std::filesystem::path>& images,
                                const std::vector<std::string>& titles) {
    if (!titles.empty() && titles.size() != images.size())
        throw UsageError(kCommand, std::to_string(titles.size()) + " titles given for " +
                                       std::to_string(images.size()) + " images");
    std::vector<PackPicture> pictures;
    for (std::size_t i = 0; i < images.size(); ++i)
        pictures.push_back(
            {titles.empty() ? TitleFromFileName(images[i]) : QString::fromStdString(titles[i]),
             {}});
    return pictures;
}

// Names the image whose title the writer refuses, when one is to blame.
void CheckContents(const std::filesystem::path& pack, int category,
                   const std::vector<std::filesystem::path>& images,
                   const std::vector<PackPicture>& pictures) {
    const QString why = CheckPackContents(category, pictures);
    if (why.isEmpty())
        return;
    std::string blamed;
    for (std::size_t i = 0; i < pictures.size() && blamed.empty(); ++i)
        if (!CheckPackContents(category, {pictures[i]}).isEmpty())
            blamed = " (" + images[i].string() + ")";
    throw InputError("cannot make " + pack.string() + ": " + why.toStdString() + blamed);
}

} // namespace

int RunCreate(const std::vector<std::string>& args) {
    const ParsedArguments parsed = ParseArguments(kCommand, args,
                                                  {{"--category", "", true, false},
                                                   {"--title", "", true, true},
                                                   {"--keep", "", false, false},
                                                   {"--force", "", false, false}});
    if (PrintHelpIfAsked(kCommand, parsed.help))
        return 0;
    if (parsed.operands.empty())
        throw UsageError(kCommand, "no pack file named");
    if (parsed.operands.size() < 2)
        throw UsageError(kCommand, "no images named");
    const int category = CategoryArgument(parsed);
    const std::filesystem::path pack = parsed.operands.front();
    const std::vector<std::filesystem::path> images(parsed.operands.begin() + 1,
                                                    parsed.operands.end());
    std::vector<PackPicture> pictures = Titled(images, parsed.Values("--title"));
    CheckContents(pack, category, images, pictures);
    RefuseToReplace(pack, parsed.Has("--force"));

    // Every bad image is named before giving up, so one run shows them all.
    bool refused = false;
    for (std::size_t i = 0; i < images.size(); ++i) {
        try {
            pictures[i].data = PackBitmap(images[i], parsed.Has("--keep"));
        } catch (const InputError& error) {
            PrintError(error.what());
            refused = true;
        } catch (const FileError& error) {
            PrintError(error.what());
            refused = true;
        }
    }
    if (refused)
        throw InputError(pack.string() + " not written");

    if (const QString why = WritePack(pack, category, pictures); !why.isEmpty())
        throw InputError("cannot make " + pack.string() + ": " + why.toStdString());
    PrintOut(QStringLiteral("%1: %2 pictures, category %3 (%4)")
                 .arg(Shown(pack))
                 .arg(pictures.size())
                 .arg(category)
                 .arg(QString::fromUtf8(CategoryName(category).data(),
                                        qsizetype(CategoryName(category).size()))));
    return 0;
}
