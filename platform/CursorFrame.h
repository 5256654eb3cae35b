// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard's cursor: a clear frame round what the keys act on (a tile
// of the labyrinth, an arrow in its wall, a field of a board, a door or a
// stone), laid over the picture it marks and never drawn into it. It shows
// once a key has been used and is gone at the next click of the mouse, so a
// player who uses only the mouse never sees it.
#include <QRect>
#include <QWidget>

class QPainter;

namespace tarnwick {

// The frame itself: dark, light, dark, four pixels in all, half outside
// and half inside `around`, so it shows on any ground.
void DrawCursorFrame(QPainter& painter, const QRect& around);
// How far the frame reaches outside the rectangle it goes round.
constexpr int CursorFrameReach = 2;

class CursorFrame : public QWidget {
    Q_OBJECT
public:
    // A frame over `area`, in the area's own pixels; hidden at first.
    explicit CursorFrame(QWidget* area);

    // Shows the frame round a rectangle of the area (a key was used).
    void ShowAt(const QRect& around);
    // Takes it away until the next key.
    void Hide();
    bool Showing() const { return !isHidden(); }
    // The rectangle it goes round while it shows.
    QRect Around() const { return around_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A mouse click anywhere in the game takes the frame away.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect around_;
};

}  // namespace tarnwick
