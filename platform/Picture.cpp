#include "platform/Picture.h"

#include <QImageReader>
#include <algorithm>
#include <cstring>

namespace tarnwick {

Picture::Picture(int width, int height) { Create(width, height); }

bool Picture::LoadBmp(const QString& path) {
    QImage loaded;
    if (!loaded.load(path, "BMP")) return false;
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
    pendingFile_.clear();
    width_ = image_.width();
    height_ = image_.height();
    return !image_.isNull();
}

bool Picture::LoadBmpOnFirstUse(const QString& path) {
    QImageReader reader(path, "BMP");
    const QSize size = reader.canRead() ? reader.size() : QSize();
    if (size.isEmpty()) return false;
    image_ = QImage();
    pendingFile_ = path;
    fill_ = 0xff000000;
    width_ = size.width();
    height_ = size.height();
    return true;
}

void Picture::Create(int width, int height, QRgb fill) {
    image_ = QImage();
    pendingFile_.clear();
    fill_ = fill;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
}

void Picture::MakePixels() const {
    if (!image_.isNull() || width_ <= 0 || height_ <= 0) return;
    if (!pendingFile_.isEmpty()) {
        QImage loaded;
        if (loaded.load(pendingFile_, "BMP") && loaded.size() == QSize(width_, height_))
            image_ = loaded.convertToFormat(QImage::Format_RGB32);
        pendingFile_.clear();
        if (!image_.isNull()) return;
    }
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(fill_);
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
