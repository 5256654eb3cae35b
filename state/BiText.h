// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text of the game in both of its languages, and the one choice every
// text goes through: German when the game's language is German (1),
// English otherwise, at the moment the text is shown.
namespace tarnwick {

struct BiText {
    const char* german;
    const char* english;
};

inline const char* Tr(const BiText& text, int language) { return language == 1 ? text.german : text.english; }

}  // namespace tarnwick
