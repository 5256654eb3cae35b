// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve pieces really make a chess board: a search for every way to
// lay them into an 8 x 8 board, each board then laid on the table and judged
// by the throne room's own check.
#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "ChessBoardSearch.h"
#include "TableFixture.h"

namespace tarnwick {
namespace {

using testing::BoardSearch;
using testing::LayOnTable;

using ChessBoardSearchTest = TableTest;

TEST_F(ChessBoardSearchTest, TheTwelvePiecesFormBoardsWithEitherCorner) {
    for (int corner : {LightSquare, DarkSquare}) {
        const BoardSearch search(corner);
        std::printf("%s corner: %zu boards\n", corner == LightSquare ? "light" : "dark",
                    search.boards.size());
        EXPECT_EQ(search.boards.size(), 14u);
        for (const auto& board : search.boards) {
            ClearTable();
            LayOnTable(table, search, board, 12, 7);  // as far right and down as a board goes
            ASSERT_TRUE(TableIsSound());
            ASSERT_EQ(CheckChessBoard(table), BoardCheck::Complete);
        }
        // One piece short is no board.
        ClearTable();
        LayOnTable(table, search, search.boards.front(), 3, 2);
        table.PieceTurn[search.boards.front().back().piece] = -1;
        EXPECT_NE(CheckChessBoard(table), BoardCheck::Complete);
    }
}

}  // namespace
}  // namespace tarnwick
