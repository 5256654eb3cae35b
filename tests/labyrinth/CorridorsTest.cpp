// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <queue>
#include <set>

#include "labyrinth/Corridors.h"
#include "labyrinth/Scramble.h"
#include "support/FakeTime.h"

namespace tarnwick {
namespace {

LabyrinthState Restored() {
    LabyrinthState s;
    CopyGrid(s.Grid, TargetGrid);
    s.PlayerCol = 0;
    s.PlayerRow = 3;
    return s;
}

TEST(Shift, EveryArrowMovesItsLineAndTheBorderStays) {
    int arrows = 0;
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridCols; ++c) {
            int line = -1, dir = -1;
            if (!ArrowAt(c, r, line, dir)) continue;
            ++arrows;
            EXPECT_TRUE(TargetGrid[r][c] >= ArrowTop && TargetGrid[r][c] <= ArrowRight) << c << "," << r;
            LabyrinthState s = Restored();
            ASSERT_TRUE(ShiftGrid(s, line, dir));
            EXPECT_FALSE(GridEquals(s.Grid, TargetGrid)) << "arrow " << c << "," << r;
            for (int i = 0; i < GridCols; ++i) {
                EXPECT_EQ(s.Grid[0][i], TargetGrid[0][i]);
                EXPECT_EQ(s.Grid[6][i], TargetGrid[6][i]);
            }
            for (int i = 0; i < GridRows; ++i) {
                EXPECT_EQ(s.Grid[i][0], TargetGrid[i][0]);
                EXPECT_EQ(s.Grid[i][10], TargetGrid[i][10]);
            }
        }
    }
    EXPECT_EQ(arrows, 14);
}

TEST(Shift, EastMovesTileNineToColumnOne) {
    LabyrinthState s = Restored();
    ASSERT_TRUE(ShiftGrid(s, 2, East));
    EXPECT_EQ(s.Grid[2][1], TargetGrid[2][9]);
    for (int c = 2; c <= 9; ++c) EXPECT_EQ(s.Grid[2][c], TargetGrid[2][c - 1]);
}

TEST(Shift, NineRowShiftsOrFiveColumnShiftsComeBack) {
    for (int line : {2, 4}) {
        for (int dir : {East, West}) {
            LabyrinthState s = Restored();
            for (int i = 0; i < 9; ++i) ShiftGrid(s, line, dir);
            EXPECT_TRUE(GridEquals(s.Grid, TargetGrid));
        }
    }
    for (int line : {1, 3, 5, 7, 9}) {
        for (int dir : {North, South}) {
            LabyrinthState s = Restored();
            for (int i = 0; i < 5; ++i) ShiftGrid(s, line, dir);
            EXPECT_TRUE(GridEquals(s.Grid, TargetGrid));
        }
    }
}

TEST(Shift, FixedLinesAndBadDirectionsChangeNothing) {
    const std::pair<int, int> fixed[] = {{3, East}, {2, North}, {0, West}, {10, South},
                                         {1, East}, {4, South}, {2, 4}, {2, -1}, {11, North}};
    for (auto [line, dir] : fixed) {
        LabyrinthState s = Restored();
        EXPECT_FALSE(ShiftGrid(s, line, dir)) << line << " " << dir;
        EXPECT_TRUE(GridEquals(s.Grid, TargetGrid));
    }
}

TEST(Shift, ThePlayerRidesAlongAndWrapsAround) {
    LabyrinthState s = Restored();
    s.PlayerCol = 9;
    s.PlayerRow = 2;
    ShiftGrid(s, 2, East);
    EXPECT_EQ(s.PlayerCol, 1);
    ShiftGrid(s, 2, West);
    EXPECT_EQ(s.PlayerCol, 9);

    s.PlayerCol = 5;
    s.PlayerRow = 1;
    ShiftGrid(s, 5, North);
    EXPECT_EQ(s.PlayerRow, 5);
    ShiftGrid(s, 5, South);
    EXPECT_EQ(s.PlayerRow, 1);

    // A player on another line stays put.
    s.PlayerCol = 4;
    s.PlayerRow = 3;
    ShiftGrid(s, 2, East);
    ShiftGrid(s, 5, North);
    EXPECT_EQ(s.PlayerCol, 4);
    EXPECT_EQ(s.PlayerRow, 3);
}

// Every door of the restored pattern can be walked to from the exit.
TEST(Walk, EveryDoorIsReachableInTheRestoredPattern) {
    std::set<std::pair<int, int>> seen;
    std::queue<std::pair<int, int>> todo;
    todo.push({ExitCell.col, ExitCell.row});
    seen.insert(todo.front());
    while (!todo.empty()) {
        auto [c, r] = todo.front();
        todo.pop();
        LabyrinthState s = Restored();
        s.PlayerCol = c;
        s.PlayerRow = r;
        const std::pair<int, int> targets[] = {{c + 1, r}, {c - 1, r}, {c, r + 1}, {c, r - 1}};
        for (auto [tc, tr] : targets) {
            const int d = WalkDirection(s, tc, tr);
            if (d < 0) continue;
            const std::pair<int, int> next{c + (d == East) - (d == West), r + (d == South) - (d == North)};
            if (seen.insert(next).second) todo.push(next);
        }
    }
    for (int door = 1; door <= 13; ++door) {
        const Cell cell = DoorCell(door);
        EXPECT_TRUE(seen.count({cell.col, cell.row})) << "door " << door;
        EXPECT_EQ(DoorAt(cell.col, cell.row), door);
    }
}

