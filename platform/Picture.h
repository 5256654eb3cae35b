#pragma once
// An off-screen picture: the game's drawing surface. Pictures load from BMP
// files and are combined rectangle by rectangle with copy, AND or OR, the
// way sprites and masks are laid over one another.
//
// A picture's pixels are made when they are first used: a window that the
// player never opens never holds its surfaces or its decoded pictures.
#include <QImage>
#include <QString>

namespace tarnwick {

enum class RasterOp { Copy, And, Or };

class Picture {
public:
    Picture() = default;
    Picture(int width, int height);

    // Decodes the file now; false when it cannot be read.
    bool LoadBmp(const QString& path);
    // Reads only the file's header now and decodes the pixels at their first
    // use; false when the file is missing or no readable BMP. Should the file
    // go bad in between, the picture is black at the size its header gave.
    bool LoadBmpOnFirstUse(const QString& path);
    // A picture of one colour, made at its first use.
    void Create(int width, int height, QRgb fill = 0xff000000);
    bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    QRgb PixelAt(int x, int y) const { return Image().pixel(x, y); }
    // Whether the pixels have been made (or decoded) yet.
    bool HasPixels() const { return !image_.isNull(); }

    QImage& Image() {
        MakePixels();
        return image_;
    }
    const QImage& Image() const {
        MakePixels();
        return image_;
    }

private:
    void MakePixels() const;

    // The pixels are made on first use, also through a const picture.
    mutable QImage image_;
    mutable QString pendingFile_;  // still to decode
    QRgb fill_ = 0xff000000;
    int width_ = 0;
    int height_ = 0;
};

// Combines the w x h rectangle at (sx, sy) of src into dst at (dx, dy),
// clipped to both pictures.
void CopyRect(Picture& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h,
              RasterOp op = RasterOp::Copy);

}  // namespace tarnwick
