#pragma once
// An off-screen picture: the game's drawing surface. Pictures load from BMP
// files and are combined rectangle by rectangle with copy, AND or OR, the
// way sprites and masks are laid over one another.
#include <QImage>
#include <QString>

namespace tarnwick {

enum class RasterOp { Copy, And, Or };

// Why a picture file could not be taken.
enum class PictureFault { None, Missing, Unreadable, NotAPicture, TooSmall };

class Picture {
public:
    Picture() = default;
    Picture(int width, int height);

    bool LoadBmp(const QString& path);  // false when the file cannot be read
    // Loads a BMP file that must cover at least minWidth x minHeight; on a
    // fault the picture is left as it was.
    PictureFault LoadBmpAtLeast(const QString& path, int minWidth, int minHeight);
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
