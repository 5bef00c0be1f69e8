// The Options dialog on the offscreen platform: opening it on a category of
// 200 packs of 50 pictures, against reading those packs' headers and titles
// alone, and a preview against extracting and decoding the same picture.
#include "bench/Floors.h"
#include "options/OptionsDlg.h"
#include "packs/PackCatalogue.h"
#include "packs/PackReader.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/MessageBoxService.h"
#include "platform/PictureLoader.h"
#include "platform/ProfileStore.h"
#include "puzzle/PuzzleState.h"
#include "resources/OptionsDialog.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
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

constexpr int kPicturesPerPack = 50;
constexpr int kManyPacks = 200; // Movies: 10,000 titles
constexpr int kFewPacks = 50;   // Cartoons: 2,500 titles
// The machine's other work and the file system's own bookkeeping come and
// go; the median of several runs stands for each benchmark.
constexpr int kRepetitions = 9;

[[noreturn]] void Die(const std::string& why) {
    std::fprintf(stderr, "options benchmark: %s\n", why.c_str());
    std::exit(1);
}

// Boxes would stop the benchmark; there should be none.
class CountingMessageBox : public MessageBoxService {
  public:
    void Show(const QString& text, const QString&) override {
        std::fprintf(stderr, "options benchmark: unexpected box: %s\n", qPrintable(text));
        ++shown;
    }
    int shown = 0;
};

class NoProfile : public ProfileStore {
  public:
    std::int32_t GetProfileInt(const QString&, const QString&, std::int32_t fallback) override {
        return fallback;
    }
    void WriteProfileInt(const QString&, const QString&, std::int32_t) override {}
};

