// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared set-up of the throne-room tests: an empty table before each test,
// and a generator whose draws the test decides.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "state/Game.h"
#include "platform/Random.h"
#include "throne/ChessTable.h"

namespace tarnwick {

class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<int> draws, int afterwards = 0)
        : draws_(std::move(draws)), afterwards_(afterwards) {}
    int Next(int n) override {
        asked.push_back(n);
        return next_ < draws_.size() ? draws_[next_++] : afterwards_;
    }
    std::vector<int> asked;  // the n of every draw, in order

private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
    int afterwards_;
};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTable(); }

    void ClearTable() {
        for (int piece = 0; piece <= PieceCount; ++piece) {
            table.PieceCol[piece] = 0;
            table.PieceRow[piece] = 0;
            table.PieceTurn[piece] = -1;
        }
    }
    void Put(int piece, int turn, int col, int row) {
        table.PieceTurn[piece] = turn;
        table.PieceCol[piece] = col;
        table.PieceRow[piece] = row;
    }
    PieceTable table;

    // Every won piece wholly on the table, no two on one cell.
    bool TableIsSound() const {
        int covered[TableColumns][TableRows] = {};
        for (int piece = 1; piece <= PieceCount; ++piece) {
            if (!PieceWon(table, piece)) continue;
            for (int row = 0; row < PieceBox; ++row)
                for (int col = 0; col < PieceBox; ++col) {
                    if (PieceSquareAt(piece, table.PieceTurn[piece], row, col) == EmptySquare) continue;
                    const int c = table.PieceCol[piece] + col;
                    const int r = table.PieceRow[piece] + row;
                    if (c < 0 || c >= TableColumns || r < 0 || r >= TableRows) return false;
                    if (covered[c][r]++ != 0) return false;
                }
        }
        return true;
    }
};

}  // namespace tarnwick
