// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/SavedGame.h"

#include "platform/RegularFile.h"

namespace tarnwick {

namespace {

void Put16(std::uint8_t* at, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    at[0] = static_cast<std::uint8_t>(u & 0xff);
    at[1] = static_cast<std::uint8_t>(u >> 8);
}

std::int16_t Get16(const std::uint8_t* at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
}

}  // namespace

SavedGameBytes EncodeSavedGame(const SavedGame& g) {
    SavedGameBytes b{};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) Put16(&b[18 * r + 2 * c], g.Cells[r][c]);
    Put16(&b[90], g.PlayerCol);
    Put16(&b[92], g.PlayerRow);
    Put16(&b[94], g.PlayerFacing);
    Put16(&b[96], g.ReservedWord);
    for (int i = 0; i < 13; ++i) b[98 + i] = g.DoorOpen[i];
    b[111] = g.MazeRestored;
    return b;
}

std::optional<SavedGame> DecodeSavedGame(const std::uint8_t* b, std::size_t size) {
    if (b == nullptr || size < SavedGameSize) return std::nullopt;
    SavedGame g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) g.Cells[r][c] = Get16(&b[18 * r + 2 * c]);
    g.PlayerCol = Get16(&b[90]);
    g.PlayerRow = Get16(&b[92]);
    g.PlayerFacing = Get16(&b[94]);
    g.ReservedWord = Get16(&b[96]);
    for (int i = 0; i < 13; ++i) g.DoorOpen[i] = b[98 + i];
    g.MazeRestored = b[111];
    return g;
}

bool IsPlayable(const SavedGame& g) {
    for (const auto& row : g.Cells)
        for (const auto cell : row)
            if (cell < 0 || cell >= TileKindCount) return false;
    if (g.PlayerCol < 0 || g.PlayerCol >= GridCols) return false;
    if (g.PlayerRow < 0 || g.PlayerRow >= GridRows) return false;
    if (g.PlayerFacing < 0 || g.PlayerFacing > 3) return false;
    for (const auto flag : g.DoorOpen)
        if (flag > 1) return false;
    return g.MazeRestored <= 1;
}

SavedGame RecordFromState(const GameInPlay& s) {
    SavedGame g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) g.Cells[r][c] = static_cast<std::int16_t>(s.Grid[r + 1][c + 1]);
    g.PlayerCol = static_cast<std::int16_t>(s.PlayerCol);
    g.PlayerRow = static_cast<std::int16_t>(s.PlayerRow);
    g.PlayerFacing = static_cast<std::int16_t>(s.PlayerFacing);
    g.ReservedWord = static_cast<std::int16_t>(s.ReservedWord);
    for (int i = 0; i < 13; ++i) g.DoorOpen[i] = s.DoorOpen[i + 1] ? 1 : 0;
    g.MazeRestored = s.MazeRestored ? 1 : 0;
    return g;
}

void ApplyRecord(const SavedGame& g, GameInPlay& s) {
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 9; ++c) s.Grid[r + 1][c + 1] = g.Cells[r][c];
    s.PlayerCol = g.PlayerCol;
    s.PlayerRow = g.PlayerRow;
    s.PlayerFacing = g.PlayerFacing;
    s.MazeRestored = g.MazeRestored != 0;
    for (int i = 0; i < 13; ++i) s.DoorOpen[i + 1] = g.DoorOpen[i] != 0;
    s.ReservedWord = g.ReservedWord;
}

std::optional<SavedGame> ReadSavedGameFile(const std::string& path) {
    // A saved game is one record, no more and no less.
    const auto bytes = ReadRegularFile(path, SavedGameSize);
    if (!bytes || bytes->size() != SavedGameSize) return std::nullopt;
    auto game = DecodeSavedGame(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    if (!game || !IsPlayable(*game)) return std::nullopt;
    return game;
}

bool WriteSavedGameFile(const std::string& path, const SavedGame& game) {
    const auto bytes = EncodeSavedGame(game);
    return ReplaceRegularFile(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace tarnwick
