#pragma once
// What a riddle room draws with: the window's own picture, the room
// background the room composes once per activation, and the riddle picture
// its squares, balls and gems come from. Everything drawn onto the window
// reaches the screen at once.
#include "platform/PaintBox.h"
#include "platform/Picture.h"
#include "riddles/Board.h"

namespace tarnwick {

// The pictures every riddle room shares, handed to each room window.
struct RiddlePictures {
    const Picture* art = nullptr;    // b2.bmp
    Picture* room = nullptr;         // the room background, 320 x 380
    Picture* dragSave = nullptr;     // the drag save area, 54 x 54
};

class RiddleCanvas {
public:
    static constexpr int BallSize = 28;
    static constexpr Pixel BallMask{224, 320};
    // The gems, 12 x 10 over one mask: the ordinary (red) one and the
    // turquoise one.
    static constexpr Pixel GemMask{287, 338};
    static constexpr Pixel RedGem{287, 318};
    static constexpr Pixel TurquoiseGem{287, 328};
    static constexpr int GemWidth = 12;
    static constexpr int GemHeight = 10;

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
    void DrawGem(Pixel at, Pixel gem) { SpriteToWindow(at, gem, GemMask, GemWidth, GemHeight); }
    // The room background's 28 x 28 square at a ball's place.
    void EraseBall(int x, int y);
    // The drag save area: what lies under the ball in hand.
    void SaveUnderBall(int x, int y);
    void RestoreUnderBall(int x, int y);

    void Show(int x, int y, int w, int h);
    void ShowAll();

private:
    PaintBox& box_;
    RiddlePictures pictures_;
};

}  // namespace tarnwick
