// Memory over use: the real main window plays New, Open and a preview in the
// Options dialog, each through its menu command, 10 times and then 1,000
// times more. Resident memory and the heap in use after the 1,000 may not
// exceed what they were after the 10 by more than 1 MiB: nothing a command
// leaves behind may pile up.
#include "app/MainFrame.h"
#include "bench/BenchDoubles.h"
#include "bench/Floors.h"
#include "options/OptionsDlg.h"
#include "packs/PackCatalogue.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileChooser.h"
#include "platform/MessageBoxService.h"
#include "puzzle/PuzzleState.h"
#include "resources/CommandIds.h"
#include "resources/OptionsDialog.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kPacks = 3;
constexpr int kPicturesPerPack = 2;
constexpr int kFewRounds = 10;
constexpr int kManyRounds = 1000;
constexpr double kGrowthLimitKiB = 1024;

// A box would wait for a player; the first is told, all are counted.
class CountingMessageBox : public MessageBoxService {
  public:
    void Show(const QString& text, const QString&) override {
        if (shown++ == 0)
            std::fprintf(stderr, "memory benchmark: unexpected box: %s\n", qPrintable(text));
    }
    int shown = 0;
};

// Always the same file, and keeps no record: the benchmark's own memory
// must not grow with the rounds.
class AnsweringChooser : public FileChooser {
  public:
    QString ChooseFileToOpen(QWidget*) override { return answer; }
    QString answer;
};

// A program directory of a few Misc packs and a bitmap to open, and the
// main window on it, set to choose from all Misc packs.
struct Game {
    QTemporaryDir dir;
    std::filesystem::path program = dir.path().toStdString();
    PuzzleState state;
    PackCatalogue catalogue;
    CountingMessageBox messages;
    AnsweringChooser chooser;
    NoProfile profile;
    std::unique_ptr<CMainFrame> frame;
    std::string problem;

    Game() {
        for (int pack = 0; pack < kPacks; ++pack) {
            std::vector<PackPicture> pictures;
            for (int p = 0; p < kPicturesPerPack; ++p)
                pictures.push_back({QStringLiteral("Picture %1 of pack %2").arg(p + 1).arg(pack),
                                    EncodeBmp24(Gradient(pack * kPicturesPerPack + p))});
            const QString why =
                WritePack(program / ("misc" + std::to_string(pack) + ".qdr"), Misc, pictures);
            if (!why.isEmpty())
                problem = "a pack was refused: " + why.toStdString();
        }
        if (!ScanPacks(catalogue, {program}).empty())
            problem = "the packs did not scan cleanly";
        chooser.answer = dir.filePath(QStringLiteral("photo.bmp"));
        QFile photo(chooser.answer);
        if (!photo.open(QIODevice::WriteOnly) || photo.write(EncodeBmp24(Gradient(99))) < 0)
            problem = "cannot write the bitmap to open";
        photo.close();

        state.randomMode = 0;
        state.category = Misc;
        state.title = 0;
        UpdateTileGeometry(state);
        frame = std::make_unique<CMainFrame>(
            state, CMainFrame::Services{messages, ProgramDirectory(program), [] {}, catalogue,
                                        [n = 0u]() mutable { return n++; }, chooser, profile});
        frame->show();
        QApplication::processEvents();
    }

    // One New, one Open, and the Options dialog opened, one title chosen in
    // it until its preview is painted, and cancelled. False when any of
    // them did not do its work.
    bool Round(int round) {
        frame->DispatchCommand(ID_FILE_NEW_PICTURE);
        const bool played =
            state.currentPicturePath == QStringLiteral("temp.bmp") && !state.puzzleBitmap.isNull();
        frame->DispatchCommand(ID_FILE_OPEN);
        const bool opened = state.currentPicturePath == chooser.answer;

        bool previewed = false;
        QTimer::singleShot(0, frame.get(), [&] {
            auto* dialog = frame->findChild<COptionsDlg*>();
            if (!dialog)
                return;
            auto* list = static_cast<QListWidget*>(dialog->GetDlgItem(IDC_TITLE_LIST));
            list->setCurrentRow(round % (kPacks * kPicturesPerPack));
            QApplication::processEvents();
            previewed = state.previewBitmap.size() == COptionsDlg::kPreviewSize;
            dialog->reject();
        });
        frame->DispatchCommand(ID_VIEW_OPTIONS);
        return played && opened && previewed && messages.shown == 0;
    }
};

// What a window left for later, as the event loop would do it between
// commands.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

std::int64_t ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == "VmRSS:") {
            std::int64_t kib = 0;
            status >> kib;
            return kib;
        }
    return -1;
}

// Blocks in use, those malloc maps on their own included: a decoded picture
// is large enough to be one.
std::int64_t HeapKiB() {
    const struct mallinfo2 heap = mallinfo2();
    return std::int64_t((heap.uordblks + heap.hblkhd) / 1024);
}

void BM_MemoryOverUse(benchmark::State& run) {
    Game game;
    if (!game.problem.empty()) {
        run.SkipWithError(game.problem.c_str());
        return;
    }
    int failed = 0;
    for (auto _ : run) {
        for (int round = 0; round < kFewRounds; ++round)
            failed += game.Round(round) ? 0 : 1;
        Settle();
        const std::int64_t rssFew = ResidentKiB(), heapFew = HeapKiB();
        for (int round = 0; round < kManyRounds; ++round)
            failed += game.Round(round) ? 0 : 1;
        Settle();
        const std::int64_t rssMany = ResidentKiB(), heapMany = HeapKiB();
        run.counters["rss_after_10_KiB"] = double(rssFew);
        run.counters["rss_after_1000_KiB"] = double(rssMany);
        run.counters["rss_growth_KiB"] = double(rssMany - rssFew);
        run.counters["heap_after_10_KiB"] = double(heapFew);
        run.counters["heap_after_1000_KiB"] = double(heapMany);
        run.counters["heap_growth_KiB"] = double(heapMany - heapFew);
    }
    if (failed)
        run.SkipWithError(
            (std::to_string(failed) + " rounds did not play, open or preview").c_str());
}
BENCHMARK(BM_MemoryOverUse)->Iterations(1)->Unit(benchmark::kMillisecond);

const RegisterMemoryGoal rssGoal("BM_MemoryOverUse", "rss_growth_KiB", "", kGrowthLimitKiB);
const RegisterMemoryGoal heapGoal("BM_MemoryOverUse", "heap_growth_KiB", "", kGrowthLimitKiB);

} // namespace
