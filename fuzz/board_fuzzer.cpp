// SPDX-License-Identifier: MIT
// Fuzz target: the input is a session of user actions on a started board.
// After every action the board must be consistent and the action must have
// had exactly its effect; a violation is printed with its step and aborts.
//
// Each action is one byte, taken modulo 6:
//   0, 1, 2  select in the speakers, languages or ranking list; the next byte
//            is the index modulo (count + 1), where count stands for "none"
//   3        EnterRelation
//   4        TakeOutRelation
//   5        DeleteRanking
// A selection without its index byte ends the session.

#include "board_check.h"

#include <ranking/ranking_board.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

using namespace ranking;
using namespace ranking::testing;

namespace {

constexpr int actionKinds = 6;
constexpr int selectionKinds = 3;
constexpr Operation operations[] = {Operation::Enter, Operation::TakeOut, Operation::Delete};

struct Action
{
    std::optional<Operation> operation;
    ListRole role = ListRole::Speakers;
    std::uint8_t indexByte = 0;
};

/// Reads the action at @p at and moves past it; nothing at the end of the input.
std::optional<Action> nextAction(const std::uint8_t *data, std::size_t size, std::size_t &at)
{
    const int kind = data[at++] % actionKinds;
    if (kind >= selectionKinds)
        return Action{operations[kind - selectionKinds]};
    if (at == size)
        return std::nullopt;
    return Action{std::nullopt, static_cast<ListRole>(kind), data[at++]};
}

std::string describeOperation(Operation operation)
{
    switch (operation) {
    case Operation::Enter:
        return "EnterRelation";
    case Operation::TakeOut:
        return "TakeOutRelation";
    case Operation::Delete:
        return "DeleteRanking";
    }
    return "?";
}

void perform(RankingBoard &board, Operation operation)
{
    switch (operation) {
    case Operation::Enter:
        board.EnterRelation();
        break;
    case Operation::TakeOut:
        board.TakeOutRelation();
        break;
    case Operation::Delete:
        board.DeleteRanking();
        break;
    }
}

/// Selects item indexByte modulo (count + 1) of the action's list, where count means none.
std::string selectItem(RankingBoard &board, const Action &action)
{
    auto &list = board.ListOf(action.role);
    const int count = list.ListCount();
    const int picked = action.indexByte % (count + 1);
    const int index = picked == count ? -1 : picked;
    list.SetListIndex(index);
    return "select item " + std::to_string(index) + " of list " +
           std::to_string(static_cast<int>(action.role));
}

/// Plays @p action, then checks its effect and the board; returns what went wrong.
std::optional<std::string> play(RankingBoard &board, const Action &action, const BoardState &before,
                                std::string &played)
{
    if (!action.operation) {
        played = selectItem(board, action);
        return CheckInvariants(board);
    }
    played = describeOperation(*action.operation);
    perform(board, *action.operation);
    const BoardState after = StateOf(board);
    if (auto fault = CheckOperation(*action.operation, before, after))
        return fault;
    return CheckInvariants(after);
}

/// Like play(), with an exception from the board or from a check counted as a fault.
std::optional<std::string> playGuarded(RankingBoard &board, const Action &action,
                                       const BoardState &before, std::string &played)
{
    try {
        return play(board, action, before, played);
    } catch (const std::exception &error) {
        return std::string("threw: ") + error.what();
    }
}

[[noreturn]] void fail(std::size_t step, const std::string &played, const std::string &fault,
                       const BoardState &before, const RankingBoard &board)
{
    std::cerr << "step " << step << ", " << played << ": " << fault << "\nbefore:\n"
              << Describe(before) << "after:\n"
              << Describe(StateOf(board));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    RankingBoard board;
    std::string played;
    std::size_t step = 0;
    // Step 0 is the start every session shares.
    std::optional<Action> action = Action{Operation::Delete};
    for (std::size_t at = 0; action; ++step) {
        const BoardState before = StateOf(board);
        if (const auto fault = playGuarded(board, *action, before, played))
            fail(step, played, *fault, before, board);
        action = at < size ? nextAction(data, size, at) : std::nullopt;
    }
    return 0;
}
