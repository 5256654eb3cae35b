// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's state: one object, handed to every scene that reads or
// changes it. Door, piece and turn arrays are indexed from 1 like the doors
// themselves; index 0 is unused.
//
// What a game in play is (the labyrinth, the doors, the won pieces) forms a
// part of its own: a new game and a loaded one replace that part in one
// assignment, so a snapshot of the game in play is one copy.
#include <string>

#include "state/BiText.h"
#include "state/Labyrinth.h"

namespace tarnwick {

constexpr int DoorCount = 13;  // doors 1..12 lead to riddle rooms, 13 to the throne room
constexpr int RoomCount = 12;

// Where each won piece lies on the throne-room table and how it is turned.
struct PieceTable {
    int PieceCol[RoomCount + 1] = {};  // table cell of the piece's box
    int PieceRow[RoomCount + 1] = {};
    int PieceTurn[RoomCount + 1] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};  // 0..3, -1 not won
};

// A game in play.
struct GameInPlay : LabyrinthState, PieceTable {
    bool DoorOpen[DoorCount + 1] = {};  // room N solved; 13 = chess board assembled
    int ReservedWord = 0;               // carried from a loaded game into the next save
};

struct Game : GameInPlay {
    std::string GameFileName;      // current saved game, full path
    bool ShowStoryAtStart = true;
    int Language = -1;             // 1 German, 0 English, -1 not chosen yet
    std::string ProgramDir;        // the data files' folder, with trailing '/'

    // Puts another game in play in place of this one.
    void Replace(const GameInPlay& play) { static_cast<GameInPlay&>(*this) = play; }
    // A text in the game's language.
    const char* Tr(const BiText& text) const { return tarnwick::Tr(text, Language); }
};

}  // namespace tarnwick
