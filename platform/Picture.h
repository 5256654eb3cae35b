#pragma once
// An off-screen picture: the game's drawing surface. Pictures load from BMP
// files and are combined rectangle by rectangle with copy, AND or OR, the
// way sprites and masks are laid over one another.
#include <QImage>
#include <QString>
#include <cstddef>

namespace tarnwick {

// The game's largest picture is under a megabyte; a file far beyond that
// is no picture of ours and is not read.
constexpr std::size_t MaxPictureFileSize = 32 * 1024 * 1024;

enum class RasterOp { Copy, And, Or };

class Picture {
public:
    Picture() = default;
    Picture(int width, int height);

    // False when the file cannot be read, is no regular file or is too large.
    bool LoadBmp(const QString& path);
    void Create(int width, int height, QRgb fill = 0xff000000);
    bool IsEmpty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QRgb PixelAt(int x, int y) const { return image_.pixel(x, y); }

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// Combines the w x h rectangle at (sx, sy) of src into dst at (dx, dy),
// clipped to both pictures.
void CopyRect(Picture& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h,
              RasterOp op = RasterOp::Copy);

}  // namespace tarnwick
