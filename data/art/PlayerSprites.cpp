// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerSprites.h"

#include <array>

namespace art {
namespace {

using Rows = std::array<const char *, 16>;

// Front view, standing. Frames 0 and 2 swap the legs and the swing of the arms.
const Rows FrontStanding = {
    ".....kkkkk.....", "....khhhhhk....", "....khssshk....", "....ksesesk....",
    "....ksssssk....", ".....ksssk.....", "...kcccyccck...", "..kccccycccck..",
    "..kdcccycccdk..", "..kscccycccsk..", "...kbbbybbbk...", "...kccccccck...",
    "....kllkllk....", "....kllkllk....", "....kbbkbbk....", "....kkk.kkk...."};

const Rows BackStanding = {
    ".....kkkkk.....", "....khhhhhk....", "....khhhhhk....", "....khhhhhk....",
    "....khhhhhk....", ".....khhhk.....", "...kcccdccck...", "..kccccdcccck..",
    "..kdcccdcccdk..", "..kscccdcccsk..", "...kbbbbbbbk...", "...kccccccck...",
    "....kllkllk....", "....kllkllk....", "....kbbkbbk....", "....kkk.kkk...."};

// Side view facing east.
const Rows SideStanding = {
    ".....kkkk......", "....khhhhk.....", "....khhhssk....", "....khhsesk....",
    "....khhsssk....", ".....kkssk.....", "....kccyck.....", "....kccyck.....",
    "....kcdcck.....", "....kcscck.....", "....kbbbbk.....", "....kcccck.....",
    ".....kllk......", ".....kllk......", ".....kbbbk.....", ".....kkkkk....."};

Rows frontOrBack(const Rows &base, int frame) {
    Rows r = base;
    const bool front = base[3][5] == 's';
    if (frame == 0) {
        r[8] = front ? "..kdcccycccsk.." : "..kdcccdcccsk..";
        r[9] = front ? "..kscccycccdk.." : "..kscccdcccdk..";
        r[13] = "....kllkbbk....";
        r[14] = "....kbbkkkk....";
        r[15] = "....kkk........";
    } else if (frame == 2) {
        r[8] = front ? "..kscccycccdk.." : "..kscccdcccdk..";
        r[9] = front ? "..kdcccycccsk.." : "..kdcccdcccsk..";
        r[13] = "....kbbkllk....";
        r[14] = "....kkkkbbk....";
        r[15] = "........kkk....";
    }
    return r;
}

Rows side(int frame) {
    Rows r = SideStanding;
    if (frame == 0) {  // long stride, arm swung forward
        r[8] = "....kccdck.....";
        r[9] = "....kcccsk.....";
        r[12] = "....kllkllk....";
        r[13] = "...kllk.kllk...";
        r[14] = "..kbbk...kbbbk.";
        r[15] = "..kkk....kkkk..";
    } else if (frame == 2) {  // legs passing, arm swung back
        r[8] = "....kdccck.....";
        r[9] = "....ksccck.....";
        r[13] = "....kllllk.....";
        r[14] = "...kbbkkbbbk...";
        r[15] = "...kkk..kkkk...";
    }
    return r;
}

QColor colourOf(char ch, const QColor &floor) {
    switch (ch) {
    case 'k': return {34, 22, 16};
    case 'h': return {104, 62, 30};
    case 's': return {236, 190, 146};
    case 'e': return {40, 26, 24};
    case 'c': return {52, 86, 176};
    case 'd': return {32, 54, 120};
    case 'y': return {240, 200, 76};
    case 'b': return {86, 50, 26};
    case 'l': return {72, 62, 66};
    default: return floor;
    }
}

}  // namespace

QImage playerSprite(int facing, int frame, const QColor &floor) {
    Rows rows;
    bool mirror = false;
    switch (facing) {
    case 0: rows = side(frame); break;
    case 1: rows = frontOrBack(BackStanding, frame); break;
    case 2: rows = side(frame); mirror = true; break;
    default: rows = frontOrBack(FrontStanding, frame); break;
    }
    QImage img(15, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 15; ++x)
            img.setPixelColor(mirror ? 14 - x : x, y, colourOf(rows[y][x], floor));
    return img;
}

}  // namespace art
