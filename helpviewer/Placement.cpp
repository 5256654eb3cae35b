// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/Placement.h"

#include <QStringList>
#include <algorithm>

namespace tarnwick_help {

namespace {

constexpr int Gap = 8;
// Below this height the page is no use; the viewer then covers what it must.
constexpr int LeastHeight = 240;

// Clamps without the precondition of std::clamp (low may exceed high on a
// small screen: the low bound wins).
int Fit(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

QRect PlaceBesideGame(const QRect& game, int toolBarBottom, const QRect& screen, const QSize& wanted) {
    const int width = std::min(wanted.width(), screen.width());
    int height = std::min(wanted.height(), screen.height());
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    const int besideTop = Fit(game.y(), screen.y(), screenBottom - height);

    const int rightOfGame = game.x() + game.width() + Gap;
    if (screenRight - rightOfGame >= width) return {rightOfGame, besideTop, width, height};
    const int leftOfGame = game.x() - Gap - width;
    if (leftOfGame >= screen.x()) return {leftOfGame, besideTop, width, height};

    const int left = Fit(game.x() + (game.width() - width) / 2, screen.x(), screenRight - width);
    int top = Fit(toolBarBottom, screen.y(), screenBottom);
    if (screenBottom - top >= LeastHeight) {
        height = std::min(height, screenBottom - top);
    } else {
        top = Fit(screenBottom - height, screen.y(), screenBottom);
    }
    return {left, top, width, height};
}

bool ParseGamePlace(const QString& text, QRect& game, int& toolBarBottom) {
    const QStringList parts = text.split(',');
    if (parts.size() != 5) return false;
    int values[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return false;
    }
    if (values[2] <= 0 || values[3] <= 0) return false;
    game = QRect(values[0], values[1], values[2], values[3]);
    toolBarBottom = values[4];
    return true;
}

}  // namespace tarnwick_help
