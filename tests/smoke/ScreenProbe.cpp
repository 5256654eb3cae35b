// Looks at the X screen for the end-to-end smoke test.
//   screen_probe grab FILE.png            the whole screen into a file
//   screen_probe colours FILE x y w h     distinct colours in a rectangle
//   screen_probe diff A B x y w h         pixels that differ in a rectangle
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <cstdio>
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
    std::fprintf(stderr, "usage: screen_probe grab FILE | colours FILE x y w h | diff A B x y w h\n");
    return 1;
}
