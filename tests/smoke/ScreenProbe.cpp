// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the X screen for the end-to-end smoke test.
//   screen_probe grab FILE.png            the whole screen into a file
//   screen_probe colours FILE x y w h     distinct colours in a rectangle
//   screen_probe diff A B x y w h         pixels that differ in a rectangle
//   screen_probe locate FILE RRGGBB W     "x y" of the first run of W pixels of
//                                         one colour (the game's tool bar)
//   screen_probe pixel FILE x y           the colour there, as RRGGBB
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "grab") == 0) {
        QGuiApplication app(argc, argv);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return 2;
        return screen->grabWindow(0).save(argv[2], "PNG") ? 0 : 2;
    }
    if (argc == 7 && std::strcmp(argv[1], "colours") == 0) {
        const QImage image(argv[2]);
        const QRect area(atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
        QSet<QRgb> colours;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.valid(x, y)) colours.insert(image.pixel(x, y));
        std::printf("%lld\n", static_cast<long long>(colours.size()));
        return 0;
    }
    if (argc == 8 && std::strcmp(argv[1], "diff") == 0) {
        const QImage a(argv[2]), b(argv[3]);
        const QRect area(atoi(argv[4]), atoi(argv[5]), atoi(argv[6]), atoi(argv[7]));
        long long differ = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (a.valid(x, y) && b.valid(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++differ;
        std::printf("%lld\n", differ);
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "locate") == 0) {
        const QImage image(argv[2]);
        const QRgb colour = 0xff000000u | std::strtoul(argv[3], nullptr, 16);
        const int width = atoi(argv[4]);
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = image.pixel(x, y) == colour ? run + 1 : 0;
                if (run == width) {
                    std::printf("%d %d\n", x - width + 1, y);
                    return 0;
                }
            }
        }
        return 1;
    }
    if (argc == 5 && std::strcmp(argv[1], "pixel") == 0) {
        const QImage image(argv[2]);
        const int x = atoi(argv[3]), y = atoi(argv[4]);
        if (!image.valid(x, y)) return 1;
        std::printf("%06x\n", image.pixel(x, y) & 0xffffffu);
        return 0;
    }
    std::fprintf(stderr, "usage: screen_probe grab FILE | colours FILE x y w h | diff A B x y w h |\n"
                         "       locate FILE RRGGBB W | pixel FILE x y\n");
    return 1;
}
