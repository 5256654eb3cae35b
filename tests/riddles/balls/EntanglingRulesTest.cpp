// SPDX-License-Identifier: GPL-3.0-or-later
// The room of entangling: start positions, the diagonal move rule, the goal,
// and a search proving that every level can be solved.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "riddles/balls/DragSearch.h"
#include "riddles/balls/EntanglingRules.h"

namespace tarnwick {
namespace {

constexpr int R = EntanglingRules::Red;
constexpr int B = EntanglingRules::Blue;
constexpr int Width = EntanglingRules::BoardColumns;
constexpr int Fields = Width * EntanglingRules::BoardRows;

using Position = std::array<int, Fields>;  // row by row from the top

// "..... R...B ..... R...B": rows from the top, R red, B blue, . empty.
Position Parse(const std::string& text) {
    Position position{};
    int field = 0;
    for (char c : text)
        if (c != ' ') position.at(field++) = c == 'R' ? R : c == 'B' ? B : 0;
    return position;
}

// The rules with a way to lay out any position.
class Room : public EntanglingRules {
public:
    explicit Room(int level) { InitLevel(level); }
    void Set(const Position& position) {
        for (int field = 0; field < Fields; ++field) SetCell(At(field), position[field]);
    }
    Position Get() const {
        Position position{};
        for (int field = 0; field < Fields; ++field) position[field] = Cell(At(field));
        return position;
    }
    // Whether the move was accepted.
    bool Move(BoardCell from, BoardCell to) {
        EXPECT_TRUE(Lift(from));
        return Drop(to).front() == steps::PlayCue(CueAccepted);
    }
    static BoardCell At(int field) { return {field % Width, field / Width}; }
};

bool RedAndBlueShareADiagonal(const Position& p) {
    for (int a = 0; a < Fields; ++a)
        for (int b = 0; b < Fields; ++b) {
            const int dc = a % Width - b % Width;
            const int dr = a / Width - b / Width;
            if (p[a] == R && p[b] == B && (dc == dr || dc == -dr)) return true;
        }
    return false;
}

// The length of the shortest solution, -1 if there is none; no position
// reachable by accepted drops puts red and blue on one diagonal.
int ShortestSolution(int level) {
    Room room(level);
    const DragSearch search = SearchDrags(room, DragHintBound, true, [](const std::vector<int>& values) {
        Position position{};
        std::copy(values.begin(), values.end(), position.begin());
        EXPECT_FALSE(RedAndBlueShareADiagonal(position));
    });
    const int shortest = search.result == DragSearch::Found ? static_cast<int>(search.moves.size()) : -1;
    std::printf("level %d: solved in %d moves; %ld positions reachable\n", level, shortest, search.positions);
    return shortest;
}

TEST(EntanglingRules, EveryLevelCanBeSolvedAndNeverEntanglesTheColours) {
    for (int level = 1; level <= 3; ++level) EXPECT_GT(ShortestSolution(level), 0);
}

TEST(EntanglingRules, StartPositions) {
    EXPECT_EQ(Room(1).Get(), Parse("..... R...B ..... R...B"));
    EXPECT_EQ(Room(2).Get(), Parse("..... R...B R...B R...B"));
    EXPECT_EQ(Room(3).Get(), Parse("R...B R...B R...B R...B"));
}

TEST(EntanglingRules, LevelOneRedBallHasOneWayOut) {
    std::vector<int> accepted;
    for (int to = 0; to < Fields; ++to)
        if (Room(1).Move({0, 1}, Room::At(to))) accepted.push_back(to);
    // Back onto its own field (0, 1), or to (1, 2).
    EXPECT_EQ(accepted, (std::vector<int>{5, 11}));
}

TEST(EntanglingRules, RefusedMovesLeaveTheBallWhereItWas) {
    Room room(1);
    EXPECT_FALSE(room.Move({0, 1}, {2, 3}));  // blue (4,1) on that diagonal
    EXPECT_FALSE(room.Move({0, 1}, {1, 0}));  // blue (4,3) on that diagonal
    EXPECT_FALSE(room.Move({0, 1}, {1, 1}));  // sideways
    EXPECT_FALSE(room.Move({0, 1}, {0, 2}));  // straight down
    EXPECT_FALSE(room.Move({0, 1}, {2, 2}));  // knight-like
    EXPECT_FALSE(room.Move({0, 1}, {0, 3}));  // onto a ball
    EXPECT_EQ(room.Get(), Parse("..... R...B ..... R...B"));

    Room level3(3);
    EXPECT_FALSE(level3.Move({0, 0}, {2, 2}));  // blue (4,0) on that diagonal
    EXPECT_TRUE(level3.Move({0, 0}, {1, 1}));

    // A ball passes its own colour but never the other one.
    Room pass(1);
    pass.Set(Parse("..... ..... .R... R...."));
    EXPECT_TRUE(pass.Move({0, 3}, {3, 0}));
    pass.Set(Parse("..... ..... .B... R...."));
    EXPECT_FALSE(pass.Move({0, 3}, {3, 0}));
}

TEST(EntanglingRules, GoalIsTestedFieldByField) {
    Room room(1);
    room.Set(Parse("..... B...R ..... B...R"));
    EXPECT_TRUE(room.IsSolved());
    room.Set(Parse("B...R ..... B...R ....."));  // right columns, wrong rows
    EXPECT_FALSE(room.IsSolved());

    Room level2(2);
    level2.Set(Parse("B...R B...R B...R ....."));
    EXPECT_FALSE(level2.IsSolved());
    level2.Set(Parse("..... B...R B...R B...R"));
    EXPECT_TRUE(level2.IsSolved());

    Room level3(3);
    level3.Set(Parse("B...R B...R B...R B...."));
    EXPECT_FALSE(level3.IsSolved());
}

}  // namespace
}  // namespace tarnwick
