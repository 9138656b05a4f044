// SPDX-License-Identifier: MIT
// Timings of the board operations on boards like the ones a pupil builds.
// A single operation runs on a pool of boards readied outside the timing, so
// that the costly pause of the timer comes once per pool, not once per call.

#include <ranking/ranking_board.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

using namespace ranking;

namespace {

constexpr int poolSize = 64;
constexpr int fullRanking = 8;

/// Enters @p entries pairs picked across the source lists, so that entries do
/// not arrive in ranking order.
void fill(RankingBoard &board, int entries)
{
    for (int i = 0; i < entries; ++i) {
        auto &speakers = board.SpeakersList();
        auto &languages = board.LanguagesList();
        speakers.SetListIndex((i * 5) % speakers.ListCount());
        languages.SetListIndex((i * 3) % languages.ListCount());
        board.EnterRelation();
    }
}

/// Starts @p board over with @p entries in the ranking; false if that did not work.
[[nodiscard]] bool prepare(RankingBoard &board, int entries)
{
    board.DeleteRanking();
    fill(board, entries);
    return board.RankingList().ListCount() == entries;
}

[[nodiscard]] int entryIndexOfCount(const RankingBoard &board, const std::string &count)
{
    const auto &entries = board.RankingList().Items();
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string &entry) {
        return entry.starts_with(count + ' ');
    });
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

/// Times @p operation once on each board of a pool that @p setUp readies
/// outside the timing; fails when a board does not end with @p rankingAfter entries.
template <typename SetUp, typename Operation>
void timeOnPool(benchmark::State &state, int rankingAfter, SetUp setUp, Operation operation)
{
    const auto pool = std::make_unique<RankingBoard[]>(poolSize);
    RankingBoard *const begin = pool.get();
    RankingBoard *const end = begin + poolSize;
    const auto hasEffect = [&](const RankingBoard &board) {
        return board.RankingList().ListCount() == rankingAfter;
    };
    if (!std::all_of(begin, end, setUp))
        state.SkipWithError("a board could not be set up");
    int next = 0;
    for (auto _ : state) {
        if (next == poolSize) {
            state.PauseTiming();
            const bool ready = std::all_of(begin, end, hasEffect) && std::all_of(begin, end, setUp);
            state.ResumeTiming();
            if (!ready) {
                state.SkipWithError("the operation had another effect");
                break;
            }
            next = 0;
        }
        operation(begin[next++]);
    }
}

void EnterRelation(benchmark::State &state)
{
    const auto setUp = [](RankingBoard &board) {
        const bool ready = prepare(board, 4);
        board.SpeakersList().SetListIndex(2);
        board.LanguagesList().SetListIndex(1);
        return ready;
    };
    timeOnPool(state, 5, setUp, [](RankingBoard &board) { board.EnterRelation(); });
}

void TakeOutRelation(benchmark::State &state)
{
    const auto setUp = [](RankingBoard &board) {
        const bool ready = prepare(board, 5);
        board.RankingList().SetListIndex(2);
        return ready;
    };
    timeOnPool(state, 4, setUp, [](RankingBoard &board) { board.TakeOutRelation(); });
}

void DeleteRanking(benchmark::State &state)
{
    const auto setUp = [](RankingBoard &board) {
        return prepare(board, fullRanking);
    };
    timeOnPool(state, 0, setUp, [](RankingBoard &board) { board.DeleteRanking(); });
}

/// Enters a pair into a ranking of four and takes the same entry out again,
/// which leaves the board as it was: the user changing their mind.
void EnterThenTakeOut(benchmark::State &state)
{
    RankingBoard board;
    if (!prepare(board, 4))
        state.SkipWithError("the board could not be set up");
    const std::string count = board.SpeakersList().List(2);
    int entered = -1;
    for (auto _ : state) {
        board.SpeakersList().SetListIndex(2);
        board.LanguagesList().SetListIndex(1);
        board.EnterRelation();
        if (entered < 0)
            entered = entryIndexOfCount(board, count);
        board.RankingList().SetListIndex(entered);
        board.TakeOutRelation();
    }
    if (board.RankingList().ListCount() != 4 || board.SpeakersList().List(2) != count)
        state.SkipWithError("the board changed");
}

/// A whole exercise: all eight pairs in, one taken out, the ranking deleted.
void Session(benchmark::State &state)
{
    RankingBoard board;
    if (!prepare(board, fullRanking))
        state.SkipWithError("the board could not be set up");
    board.DeleteRanking();
    for (auto _ : state) {
        fill(board, fullRanking);
        board.RankingList().SetListIndex(3);
        board.TakeOutRelation();
        board.DeleteRanking();
    }
}

} // namespace

BENCHMARK(EnterRelation);
BENCHMARK(TakeOutRelation);
BENCHMARK(DeleteRanking);
BENCHMARK(EnterThenTakeOut);
BENCHMARK(Session);
