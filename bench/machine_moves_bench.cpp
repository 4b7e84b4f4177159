// Timings of the outcome check and the four machine moves.
//
// Build and run (an optimised build gives the figures that matter):
//   cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCRUCIRCO_WINDOWS=OFF
//   cmake --build build --target crucirco_bench
//   build/bin/crucirco_bench
//   build/bin/crucirco_bench --benchmark_filter=Maximum   (one case)
//
// Every case runs over the same fixed mix: all positions that alternate play
// from the empty board can reach (either side beginning), in a fixed order;
// the moves get those still in progress, with MoveCount set to the marks on
// the board and, on every third position, a plan in force. The random move
// draws from a cheap script that walks the cells in turn, and its event pass
// does nothing. Each case is repeated nine times and reported as mean,
// median, standard deviation and coefficient of variation; "allocs" is the
// number of heap allocations per call and must read 0.

#include <benchmark/benchmark.h>

#include <array>
#include <set>
#include <vector>

#include "bench/allocation_counter.h"
#include "core/lines.h"
#include "core/outcome.h"
#include "opponent/machine_opponent.h"

namespace {

using namespace crucirco;

class CellCycle final : public RandomSource
{
public:
    double draw() override
    {
        constexpr double kDraws[9] = {0, 1 / 8., 2 / 8., 3 / 8., 4 / 8., 5 / 8., 6 / 8., 7 / 8., 0.99};
        const double r = kDraws[next_];
        next_ = next_ == 8 ? 0 : next_ + 1;
        return r;
    }
    void reseed(std::uint32_t) override { next_ = 0; }

private:
    int next_ = 0;
};

class NoEvents final : public EventPass
{
public:
    PassResult letEventsRun() override { return PassResult::Continue; }
};

struct Position
{
    Board board;
    VersusFields fields;
};

struct Mix
{
    std::vector<Board> reachable; // every reachable position
    std::vector<Position> inPlay; // those without a line and with a free cell
};

int code(const Board& board)
{
    int c = 0;
    for (int cell = kCellCount - 1; cell >= 0; --cell)
        c = 3 * c + static_cast<int>(board.at(cell));
    return c;
}

struct Seen
{
    std::set<int> explored; // board and side to move: the same board goes on
                            // differently after the other side's turn
    std::set<int> collected; // boards already in the mix
};

void explore(Board& board, Mark toMove, Seen& seen, Mix& mix)
{
    if (!seen.explored.insert(2 * code(board) + (toMove == Mark::Cross)).second)
        return;
    const bool over = findWin(board) || board.markCount() == kCellCount;
    if (seen.collected.insert(code(board)).second) {
        mix.reachable.push_back(board);
        if (!over) {
            VersusFields fields;
            fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
            const auto& reply = MachineOpponent::kOpeningReplies[mix.inPlay.size() % 8];
            const bool planned = mix.inPlay.size() % 3 == 0;
            fields.PlannedCell = planned ? reply.plan : kNoPlan;
            fields.PlannedCellAlt = reply.planAlt;
            mix.inPlay.push_back({board, fields});
        }
    }
    if (over)
        return;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!board.isEmpty(cell))
            continue;
        board.set(cell, toMove);
        explore(board, toMove == Mark::Cross ? Mark::Circle : Mark::Cross, seen, mix);
        board.set(cell, Mark::Empty);
    }
}

const Mix& mix()
{
    static const Mix built = [] {
        Mix m;
        Seen seen;
        Board board;
        explore(board, Mark::Cross, seen, m); // the machine begins
        for (int cell = 0; cell < kCellCount; ++cell) { // the user begins
            board.set(cell, Mark::Circle);
            explore(board, Mark::Cross, seen, m);
            board.set(cell, Mark::Empty);
        }
        return m;
    }();
    return built;
}

void report(benchmark::State& state, long allocationsBefore, std::size_t positions)
{
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocationCount() - allocationsBefore),
                                                  benchmark::Counter::kAvgIterations);
    state.counters["positions"] = static_cast<double>(positions);
}

void BM_FindWin(benchmark::State& state)
{
    const auto& boards = mix().reachable;
    std::size_t i = 0;
    const long before = allocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(findWin(boards[i]));
        i = i + 1 == boards.size() ? 0 : i + 1;
    }
    report(state, before, boards.size());
}

template<MoveResult (MachineOpponent::*Move)()>
void BM_Move(benchmark::State& state)
{
    const auto& positions = mix().inPlay;
    CellCycle random;
    NoEvents pass;
    Position p;
    MachineOpponent opponent(p.board, p.fields, random, pass);
    std::size_t i = 0;
    const long before = allocationCount();
    for (auto _ : state) {
        p = positions[i];
        benchmark::DoNotOptimize((opponent.*Move)());
        benchmark::DoNotOptimize(p);
        i = i + 1 == positions.size() ? 0 : i + 1;
    }
    report(state, before, positions.size());
}

} // namespace

BENCHMARK(BM_FindWin)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Move<&MachineOpponent::MachineMoveRandom>)
    ->Name("BM_MoveRandom")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Move<&MachineOpponent::MachineMoveMedium>)
    ->Name("BM_MoveMedium")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Move<&MachineOpponent::MachineMoveHigh>)
    ->Name("BM_MoveHigh")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Move<&MachineOpponent::MachineMoveMaximum>)
    ->Name("BM_MoveMaximum")
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