// Packs of small pictures with titles of everyday lengths, and one pack of
// two game-sized pictures for the preview.
struct ProgramFiles {
    QTemporaryDir dir;
    fs::path path = dir.path().toStdString();
    PackCatalogue catalogue;
    ProgramFiles() {
        QImage tiny(3, 2, QImage::Format_RGB32);
        tiny.fill(qRgb(30, 60, 90));
        const QByteArray bitmap = EncodeBmp24(tiny);
        for (int k = 0; k < kManyPacks + kFewPacks; ++k) {
            const int category = k < kManyPacks ? Movies : Cartoons;
            std::vector<PackPicture> pictures;
            for (int p = 0; p < kPicturesPerPack; ++p)
                pictures.push_back(
                    {QStringLiteral("Scene %1 of reel %2%3").arg(p).arg(k).arg(QString(p % 9, 'x')),
                     bitmap});
            Write(QStringLiteral("reel %1.qdr").arg(k, 3, 10, QChar('0')).toStdString(), category,
                  pictures);
        }
        QImage large(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                large.setPixel(x, y, qRgb(x, y, x ^ y));
        Write("views.qdr", Misc,
              {{QStringLiteral("Plain"), EncodeBmp24(large)},
               {QStringLiteral("Mirrored"), EncodeBmp24(large.mirrored(true, false))}});
        if (!ScanPacks(catalogue, {path}).empty())
            Die("the packs did not scan cleanly");
    }
    void Write(const std::string& name, int category, const std::vector<PackPicture>& pictures) {
        const QString why = WritePack(path / name, category, pictures);
        if (!why.isEmpty())
            Die(why.toStdString());
    }
};

const ProgramFiles& Files() {
    static const ProgramFiles files;
    return files;
}

void OpenOptions(benchmark::State& run, int category, int titles) {
    const ProgramFiles& files = Files();
    CountingMessageBox messages;
    NoProfile profile;
    PuzzleState state;
    int listed = 0;
    for (auto _ : run) {
        state.randomMode = 0;
        state.category = category;
        state.title = 0;
        auto dialog = std::make_unique<COptionsDlg>(files.catalogue, state, messages, profile,
                                                    ProgramDirectory(files.path), nullptr);
        dialog->setVisible(true);
        listed = static_cast<QListWidget*>(dialog->GetDlgItem(IDC_TITLE_LIST))->count();
        // Opened; closing it is another matter.
        run.PauseTiming();
        dialog.reset();
        run.ResumeTiming();
    }
    if (listed != titles || messages.shown)
        run.SkipWithError("the dialog did not list every title");
    run.SetItemsProcessed(run.iterations() * titles);
    run.counters["ns_per_title"] =
        benchmark::Counter(double(run.iterations()) * titles,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OpenOptionsAll10000(benchmark::State& run) {
    OpenOptions(run, Movies, kManyPacks * kPicturesPerPack);
}
BENCHMARK(BM_OpenOptionsAll10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

void BM_OpenOptionsAll2500(benchmark::State& run) {
    OpenOptions(run, Cartoons, kFewPacks * kPicturesPerPack);
}
BENCHMARK(BM_OpenOptionsAll2500)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// The reads any listing must make: each pack's three header bytes, then per
// picture its title length, its title and data length, and a seek past the
// data. No strings, no widgets.
void BM_ReadTitles10000Floor(benchmark::State& run) {
    const ProgramFiles& files = Files();
    std::vector<std::string> packs;
    for (const PackEntry& pack : files.catalogue.packs[Movies])
        packs.push_back(pack.path);
    int read = 0;
    for (auto _ : run) {
        read = 0;
        for (const std::string& pack : packs) {
            const int in = ::open(pack.c_str(), O_RDONLY | O_CLOEXEC);
            unsigned char header[3];
            if (in < 0 || ::read(in, header, 3) != 3)
                Die("cannot read " + pack);
            for (int p = 0; p < header[2]; ++p) {
                unsigned char length = 0, title[0x7f + 4];
                if (::read(in, &length, 1) != 1 || ::read(in, title, length + 4u) != length + 4)
                    Die("cannot read the titles of " + pack);
                const std::uint32_t data =
                    std::uint32_t(title[length]) | std::uint32_t(title[length + 1]) << 8 |
                    std::uint32_t(title[length + 2]) << 16 | std::uint32_t(title[length + 3]) << 24;
                ::lseek(in, off_t(data), SEEK_CUR);
                benchmark::DoNotOptimize(title);
                ++read;
            }
            ::close(in);
        }
    }
    if (read != kManyPacks * kPicturesPerPack)
        run.SkipWithError("the floor did not read every title");
    run.SetItemsProcessed(run.iterations() * read);
}
BENCHMARK(BM_ReadTitles10000Floor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

const RegisterFloorGoal openGoal("BM_OpenOptionsAll10000", "BM_ReadTitles10000Floor", 1.5);
// Four times the titles in at most four times the time, with a tenth for
// noise: the list must not fill in worse than linear time.
const RegisterFloorGoal linearGoal("BM_OpenOptionsAll10000", "BM_OpenOptionsAll2500", 4.4);

// Choosing a title in the list until its preview is painted; the two
// pictures take turns, so each choice is a change.
void BM_PreviewPicture(benchmark::State& run) {
    const ProgramFiles& files = Files();
    CountingMessageBox messages;
    NoProfile profile;
    PuzzleState state;
    state.randomMode = 0;
    state.category = Misc;
    COptionsDlg dialog(files.catalogue, state, messages, profile, ProgramDirectory(files.path),
                       nullptr);
    dialog.setVisible(true);
    QApplication::processEvents();
    auto* list = static_cast<QListWidget*>(dialog.GetDlgItem(IDC_TITLE_LIST));
    int row = 0;
    for (auto _ : run) {
        row = 1 - row;
        list->setCurrentRow(row);
        QApplication::processEvents();
    }
    if (state.previewBitmap.size() != COptionsDlg::kPreviewSize || messages.shown)
        run.SkipWithError("the preview was not shown");
    dialog.setVisible(false);
}
BENCHMARK(BM_PreviewPicture)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// The least a preview can do: extract the picture to a fresh file and
// decode it at the preview's size.
void BM_ExtractAndDecodeFloor(benchmark::State& run) {
    const ProgramFiles& files = Files();
    const fs::path pack = files.path / "views.qdr";
    const fs::path output = files.path / "floor.bmp";
    const QString outputName = QString::fromStdString(output.string());
    int number = 1;
    LoadedPicture picture;
    for (auto _ : run) {
        number = 3 - number;
        ::unlink(output.c_str());
        if (!ExtractPicture(pack, number, output).empty())
            Die("the preview's picture did not extract cleanly");
        picture = LoadPicture(outputName, COptionsDlg::kPreviewSize);
    }
    if (!picture.Ok())
        run.SkipWithError("the picture did not decode");
}
BENCHMARK(BM_ExtractAndDecodeFloor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

const RegisterFloorGoal previewGoal("BM_PreviewPicture", "BM_ExtractAndDecodeFloor", 1.3);

} // namespace
