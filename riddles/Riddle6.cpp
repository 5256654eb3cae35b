#include "riddles/Riddle6.h"

#include "riddles/LetterView.h"
#include "riddles/SayingsRules.h"
#include "shell/GameState.h"

namespace tarnwick {

TRiddle6Win::TRiddle6Win() : TRiddleWin(6, MakeRoom<LetterView>(std::make_unique<SayingsRules>(Language))) {
    spell = MakeSceneLabel(this, 20, 296, 261, 53, "Times New Roman", LetterView::SpellPixels, QColor(Qt::yellow),
                           Qt::AlignCenter);
    spell->setObjectName("spell");
    static_cast<LetterView&>(View()).ShowSpellIn(spell);
}

}  // namespace tarnwick
