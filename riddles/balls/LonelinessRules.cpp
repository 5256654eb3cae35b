// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/LonelinessRules.h"

#include <algorithm>

namespace tarnwick {

BiText LonelinessRules::RoomName() const { return {"Kammer der Einsamkeit", "Room of loneliness"}; }

BiText LonelinessRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Einsamkeit. Paß auf, daß Dich die Einsamkeit nicht übermannt!",
            "You want to enter the room of loneliness. Don't feel too lonely."};
}

std::vector<BiText> LonelinessRules::RulesMessages() const {
    return {{"Verteile alle Kugeln so, daß in keiner waagrechten, senkrechten, oder schrägen Reihe mehr als "
             "eine Kugel zu liegen kommt.",
             "Place all balls. But mind, never place more than one ball in a horizontal, vertical or diagonal "
             "row."}};
}

int LonelinessRules::BoardSize(int level) const {
    static constexpr int sizes[] = {5, 6, 8};
    return sizes[std::clamp(level, 1, 3) - 1];
}

}  // namespace tarnwick
