// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the room of confusion's tables of distances, one file a level,
// into the game's data folder (see ConfusionTable.h).
//   make_confusion_tables FOLDER
#include <cstdio>
#include <fstream>
#include <string>

#include "riddles/balls/ConfusionRules.h"

int main(int argc, char** argv) {
    using namespace tarnwick;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (int level = 1; level <= 3; ++level) {
        ConfusionRules room;
        room.InitLevel(level);
        const auto target = confusion::PositionOf(room.Target(), ConfusionRules::Red, ConfusionRules::Yellow);
        const std::string bytes = target ? confusion::DistanceTable::Make(*target, room.Jumps()) : std::string();
        if (bytes.empty()) {
            std::fprintf(stderr, "level %d: no table can be made for this target\n", level);
            return 1;
        }
        const std::string path = std::string(argv[1]) + "/" + ConfusionRules::TableName(level);
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
