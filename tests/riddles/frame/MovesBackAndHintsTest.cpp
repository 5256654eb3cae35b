// SPDX-License-Identifier: GPL-3.0-or-later
// Every room's moves taken back and made again through copies of its
// rules, and every room's hint: random walks of legal moves undone to the
// entry and redone, each level's entry followed hint after hint to a
// solved room in the fewest moves known, and positions from which no
// solution is left.
#include <gtest/gtest.h>

#include "riddles/frame/MoveHistory.h"
#include "support/FakeTime.h"
#include "support/RoomMoves.h"

namespace tarnwick {
namespace {

using testing::Describe;

// The sanitizers' build walks and follows fewer moves.
#ifdef __SANITIZE_ADDRESS__
constexpr int WalkMoves = 12;
#else
constexpr int WalkMoves = 40;
#endif

// A walk of random moves with a reset among them; each copy the history
// keeps is what the room showed. Taken back one by one to the entry, and
// made again to where the walk ended.
TEST(MovesBack, RandomWalksTakenBackEndOnTheEntryAndMadeAgainWhereTheyWere) {
    const int language = 1;
    for (int roomNumber = 1; roomNumber <= 12; ++roomNumber) {
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(::testing::Message() << "room " << roomNumber << " level " << level);
            SeededRandom dice(static_cast<std::uint64_t>(100 * roomNumber + level));
            const auto room = testing::RoomRulesOf(roomNumber, dice, language);
            room->InitLevel(level);
            MoveHistory history;
            history.Start(*room, false);
            std::vector<std::string> shown{Describe(*room)};
            const int moves = roomNumber == 7 ? WalkMoves / 4 : WalkMoves;
            for (int move = 0; move < moves; ++move) {
                if (move == moves / 2) {
                    room->InitLevel(level);  // a reset, which deals again where the room deals
                    history.Record(*room, false, true);
                } else if (testing::RandomMove(*room, dice)) {
                    history.Record(*room, room->Judge() == Verdict::Solved);
                } else {
                    continue;
                }
                shown.push_back(Describe(*room));
            }
            ASSERT_EQ(history.Copies(), shown.size());
            for (std::size_t at = shown.size() - 1; at > 0; --at) {
                const auto solved = history.Undo(*room);
                ASSERT_TRUE(solved);
                ASSERT_EQ(Describe(*room), shown[at - 1]) << "taken back to move " << at - 1;
                EXPECT_EQ(*solved, at - 1 > 0 && room->Judge() == Verdict::Solved);
            }
            EXPECT_FALSE(history.Undo(*room));
            EXPECT_EQ(Describe(*room), shown.front());
            for (std::size_t at = 1; at < shown.size(); ++at) {
                ASSERT_TRUE(history.Redo(*room));
                ASSERT_EQ(Describe(*room), shown[at]) << "made again to move " << at;
            }
            EXPECT_FALSE(history.Redo(*room));
            // A move after one taken back forgets the one taken back.
            if (shown.size() > 2) {
                history.Undo(*room);
                if (testing::RandomMove(*room, dice)) {
                    history.Record(*room, false);
                    EXPECT_FALSE(history.Redo(*room));
                }
            }
        }
    }
}

// No copy is kept of a move that changed nothing, nor while a ball is in
// hand; nothing is taken back then either.
TEST(MovesBack, OnlyMovesThatChangeTheRoomAreKept) {
    EntanglingRules room;
    room.InitLevel(1);
    MoveHistory history;
    history.Start(room, false);
    ASSERT_NE(room.Lift({0, 1}), 0);
    room.Drop(BoardCell{2, 1});  // refused: sideways
    history.Record(room, false);
    EXPECT_EQ(history.Copies(), 1u);
    ASSERT_NE(room.Lift({0, 1}), 0);
    history.Record(room, false);
    EXPECT_FALSE(history.Undo(room));
    EXPECT_EQ(history.Copies(), 1u);
    room.Drop(BoardCell{1, 2});
    history.Record(room, false);
    EXPECT_EQ(history.Copies(), 2u);
    // The same position with the other button showing is kept too.
    history.Record(room, true);
    EXPECT_EQ(history.Copies(), 3u);
}

// Following the hint from every level's entry, one move after the other as
// the mouse makes them, solves the room: in the fewest moves there are
// where they are known. Every solution of rooms 3, 6, 8 and 11 has the same
// length; rooms 1, 4, 5 and 9 know every position's distance from a
// solved one (rooms 5 and 9 from tables made at build time); room 12 cuts
// the room's own division, the only one there is on levels 1 and 2.
TEST(Hints, FollowedFromEveryEntryTheyLeadToASolvedRoom) {
    const int language = 0;
    // Moves from each level's entry; 0: not fixed (dealt rooms, the duel).
    const int fewest[13][3] = {{},           {18, 24, 36},   {0, 0, 0},    {24, 35, 48},  {16, 16, 16},
                               {58, 104, 134}, {36, 49, 56}, {0, 0, 0},    {21, 15, 21},  {40, 36, 40},
                               {0, 0, 0},    {8, 8, 9},     {12, 24, 52}};
    for (int roomNumber = 1; roomNumber <= 12; ++roomNumber) {
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE(::testing::Message() << "room " << roomNumber << " level " << level);
            SeededRandom dice(static_cast<std::uint64_t>(roomNumber + 7 * level));
            const auto room = testing::RoomRulesOf(roomNumber, dice, language);
            room->InitLevel(level);
            int moves = 0, resets = 0;
            while (room->Judge() != Verdict::Solved && moves < 400) {
                const Hint hint = room->NextMove();
                ASSERT_NE(hint.kind, Hint::GaveUp);
                ASSERT_NE(hint.kind, Hint::Solved);
                if (hint.kind == Hint::NoWay) {
                    // Only a knight's start the parity forbids, or a lost duel.
                    ASSERT_TRUE(roomNumber == 3 || roomNumber == 7);
                    ASSERT_LT(++resets, 20);
                    room->InitLevel(level);
                    moves = 0;
                    continue;
                }
                ASSERT_TRUE(testing::PlayHint(*room, hint)) << "move " << moves;
                ++moves;
            }
            EXPECT_EQ(room->Judge(), Verdict::Solved);
            if (fewest[roomNumber][level - 1] > 0) {
                EXPECT_EQ(moves, fewest[roomNumber][level - 1]);
            }
            if (roomNumber != 2 && roomNumber != 10) {
                EXPECT_EQ(room->NextMove().kind, Hint::Solved);
            }
        }
    }
}

