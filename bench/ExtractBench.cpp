// Extracting pictures from packs: a 10 MiB picture against a plain file copy
// of the same bytes, and the last of 127 pictures against the first, which
// also checks that the pictures skipped on the way are not read.
#include "bench/Floors.h"
#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileLayer.h"
#include "puzzle/Board.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargePicture = 10 << 20;
constexpr std::size_t kCopyBuffer = 1 << 20;
constexpr int kManyPictures = 127;
// The last picture is this much longer than the others, so its length is its own.
constexpr std::uint64_t kLastExtra = 17;

// Every loop below deletes its output before writing it again: ext4 writes
// out on close a file that was truncated and rewritten, which would time the
// disk instead of the copy. The directory goes when the benchmarks end.
const fs::path& Scratch() {
    static QTemporaryDir dir;
    static const fs::path path = dir.path().toStdString();
    return path;
}

[[noreturn]] void Die(const std::string& why) {
    std::fprintf(stderr, "extract benchmark: %s\n", why.c_str());
    std::exit(1);
}

void MakePack(const fs::path& pack, const std::vector<PackPicture>& pictures) {
    const QString why = WritePack(pack, Misc, pictures);
    if (!why.isEmpty())
        Die(why.toStdString());
}

QByteArray LargeData() {
    QByteArray data(qsizetype(kLargePicture), '\0');
    for (qsizetype k = 0; k < data.size(); ++k)
        data[k] = char((k * 131) >> 7);
    return data;
}

// The pack of one 10 MiB picture, and a plain file of the same bytes.
struct LargeFiles {
    fs::path pack = Scratch() / "large.qdr";
    fs::path plain = Scratch() / "large.raw";
    LargeFiles() {
        const QByteArray data = LargeData();
        MakePack(pack, {{QStringLiteral("Large"), data}});
        OutputFile out(plain);
        out.Write(data.constData(), std::size_t(data.size()));
        out.Close();
    }
};

const LargeFiles& Large() {
    static const LargeFiles files;
    return files;
}

void BM_ExtractPicture10MiB(benchmark::State& state) {
    const LargeFiles& files = Large();
    const fs::path output = Scratch() / "large-out.bmp";
    for (auto _ : state) {
        ::unlink(output.c_str());
        const PackProblems problems = ExtractPicture(files.pack, 1, output);
        if (!problems.empty()) {
            state.SkipWithError("the large picture did not extract cleanly");
            break;
        }
    }
    if (fs::file_size(output) != kLargePicture)
        state.SkipWithError("the extracted picture has the wrong length");
    state.SetBytesProcessed(std::int64_t(state.iterations() * kLargePicture));
}
BENCHMARK(BM_ExtractPicture10MiB)->Unit(benchmark::kMillisecond);

// The least an extraction can do: copy the bytes from one file to another.
void BM_CopyFile10MiBFloor(benchmark::State& state) {
    const LargeFiles& files = Large();
    const std::string from = files.plain.string();
    const std::string to = (Scratch() / "large-copy.bmp").string();
    const auto buffer = std::make_unique<char[]>(kCopyBuffer);
    std::size_t copied = 0;
    for (auto _ : state) {
        ::unlink(to.c_str());
        const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
        const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (in < 0 || out < 0) {
            state.SkipWithError("cannot open the copy's files");
            break;
        }
        copied = 0;
        for (ssize_t got; (got = ::read(in, buffer.get(), kCopyBuffer)) > 0;) {
            if (::write(out, buffer.get(), std::size_t(got)) != got) {
                state.SkipWithError("the copy's write fell short");
                break;
            }
            copied += std::size_t(got);
        }
        ::close(in);
        ::close(out);
    }
    if (copied != kLargePicture)
        state.SkipWithError("the copy has the wrong length");
    state.SetBytesProcessed(std::int64_t(state.iterations() * kLargePicture));
}
BENCHMARK(BM_CopyFile10MiBFloor)->Unit(benchmark::kMillisecond);

// Throughput at least 0.8 of the plain copy's.
const RegisterFloorGoal largeGoal("BM_ExtractPicture10MiB", "BM_CopyFile10MiBFloor", 1.25);

// A full pack of game-sized bitmaps whose titles run through every length
// from 0 to 49, so a reader that reads more than the headers shows.
struct FullPack {
    fs::path pack = Scratch() / "full.qdr";
    std::uint64_t headerBytes = 3;
    std::uint64_t lastLength = 0;
    FullPack() {
        QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x, y, x ^ y));
        const QByteArray bitmap = EncodeBmp24(image);
        std::vector<PackPicture> pictures;
        for (int k = 0; k < kManyPictures; ++k) {
            const QByteArray data =
                k + 1 < kManyPictures ? bitmap : bitmap + QByteArray(qsizetype(kLastExtra), 'z');
            pictures.push_back({QString(k % 50, QChar('a' + k % 26)), data});
            headerBytes += 1 + std::uint64_t(k % 50) + 4;
        }
        lastLength = std::uint64_t(pictures.back().data.size());
        MakePack(pack, pictures);
    }
};

const FullPack& Full() {
    static const FullPack pack;
    return pack;
}

void BM_ExtractLastOf127(benchmark::State& state) {
    const FullPack& full = Full();
    const fs::path output = Scratch() / "last-out.bmp";

    const std::uint64_t before = TotalBytesRead();
    const PackProblems problems = ExtractPicture(full.pack, kManyPictures, output);
    const std::uint64_t headerBytes = TotalBytesRead() - before - full.lastLength;
    state.counters["header_bytes_read"] = double(headerBytes);
    state.counters["header_bytes_expected"] = double(full.headerBytes);
    if (!problems.empty() || fs::file_size(output) != full.lastLength) {
        state.SkipWithError("the last picture did not extract cleanly");
        return;
    }
    if (headerBytes != full.headerBytes) {
        const std::string why = "read " + std::to_string(headerBytes) +
                                " bytes besides the picture; its pack's headers are " +
                                std::to_string(full.headerBytes);
        state.SkipWithError(why.c_str());
        return;
    }

    for (auto _ : state) {
        ::unlink(output.c_str());
        benchmark::DoNotOptimize(ExtractPicture(full.pack, kManyPictures, output));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * full.lastLength));
}
BENCHMARK(BM_ExtractLastOf127)->Unit(benchmark::kMicrosecond);

void BM_ExtractFirstOf127Floor(benchmark::State& state) {
    const FullPack& full = Full();
    const fs::path output = Scratch() / "first-out.bmp";
    for (auto _ : state) {
        ::unlink(output.c_str());
        benchmark::DoNotOptimize(ExtractPicture(full.pack, 1, output));
    }
    if (fs::file_size(output) + kLastExtra != full.lastLength)
        state.SkipWithError("the first picture has the wrong length");
    state.SetBytesProcessed(std::int64_t(state.iterations() * (full.lastLength - kLastExtra)));
}
BENCHMARK(BM_ExtractFirstOf127Floor)->Unit(benchmark::kMicrosecond);

// The file layer reads unbuffered, so skipping a record takes up to four
// small system calls (title length, title, data length, seek): 126 records
// cost about two copies of a game-sized picture. Reading through the skipped
// pictures instead would take some hundred times the floor.
const RegisterFloorGoal lastGoal("BM_ExtractLastOf127", "BM_ExtractFirstOf127Floor", 4.0);

} // namespace
