// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the riddle picture, the pieces picture and the piece buttons.
// Usage: tarnwick_gen_pieces <program folder> <glyph folder>
#include "PieceGlyphs.h"
#include "PiecesPicture.h"
#include "RiddlePicture.h"

#include "data/kit/ImageFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <program folder> <glyph folder>\n", argv[0]);
        return 2;
    }
    const QDir programDir(QString::fromLocal8Bit(argv[1]));
    const QDir glyphDir(QString::fromLocal8Bit(argv[2]));

    bool ok = kit::saveBmp(art::makeRiddlePicture(), programDir.filePath("b2.bmp"));
    ok = kit::saveBmp(art::makePiecesPicture(), programDir.filePath("b8.bmp")) && ok;
    // Each button picture once as it is and once at twice the density.
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? ".png" : "@2x.png";
        for (int piece = 1; piece <= 12; ++piece) {
            const QString name = QString("piece%1").arg(piece) + suffix;
            ok = kit::savePng(art::makePieceGlyph(piece, scale), glyphDir.filePath(name)) && ok;
        }
        ok = kit::savePng(art::makeBoardGlyph(scale), glyphDir.filePath("board" + suffix)) && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "tarnwick_gen_pieces: could not write the pictures\n");
        return 1;
    }
    return 0;
}
