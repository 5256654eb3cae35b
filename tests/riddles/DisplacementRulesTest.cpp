// The room of displacement: pushing a ball along the corridors, and every
// level solved by a breadth-first search through the rules themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <unordered_map>

#include "riddles/DisplacementRules.h"

namespace tarnwick {
namespace {

using Board = std::vector<int>;

Steps Moved(BoardCell from, BoardCell to) { return {steps::PlayCue(9), steps::Cell(from), steps::Cell(to)}; }

TEST(DisplacementRules, AGrabbedBallStepsIntoFreeCorridorNextToIt) {
    DisplacementRules room;
    room.InitLevel(1);
    EXPECT_FALSE(room.Grab({1, 1}));  // empty corridor
    EXPECT_FALSE(room.Grab({0, 0}));  // wall
    EXPECT_TRUE(room.PushTo(BoardCell{1, 1}).empty());
    EXPECT_TRUE(room.Release().empty());

    ASSERT_TRUE(room.Grab({2, 2}));
    EXPECT_FALSE(room.Grab({4, 2}));  // one ball at a time
    EXPECT_TRUE(room.PushTo(BoardCell{2, 2}).empty());   // its own field
    EXPECT_TRUE(room.PushTo(BoardCell{1, 1}).empty());   // diagonal
    EXPECT_TRUE(room.PushTo(BoardCell{3, 2}).empty());   // wall
    EXPECT_TRUE(room.PushTo(BoardCell{2, 3}).empty());   // another ball
    EXPECT_TRUE(room.PushTo(std::nullopt).empty());      // off the board
    EXPECT_EQ(room.PushTo(BoardCell{2, 1}), Moved({2, 2}, {2, 1}));
    EXPECT_TRUE(room.PushTo(BoardCell{4, 1}).empty());   // the mouse ran ahead: the ball waits
    EXPECT_EQ(room.PushTo(BoardCell{3, 1}), Moved({2, 1}, {3, 1}));
    EXPECT_EQ(room.PushTo(BoardCell{4, 1}), Moved({3, 1}, {4, 1}));
    EXPECT_EQ(room.Cell({4, 1}), DisplacementRules::Red);
    EXPECT_EQ(room.Cell({2, 2}), DisplacementRules::Corridor);
    EXPECT_EQ(room.Release(), Steps{steps::Judge()});
    EXPECT_FALSE(room.Holding());
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);

    // A press and release without a step is judged too.
    ASSERT_TRUE(room.Grab({4, 1}));
    EXPECT_EQ(room.Release(), Steps{steps::Judge()});

    // Reset lets go and lays out the start again.
    ASSERT_TRUE(room.Grab({4, 1}));
    room.InitLevel(1);
    EXPECT_FALSE(room.Holding());
    EXPECT_EQ(room.Cell({2, 2}), DisplacementRules::Red);
}

TEST(DisplacementRules, TheBorderIsWallOnEveryLevelAndTheRulesNameTheYellowBalls) {
    DisplacementRules room;
    for (int level = 1; level <= 3; ++level) {
        room.InitLevel(level);
        for (int c = 0; c < 7; ++c) {
            EXPECT_EQ(room.Cell({c, 0}), DisplacementRules::Wall);
            EXPECT_EQ(room.Cell({c, 5}), DisplacementRules::Wall);
        }
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(room.Cell({0, r}), DisplacementRules::Wall);
            EXPECT_EQ(room.Cell({6, r}), DisplacementRules::Wall);
        }
        EXPECT_EQ(room.RulesMessages().size(), level == 3 ? 2u : 1u);
    }
    EXPECT_EQ(room.Geometry().CellAt(38, 108), (BoardCell{0, 0}));
    EXPECT_EQ(room.Geometry().CellAt(261, 299), (BoardCell{6, 5}));
    EXPECT_FALSE(room.Geometry().CellAt(262, 200));
}

// Fields where two boards differ: the field a ball left and the one it
// entered, in that order, for boards one step apart.
std::pair<BoardCell, BoardCell> StepBetween(const Board& before, const Board& after) {
    BoardCell left, entered;
    for (int i = 0; i < static_cast<int>(before.size()); ++i) {
        const BoardCell cell{i % DisplacementRules::BoardColumns, i / DisplacementRules::BoardColumns};
        if (before[i] != after[i]) (after[i] == DisplacementRules::Corridor ? left : entered) = cell;
    }
    return {left, entered};
}

// A level's boards packed into one number: two bits for every field that
// is not wall (empty, red, green, yellow).
class Packing {
public:
    explicit Packing(const Board& start) : walls_(start) {
        for (int i = 0; i < static_cast<int>(start.size()); ++i)
            if (start[i] != DisplacementRules::Wall) open_.push_back(i);
    }
    std::uint64_t Pack(const Board& board) const {
        std::uint64_t key = 0;
        for (int i : open_) key = key << 2 | Code(board[i]);
        return key;
    }
    Board Unpack(std::uint64_t key) const {
        Board board = walls_;
        for (auto i = open_.rbegin(); i != open_.rend(); ++i, key >>= 2) board[*i] = Values[key & 3];
        return board;
    }

private:
    static constexpr int Values[4] = {DisplacementRules::Corridor, DisplacementRules::Red, DisplacementRules::Green,
                                      DisplacementRules::Yellow};
    static std::uint64_t Code(int value) {
        return static_cast<std::uint64_t>(std::find(std::begin(Values), std::end(Values), value) - std::begin(Values));
    }
    Board walls_;
    std::vector<int> open_;
};

