// New at the finest grid on the real main window (extract, load, jumble,
// repaint) against the least any new picture costs: reading the picture's
// bytes out of its pack and decoding them.
#include "app/MainFrame.h"
#include "bench/BenchDoubles.h"
#include "bench/Floors.h"
#include "packs/PackCatalogue.h"
#include "packs/PackReader.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileChooser.h"
#include "platform/FileLayer.h"
#include "platform/MessageBoxService.h"
#include "puzzle/PuzzleState.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// Any box would stop a benchmark that no one is there to dismiss.
class CountingMessageBox : public MessageBoxService {
  public:
    void Show(const QString&, const QString&) override { ++shown; }
    int shown = 0;
};

class NoChooser : public FileChooser {
  public:
    QString ChooseFileToOpen(QWidget*) override { return {}; }
};

// A game at 10 x 10 with one pack of one picture.
struct Game {
    QTemporaryDir dir;
    std::filesystem::path program = dir.path().toStdString();
    PuzzleState state;
    PackCatalogue catalogue;
    CountingMessageBox messages;
    NoChooser chooser;
    NoProfile profile;
    std::unique_ptr<CMainFrame> frame;
    std::uint64_t dataOffset = 0;
    std::uint32_t dataLength = 0;

    // The window is left to the end of the process: the application object
    // is gone before statics are, and deleting a window after it crashes.
    ~Game() { (void)frame.release(); }

    Game() {
        const QString why = WritePack(program / "bench.qdr", Misc,
                                      {{QStringLiteral("Gradient"), EncodeBmp24(Gradient(1))}});
        ScanPacks(catalogue, {program});
        const PackListing listing = ReadPackListing(program / "bench.qdr");
        if (!why.isEmpty() || listing.records.size() != 1) {
            std::fprintf(stderr, "new picture benchmark: cannot make its pack\n");
            std::exit(1);
        }
        dataOffset = listing.records[0].dataOffset;
        dataLength = listing.records[0].dataLength;

        state.dimension = 10;
        state.category = Misc;
        UpdateTileGeometry(state);
        frame = std::make_unique<CMainFrame>(
            state, CMainFrame::Services{messages, ProgramDirectory(program), [] {}, catalogue,
                                        [] { return 0u; }, chooser, profile});
        frame->show();
    }
};

Game& TheGame() {
    static Game game;
    return game;
}

void BM_NewPictureFinestGrid(benchmark::State& run) {
    Game& game = TheGame();
    for (auto _ : run)
        game.frame->OnNewPicture();
    if (game.messages.shown != 0 || game.state.puzzleBitmap.isNull())
        run.SkipWithError("New did not play the pack's picture");
}
BENCHMARK(BM_NewPictureFinestGrid)->Unit(benchmark::kMicrosecond);

void BM_ReadAndDecodeFloor(benchmark::State& run) {
    Game& game = TheGame();
    for (auto _ : run) {
        // A buffer each time, as any new picture needs one.
        QByteArray bytes(qsizetype(game.dataLength), Qt::Uninitialized);
        InputFile in(game.program / "bench.qdr");
        in.Skip(std::int64_t(game.dataOffset));
        in.Read(bytes.data(), std::size_t(bytes.size()));
        QImage decoded;
        decoded.loadFromData(bytes);
        benchmark::DoNotOptimize(decoded.constBits());
    }
}
BENCHMARK(BM_ReadAndDecodeFloor)->Unit(benchmark::kMicrosecond);
const RegisterFloorGoal newGoal("BM_NewPictureFinestGrid", "BM_ReadAndDecodeFloor", 1.3);

} // namespace
