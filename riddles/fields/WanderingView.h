// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of wandering: its vanishing fields with the white field among
// them, and beside the board the row of gems that counts the moves left and
// the level's coloured line.
#include "riddles/fields/VanishingFieldsView.h"
#include "riddles/fields/WanderingRules.h"

namespace tarnwick {

class WanderingView : public VanishingFieldsView {
public:
    explicit WanderingView(const WanderingRules& rules);

    void DrawExtras(RiddleCanvas& canvas) override;


protected:
    BiText FieldKind(BoardCell cell) const override {
        return cell == rules_.WhiteField() ? field_names::WhiteField : field_names::Field;
    }

private:
    void DrawGems(RiddleCanvas& canvas);
    void DrawLine(RiddleCanvas& canvas);

    const WanderingRules& rules_;
};

}  // namespace tarnwick
