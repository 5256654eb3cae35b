// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/RestrictionRules.h"

#include <algorithm>

namespace tarnwick {

BiText RestrictionRules::RoomName() const { return {"Kammer der Beschränkung", "Room of restriction"}; }

BiText RestrictionRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Beschränkung. Laß Dir keine Schranken auferlegen!",
            "You want to enter the room of restriction. Don't let yourself set bounds."};
}

std::vector<BiText> RestrictionRules::RulesMessages() const {
    return {{"Verteile alle Kugeln so, daß in keiner waagrechten, senkrechten, oder schrägen Reihe mehr als "
             "zwei Kugeln zu liegen kommen.",
             "Place all balls. But mind, never place more than two in a horizontal, vertical or diagonal row."}};
}

int RestrictionRules::BoardSize(int level) const { return 2 * std::clamp(level, 1, 3) + 2; }

}  // namespace tarnwick
