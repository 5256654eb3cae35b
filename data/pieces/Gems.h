// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small cut gems of the duel and of the move counter, 12 x 10 each.
#include <QImage>

#include "riddles/frame/RiddlePictureLayout.h"

namespace art {

constexpr int GemWidth = riddle_art::GemWidth;
constexpr int GemHeight = riddle_art::GemHeight;

enum class GemKind { Ruby, Turquoise };

bool insideGem(int x, int y);
void paintGem(QImage &img, int left, int top, GemKind kind);
void paintGemMask(QImage &img, int left, int top);  // white around, black on the gem

}  // namespace art
