#include "riddles/VanishingFieldsRules.h"

#include <algorithm>

namespace tarnwick {

bool VanishingFieldsRules::FieldThere(BoardCell cell) const {
    const BoardGeometry& g = Geometry();
    return g.OnBoard(cell) && there_[static_cast<size_t>(cell.row * g.columns + cell.col)];
}

int VanishingFieldsRules::FieldsLeft() const {
    return static_cast<int>(std::count(there_.begin(), there_.end(), true));
}

void VanishingFieldsRules::LayFields(const BoardGeometry& geometry, BoardCell ball) {
    SetGeometry(geometry);
    there_.assign(static_cast<size_t>(geometry.Cells()), true);
    ball_ = ball;
}

void VanishingFieldsRules::MoveBall(BoardCell to) {
    there_[static_cast<size_t>(ball_.row * Geometry().columns + ball_.col)] = false;
    ball_ = to;
}

}  // namespace tarnwick
