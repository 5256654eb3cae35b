// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Polished floor tiles of marble, stone and wood, with a bevelled edge.
#include "data/kit/Rgb.h"

#include <QImage>
#include <cstdint>

namespace art {

enum class Grain { Marble, Wood, Stone };

struct TileStyle {
    kit::Rgb base;
    kit::Rgb vein;          // marble veins, wood rings, stone speckles
    Grain grain;
    std::uint32_t seed;
    double bevel = 1.0;  // strength of the lit and shaded edges
};

// A size x size tile with its top-left corner at (left, top).
void paintTile(QImage &img, int left, int top, int size, const TileStyle &style);

// Material colour alone, without the bevel (also used for the piece squares).
kit::Rgb materialAt(const TileStyle &style, double x, double y);

}  // namespace art
