// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The saved-game record: 112 bytes, little-endian, no header.
//   0  45 x int16  grid cells of rows 1..5, columns 1..9 (row-major)
//  90  int16       player column
//  92  int16       player row
//  94  int16       player facing
//  96  int16       reserved word, carried from game to game
//  98  13 x byte   door 1..13 open
// 111  byte        corridors restored
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "state/Game.h"

namespace tarnwick {

constexpr std::size_t SavedGameSize = 112;
using SavedGameBytes = std::array<std::uint8_t, SavedGameSize>;

struct SavedGame {
    std::int16_t Cells[5][9] = {};  // rows 1..5, columns 1..9
    std::int16_t PlayerCol = 0;
    std::int16_t PlayerRow = 0;
    std::int16_t PlayerFacing = 0;
    std::int16_t ReservedWord = 0;
    std::uint8_t DoorOpen[13] = {};
    std::uint8_t MazeRestored = 0;
};

SavedGameBytes EncodeSavedGame(const SavedGame& game);
// Reads a record; nothing for fewer than 112 bytes. Values are taken as
// stored: call IsPlayable to know whether the game can show them.
std::optional<SavedGame> DecodeSavedGame(const std::uint8_t* data, std::size_t size);
// Whether every value lies where the game can show it: tile kinds 0..20,
// the player on the grid, facing 0..3, flag bytes 0 or 1.
bool IsPlayable(const SavedGame& game);

// Taking the record from the game state and putting it back. Values are
// cut to their low 16 bits when written and widened with sign when read.
SavedGame RecordFromState(const GameInPlay& play);
void ApplyRecord(const SavedGame& game, GameInPlay& play);

// Reads a saved game from disk; nothing when the file cannot be opened or
// is no regular file, is not exactly one record long, or holds values the
// game cannot show.
std::optional<SavedGame> ReadSavedGameFile(const std::string& path);
// Writes the record beside the target and renames it over the target, so
// a failed save never destroys the previous one. Returns success.
bool WriteSavedGameFile(const std::string& path, const SavedGame& game);

}  // namespace tarnwick
