// Scanning a directory of 1,000 packs into the catalogue, against the least
// any scan must do: open each pack, read its three header bytes, close it.
#include "bench/Floors.h"
#include "packs/PackCatalogue.h"
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kPackFiles = 1000;

// 1,000 small packs, categories spread evenly, names as people give them:
// mixed case, of differing lengths, the extension in either case.
struct PackDirectory {
    QTemporaryDir dir;
    fs::path path = dir.path().toStdString();
    std::vector<std::string> files; // full paths, for the floor
    int pictures = 0;
    PackDirectory() {
        QImage tiny(3, 2, QImage::Format_RGB32);
        tiny.fill(qRgb(30, 60, 90));
        const PackPicture picture{QStringLiteral("Tiny"), EncodeBmp24(tiny)};
        for (int k = 0; k < kPackFiles; ++k) {
            const int category = k % kCategoryCount;
            const std::string name =
                (k % 3 == 0 ? "" : "the ") + std::string(CategoryName(category)) + " pack " +
                std::to_string((k * 7919) % kPackFiles) + (k % 4 == 0 ? ".QDR" : ".qdr");
            const std::vector<PackPicture> pictures(std::size_t(1 + k % 3), picture);
            const QString why = WritePack(path / name, category, pictures);
            if (!why.isEmpty()) {
                std::fprintf(stderr, "scan benchmark: %s\n", qPrintable(why));
                std::exit(1);
            }
            files.push_back((path / name).string());
            this->pictures += int(pictures.size());
        }
    }
};

const PackDirectory& Packs() {
    static const PackDirectory packs;
    return packs;
}

void BM_ScanPacks1000(benchmark::State& state) {
    const PackDirectory& packs = Packs();
    PackCatalogue catalogue;
    for (auto _ : state) {
        const PackProblems problems = ScanPacks(catalogue, {packs.path});
        benchmark::DoNotOptimize(problems.data());
    }
    int found = 0, pictures = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        found += catalogue.packCount[c];
        pictures += catalogue.pictureTotal[c];
    }
    if (found != kPackFiles || pictures != packs.pictures)
        state.SkipWithError("the scan did not find every pack");
    state.SetItemsProcessed(state.iterations() * kPackFiles);
}
BENCHMARK(BM_ScanPacks1000)->Unit(benchmark::kMicrosecond);

// No listing, no sorting, no catalogue: the names are known beforehand.
void BM_OpenRead3Close1000Floor(benchmark::State& state) {
    const PackDirectory& packs = Packs();
    unsigned char header[3] = {};
    for (auto _ : state) {
        for (const std::string& file : packs.files) {
            const int in = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
            const ssize_t got = in < 0 ? -1 : ::read(in, header, sizeof header);
            if (in >= 0)
                ::close(in);
            if (got != ssize_t(sizeof header)) {
                state.SkipWithError("cannot read a pack header");
                break;
            }
            benchmark::DoNotOptimize(header);
        }
    }
    state.SetItemsProcessed(state.iterations() * kPackFiles);
}
BENCHMARK(BM_OpenRead3Close1000Floor)->Unit(benchmark::kMicrosecond);

const RegisterFloorGoal scanGoal("BM_ScanPacks1000", "BM_OpenRead3Close1000Floor", 1.2);

} // namespace
