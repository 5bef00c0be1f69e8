// A full program repaint at the finest grid with the grid on, against a plain
// memcpy of the same surface: the floor any repaint has to pay.
#include "app/PuzzleState.h"
#include "bench/Floors.h"
#include "platform/ClientSurface.h"
#include "puzzle/BoardView.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

PuzzleState FinestGridState() {
    PuzzleState state;
    state.dimension = 10;
    UpdateTileGeometry(state);
    JumbleBoard(state, 1);
    state.gridOn = true;
    state.firstCell = {2, 3};
    state.secondCell = {7, 8};
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, x ^ y));
    state.puzzleBitmap = picture;
    return state;
}

void BM_RepaintFinestGrid(benchmark::State& run) {
    PuzzleState state = FinestGridState();
    ClientSurface surface({601, 371});
    for (auto _ : run) {
        state.gridLinesPending = true;
        DrawBoard(state, surface);
        benchmark::DoNotOptimize(surface.Image().constBits());
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(run.iterations() * surface.Image().sizeInBytes());
}
BENCHMARK(BM_RepaintFinestGrid);

void BM_MemcpySurfaceFloor(benchmark::State& run) {
    QImage in(601, 371, QImage::Format_RGB32), out(601, 371, QImage::Format_RGB32);
    in.fill(Qt::white);
    for (auto _ : run) {
        std::memcpy(out.bits(), in.constBits(), in.sizeInBytes());
        benchmark::DoNotOptimize(out.constBits());
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(run.iterations() * in.sizeInBytes());
}
BENCHMARK(BM_MemcpySurfaceFloor);
const RegisterFloorGoal repaintGoal("BM_RepaintFinestGrid", "BM_MemcpySurfaceFloor", 1.8);

} // namespace
