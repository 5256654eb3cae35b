// SPDX-License-Identifier: GPL-3.0-or-later
// Lays every generated picture out on one sheet for looking at: the scene
// pictures at 1:1, the labyrinth picture enlarged and assembled into the
// restored cellar, the button glyphs enlarged, each with its name.
//   tarnwick_contact_sheet PROGRAM_DIR GLYPH_DIR OUT.png
#include "labyrinth/LabyrinthLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace labyrinth_art;

// The cellar in its restored pattern, the game's starting point.
constexpr int Restored[7][11] = {
    {20, 16, 11, 16, 11, 16, 11, 16, 11, 16, 20}, {13, 4, 1, 5, 8, 0, 8, 4, 1, 5, 12},
    {17, 2, 7, 1, 5, 10, 4, 1, 9, 3, 19},         {15, 0, 6, 6, 7, 1, 9, 6, 6, 0, 12},
    {17, 5, 7, 1, 2, 8, 3, 1, 9, 4, 19},          {13, 3, 1, 2, 10, 0, 10, 3, 1, 2, 12},
    {20, 18, 14, 18, 14, 18, 14, 18, 14, 18, 20}};

// A few doors shown open, and the player walking, to see every part in use.
QImage assembleCellar(const QImage &b5) {
    QImage box(594, 378, QImage::Format_RGB32);
    QPainter p(&box);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 11; ++c) {
            const int kind = Restored[r][c];
            const bool open = (r == 0 && c == 4) || (r == 1 && c == 10) || (r == 6 && c == 6) || (r == 5 && c == 0);
            p.drawImage(Tile * c, Tile * r, b5, tileX(kind), tileY(kind, open && kind >= 11 && kind <= 14), Tile, Tile);
        }
    const int standX = 19, standY = Tile * 3 + 19;
    p.drawImage(standX, standY, b5, spriteX(1, 0), SpriteTop, SpriteW, SpriteH);
    p.drawImage(Tile * 5 + 19, Tile * 2 + 19 + 24, b5, spriteX(0, 3), SpriteTop, SpriteW, SpriteH);
    p.drawImage(Tile * 3 + 19 + 30, Tile * 3 + 19, b5, spriteX(2, 2), SpriteTop, SpriteW, SpriteH);
    p.drawImage(Tile * 9 + 19, Tile * 4 + 19 - 12, b5, spriteX(0, 1), SpriteTop, SpriteW, SpriteH);
    return box;
}

struct Item {
    QString label;
    QImage image;
};

QImage sheetOf(const std::vector<Item> &items, int width) {
    const int pad = 16, labelH = 20;
    int x = pad, y = pad, rowH = 0;
    struct Placed { QPoint at; const Item *item; };
    std::vector<Placed> placed;
    for (const Item &it : items) {
        if (x + it.image.width() > width - pad && x > pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        placed.push_back({QPoint(x, y), &it});
        x += std::max(it.image.width(), 90) + pad;
        rowH = std::max(rowH, it.image.height() + labelH);
    }
    QImage sheet(width, y + rowH + pad, QImage::Format_RGB32);
    sheet.fill(QColor(46, 46, 52));
    QPainter p(&sheet);
    p.setFont(QFont("Liberation Sans", 10));
    for (const Placed &pl : placed) {
        p.setPen(QColor(230, 230, 230));
        p.drawText(pl.at + QPoint(0, 13), pl.item->label);
        p.drawImage(pl.at + QPoint(0, labelH), pl.item->image);
    }
    return sheet;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR GLYPH_DIR OUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir programDir(QString::fromLocal8Bit(argv[1]));
    const QDir glyphDir(QString::fromLocal8Bit(argv[2]));

    std::vector<Item> items;
    for (int n = 0; n <= 8; ++n) {
        const QString name = QString("b%1.bmp").arg(n);
        QImage img(programDir.filePath(name));
        if (img.isNull())
            continue;
        if (n == 5) {
            items.push_back({name + " (x2)", img.scaled(img.size() * 2)});
            items.push_back({"b5.bmp assembled: the restored cellar", assembleCellar(img)});
        } else {
            items.push_back({name, img});
        }
    }
    for (const QFileInfo &fi : glyphDir.entryInfoList({"*.png"}, QDir::Files, QDir::Name)) {
        QImage img(fi.filePath());
        if (img.isNull())
            continue;
        const int scale = img.width() > 64 ? 1 : (img.width() > 32 ? 2 : 3);
        items.push_back({fi.fileName(), img.scaled(img.size() * scale)});
    }
    if (items.empty()) {
        std::fprintf(stderr, "no pictures found in %s\n", argv[1]);
        return 1;
    }
    return sheetOf(items, 1300).save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
