// SPDX-License-Identifier: MIT
// Random sessions of user actions from the start state; after every action the
// board must be consistent and the action must have had exactly its effect.

#include "board_check.h"

#include <ranking/ranking_board.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>

using namespace ranking;
using namespace ranking::testing;

namespace {

constexpr int sessions = 200;
constexpr int actionsPerSession = 500;

/// Plays one seeded session; returns the failure with the steps that led to
/// it, or an empty string.
std::string playSession(std::uint32_t seed)
{
    std::mt19937 random(seed);
    RankingBoard board;
    board.DeleteRanking();
    std::ostringstream steps;

    for (int step = 0; step < actionsPerSession; ++step) {
        const BoardState before = StateOf(board);
        const int choice = std::uniform_int_distribution(0, 99)(random);
        std::optional<std::string> fault;
        if (choice < 45) {
            // The user clicks an item or clears the selection of a visible list.
            const auto role = static_cast<ListRole>(choice % 3);
            auto &list = board.list(role);
            const int index = std::uniform_int_distribution(-1, list.ListCount() - 1)(random);
            list.SetListIndex(index);
            steps << "select list " << static_cast<int>(role) << " item " << index << '\n';
        } else {
            const auto operation = choice < 75   ? Operation::Enter
                                   : choice < 97 ? Operation::TakeOut
                                                 : Operation::Delete;
            switch (operation) {
            case Operation::Enter:
                board.EnterRelation();
                steps << "EnterRelation\n";
                break;
            case Operation::TakeOut:
                board.TakeOutRelation();
                steps << "TakeOutRelation\n";
                break;
            case Operation::Delete:
                board.DeleteRanking();
                steps << "DeleteRanking\n";
                break;
            }
            fault = CheckOperation(operation, before, StateOf(board));
        }
        if (!fault)
            fault = CheckInvariants(StateOf(board));
        if (fault) {
            return "seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " +
                   *fault + "\nbefore:\n" + Describe(before) + "after:\n" +
                   Describe(StateOf(board)) + "steps:\n" + steps.str();
        }
    }
    return {};
}

} // namespace

TEST(RankingProperty, RandomSessionsKeepTheBoardConsistent)
{
    for (std::uint32_t seed = 1; seed <= sessions; ++seed) {
        const std::string failure = playSession(seed);
        ASSERT_TRUE(failure.empty()) << failure;
    }
}
