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
        {"restart.png", restartGlyph},
        {"load.png", loadGlyph},
        {"store.png", storeGlyph},
        {"sound.png", soundGlyph},
        {"story.png", storyGlyph},
        {"help.png", helpGlyph},
        {"exit.png", exitGlyph},
        {"rules.png", rulesGlyph},
        {"info.png", infoGlyph},
        {"fennick.png", fennickGlyph},
        {"riddle_help.png", riddleHelpGlyph},
        {"riddle_reset.png", riddleResetGlyph},
        {"riddle_esc.png", riddleEscGlyph},
        {"page_prev.png", pagePrevGlyph},
        {"page_next.png", pageNextGlyph},
        {"page_ok.png", pageOkGlyph},
        {"maze_ok.png", mazeOkGlyph},
        {"lang_en.png", englishFlagGlyph},
        {"lang_de.png", germanFlagGlyph},
        {"about_lang.png", aboutLanguageGlyph},
        {"about.png", aboutPicture},
        {"icon.png", iconGlyph},
        {"icon64.png", icon64Glyph},
    };
}

}  // namespace art
