// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tables of distances of the room of displacement, made at build time
// by make_displacement_tables (DisplacementGraph::TableText of each level).

namespace tarnwick {

extern const char* const DisplacementTable[3];

}  // namespace tarnwick
