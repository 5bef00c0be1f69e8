// Writes one of the sample pictures as a BMP, or lists them all.

#include "packs/PackFormat.h"
#include "samples/SampleArt.h"

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: quadrillo-sample-art OUTPUT.bmp [CATEGORY INDEX]\n"
                         "       quadrillo-sample-art --list\n");
    return 2;
}

bool ParseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--list") {
        for (const SamplePicture& picture : AllSamplePictures())
            std::printf("%d\t%d\t%s\t%s\n", picture.category, picture.index,
                        std::string(CategoryName(picture.category)).c_str(), picture.title.c_str());
        return 0;
    }
    if (argc != 2 && argc != 4)
        return Usage();

    // Without a choice: the picture the build puts beside the game.
    int category = 1, index = 0;
    if (argc == 4 && (!ParseInt(argv[2], category) || !ParseInt(argv[3], index)))
        return Usage();

    const QImage picture = RenderSamplePicture(category, index);
    if (picture.isNull()) {
        std::fprintf(stderr, "quadrillo-sample-art: no picture %d in category %d\n", index,
                     category);
        return 1;
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "quadrillo-sample-art: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