// Positions from which no solution is left: the hint says so.
TEST(Hints, WhereNoSolutionIsLeftTheHintSaysSo) {
    const int language = 1;
    testing::ScriptedRandom dice;
    struct Case {
        int room, level;
        std::vector<Hint> moves;  // from the entry
    };
    const std::vector<Case> cases{
        // The knight dealt onto (0, 1): the parity leaves no tour.
        {3, 1, {}},
        // The room of sayings: a wrong first letter.
        {6, 1, {Hint::Click({1, 5})}},
        // The room of wandering: the first move down the first column.
        {8, 1, {Hint::Click({0, 5})}},
        // The room of disappearance: the yellow ball jumped.
        {11, 1, {Hint::Drag({3, 2}, {3, 0}), Hint::Drag({1, 2}, {3, 2})}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "room " << c.room);
        dice.values = {0, 1};
        const auto room = testing::RoomRulesOf(c.room, dice, language);
        room->InitLevel(c.level);
        for (const Hint& move : c.moves) ASSERT_TRUE(testing::PlayHint(*room, move));
        EXPECT_EQ(room->NextMove().kind, Hint::NoWay);
    }
    // A lost duel has no way on; a won one is solved.
    DuelRules duel(dice);
    duel.InitLevel(1);
    duel.SetPosition(DuelBoard{}, dsComputerWon);
    EXPECT_EQ(duel.NextMove().kind, Hint::NoWay);
    duel.SetPosition(DuelBoard{}, dsPlayerWon);
    EXPECT_EQ(duel.NextMove().kind, Hint::Solved);
}

}  // namespace
}  // namespace tarnwick
