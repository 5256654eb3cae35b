// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/frame/RiddleCanvas.h"

namespace tarnwick {

void RiddleCanvas::ArtToRoom(Pixel to, Pixel from, int w, int h) {
    CopyRect(Room(), to.x, to.y, Art(), from.x, from.y, w, h);
}

void RiddleCanvas::SpriteToRoom(Pixel to, Pixel sprite, Pixel mask, int w, int h) {
    CopyRect(Room(), to.x, to.y, Art(), mask.x, mask.y, w, h, RasterOp::And);
    CopyRect(Room(), to.x, to.y, Art(), sprite.x, sprite.y, w, h, RasterOp::Or);
}

void RiddleCanvas::ArtToWindow(Pixel to, Pixel from, int w, int h) {
    CopyRect(Window(), to.x, to.y, Art(), from.x, from.y, w, h);
    Show(to.x, to.y, w, h);
}

void RiddleCanvas::RoomToWindow(int x, int y, int w, int h) {
    CopyRect(Window(), x, y, Room(), x, y, w, h);
    Show(x, y, w, h);
}

void RiddleCanvas::SpriteToWindow(Pixel to, Pixel sprite, Pixel mask, int w, int h) {
    CopyRect(Window(), to.x, to.y, Art(), mask.x, mask.y, w, h, RasterOp::And);
    CopyRect(Window(), to.x, to.y, Art(), sprite.x, sprite.y, w, h, RasterOp::Or);
    Show(to.x, to.y, w, h);
}

void RiddleCanvas::FillOnWindow(int x, int y, int w, int h, QRgb colour) {
    FillRect(Window(), x, y, w, h, colour);
    Show(x, y, w, h);
}

void RiddleCanvas::LineOnWindow(int x1, int y1, int x2, int y2, QRgb colour) {
    DrawLine(Window(), x1, y1, x2, y2, colour);
    Show(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
}

void RiddleCanvas::TextOnWindow(int x, int y, const QString& text, const FontSpec& font, QRgb colour) {
    DrawText(Window(), x, y, text, font, colour);
    const TextExtent extent = MeasureText(font, text);
    Show(x - 2, y - 2, extent.width + 4, extent.height + 4);
}

void RiddleCanvas::DrawBall(int x, int y, int spriteColumn) {
    SpriteToWindow({x - BallSize / 2, y - BallSize / 2}, riddle_art::Ball(spriteColumn), riddle_art::BallMask,
                   BallSize, BallSize);
}

void RiddleCanvas::DrawGem(Pixel at, Pixel gem) {
    SpriteToWindow(at, gem, riddle_art::GemMask, riddle_art::GemWidth, riddle_art::GemHeight);
}

void RiddleCanvas::EraseBall(int x, int y) { RoomToWindow(x - BallSize / 2, y - BallSize / 2, BallSize, BallSize); }

void RiddleCanvas::SaveUnder(int x, int y, int w, int h) { CopyRect(*pictures_.dragSave, 0, 0, Window(), x, y, w, h); }

void RiddleCanvas::RestoreUnder(int x, int y, int w, int h) { CopyRect(Window(), x, y, *pictures_.dragSave, 0, 0, w, h); }

void RiddleCanvas::SaveUnderBall(int x, int y) { SaveUnder(x - BallSize / 2, y - BallSize / 2, BallSize, BallSize); }

void RiddleCanvas::RestoreUnderBall(int x, int y) {
    RestoreUnder(x - BallSize / 2, y - BallSize / 2, BallSize, BallSize);
    Show(x - BallSize / 2, y - BallSize / 2, BallSize, BallSize);
}

void RiddleCanvas::Show(int x, int y, int w, int h) { box_.Flush(QRect(x, y, w, h)); }

void RiddleCanvas::ShowAll() { box_.Flush(); }

}  // namespace tarnwick
