// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/duel/DuelRules.h"

#include <algorithm>

#include "state/Cues.h"
#include "riddles/duel/DuelComputer.h"
#include "riddles/duel/DuelLookahead.h"

namespace tarnwick {

DuelRules::DuelRules(Random& random, int sweepLimit) : random_(&random), sweepLimit_(sweepLimit) {}

BiText DuelRules::RoomName() const { return {"Kammer der Explosionen", "Room of explosions"}; }

BiText DuelRules::EntryMessage() const {
    return {"Der Kanzler lädt dich zum Duell der explodierenden Kristalle. Er überläßt Dir den ersten Zug. "
            "Doch sei wachsam!",
            "The cancellor invites you to the duel of the exploding gems. He resigns for the first move. "
            "But be watchful!"};
}

std::vector<BiText> DuelRules::RulesMessages() const {
    return {{"Was zuviel ist, verteilt sich auf die Nachbarfelder und ergreift von diesen Besitz.",
             "If there are too many, they will pass out and capture the neighbour fields."}};
}

Verdict DuelRules::Judge() const {
    switch (state_) {
    case dsPlayerWon: return Verdict::Solved;
    case dsComputerWon: return Verdict::Lost;
    default: return Verdict::Undecided;
    }
}

void DuelRules::SetUpLevel(int) {
    SetGeometry({54, 104, DuelBoard::Size, DuelBoard::Size});
    SetPosition(DuelBoard{}, dsOpening);
}

void DuelRules::SetPosition(const DuelBoard& board, DuelState state) {
    board_ = board;
    state_ = state;
    frames_.clear();
    longestChain_ = 0;
}

const DuelBoard& DuelRules::Moment(int frame) const {
    if (frame < 0 || frame >= Moments()) return board_;
    return frames_[static_cast<std::size_t>(frame)];
}

void DuelRules::Show(Steps& steps, Step redraw) {
    frames_.push_back(board_);
    steps.push_back(steps::Frame(Moments() - 1));
    steps.push_back(redraw);
}

Steps DuelRules::Click(const BoardPoint& point) {
    const BoardCell cell = point.cell;
    if (state_ == dsPlayerWon || state_ == dsComputerWon) return {};
    if (!Geometry().OnBoard(cell) || board_.At(cell).owner == ownComputer) return {};
    frames_.clear();
    longestChain_ = 0;

    CountMove();
    Steps steps;
    board_.AddGem(cell, ownPlayer);
    Show(steps, steps::Cell(cell));
    steps.push_back(steps::PlayCue(CueAccepted));
    steps.push_back(steps::Wait(Wait));
    PlayCascade(steps);
    if (state_ == dsRunning) ComputerMove(steps);
    steps.push_back(steps::Judge());
    return steps;
}

Hint DuelRules::NextMove() const {
    switch (state_) {
    case dsPlayerWon: return Hint::Of(Hint::Solved);
    case dsComputerWon: return Hint::Of(Hint::NoWay);
    default: return Hint::Click(LookaheadPlayerMove(board_));
    }
}

// The chain reaction on the board, one explosion after the other, until
// the board is stable or one side has lost.
void DuelRules::PlayCascade(Steps& steps) {
    for (int sweeps = 0;; ++sweeps) {
        if (CountCells(board_, ownPlayer) == 0) state_ = state_ == dsOpening ? dsRunning : dsComputerWon;
        if (CountCells(board_, ownComputer) == 0) state_ = state_ == dsOpening ? dsRunning : dsPlayerWon;
        if (state_ == dsPlayerWon || state_ == dsComputerWon || sweeps == sweepLimit_) break;
        longestChain_ = std::max(longestChain_, sweeps + 1);
        const bool stable = Sweep(board_, [&] {
            steps.push_back(steps::PlayCue(CueExplosion));
            steps.push_back(steps::Wait(Wait));
            Show(steps, steps::Board());
        });
        if (stable) break;
    }
    steps.push_back(steps::PlayCue(CueAccepted));
    Show(steps, steps::Board());
}

// The computer takes the field it rates best; its new gem blinks three
// times before it stays.
void DuelRules::ComputerMove(Steps& steps) {
    const BoardCell cell = ChooseComputerMove(board_, *random_);
    DuelCell& field = board_.At(cell);
    field.owner = ownComputer;
    for (int blink = 0; blink < 3; ++blink) {
        ++field.count;
        Show(steps, steps::Cell(cell));
        steps.push_back(steps::Wait(Wait));
        --field.count;
        Show(steps, steps::Cell(cell));
        steps.push_back(steps::Wait(Wait));
    }
    board_.AddGem(cell, ownComputer);
    Show(steps, steps::Cell(cell));
    PlayCascade(steps);
}

}  // namespace tarnwick
