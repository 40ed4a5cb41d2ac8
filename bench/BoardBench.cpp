// What the board's searches cost on dealt boards: the line search that every
// trial move runs, and the two move searches of the 2-second board check.
// The "ByTrial" cases make every trial on the board itself and judge it with
// a full FindLines (the tests' reference), for comparison with the searches.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "board/Board.h"
#include "platform/ManualClock.h"
#include "support/MovesByTrial.h"

// Every allocation of the program goes through this counting pair, so GCC's
// check that a new is matched by its own delete sees free() and misfires.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

constexpr int kBoards = 16;

// Dealt boards on Normal, one per seed, without artwork: pieces need no
// loaded frames to be found in lines.
struct DealtBoards {
    DealtBoards() {
        for (int i = 0; i < kBoards; ++i) {
            std::srand(static_cast<unsigned>(i + 1));
            auto& board = boards.emplace_back(std::make_unique<Board>());
            board->SetDifficulty(NormalDifficulty);
            board->DealWithoutLines();
        }
    }
    Board& operator[](int64_t i) { return *boards[static_cast<size_t>(i % kBoards)]; }

    ManualClock clock;
    std::vector<std::unique_ptr<Board>> boards;
};

DealtBoards& Dealt() {
    static DealtBoards dealt;
    return dealt;
}

void ReportAllocations(benchmark::State& state, long before) {
    state.counters["allocs/call"] = benchmark::Counter(
        static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}

void BM_FindLines(benchmark::State& state) {
    DealtBoards& dealt = Dealt();
    int64_t i = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        LineList lines = dealt[i++].FindLines(4);
        benchmark::DoNotOptimize(lines);
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_FindLines);

// A board that holds lines pays for its result only.
void BM_FindLinesOnBoardWithLines(benchmark::State& state) {
    ManualClock clock;
    Board board;
    board.SetDifficulty(static_cast<Difficulty>(0));  // every dealt piece Blue: 46 lines
    board.FillEmptyCells();
    const long before = allocations.load();
    for (auto _ : state) {
        LineList lines = board.FindLines(4);
        benchmark::DoNotOptimize(lines);
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_FindLinesOnBoardWithLines);

void BM_SwapCells(benchmark::State& state) {
    Board& board = Dealt()[0];
    const long before = allocations.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.SwapCells(3, 4, 4, 5));
    }
    ReportAllocations(state, before);
}
BENCHMARK(BM_SwapCells);

void BM_FindSwapMoves(benchmark::State& state) {
    DealtBoards& dealt = Dealt();
    int64_t i = 0;
    int64_t found = 0;
    for (auto _ : state) {
        MoveList moves = dealt[i++].FindSwapMoves();
        found += moves.Count();
        benchmark::DoNotOptimize(moves);
    }
    state.counters["moves"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FindSwapMoves)->Unit(benchmark::kMicrosecond);

void BM_FindRotationMoves(benchmark::State& state) {
    DealtBoards& dealt = Dealt();
    int64_t i = 0;
    for (auto _ : state) {
        MoveList moves = dealt[i++].FindRotationMoves();
        benchmark::DoNotOptimize(moves);
    }
}
BENCHMARK(BM_FindRotationMoves)->Unit(benchmark::kMicrosecond);

void BM_FindSwapMovesByTrial(benchmark::State& state) {
    DealtBoards& dealt = Dealt();
    int64_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SwapMovesByTrial(dealt[i++]));
    }
}
BENCHMARK(BM_FindSwapMovesByTrial)->Unit(benchmark::kMicrosecond);

void BM_FindRotationMovesByTrial(benchmark::State& state) {
    DealtBoards& dealt = Dealt();
    int64_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RotationMovesByTrial(dealt[i++]));
    }
}
BENCHMARK(BM_FindRotationMovesByTrial)->Unit(benchmark::kMicrosecond);

void BM_DealWithoutLines(benchmark::State& state) {
    ManualClock clock;
    Board board;
    board.SetDifficulty(Hard);
    std::srand(1);
    for (auto _ : state) {
        board.Clear();
        board.DealWithoutLines();
    }
}
BENCHMARK(BM_DealWithoutLines)->Unit(benchmark::kMicrosecond);

}  // namespace
