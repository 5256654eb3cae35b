// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An off-screen picture: the game's drawing surface. Pictures load from BMP
// files and are combined rectangle by rectangle with copy, AND or OR, the
// way sprites and masks are laid over one another.
//
// A picture's pixels are made when they are first used: a window that the
// player never opens never holds its surfaces or its decoded pictures.
#include <QImage>
#include <QString>
#include <cstddef>

class QPainter;

namespace tarnwick {

// The game's largest picture is under a megabyte; a file far beyond that
// is no picture of ours and is not read.
constexpr std::size_t MaxPictureFileSize = 32 * 1024 * 1024;

enum class RasterOp { Copy, And, Or };

// Why a picture file could not be taken.
enum class PictureFault { None, Missing, Unreadable, NotAPicture, TooSmall };
// When a picture file's pixels are decoded.
enum class Decoding { Now, AtFirstUse };

class Picture {
public:
    Picture() = default;
    Picture(int width, int height);

    // Decodes the file now; false when it cannot be read, is no regular file
    // or is too large.
    bool LoadBmp(const QString& path);
    // Takes a BMP file that must cover at least minWidth x minHeight, decoded
    // now or at the pixels' first use (only its header is read now); on a
    // fault the picture is left as it was. Should the file go bad before its
    // first use, the picture is black at the size its header gave.
    PictureFault LoadBmpAtLeast(const QString& path, int minWidth, int minHeight,
                                Decoding when = Decoding::Now);
    // Any BMP file, decoded at its first use; false when it is no picture.
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
// Copies the w x h rectangle at (sx, sy) of src onto a widget's painter at
// (dx, dy), in the widget's own pixels (the painter scales them to the
// screen), clipped to the picture and to the painter's area.
void CopyRect(QPainter& dst, int dx, int dy, const Picture& src, int sx, int sy, int w, int h);

// A rectangle filled with one colour.
void FillRect(Picture& dst, int x, int y, int w, int h, QRgb colour);
// A line one pixel wide from (x1, y1) towards (x2, y2), the end point itself
// left out; straight lines only (horizontal or vertical).
void DrawLine(Picture& dst, int x1, int y1, int x2, int y2, QRgb colour);

// The one-pixel border of the rectangle covering x..x+w-1, y..y+h-1.
void OutlineRect(Picture& dst, int x, int y, int w, int h, QRgb colour);

// A font by family name, height in pixels and weight.
struct FontSpec {
    const char* family;
    int pixelHeight;
    bool bold = false;
};
struct TextExtent {
    int width = 0;
    int height = 0;
};
// Width and height of a text in a font, as DrawText lays it out.
TextExtent MeasureText(const FontSpec& font, const QString& text);
// Text on a transparent background, its top-left corner at (x, y).
void DrawText(Picture& dst, int x, int y, const QString& text, const FontSpec& font, QRgb colour);

}  // namespace tarnwick
