// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "Glyphs.h"
#include "LabyrinthPicture.h"
#include "ScenePictures.h"

namespace art {

std::vector<Picture> scenePictures() {
    return {
        {"b0.bmp", splashPicture},
        {"b1.bmp", doorRoomPicture},
        {"b3.bmp", throneRoomPicture},
        {"b4.bmp", cellarScene},
        {"b5.bmp", labyrinthPicture},
        {"b6.bmp", messageBackground},
        {"b7.bmp", courtScene},
    };
}

std::vector<Picture> buttonGlyphs() {
    return {
        {"restart.png", restartGlyph, true},
        {"load.png", loadGlyph, true},
        {"store.png", storeGlyph, true},
        {"sound.png", soundGlyph, true},
        {"story.png", storyGlyph, true},
        {"help.png", helpGlyph, true},
        {"exit.png", exitGlyph, true},
        {"rules.png", rulesGlyph, true},
        {"info.png", infoGlyph, true},
        {"fennick.png", fennickGlyph, true},
        {"riddle_help.png", riddleHelpGlyph, true},
        {"riddle_reset.png", riddleResetGlyph, true},
        {"riddle_esc.png", riddleEscGlyph, true},
        {"page_prev.png", pagePrevGlyph, true},
        {"page_next.png", pageNextGlyph, true},
        {"page_ok.png", pageOkGlyph, true},
        {"maze_ok.png", mazeOkGlyph, true},
        {"lang_en.png", englishFlagGlyph, true},
        {"lang_de.png", germanFlagGlyph, true},
        {"about_lang.png", aboutLanguageGlyph, true},
        {"about.png", aboutPicture},
    };
}

}  // namespace art
