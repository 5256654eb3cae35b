// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/WanderingRules.h"

#include <algorithm>
#include <cstdlib>

#include "riddles/fields/WanderingSearch.h"

namespace tarnwick {

namespace {

struct LevelLayout {
    BoardCell start;
    BoardCell white;
    int moves;
    std::optional<WanderingRules::Line> line;
};

const LevelLayout Levels[3] = {
    {{0, 1}, {6, 6}, 21, std::nullopt},
    {{5, 7}, {4, 7}, 15, WanderingRules::Line{{3, 3}, 0}},
    {{1, 0}, {7, 7}, 21, WanderingRules::Line{{2, 0}, 11}},
};

const LevelLayout& LayoutOf(int level) { return Levels[std::clamp(level, 1, 3) - 1]; }

constexpr BoardGeometry Board{22, 60, 8, 8};

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

BiText WanderingRules::RoomName() const { return {"Kammer der Wanderungen", "Room of wandering"}; }

BiText WanderingRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Wanderungen. Geh nicht in die Irre!",
            "You want to enter the room of wandering. Don't loose your way!"};
}

std::vector<BiText> WanderingRules::RulesMessages() const {
    std::vector<BiText> messages{
        {"Bewege die Kugel waagrecht oder senkrecht so weit Du willst oder kannst.",
         "Move the ball straightly as far as you want or as far as you are able to."},
        {"Die Zahl der Kristalle zeigt Dir, wie oft Du ziehen darfst. Laß alle Felder außer dem weißen "
         "verschwinden.",
         "The number of gems shows you how often you can move. Remove all squares except the white one."}};
    if (Level() == 2)
        messages.push_back({"Irgendwann auf Deiner Wanderung mußt Du die Linie überschreiten.",
                            "You must sometimes overstep the line on your travel."});
    if (Level() == 3)
        messages.push_back({"Wenn die Reihe am türkisen Kristall ist, mußt Du die Linie überschreiten.",
                            "Overstep the line, when the turquoise is the next."});
    return messages;
}

void WanderingRules::SetUpLevel(int level) {
    const LevelLayout& layout = LayoutOf(level);
    LayFields(Board, layout.start);
    movesLeft_ = layout.moves;
    lineCrossedAt_ = NotCrossed;
}

BoardCell WanderingRules::WhiteField() const { return LayoutOf(Level()).white; }

int WanderingRules::Moves() const { return LayoutOf(Level()).moves; }

std::optional<WanderingRules::Line> WanderingRules::LevelLine() const { return LayoutOf(Level()).line; }

// Every field from the ball's neighbour up to and including `to` is there.
bool WanderingRules::PathClear(BoardCell to) const {
    const BoardCell from = Ball();
    const int dc = Sign(to.col - from.col), dr = Sign(to.row - from.row);
    for (BoardCell c{from.col + dc, from.row + dr};; c = {c.col + dc, c.row + dr}) {
        if (!FieldThere(c)) return false;
        if (c == to) return true;
    }
}

bool WanderingRules::StepCrossesLine(BoardCell from, BoardCell to) const {
    const auto line = LevelLine();
    if (!line) return false;
    const BoardCell east = line->East();
    return (from == line->west && to == east) || (from == east && to == line->west);
}

Steps WanderingRules::Click(const BoardPoint& point) {
    const BoardCell to = point.cell;
    const BoardCell from = Ball();
    if (movesLeft_ == 0 || !FieldThere(to) || to == from) return {};
    if (to.col != from.col && to.row != from.row) return {};
    if (!PathClear(to)) return {};

    const int cells = std::abs(to.col - from.col) + std::abs(to.row - from.row);
    Steps steps;
    steps.reserve(static_cast<size_t>(5 * cells + 3));
    ForgetMoments();
    const int dc = Sign(to.col - from.col), dr = Sign(to.row - from.row);
    while (Ball() != to) {
        const BoardCell left = Ball();
        const BoardCell next{left.col + dc, left.row + dr};
        steps.push_back(steps::PlayCue(CueAccepted));
        MoveBall(next);
        RecordMoment(steps);
        steps.push_back(steps::Cell(next));
        steps.push_back(steps::Cell(left));
        if (StepCrossesLine(left, next)) lineCrossedAt_ = movesLeft_;
        steps.push_back(steps::Wait(SlideWaitMs));
    }
    --movesLeft_;
    CountMove();
    steps.push_back(steps::PlayCue(CueRefused));  // the end of every move
    steps.push_back(steps::Extras());
    steps.push_back(steps::Judge());
    return steps;
}

Hint WanderingRules::NextMove() const {
    if (Judge() == Verdict::Solved) return Hint::Of(Hint::Solved);
    const WalkSearch walk = FindWalk(*this, LevelWish(*this), HintBudget);
    switch (walk.result) {
    case WalkSearch::Found: return Hint::Click(walk.clicks.front());
    case WalkSearch::GaveUp: return Hint::Of(Hint::GaveUp);
    default: return Hint::Of(Hint::NoWay);
    }
}

Verdict WanderingRules::Judge() const {
    if (movesLeft_ != 0 || FieldsLeft() != 1 || Ball() != WhiteField()) return Verdict::Unsolved;
    const auto line = LevelLine();
    if (!line) return Verdict::Solved;
    if (line->crossAt > 0) return SolvedIf(lineCrossedAt_ == line->crossAt);
    return SolvedIf(lineCrossedAt_ > 0);
}

}  // namespace tarnwick