TEST(Walk, OnlyClicksInLineThroughOpenCorridorsWalk) {
    LabyrinthState s = Restored();
    // On the exit (open east) beside a corridor (kind 0).
    EXPECT_EQ(WalkDirection(s, 1, 3), East);
    EXPECT_EQ(WalkDirection(s, 6, 3), East);  // far along the row: one step east
    EXPECT_EQ(WalkDirection(s, 1, 2), -1);    // diagonal
    EXPECT_EQ(WalkDirection(s, 0, 2), -1);    // the exit is closed to the north
    EXPECT_EQ(WalkDirection(s, 0, 4), -1);

    // Kind 0 at (9, 3) beside door 13 (kind 12, open west).
    s.PlayerCol = 9;
    EXPECT_EQ(WalkDirection(s, 10, 3), East);
    EXPECT_EQ(WalkDirection(s, 9, 2), -1);  // kind 0 is closed to the north

    // From (1, 3) west onto the exit.
    s.PlayerCol = 1;
    EXPECT_EQ(WalkDirection(s, 0, 3), West);

    // A crossing (2, 3) under a straight north-south tile (2, 2) = 7, open south.
    s.PlayerCol = 2;
    EXPECT_EQ(WalkDirection(s, 2, 0), North);
    EXPECT_EQ(WalkDirection(s, 2, 6), South);
}

TEST(Walk, OpeningsMatchTheTileKinds) {
    const std::set<int> west{0, 3, 4, 6, 7, 8, 10, 12};
    const std::set<int> east{0, 2, 5, 6, 8, 9, 10, 13, 15};
    const std::set<int> north{1, 2, 3, 6, 7, 8, 9, 14};
    const std::set<int> south{1, 4, 5, 6, 7, 9, 10, 11};
    for (int k = 0; k < TileKindCount; ++k) {
        EXPECT_EQ(OpenTo(k, West), west.count(k) == 1) << k;
        EXPECT_EQ(OpenTo(k, East), east.count(k) == 1) << k;
        EXPECT_EQ(OpenTo(k, North), north.count(k) == 1) << k;
        EXPECT_EQ(OpenTo(k, South), south.count(k) == 1) << k;
    }
    EXPECT_FALSE(OpenTo(-1, East));
    EXPECT_FALSE(OpenTo(21, East));
}

TEST(Scramble, KeepsTheTwelveFixedCellsAndTheBorder) {
    SeededRandom random(42);
    for (int game = 0; game < 20; ++game) {
        LabyrinthState s;
        ScrambleGrid(s, random);
        for (int r : {1, 3, 5})
            for (int c : {2, 4, 6, 8}) EXPECT_EQ(s.Grid[r][c], TargetGrid[r][c]);
        for (int c = 0; c < GridCols; ++c) {
            EXPECT_EQ(s.Grid[0][c], TargetGrid[0][c]);
            EXPECT_EQ(s.Grid[6][c], TargetGrid[6][c]);
        }
    }
}

TEST(Scramble, DrawsDirectionThenLineAThousandTimes) {
    testing::ScriptedRandom random;
    LabyrinthState s;
    ScrambleGrid(s, random);
    ASSERT_EQ(random.ranges.size(), 2000u);
    EXPECT_EQ(random.ranges[0], 4);
    EXPECT_EQ(random.ranges[1], 11);
    // All zeros: direction east on line 0, which is fixed, so nothing moved.
    EXPECT_TRUE(GridEquals(s.Grid, TargetGrid));
}

GameInPlay RestoredGame() {
    GameInPlay game;
    static_cast<LabyrinthState&>(game) = Restored();
    return game;
}

TEST(SpellTest, StrikesOnAZeroAndCarriesThePlayerInsideFacingSouth) {
    GameInPlay s = RestoredGame();
    s.PlayerCol = 10;
    s.PlayerRow = 1;
    testing::ScriptedRandom random({0, 8, 4});
    EXPECT_TRUE(CastSpell(s, 6, random));
    EXPECT_EQ(random.ranges, (std::vector<int>{6, 9, 5}));
    EXPECT_EQ(s.PlayerCol, 9);
    EXPECT_EQ(s.PlayerRow, 5);
    EXPECT_EQ(s.PlayerFacing, South);
}

TEST(SpellTest, SparesSolvedRoomsAndEveryoneOnceTheThroneRoomIsDone) {
    GameInPlay s = RestoredGame();
    testing::ScriptedRandom other({3});
    EXPECT_FALSE(CastSpell(s, 6, other));

    s.DoorOpen[6] = true;
    testing::ScriptedRandom solved({0});
    EXPECT_FALSE(CastSpell(s, 6, solved));
    EXPECT_EQ(solved.ranges.size(), 1u);  // the die is still cast

    s.DoorOpen[13] = true;
    testing::ScriptedRandom done({0});
    EXPECT_FALSE(CastSpell(s, 5, done));
    EXPECT_TRUE(done.ranges.empty());  // no die at all
}

TEST(SpellTest, StrikesAboutOnceInSixVisits) {
    SeededRandom random(7);
    int strikes = 0;
    for (int i = 0; i < 6000; ++i) {
        GameInPlay s = RestoredGame();
        if (CastSpell(s, 3, random)) {
            ++strikes;
            EXPECT_GE(s.PlayerCol, 1);
            EXPECT_LE(s.PlayerCol, 9);
            EXPECT_GE(s.PlayerRow, 1);
            EXPECT_LE(s.PlayerRow, 5);
        }
    }
    EXPECT_NEAR(strikes, 1000, 120);
}

}  // namespace
}  // namespace tarnwick
