// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures as a viewer with each kind of colour vision sees them,
// for looking at the game's pictures through other eyes.
// Usage: colour_vision [--scale N] PICTURE... FOLDER
// Each PICTURE gives FOLDER/<name>-normal-vision.png, -protanopia.png,
// -deuteranopia.png and -tritanopia.png, every pixel an N x N block.
#include "ColourChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

using namespace piecestest;

namespace {

QImage seenWith(Vision v, const QImage &picture, int scale)
{
    const QImage in = picture.convertToFormat(QImage::Format_RGB32);
    QImage out(in.size() * scale, QImage::Format_RGB32);
    for (int y = 0; y < in.height(); ++y)
        for (int x = 0; x < in.width(); ++x) {
            const QRgb seen = toQRgb(seenWith(v, toLight(in.pixel(x, y))));
            for (int j = 0; j < scale; ++j)
                for (int i = 0; i < scale; ++i)
                    out.setPixel(scale * x + i, scale * y + j, seen);
        }
    return out;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int scale = 1;
    if (args.size() >= 2 && args[0] == "--scale") {
        scale = qMax(1, args[1].toInt());
        args = args.mid(2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s [--scale N] PICTURE... FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(args.takeLast());
    bool ok = true;
    for (const QString &name : args) {
        const QImage picture(name);
        if (picture.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        for (Vision v : Visions) {
            const QString out = folder.filePath(QFileInfo(name).completeBaseName() + "-" +
                                                QString(visionName(v)).replace(' ', '-') + ".png");
            ok = seenWith(v, picture, scale).save(out) && ok;
        }
    }
    return ok ? 0 : 1;
}
