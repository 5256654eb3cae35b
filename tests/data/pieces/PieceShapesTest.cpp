#include "throne/PieceShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

using tarnwick::PieceBox;
using tarnwick::PieceCount;

namespace {

struct Square {
    int row, col, colour;
    bool operator==(const Square &) const = default;
    bool operator<(const Square &o) const { return std::tie(row, col) < std::tie(o.row, o.col); }
};

// The squares of one turn, moved to the top-left corner, in reading order.
std::vector<Square> shapeOf(int piece, int turn)
{
    std::vector<Square> squares;
    for (int r = 0; r < PieceBox; ++r)
        for (int c = 0; c < PieceBox; ++c)
            if (auto colour = tarnwick::PieceSquareAt(piece, turn, r, c))
                squares.push_back({r, c, colour});
    return squares;
}

std::vector<Square> normalised(std::vector<Square> squares)
{
    int top = PieceBox, left = PieceBox;
    for (const Square &s : squares)
        top = std::min(top, s.row), left = std::min(left, s.col);
    for (Square &s : squares)
        s.row -= top, s.col -= left;
    std::sort(squares.begin(), squares.end());
    return squares;
}

std::vector<Square> quarterTurnClockwise(std::vector<Square> squares)
{
    for (Square &s : squares)
        s = {s.col, PieceBox - 1 - s.row, s.colour};
    return normalised(squares);
}

// Lays the pieces on an 8 x 8 board whose top-left square has colour corner.
// Every next piece covers the first empty square in reading order.
bool fillBoard(std::array<std::array<int, 8>, 8> &board, std::array<bool, PieceCount> &used, int corner)
{
    int row = -1, col = -1;
    for (int r = 0; r < 8 && row < 0; ++r)
        for (int c = 0; c < 8; ++c)
            if (!board[r][c]) {
                row = r, col = c;
                break;
            }
    if (row < 0)
        return true;
    for (int p = 0; p < PieceCount; ++p) {
        if (used[p])
            continue;
        for (int turn = 0; turn < 4; ++turn) {
            const std::vector<Square> shape = normalised(shapeOf(p + 1, turn));
            const int dr = row - shape[0].row, dc = col - shape[0].col;
            bool fits = true;
            for (const Square &s : shape) {
                const int r = s.row + dr, c = s.col + dc;
                const int wanted = (r + c + corner + 1) % 2 + 1;
                if (r < 0 || c < 0 || r >= 8 || c >= 8 || board[r][c] || s.colour != wanted)
                    fits = false;
            }
            if (!fits)
                continue;
            for (const Square &s : shape)
                board[s.row + dr][s.col + dc] = p + 1;
            used[p] = true;
            if (fillBoard(board, used, corner))
                return true;
            used[p] = false;
            for (const Square &s : shape)
                board[s.row + dr][s.col + dc] = 0;
        }
    }
    return false;
}

}  // namespace

TEST(PieceShapes, EachTurnIsTheLastTurnedAQuarterClockwise)
{
    for (int piece = 1; piece <= PieceCount; ++piece)
        for (int turn = 0; turn < 4; ++turn)
            EXPECT_EQ(quarterTurnClockwise(shapeOf(piece, turn)), normalised(shapeOf(piece, (turn + 1) % 4)))
                << "piece " << piece << " turn " << turn;
}

TEST(PieceShapes, PiecesAreChequeredAndHalfOfAllSquaresAreLight)
{
    int light = 0, dark = 0;
    for (int piece = 1; piece <= PieceCount; ++piece) {
        for (int turn = 0; turn < 4; ++turn)
            for (int r = 0; r < PieceBox; ++r)
                for (int c = 0; c < PieceBox; ++c) {
                    const int here = tarnwick::PieceSquareAt(piece, turn, r, c);
                    if (!here)
                        continue;
                    if (r + 1 < PieceBox && tarnwick::PieceSquareAt(piece, turn, r + 1, c)) {
                        EXPECT_NE(here, tarnwick::PieceSquareAt(piece, turn, r + 1, c)) << "piece " << piece;
                    }
                    if (c + 1 < PieceBox && tarnwick::PieceSquareAt(piece, turn, r, c + 1)) {
                        EXPECT_NE(here, tarnwick::PieceSquareAt(piece, turn, r, c + 1)) << "piece " << piece;
                    }
                }
        for (const Square &s : shapeOf(piece, 0))
            (s.colour == tarnwick::LightSquare ? light : dark) += 1;
    }
    EXPECT_EQ(light, 32);
    EXPECT_EQ(dark, 32);
}

TEST(PieceShapes, TheTwelvePiecesMakeAChessBoard)
{
    std::array<std::array<int, 8>, 8> board{};
    std::array<bool, PieceCount> used{};
    const bool lightCorner = fillBoard(board, used, tarnwick::LightSquare);
    board = {};
    used = {};
    const bool darkCorner = fillBoard(board, used, tarnwick::DarkSquare);
    EXPECT_TRUE(lightCorner || darkCorner) << "the pieces cannot be put together";
}
