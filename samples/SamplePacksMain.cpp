// Writes one pack per category of the game's own pictures into a directory,
// so a fresh build has pictures in every category.
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileLayer.h"
#include "samples/SampleArt.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quadrillo-sample-packs DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    try {
        for (int category = 0; category < kCategoryCount; ++category) {
            std::vector<PackPicture> pictures;
            for (const SamplePicture& sample : SamplePictures(category))
                pictures.push_back({QString::fromStdString(sample.title),
                                    EncodeBmp24(RenderSamplePicture(category, sample.index))});
            // The names the build expects: sample-cartoons.qdr ... sample-tv.qdr.
            const std::string name =
                "sample-" + std::string(kCategories[category].commandName) + ".qdr";
            const QString why = WritePack(directory / name, category, pictures);
            if (!why.isEmpty()) {
                std::fprintf(stderr, "quadrillo-sample-packs: %s\n", qPrintable(why));
                return 1;
            }
        }
    } catch (const FileError& error) {
        std::fprintf(stderr, "quadrillo-sample-packs: %s\n", error.what());
        return 1;
    }
    return 0;
}
