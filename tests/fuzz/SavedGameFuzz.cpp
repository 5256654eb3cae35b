// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the saved-game loader: whatever bytes a file holds,
// reading it must not crash, and a record the game accepts must come back
// the same through the game state and the disk.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "state/SavedGame.h"

using namespace tarnwick;

namespace {

void RemoveScratchFile();

const std::string& ScratchFile() {
    static const std::string name = [] {
        std::atexit(RemoveScratchFile);
        return "/tmp/tarnwick-fuzz-" + std::to_string(::getpid()) + ".htk";
    }();
    return name;
}

void RemoveScratchFile() { std::remove(ScratchFile().c_str()); }

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "saved-game fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto decoded = DecodeSavedGame(data, size);
    Check(decoded.has_value() == (size >= SavedGameSize), "decoding depends only on the length");

    // The file loader sees the same bytes through the disk.
    {
        std::FILE* out = std::fopen(ScratchFile().c_str(), "wb");
        if (!out) return 0;
        if (size > 0) std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    const auto loaded = ReadSavedGameFile(ScratchFile());
    Check(loaded.has_value() == (size == SavedGameSize && IsPlayable(*decoded)),
          "the loader takes exactly one playable record");
    if (!loaded) return 0;

    // An accepted record survives the game state and a save unchanged.
    const auto bytes = EncodeSavedGame(*loaded);
    Check(std::memcmp(bytes.data(), data, SavedGameSize) == 0, "encoding gives the bytes back");
    GameInPlay play;
    ApplyRecord(*loaded, play);
    const LabyrinthState& state = play;
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridCols; ++c)
            Check(state.Grid[r][c] >= 0 && state.Grid[r][c] < TileKindCount, "every tile is one the game draws");
    Check(state.PlayerCol >= 0 && state.PlayerCol < GridCols && state.PlayerRow >= 0 &&
              state.PlayerRow < GridRows,
          "the player stands on the grid");
    const auto again = EncodeSavedGame(RecordFromState(play));
    Check(again == bytes, "the game state gives the record back");
    Check(WriteSavedGameFile(ScratchFile(), RecordFromState(play)), "saving works");
    const auto reread = ReadSavedGameFile(ScratchFile());
    Check(reread && EncodeSavedGame(*reread) == bytes, "a saved game loads back the same");
    return 0;
}
