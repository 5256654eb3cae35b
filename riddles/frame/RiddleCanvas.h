// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a riddle room or the throne room draws with: the window's own
// picture, the room background it composes once per activation, the
// picture its squares, balls, gems or pieces come from, and the save area
// that keeps what lies under a carried ball or piece. Everything drawn
// onto the window through the "ToWindow" calls reaches the screen at once.
#include "platform/PaintBox.h"
#include "platform/Picture.h"
#include "riddles/frame/Board.h"
#include "riddles/frame/RiddlePictureLayout.h"

namespace tarnwick {

// The pictures a frame draws with, handed to it: the riddle rooms share the
// riddle picture, the room background and the drag save area; the throne
// room has its pieces, its table and a save area of its own.
struct RiddlePictures {
    const Picture* art = nullptr;    // where squares, balls and pieces come from
    Picture* room = nullptr;         // the room background
    Picture* dragSave = nullptr;     // what lies under the carried ball or piece
};

class RiddleCanvas {
public:
    static constexpr int BallSize = riddle_art::BallSize;

    explicit RiddleCanvas(PaintBox& box) : box_(box) {}
    void Use(const RiddlePictures& pictures) { pictures_ = pictures; }
    bool Ready() const { return pictures_.art && pictures_.room && pictures_.dragSave; }

    Picture& Window() { return box_.canvas; }
    Picture& Room() { return *pictures_.room; }
    const Picture& Art() { return *pictures_.art; }

    // Composition of the room background.
    void ArtToRoom(Pixel to, Pixel from, int w, int h);
    // A sprite into the room background: its mask combined by AND, then
    // the sprite by OR.
    void SpriteToRoom(Pixel to, Pixel sprite, Pixel mask, int w, int h);

    // Straight onto the window, shown at once.
    void ArtToWindow(Pixel to, Pixel from, int w, int h);
    void RoomToWindow(int x, int y, int w, int h);
    void SpriteToWindow(Pixel to, Pixel sprite, Pixel mask, int w, int h);
    void FillOnWindow(int x, int y, int w, int h, QRgb colour);
    void LineOnWindow(int x1, int y1, int x2, int y2, QRgb colour);
    void TextOnWindow(int x, int y, const QString& text, const FontSpec& font, QRgb colour);

    // Balls, centred on a window point: sprite column 0..7 of the riddle
    // picture over its mask.
    void DrawBall(int x, int y, int spriteColumn);
    // A gem with its top-left corner at a window point.
    void DrawGem(Pixel at, Pixel gem);
    // The room background's 28 x 28 square at a ball's place.
    void EraseBall(int x, int y);

    // The save area: what lies on the window under a carried ball or piece
    // at (x, y), kept before it is drawn there and put back (not yet shown)
    // when it moves on.
    void SaveUnder(int x, int y, int w, int h);
    void RestoreUnder(int x, int y, int w, int h);
    // The same for the ball in hand, centred on a window point; put back
    // and shown.
    void SaveUnderBall(int x, int y);
    void RestoreUnderBall(int x, int y);

    void Show(int x, int y, int w, int h);
    void Show(const QRect& area) { Show(area.x(), area.y(), area.width(), area.height()); }
    void ShowAll();

private:
    PaintBox& box_;
    RiddlePictures pictures_;
};

}  // namespace tarnwick
