// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabyrinthTiles.h"

#include "labyrinth/LabyrinthLayout.h"
#include "LabyrinthPicture.h"
#include "WallFurniture.h"
#include "data/kit/Colour.h"
#include "data/kit/Hash.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <functional>

namespace art {

using namespace labyrinth_art;

kit::Masonry innerWallMasonry() {
    kit::Masonry m;
    m.blockW = 18;
    m.blockH = 9;
    m.stone = QColor(92, 80, 68);
    m.mortar = QColor(40, 33, 28);
    m.seed = 3;
    m.periodX = Tile;
    return m;
}

kit::Masonry outerWallMasonry() {
    kit::Masonry m;
    m.blockW = 27;
    m.blockH = 18;
    m.stone = QColor(74, 64, 58);
    m.mortar = QColor(30, 25, 22);
    m.variation = 10;
    m.seed = 5;
    m.periodX = Tile;
    return m;
}

namespace {

using Mask = std::function<bool(int, int)>;

bool inBox(int x, int y, int x0, int y0, int x1, int y1) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }

// The corridor of a tile: a 26-pixel wide lane (x or y 14..39) from the
// centre out through every opening.
constexpr int Lo = 14, Hi = 39;

Mask corridorMask(int openings) {
    return [openings](int x, int y) {
        if (inBox(x, y, Lo, Lo, Hi, Hi))
            return true;
        if ((openings & OpenNorth) && inBox(x, y, Lo, 0, Hi, Lo))
            return true;
        if ((openings & OpenSouth) && inBox(x, y, Lo, Hi, Hi, 53))
            return true;
        if ((openings & OpenWest) && inBox(x, y, 0, Lo, Lo, Hi))
            return true;
        if ((openings & OpenEast) && inBox(x, y, Hi, Lo, 53, Hi))
            return true;
        return false;
    };
}

// Where the player walks and stands: must stay exactly the floor colour.
bool onPlayerPath(int openings, int x, int y) {
    if (inBox(x, y, BandX0, BandY0, BandX1, BandY1))
        return true;
    if ((openings & OpenNorth) && inBox(x, y, BandX0, 0, BandX1, BandY1))
        return true;
    if ((openings & OpenSouth) && inBox(x, y, BandX0, BandY0, BandX1, Tile - 1))
        return true;
    if ((openings & OpenWest) && inBox(x, y, 0, BandY0, BandX1, BandY1))
        return true;
    if ((openings & OpenEast) && inBox(x, y, BandX0, BandY0, Tile - 1, BandY1))
        return true;
    return false;
}

// Floor with the shadow of the walls (light from the upper left) and a little
// grit along the walls; walls with a dark edge and a worn, lighter rim.
void paintCorridor(QImage &tile, const Mask &isFloor, int openings, int seed) {
    auto floorAt = [&](int x, int y) { return isFloor(std::clamp(x, 0, Tile - 1), std::clamp(y, 0, Tile - 1)); };
    const QColor floor = corridorFloor();
    for (int y = 0; y < Tile; ++y)
        for (int x = 0; x < Tile; ++x) {
            if (floorAt(x, y)) {
                QColor c = floor;
                if (!onPlayerPath(openings, x, y)) {
                    if (!floorAt(x - 1, y) || !floorAt(x, y - 1))
                        c = QColor(122, 92, 60);
                    else if (!floorAt(x - 2, y) || !floorAt(x, y - 2) || !floorAt(x - 1, y - 1))
                        c = QColor(156, 120, 80);
                    else if (kit::spreadUnit(x, y, seed) < 0.07)
                        c = kit::shade(floor, 0.86);
                    else if (kit::spreadUnit(x, y, seed + 1) < 0.05)
                        c = kit::shade(floor, 1.08);
                }
                tile.setPixelColor(x, y, c);
                continue;
            }
            int dist = 4;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    if (floorAt(x + dx, y + dy))
                        dist = std::min(dist, std::max(std::abs(dx), std::abs(dy)));
            if (dist == 1)
                tile.setPixelColor(x, y, QColor(34, 27, 22));
            else if (dist == 2)
                tile.setPixelColor(x, y, kit::shade(tile.pixelColor(x, y), 1.32));
            else if (dist == 3)
                tile.setPixelColor(x, y, kit::shade(tile.pixelColor(x, y), 1.12));
        }
}

QImage wallTile(bool outer) {
    QImage tile(Tile, Tile, QImage::Format_RGB32);
    kit::paintMasonry(tile, tile.rect(), outer ? outerWallMasonry() : innerWallMasonry());
    return tile;
}

void overlay(QImage &tile, const QImage &layer) {
    QPainter p(&tile);
    p.drawImage(0, 0, layer);
}

// Doors 11 top, 12 right, 13 left, 14 bottom and the exit 15 (left wall):
// the quarter turns that bring the top-wall drawing into place.
int turnsOf(int kind) {
    switch (kind) {
    case 12: return 1;
    case 14: return 2;
    case 13:
    case 15: return 3;
    default: return 0;
    }
}

// The floor of a door tile: from the threshold, 16 pixels inside the wall,
// out to the edge that faces the labyrinth.
Mask doorFloorMask(int kind) {
    return [kind](int x, int y) {
        switch (turnsOf(kind)) {
        case 0: return inBox(x, y, Lo, 16, Hi, 53);
        case 1: return inBox(x, y, 0, Lo, 37, Hi);
        case 2: return inBox(x, y, Lo, 0, Hi, 37);
        default: return inBox(x, y, 16, Lo, 53, Hi);
        }
    };
}

}  // namespace

QImage labyrinthTile(int kind, bool open) {
    if (kind <= 10) {
        QImage tile = wallTile(false);
        paintCorridor(tile, corridorMask(Openings[kind]), Openings[kind], 100 + kind);
        return tile;
    }
    QImage tile = wallTile(true);
    if (kind <= 15) {
        paintCorridor(tile, doorFloorMask(kind), Openings[kind], 100 + kind);
        overlay(tile, quarterTurns(kind == 15 ? exitStairsLayer() : doorLayer(open), turnsOf(kind)));
        return tile;
    }
    if (kind <= 19) {
        static const int arrowTurns[4] = {0, 3, 2, 1};  // down, right, up, left
        overlay(tile, quarterTurns(arrowLayer(), arrowTurns[kind - 16]));
        return tile;
    }
    overlay(tile, cornerBrazierLayer());
    return tile;
}

}  // namespace art
