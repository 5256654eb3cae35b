// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a screen reader says for what lies on a field of a riddle
// board: the balls by their colour, numbers of gems, empty and vanished
// fields, in the game's language.
#include <QString>

#include "state/BiText.h"

namespace tarnwick::field_names {

inline const BiText EmptyField{"leeres Feld", "empty field"};
inline const BiText Field{"Feld", "field"};
inline const BiText Vanished{"verschwunden", "vanished"};
inline const BiText Wall{"Mauer", "wall"};
inline const BiText EmptyCorridor{"leerer Gang", "empty corridor"};
inline const BiText WhiteField{"weißes Feld", "white field"};
inline const BiText InHand{"in der Hand", "in hand"};
inline const BiText Board{"Spielbrett", "board"};

inline QString Say(const BiText& text, int language) { return QString::fromUtf8(Tr(text, language)); }

// The ball of a sprite column 0..7 of the riddle picture.
inline QString Ball(int spriteColumn, int language) {
    static const BiText Balls[8] = {
        {"Perlkugel", "pearl ball"},       {"Bernsteinkugel", "amber ball"}, {"türkise Kugel", "turquoise ball"},
        {"violette Kugel", "purple ball"}, {"rote Kugel", "red ball"},       {"grüne Kugel", "green ball"},
        {"blaue Kugel", "blue ball"},      {"gelbe Kugel", "yellow ball"},
    };
    if (spriteColumn < 0 || spriteColumn >= 8) return Say({"Kugel", "ball"}, language);
    return Say(Balls[spriteColumn], language);
}

// A count as a word ("three", "drei"); from thirteen on in digits. German
// one is "ein" before a noun and "einer" on its own.
inline QString Number(int n, int language, bool alone = false) {
    static const BiText Words[13] = {
        {"kein", "no"},  {"ein", "one"},    {"zwei", "two"},   {"drei", "three"}, {"vier", "four"},
        {"fünf", "five"}, {"sechs", "six"},  {"sieben", "seven"}, {"acht", "eight"}, {"neun", "nine"},
        {"zehn", "ten"}, {"elf", "eleven"}, {"zwölf", "twelve"},
    };
    if (n < 0 || n > 12) return QString::number(n);
    if (n == 1 && alone && language == 1) return QStringLiteral("einer");
    return Say(Words[n], language);
}

}  // namespace tarnwick::field_names
