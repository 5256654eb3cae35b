#pragma once
// The shortest solution of the room of displacement: a breadth-first
// search through its rules that meets itself halfway.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <utility>
#include <vector>

#include "riddles/corridors/DisplacementRules.h"

namespace tarnwick::testing {

using Board = std::vector<int>;

// Fields where two boards differ: the field a ball left and the one it
// entered, in that order, for boards one step apart.
inline std::pair<BoardCell, BoardCell> StepBetween(const Board& before, const Board& after) {
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
inline void NextBoards(DisplacementRules& room, const Board& board, std::vector<Board>& next) {
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
inline Board Mirrored(const Board& board) {
    Board mirrored(board.size());
    for (std::size_t i = 0; i < board.size(); ++i) {
        const std::size_t c = i % DisplacementRules::BoardColumns;
        mirrored[i - c + DisplacementRules::BoardColumns - 1 - c] = board[i];
    }
    return mirrored;
}

// The shortest way from the room's position (a level's start) to its goal in single steps:
// the boards along it, start and goal included. On every level the goal is
// the start in a mirror, so a way to a board B and a way to B's mirror
// image make a way to the goal: the second one, mirrored and walked
// backwards, leads from B to the goal. One breadth-first search from the
// start meets itself halfway.
inline std::vector<Board> ShortestDisplacement(DisplacementRules room) {
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

}  // namespace tarnwick::testing
