// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardTiling.h"

#include "throne/PieceShapes.h"

namespace tarnwick::clip {

namespace {

struct Search {
    BoardTiling& result;
    bool used[13] = {};

    // Colour the board wants at a cell: 1 light, 2 dark.
    int wanted(int row, int col) const {
        const bool even = (row + col) % 2 == 0;
        return (even == result.lightCorner) ? LightSquare : DarkSquare;
    }

    bool fits(int piece, int turn, int top, int left) const {
        for (int r = 0; r < PieceBox; ++r)
            for (int c = 0; c < PieceBox; ++c) {
                const int square = PieceSquareAt(piece, turn, r, c);
                if (square == EmptySquare) continue;
                const int br = top + r;
                const int bc = left + c;
                if (br < 0 || br > 7 || bc < 0 || bc > 7) return false;
                if (result.owner[br][bc] != 0 || square != wanted(br, bc)) return false;
            }
        return true;
    }

    void mark(int piece, int turn, int top, int left, int value) {
        for (int r = 0; r < PieceBox; ++r)
            for (int c = 0; c < PieceBox; ++c)
                if (PieceSquareAt(piece, turn, r, c) != EmptySquare) result.owner[top + r][left + c] = value;
    }

    // Fills the first empty cell (row by row) with some piece's first
    // square, then goes on with the rest.
    bool fill() {
        int row = -1;
        int col = -1;
        for (int r = 0; r < 8 && row < 0; ++r)
            for (int c = 0; c < 8; ++c)
                if (result.owner[r][c] == 0) {
                    row = r;
                    col = c;
                    break;
                }
        if (row < 0) return true;
        for (int piece = 1; piece <= PieceCount; ++piece) {
            if (used[piece]) continue;
            for (int turn = 0; turn < 4; ++turn) {
                int firstR = -1;
                int firstC = -1;
                for (int r = 0; r < PieceBox && firstR < 0; ++r)
                    for (int c = 0; c < PieceBox; ++c)
                        if (PieceSquareAt(piece, turn, r, c) != EmptySquare) {
                            firstR = r;
                            firstC = c;
                            break;
                        }
                const int top = row - firstR;
                const int left = col - firstC;
                if (!fits(piece, turn, top, left)) continue;
                mark(piece, turn, top, left, piece);
                used[piece] = true;
                result.places[piece - 1] = {piece, turn, left, top};
                if (fill()) return true;
                used[piece] = false;
                mark(piece, turn, top, left, 0);
            }
        }
        return false;
    }
};

}  // namespace

BoardTiling findBoardTiling() {
    for (bool light : {true, false}) {
        BoardTiling tiling;
        tiling.lightCorner = light;
        Search search{tiling};
        if (search.fill()) {
            tiling.found = true;
            return tiling;
        }
    }
    return {};
}

}  // namespace tarnwick::clip
