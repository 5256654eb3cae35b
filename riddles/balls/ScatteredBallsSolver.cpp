// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/ScatteredBallsSolver.h"

#include <algorithm>
#include <array>
#include <bit>

#include "riddles/frame/Bits.h"

namespace tarnwick {

namespace {

// Rows are filled top to bottom; the columns of a row are a bit mask.
class Placement {
public:
    Placement(const ScatteredBallsRules& room, int perLine) : n_(room.Geometry().columns), perLine_(perLine) {
        for (int r = 0; r < n_; ++r) {
            unsigned balls = 0;
            for (int c = 0; c < n_; ++c)
                if (room.Cell({c, r}) != 0) balls |= 1u << c;
            balls_.push_back(balls);
        }
        // Each row takes `perLine` columns; for each row, the choices that
        // keep most of its balls come first.
        std::vector<unsigned> choices;
        for (unsigned m = 0; m < (1u << n_); ++m)
            if (CountBits(m) == perLine) choices.push_back(m);
        for (unsigned balls : balls_) {
            choices_.push_back(choices);
            std::stable_sort(choices_.back().begin(), choices_.back().end(), [balls](unsigned a, unsigned b) {
                return CountBits(a & balls) > CountBits(b & balls);
            });
        }
    }

    std::vector<unsigned> Best() {
        rows_.assign(static_cast<std::size_t>(n_), 0);
        columns_.assign(static_cast<std::size_t>(n_), 0);
        downRight_.assign(static_cast<std::size_t>(2 * n_), 0);
        downLeft_.assign(static_cast<std::size_t>(2 * n_), 0);
        Fill(0, 0);
        return best_;
    }

private:
    // The most balls the rows from `row` on could still keep: no row keeps
    // more than its share of its balls in columns not full yet, no column
    // more than it has room for of the balls below.
    int Keepable(int row) const {
        unsigned open = 0;
        for (int c = 0; c < n_; ++c)
            if (columns_[c] < perLine_) open |= 1u << c;
        int byRows = 0, byColumns = 0;
        std::array<int, 32> below{};  // a row's columns are the bits of an unsigned
        for (int r = row; r < n_; ++r) {
            byRows += std::min(perLine_, CountBits(balls_[r] & open));
            for (unsigned m = balls_[r]; m; m &= m - 1) ++below[std::countr_zero(m)];
        }
        for (int c = 0; c < n_; ++c) byColumns += std::min(perLine_ - columns_[c], below[c]);
        return std::min(byRows, byColumns);
    }

    void Fill(int row, int kept) {
        const int keepable = Keepable(row);
        if (kept + keepable <= bestKept_) return;
        if (row == n_) {
            bestKept_ = kept;
            best_ = rows_;
            return;
        }
        for (unsigned choice : choices_[static_cast<std::size_t>(row)]) {
            if (!Fits(row, choice)) continue;
            Count(row, choice, +1);
            rows_[row] = choice;
            Fill(row + 1, kept + CountBits(choice & balls_[row]));
            Count(row, choice, -1);
            if (bestKept_ == kept + keepable) return;  // nothing better is left
        }
    }
    bool Fits(int row, unsigned choice) const {
        for (unsigned m = choice; m; m &= m - 1) {
            const int c = std::countr_zero(m);
            if (columns_[c] >= perLine_ || downRight_[c - row + n_] >= perLine_ || downLeft_[c + row] >= perLine_)
                return false;
        }
        return true;
    }
    void Count(int row, unsigned choice, int by) {
        for (unsigned m = choice; m; m &= m - 1) {
            const int c = std::countr_zero(m);
            columns_[c] += by;
            downRight_[c - row + n_] += by;
            downLeft_[c + row] += by;
        }
    }

    int n_, perLine_;
    std::vector<unsigned> balls_;
    std::vector<std::vector<unsigned>> choices_;  // of each row, in the order tried
    std::vector<unsigned> rows_;
    std::vector<int> columns_, downRight_, downLeft_;
    std::vector<unsigned> best_;
    int bestKept_ = -1;
};

}  // namespace

std::vector<BoardCell> NearestSolvedPosition(const ScatteredBallsRules& room) {
    const int n = room.Geometry().columns;
    Placement placement(room, room.PerLine());
    std::vector<BoardCell> fields;
    const std::vector<unsigned> rows = placement.Best();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < n; ++c)
            if (rows[r] >> c & 1) fields.push_back({c, r});
    return fields;
}

std::vector<DragMove> PlacementMoves(const BallBoardRules& room, const std::vector<BoardCell>& goal) {
    std::vector<BoardCell> strays, free;
    for (BoardCell ball : room.BallCells())
        if (std::find(goal.begin(), goal.end(), ball) == goal.end()) strays.push_back(ball);
    for (BoardCell field : goal)
        if (room.Cell(field) == 0) free.push_back(field);
    if (strays.size() != free.size() || goal.empty()) return {};
    std::vector<DragMove> moves;
    for (std::size_t i = 0; i < strays.size(); ++i) moves.push_back({strays[i], free[i]});
    if (moves.empty()) moves.push_back({goal.front(), goal.front()});
    return moves;
}

}  // namespace tarnwick
