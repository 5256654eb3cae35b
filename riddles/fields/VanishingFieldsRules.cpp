// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/VanishingFieldsRules.h"

#include <algorithm>

namespace tarnwick {

bool VanishingFieldsRules::ThereIn(const std::vector<bool>& there, BoardCell cell) const {
    const BoardGeometry& g = Geometry();
    return g.OnBoard(cell) && there[static_cast<size_t>(cell.row * g.columns + cell.col)];
}

bool VanishingFieldsRules::FieldThere(BoardCell cell) const { return ThereIn(there_, cell); }

bool VanishingFieldsRules::FieldThereAt(int moment, BoardCell cell) const {
    if (moment < 0 || moment >= static_cast<int>(moments_.size())) return FieldThere(cell);
    return ThereIn(moments_[static_cast<size_t>(moment)].there, cell);
}

BoardCell VanishingFieldsRules::BallAt(int moment) const {
    if (moment < 0 || moment >= static_cast<int>(moments_.size())) return ball_;
    return moments_[static_cast<size_t>(moment)].ball;
}

void VanishingFieldsRules::RecordMoment(Steps& steps) {
    moments_.push_back({there_, ball_});
    steps.push_back(steps::Frame(static_cast<int>(moments_.size()) - 1));
}

int VanishingFieldsRules::FieldsLeft() const {
    return static_cast<int>(std::count(there_.begin(), there_.end(), true));
}

void VanishingFieldsRules::LayFields(const BoardGeometry& geometry, BoardCell ball) {
    SetGeometry(geometry);
    there_.assign(static_cast<size_t>(geometry.Cells()), true);
    ball_ = ball;
    moments_.clear();
}

void VanishingFieldsRules::MoveBall(BoardCell to) {
    there_[static_cast<size_t>(ball_.row * Geometry().columns + ball_.col)] = false;
    ball_ = to;
}

}  // namespace tarnwick
