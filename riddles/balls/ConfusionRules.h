// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of confusion: twelve red and twelve yellow balls fill a 5 x 5
// board but for the centre; the balls jump like knights onto the one empty
// field, and red and yellow must exchange their places exactly.
#include <array>
#include <memory>
#include <string>

#include "riddles/balls/BallBoardRules.h"
#include "riddles/balls/ConfusionTable.h"
#include "riddles/balls/DragSearch.h"

namespace tarnwick {

class ConfusionSolver;

class ConfusionRules : public CopyableRoom<ConfusionRules, BallBoardRules> {
public:
    static constexpr int Red = 4;
    static constexpr int Yellow = 7;
    static constexpr int BoardSize = 5;

    // `tableFolder`: the folder of the levels' tables of distances (the
    // game's data folder, with a trailing '/'); without one the hint
    // searches.
    explicit ConfusionRules(std::string tableFolder = {}) : tableFolder_(std::move(tableFolder)) {}

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    bool IsSolved() const override { return Values() == Target(); }
    bool InReach(BoardCell from, BoardCell to) const override;  // a knight's jump onto the empty field

    // The position the level asks for, as Values() gives a board.
    std::vector<int> Target() const;
    // The fields whose ball the rules let jump onto each field.
    confusion::Jumps Jumps() const;
    // The file name of a level's table.
    static std::string TableName(int level);

    // The first drop of a shortest solution, read from the level's table.
    // Where the table is missing, or the board was set by hand, the drop of
    // a short solution a search finds; its way is kept, so while the
    // player follows it the next hints come at once.
    Hint NextMove() const override;

protected:
    void SetUpLevel(int level) override;

private:
    // The level's table, read at its first hint; null when it cannot be.
    const confusion::DistanceTable* Table() const;
    Hint SearchedMove() const;

    // The levels' tables, each read once, at its first hint, by the room or
    // by any copy of it: the copies share them.
    struct Tables {
        std::array<std::unique_ptr<const confusion::DistanceTable>, 3> level;
        std::array<bool, 3> tried{};  // also where the reading failed
    };
    std::string tableFolder_;
    std::shared_ptr<Tables> tables_ = std::make_shared<Tables>();
    // The positions along the last solution searched, and the drop from each.
    mutable std::vector<std::vector<int>> way_;
    mutable std::vector<DragMove> wayMoves_;
    // The searcher of the level, kept with what it has worked out for the
    // next search (copies of the room share it).
    mutable std::shared_ptr<ConfusionSolver> solver_;
};

}  // namespace tarnwick
