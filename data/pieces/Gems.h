#pragma once
// The small cut gems of the duel and of the move counter, 12 x 10 each.
#include <QImage>

namespace art {

constexpr int GemWidth = 12;
constexpr int GemHeight = 10;

enum class GemKind { Ruby, Turquoise };

bool insideGem(int x, int y);
void paintGem(QImage &img, int left, int top, GemKind kind);
void paintGemMask(QImage &img, int left, int top);  // white around, black on the gem

}  // namespace art
