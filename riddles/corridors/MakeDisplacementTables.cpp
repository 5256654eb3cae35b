// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the tables of distances the room of displacement's hint reads: a
// C++ source with, for each level, the distance of every position from
// the goal by threes, as text.
//   make_displacement_tables OUTPUT.cpp
#include <cstdio>
#include <fstream>

#include "riddles/corridors/DisplacementGraph.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Made by make_displacement_tables at build time; see DisplacementGraph.h.\n"
           "#include \"riddles/corridors/DisplacementTables.h\"\n\n"
           "namespace tarnwick {\n\n"
           "const char* const DisplacementTable[3] = {\n";
    for (int level = 1; level <= 3; ++level) {
        const tarnwick::DisplacementGraph graph(level);
        const std::string text = tarnwick::DisplacementGraph::TableText(graph.DistanceCodes());
        out << "    // level " << level << ": " << graph.Positions() << " positions\n";
        for (std::size_t at = 0; at < text.size(); at += 100) out << "    \"" << text.substr(at, 100) << "\"\n";
        out << "    ,\n";
    }
    out << "};\n\n}  // namespace tarnwick\n";
    return out ? 0 : 1;
}