// Every board one step away, each step taken through the rules.
void NextBoards(DisplacementRules& room, const Board& board, std::vector<Board>& next) {
    next.clear();
    room.SetValues(board);
    for (int i = 0; i < static_cast<int>(board.size()); ++i) {
        const BoardCell cell{i % DisplacementRules::BoardColumns, i / DisplacementRules::BoardColumns};
        for (BoardCell to : {BoardCell{cell.col + 1, cell.row}, BoardCell{cell.col - 1, cell.row},
                             BoardCell{cell.col, cell.row + 1}, BoardCell{cell.col, cell.row - 1}}) {
            if (!room.Grab(cell)) break;
            if (!room.PushTo(to).empty()) {
                next.push_back(room.Values());
                room.PushTo(cell);  // and back
            }
            room.Release();
        }
    }
}

// The board seen in a mirror held beside the room.
Board Mirrored(const Board& board) {
    Board mirrored(board.size());
    for (std::size_t i = 0; i < board.size(); ++i) {
        const std::size_t c = i % DisplacementRules::BoardColumns;
        mirrored[i - c + DisplacementRules::BoardColumns - 1 - c] = board[i];
    }
    return mirrored;
}

// The shortest way from the level's start to its goal in single steps:
// the boards along it, start and goal included. On every level the goal is
// the start in a mirror, so a way to a board B and a way to B's mirror
// image make a way to the goal: the second one, mirrored and walked
// backwards, leads from B to the goal. One breadth-first search from the
// start meets itself halfway.
std::vector<Board> ShortestSolution(int level) {
    DisplacementRules room;
    room.InitLevel(level);
    const Packing packing(room.Values());
    const std::uint64_t start = packing.Pack(room.Values());
    constexpr std::uint64_t None = ~std::uint64_t{0};
    struct Reached {
        std::uint64_t from;
        int depth;
    };
    std::unordered_map<std::uint64_t, Reached> reached{{start, {None, 0}}};
    reached.reserve(1 << 21);
    const auto wayTo = [&](std::uint64_t key) {
        std::vector<Board> way;
        for (; key != None; key = reached.at(key).from) way.insert(way.begin(), packing.Unpack(key));
        return way;
    };
    std::vector<std::uint64_t> frontier{start};
    std::vector<Board> next;
    for (int depth = 0; !frontier.empty(); ++depth) {
        int best = -1;
        std::uint64_t meeting = None;
        std::vector<std::uint64_t> layer;
        for (const std::uint64_t key : frontier) {
            const Board board = packing.Unpack(key);
            const auto mirror = reached.find(packing.Pack(Mirrored(board)));
            if (mirror != reached.end() && (best < 0 || depth + mirror->second.depth < best)) {
                best = depth + mirror->second.depth;
                meeting = key;
            }
            NextBoards(room, board, next);
            for (const Board& after : next) {
                const std::uint64_t afterKey = packing.Pack(after);
                if (reached.emplace(afterKey, Reached{key, depth + 1}).second) layer.push_back(afterKey);
            }
        }
        if (meeting != None) {
            std::vector<Board> way = wayTo(meeting);
            std::vector<Board> back = wayTo(packing.Pack(Mirrored(packing.Unpack(meeting))));
            for (auto b = back.rbegin() + 1; b != back.rend(); ++b) way.push_back(Mirrored(*b));
            return way;
        }
        frontier = std::move(layer);
    }
    return {};
}

// Level 3's search meets after some 1.2 million boards: a few seconds in
// the plain build, too long under the sanitizers, which see the same rules
// at work on levels 1 and 2.
#ifdef __SANITIZE_ADDRESS__
constexpr int SearchedLevels = 2;
#else
constexpr int SearchedLevels = 3;
#endif

TEST(DisplacementRules, EveryLevelIsSolvedByItsShortestWay) {
    const std::vector<std::size_t> shortest{0, 58, 104, 134};
    for (int level = 1; level <= SearchedLevels; ++level) {
        const std::vector<Board> way = ShortestSolution(level);
        ASSERT_FALSE(way.empty()) << "level " << level;
        EXPECT_EQ(way.size() - 1, shortest[level]) << "level " << level;

        // Played back as the mouse would: one drag per step.
        DisplacementRules room;
        room.InitLevel(level);
        for (std::size_t i = 1; i < way.size(); ++i) {
            EXPECT_EQ(room.Judge(), Verdict::Unsolved);
            const auto [left, entered] = StepBetween(way[i - 1], way[i]);
            ASSERT_TRUE(room.Grab(left));
            EXPECT_EQ(room.PushTo(entered), Moved(left, entered));
            EXPECT_EQ(room.Release(), Steps{steps::Judge()});
        }
        EXPECT_EQ(room.Judge(), Verdict::Solved) << "level " << level;
    }
}

}  // namespace
}  // namespace tarnwick
