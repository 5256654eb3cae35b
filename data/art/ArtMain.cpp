// SPDX-License-Identifier: GPL-3.0-or-later
// Paints every picture and button glyph of the game into the program's
// folder and the glyph folder. Deterministic: the same bytes on every run.
//   tarnwick_artgen PROGRAM_DIR GLYPH_DIR
#include "GlyphKit.h"
#include "Glyphs.h"
#include "Pictures.h"
#include "data/kit/ImageFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_DIR GLYPH_DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir programDir(QString::fromLocal8Bit(argv[1]));
    const QDir glyphDir(QString::fromLocal8Bit(argv[2]));

    bool ok = true;
    for (const art::Picture &pic : art::scenePictures())
        ok = kit::saveBmp(pic.paint(), programDir.filePath(pic.name)) && ok;
    for (const art::Picture &glyph : art::buttonGlyphs()) {
        ok = kit::savePng(glyph.paint(), glyphDir.filePath(glyph.name)) && ok;
        if (!glyph.alsoTwice) continue;
        // The same design drawn again for screens of twice the density.
        art::setGlyphScale(2);
        QString twice = glyph.name;
        twice.replace(".png", "@2x.png");
        ok = kit::savePng(glyph.paint(), glyphDir.filePath(twice)) && ok;
        art::setGlyphScale(1);
    }
    for (int size : art::IconSizes)
        ok = kit::savePng(art::emblemIcon(size), glyphDir.filePath(QString("icon%1.png").arg(size))) && ok;
    if (!ok) {
        std::fprintf(stderr, "tarnwick_artgen: could not write every picture\n");
        return 1;
    }
    return 0;
}
