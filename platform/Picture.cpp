// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Picture.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <optional>
#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "platform/ReadPicture.h"

namespace tarnwick {

Picture::Picture(int width, int height) { Create(width, height); }

namespace {
std::uint32_t Little(const unsigned char* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
    return value;
}

// The kind of BMP the game's own pictures are (uncompressed, 24 bits a
// pixel), read a band of rows at a time straight into the picture: several
// times faster than the general reader, which matters for the labyrinth on
// the first frame. Nothing for another kind of BMP, which the general
// reader then takes; a null image for a picture of this kind cut short,
// whose missing rows the general reader would leave undefined.
std::optional<QImage> DecodePlainBmp(int fd, std::size_t fileSize) {
    unsigned char head[54];
    if (::pread(fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head)) return {};
    const std::uint32_t offset = Little(head + 10, 4), infoSize = Little(head + 14, 4);
    const auto width = static_cast<std::int32_t>(Little(head + 18, 4));
    const auto height = static_cast<std::int32_t>(Little(head + 22, 4));
    if (head[0] != 'B' || head[1] != 'M' || (infoSize != 40 && infoSize != 108 && infoSize != 124) ||
        Little(head + 26, 2) != 1 || Little(head + 28, 2) != 24 || Little(head + 30, 4) != 0 || width <= 0 ||
        width > 32768 || height <= 0 || height > 32768 || offset < 14 + infoSize)
        return {};
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offset + stride * static_cast<std::size_t>(height) > fileSize) return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    constexpr int BandRows = 16;
    std::vector<unsigned char> band(stride * BandRows);
    for (int first = 0; first < height; first += BandRows) {
        const int rows = std::min(BandRows, height - first);
        // Rows are stored bottom up: the band's last row comes first.
        const std::size_t at = offset + stride * static_cast<std::size_t>(height - first - rows);
        if (::pread(fd, band.data(), stride * rows, static_cast<off_t>(at)) != static_cast<ssize_t>(stride * rows))
            return QImage();
        for (int i = 0; i < rows; ++i) {
            const unsigned char* from = band.data() + stride * static_cast<std::size_t>(rows - 1 - i);
            auto* to = reinterpret_cast<QRgb*>(image.scanLine(first + i));
            for (int x = 0; x < width; ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
        }
    }
    return image;
}

// Only a regular file of a picture's size is read: a FIFO or a device put in
// place of a picture must not hold the game up (it is opened without
// waiting and left unread). The pixels are decoded straight from the file,
// with no copy of it in memory. A null image when it cannot be read or is
// no BMP picture.
QImage DecodeBmp(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::size_t>(status.st_size) > MaxPictureFileSize) {
        ::close(fd);
        return {};
    }
    if (std::optional<QImage> plain = DecodePlainBmp(fd, static_cast<std::size_t>(status.st_size))) {
        ::close(fd);
        return *plain;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    QImage loaded = ReadPicture(&file, "BMP");
    if (loaded.isNull()) return {};
    return loaded.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

bool Picture::LoadBmp(const QString& path) {
    QImage loaded = DecodeBmp(path);
    if (loaded.isNull()) return false;
    image_ = std::move(loaded);
    pendingFile_.clear();
    width_ = image_.width();
    height_ = image_.height();
    return true;
}

PictureFault Picture::LoadBmpAtLeast(const QString& path, int minWidth, int minHeight, Decoding when) {
    const QFileInfo file(path);
    if (!file.exists()) return PictureFault::Missing;
    // Only regular files: a FIFO or a device must not hold the game up.
    if (!file.isFile() || !file.isReadable()) return PictureFault::Unreadable;
    const QSize size = PictureSize(path, "BMP");
    if (size.isEmpty()) return PictureFault::NotAPicture;
    if (size.width() < minWidth || size.height() < minHeight) return PictureFault::TooSmall;
    if (when == Decoding::Now) return LoadBmp(path) ? PictureFault::None : PictureFault::NotAPicture;
    image_ = QImage();
    pendingFile_ = path;
    fill_ = 0xff000000;
    width_ = size.width();
    height_ = size.height();
    return PictureFault::None;
}

bool Picture::LoadBmpOnFirstUse(const QString& path) {
    return LoadBmpAtLeast(path, 1, 1, Decoding::AtFirstUse) == PictureFault::None;
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
        QImage loaded = DecodeBmp(pendingFile_);
        if (loaded.size() == QSize(width_, height_)) image_ = std::move(loaded);
        pendingFile_.clear();
        if (!image_.isNull()) return;
    }
    image_ = QImage(width_, height_, QImage::Format_RGB32);
    image_.fill(fill_);
}

namespace {
// Cuts a copy's rectangle down to the part that lies inside the source
// picture, moving its place in the destination along; false when nothing
// is left.
bool ClipToSource(const Picture& src, int& dx, int& dy, int& sx, int& sy, int& w, int& h) {
    if (src.IsEmpty()) return false;
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    return w > 0 && h > 0;
}
}  // namespace

void CopyRect(Picture& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h,
              RasterOp op) {
    if (dst.IsEmpty()) return;
    // Clip against the source, then the destination.
    if (!ClipToSource(src, dx, dy, sx, sy, w, h)) return;
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min(w, dst.Width() - dx);
    h = std::min(h, dst.Height() - dy);
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

void CopyRect(QPainter& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h) {
    if (!ClipToSource(src, dx, dy, sx, sy, w, h)) return;
    dst.drawImage(QPoint(dx, dy), src.Image(), QRect(sx, sy, w, h));
}

void FillRect(Picture& dst, int x, int y, int w, int h, QRgb colour) {
    if (dst.IsEmpty()) return;
    const QRect area = QRect(x, y, w, h).intersected(dst.Image().rect());
    for (int row = area.top(); row <= area.bottom() && !area.isEmpty(); ++row) {
        auto* d = reinterpret_cast<quint32*>(dst.Image().scanLine(row));
        std::fill(d + area.left(), d + area.left() + area.width(), colour | 0xff000000u);
    }
}

void DrawLine(Picture& dst, int x1, int y1, int x2, int y2, QRgb colour) {
    if (x1 == x2) {
        FillRect(dst, x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1), colour);
    } else if (y1 == y2) {
        FillRect(dst, std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1, colour);
    }
}

void OutlineRect(Picture& dst, int x, int y, int w, int h, QRgb colour) {
    FillRect(dst, x, y, w, 1, colour);
    FillRect(dst, x, y + h - 1, w, 1, colour);
    FillRect(dst, x, y, 1, h, colour);
    FillRect(dst, x + w - 1, y, 1, h, colour);
}

namespace {
QFont ToQFont(const FontSpec& spec) {
    QFont font(spec.family);
    font.setPixelSize(spec.pixelHeight);
    font.setBold(spec.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
}  // namespace

TextExtent MeasureText(const FontSpec& font, const QString& text) {
    const QFontMetrics metrics(ToQFont(font));
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void DrawText(Picture& dst, int x, int y, const QString& text, const FontSpec& font, QRgb colour) {
    if (dst.IsEmpty()) return;
    QPainter painter(&dst.Image());
    painter.setFont(ToQFont(font));
    painter.setPen(QColor::fromRgb(colour));
    const QFontMetrics metrics(painter.font());
    painter.drawText(x, y + metrics.ascent(), text);
}

}  // namespace tarnwick
