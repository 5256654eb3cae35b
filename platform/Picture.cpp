#include "platform/Picture.h"

#include <algorithm>
#include <cstring>

#include "platform/RegularFile.h"

namespace tarnwick {

Picture::Picture(int width, int height) { Create(width, height); }

bool Picture::LoadBmp(const QString& path) {
    // Only a regular file of a picture's size is read: a FIFO or a device
    // put in place of a picture must not hold the game up.
    const auto bytes = ReadRegularFile(path.toStdString(), MaxPictureFileSize);
    if (!bytes) return false;
    QImage loaded;
    if (!loaded.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()),
                             "BMP"))
        return false;
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    return !image_.isNull();
}

void Picture::Create(int width, int height, QRgb fill) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(fill);
}

void CopyRect(Picture& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h,
              RasterOp op) {
    if (dst.IsEmpty() || src.IsEmpty()) return;
    // Clip against the source, then the destination.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, src.Width() - sx, dst.Width() - dx});
    h = std::min({h, src.Height() - sy, dst.Height() - dy});
    if (w <= 0 || h <= 0) return;

    QImage& to = dst.Image();
    const QImage& from = src.Image();
    const bool overlapping = &to == &from;
    // Rows are walked away from the overlap when a picture copies onto itself.
    const bool upwards = overlapping && dy > sy;
    for (int i = 0; i < h; ++i) {
        const int row = upwards ? h - 1 - i : i;
        auto* d = reinterpret_cast<quint32*>(to.scanLine(dy + row)) + dx;
        const auto* s = reinterpret_cast<const quint32*>(from.constScanLine(sy + row)) + sx;
        switch (op) {
        case RasterOp::Copy:
            std::memmove(d, s, static_cast<std::size_t>(w) * sizeof(quint32));
            break;
        case RasterOp::And:
            for (int x = 0; x < w; ++x) d[x] = (d[x] & s[x]) | 0xff000000u;
            break;
        case RasterOp::Or:
            for (int x = 0; x < w; ++x) d[x] = d[x] | s[x] | 0xff000000u;
            break;
        }
    }
}

}  // namespace tarnwick
