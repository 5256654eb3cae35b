// SPDX-License-Identifier: GPL-3.0-or-later
// Tours of the knight's room from every start, found through its rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "riddles/fields/KnightTour.h"
#include "support/FakeTime.h"

namespace tarnwick {
namespace {

using testing::ScriptedRandom;

// Positions a tour search may look at from one start: far below a second.
constexpr long Budget = 10000;
// Positions enough to search every jump order of the 5 x 5 board.
constexpr long ExhaustiveBudget = 1000000;

KnightRules Dealt(ScriptedRandom& dice, int level, BoardCell start) {
    dice.values = {start.col, start.row};
    KnightRules room(dice);
    room.InitLevel(level);
    return room;
}

// Plays the tour click by click on a fresh deal: every jump is accepted, and
// the last one solves the room.
void ExpectTourSolves(int level, BoardCell start, const std::vector<BoardCell>& jumps) {
    ScriptedRandom dice;
    KnightRules room = Dealt(dice, level, start);
    const int n = KnightRules::BoardSize(level);
    ASSERT_EQ(static_cast<int>(jumps.size()), n * n - 1);
    for (size_t i = 0; i < jumps.size(); ++i) {
        const BoardCell from = room.Ball();
        ASSERT_EQ(room.Click({jumps[i], 16, 16}),
                  (Steps{steps::PlayCue(9), steps::Cell(from), steps::Cell(jumps[i]), steps::Judge()}));
        EXPECT_EQ(room.Judge(), i + 1 == jumps.size() ? Verdict::Solved : Verdict::Unsolved);
    }
    // Nothing is left to jump to.
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) EXPECT_FALSE(room.CanJumpTo({c, r}));
}

TEST(KnightTour, EveryStartOfEachBoardHasATourUnlessParityForbidsIt) {
    for (int level = 1; level <= 3; ++level) {
        const int n = KnightRules::BoardSize(level);
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r) {
                ScriptedRandom dice;
                const TourSearch search = FindTour(Dealt(dice, level, {c, r}), Budget);
                const bool forbidden = n % 2 == 1 && (c + r) % 2 == 1;
                SCOPED_TRACE(::testing::Message() << n << "x" << n << " from " << c << "," << r);
                ASSERT_EQ(search.result, forbidden ? TourSearch::NoTour : TourSearch::Found);
                if (!forbidden) ExpectTourSolves(level, {c, r}, search.jumps);
            }
        }
    }
}

// Every jump order from a room, through its rules alone, never twice
// through the same fields left with the ball on the same field; whether
// one reaches the last field.
bool AnyOrderSolves(const KnightRules& room, std::unordered_set<std::uint64_t>& seen, long& positions) {
    if (room.Judge() == Verdict::Solved) return true;
    const int n = room.Geometry().columns;
    // The fields left, one bit each, and the ball's field above them.
    std::uint64_t key = static_cast<std::uint64_t>(room.Ball().row * n + room.Ball().col) << (n * n);
    for (int i = 0; i < n * n; ++i)
        if (room.FieldThere({i % n, i / n})) key |= std::uint64_t{1} << i;
    if (!seen.insert(key).second || ++positions > ExhaustiveBudget) return false;
    for (int i = 0; i < n * n; ++i) {
        if (!room.CanJumpTo({i % n, i / n})) continue;
        KnightRules next = room;
        next.Click({{i % n, i / n}, 16, 16});
        if (AnyOrderSolves(next, seen, positions)) return true;
    }
    return false;
}

// The parity argument, checked by searching every jump order: from no odd
// start of the small board does any order reach the last field, which is
// what the tour search answers too. The board's turns and mirrorings take
// every odd start to (0,1) or to (1,2), so every order is searched from
// those two. (On the 7 x 7 board every order is too many to search.)
TEST(KnightTour, NoOddStartHasATourWhenEveryJumpOrderIsSearched) {
    for (int c = 0; c < 5; ++c) {
        for (int r = (c + 1) % 2; r < 5; r += 2) {
            ScriptedRandom dice;
            const KnightRules room = Dealt(dice, 1, {c, r});
            EXPECT_EQ(FindTour(room, Budget).result, TourSearch::NoTour) << "from " << c << "," << r;
            if (!(c == 0 && r == 1) && !(c == 1 && r == 2)) continue;
            std::unordered_set<std::uint64_t> seen;
            long positions = 0;
            EXPECT_FALSE(AnyOrderSolves(room, seen, positions));
            EXPECT_LE(positions, ExhaustiveBudget) << "from " << c << "," << r;
        }
    }
}

}  // namespace
}  // namespace tarnwick
