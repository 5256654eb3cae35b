// SPDX-License-Identifier: GPL-3.0-or-later
// The raster operations every sprite, mask and scroll is built from.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/Picture.h"
#include "platform/RegularFile.h"
#include "support/OddFiles.h"

namespace tarnwick {
namespace {

Picture Filled(int w, int h, QRgb colour) {
    Picture p;
    p.Create(w, h, colour);
    return p;
}

TEST(Picture, MaskAndSpriteLayABallOverWhateverIsBeneath) {
    // A 2 x 1 sprite: black outside (left), red inside (right); its mask is
    // white outside and black inside.
    Picture sprite = Filled(2, 1, 0xff000000);
    sprite.Image().setPixel(1, 0, 0xffff0000);
    Picture mask = Filled(2, 1, 0xffffffff);
    mask.Image().setPixel(1, 0, 0xff000000);

    Picture screen = Filled(4, 1, 0xff336699);
    CopyRect(screen, 1, 0, mask, 0, 0, 2, 1, RasterOp::And);
    CopyRect(screen, 1, 0, sprite, 0, 0, 2, 1, RasterOp::Or);
    EXPECT_EQ(screen.PixelAt(0, 0), 0xff336699u);  // untouched
    EXPECT_EQ(screen.PixelAt(1, 0), 0xff336699u);  // shows through the mask
    EXPECT_EQ(screen.PixelAt(2, 0), 0xffff0000u);  // the ball
    EXPECT_EQ(screen.PixelAt(3, 0), 0xff336699u);
}

TEST(Picture, CopiesAreClippedToBothPictures) {
    Picture src = Filled(4, 4, 0xff00ff00);
    Picture dst = Filled(3, 3, 0xff000000);
    CopyRect(dst, 2, 2, src, 0, 0, 4, 4);    // hangs over the right and bottom
    CopyRect(dst, -1, -1, src, 0, 0, 2, 2);  // hangs over the left and top
    CopyRect(dst, 0, 0, src, 3, 3, 9, 9);    // source runs out
    CopyRect(dst, 5, 5, src, 0, 0, 2, 2);    // wholly outside
    CopyRect(dst, 0, 2, src, -3, 0, 4, 1);   // source starts left of the picture
    EXPECT_EQ(dst.PixelAt(2, 2), 0xff00ff00u);
    EXPECT_EQ(dst.PixelAt(0, 0), 0xff00ff00u);
    EXPECT_EQ(dst.PixelAt(1, 0), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(0, 1), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(0, 2), 0xff000000u);
    EXPECT_EQ(dst.PixelAt(1, 1), 0xff000000u);
    Picture empty;
    CopyRect(empty, 0, 0, src, 0, 0, 2, 2);  // nothing to draw on: nothing happens
    CopyRect(dst, 0, 0, empty, 0, 0, 2, 2);
}

TEST(Picture, APictureScrollsOntoItselfWithoutSmearing) {
    // A column of four distinct rows moved down by one and up by one, and a
    // row moved right by one: each comes out as a clean shift.
    Picture p = Filled(1, 4, 0);
    for (int y = 0; y < 4; ++y) p.Image().setPixel(0, y, 0xff000000u | static_cast<QRgb>(y + 1));
    CopyRect(p, 0, 1, p, 0, 0, 1, 3);
    EXPECT_EQ(p.PixelAt(0, 1) & 0xff, 1u);
    EXPECT_EQ(p.PixelAt(0, 2) & 0xff, 2u);
    EXPECT_EQ(p.PixelAt(0, 3) & 0xff, 3u);
    CopyRect(p, 0, 0, p, 0, 1, 1, 3);
    EXPECT_EQ(p.PixelAt(0, 0) & 0xff, 1u);
    EXPECT_EQ(p.PixelAt(0, 2) & 0xff, 3u);

    Picture row = Filled(4, 1, 0);
    for (int x = 0; x < 4; ++x) row.Image().setPixel(x, 0, 0xff000000u | static_cast<QRgb>(x + 1));
    CopyRect(row, 1, 0, row, 0, 0, 3, 1);
    EXPECT_EQ(row.PixelAt(1, 0) & 0xff, 1u);
    EXPECT_EQ(row.PixelAt(3, 0) & 0xff, 3u);
}

TEST(Picture, AMissingOrDamagedFileLoadsNothing) {
    Picture p;
    EXPECT_FALSE(p.LoadBmp("/nonexistent/b5.bmp"));
    EXPECT_TRUE(p.IsEmpty());
    EXPECT_FALSE(p.LoadBmp("/proc/self/status"));
}

TEST(Picture, LinesLeaveOutTheirEndPointAndFillsAreClipped) {
    constexpr QRgb Black = 0xff000000, White = 0xffffffff;
    Picture p = Filled(6, 6, Black);
    DrawLine(p, 1, 1, 1, 4, White);  // down: rows 1..3
    DrawLine(p, 5, 5, 2, 5, White);  // leftwards: columns 3..5
    EXPECT_EQ(p.PixelAt(1, 1), White);
    EXPECT_EQ(p.PixelAt(1, 3), White);
    EXPECT_EQ(p.PixelAt(1, 4), Black);
    EXPECT_EQ(p.PixelAt(2, 5), Black);
    EXPECT_EQ(p.PixelAt(3, 5), White);
    EXPECT_EQ(p.PixelAt(5, 5), White);

    Picture q = Filled(4, 4, Black);
    FillRect(q, -2, -2, 4, 4, White);  // only (0..1, 0..1) lies inside
    FillRect(q, 9, 9, 3, 3, White);    // wholly outside
    EXPECT_EQ(q.PixelAt(1, 1), White);
    EXPECT_EQ(q.PixelAt(2, 2), Black);
    OutlineRect(q, 1, 1, 3, 3, 0xffff0000);
    EXPECT_EQ(q.PixelAt(3, 3), 0xffff0000u);
    EXPECT_EQ(q.PixelAt(2, 2), Black);  // the inside is left alone
}

TEST(Picture, PixelsAreMadeAtTheirFirstUse) {
    Picture p;
    p.Create(400, 300, 0xff123456);
    EXPECT_FALSE(p.HasPixels());
    EXPECT_FALSE(p.IsEmpty());
    EXPECT_EQ(p.Width(), 400);
    EXPECT_EQ(p.Height(), 300);
    const Picture& seen = p;
    EXPECT_EQ(seen.PixelAt(399, 299), 0xff123456u);  // also through a const picture
    EXPECT_TRUE(p.HasPixels());

    // Drawn into before anything else: the colour is there around the drawing.
    Picture target;
    target.Create(3, 1, 0xff0000ffu);
    CopyRect(target, 1, 0, p, 0, 0, 1, 1);
    EXPECT_EQ(target.PixelAt(0, 0), 0xff0000ffu);
    EXPECT_EQ(target.PixelAt(1, 0), 0xff123456u);
}

class PictureFile : public ::testing::Test {
protected:
    std::string Path(const char* name) const {
        return (std::filesystem::temp_directory_path() /
                ("tarnwick_picture_" + std::to_string(::getpid()) + "_" + name))
            .string();
    }
    QString Write(const char* name, const QByteArray& bytes) {
        const std::string path = Path(name);
        written_.push_back(path);
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
        return QString::fromStdString(path);
    }
    static QByteArray Bmp(int w, int h, QRgb colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes;
    }
    void TearDown() override {
        for (const auto& path : written_) std::remove(path.c_str());
    }
    std::vector<std::string> written_;
};

TEST_F(PictureFile, AFileCheckedAtOnceIsDecodedAtItsFirstUse) {
    const QString path = Write("good.bmp", Bmp(64, 48, 0xff00ff00));
    Picture p;
    ASSERT_TRUE(p.LoadBmpOnFirstUse(path));
    EXPECT_FALSE(p.HasPixels());
    EXPECT_EQ(p.Width(), 64);
    EXPECT_EQ(p.Height(), 48);
    EXPECT_EQ(p.PixelAt(63, 47), 0xff00ff00u);
    EXPECT_TRUE(p.HasPixels());
}

TEST_F(PictureFile, WhatIsNoPictureIsTurnedAwayAtTheCheck) {
    Picture p;
    EXPECT_FALSE(p.LoadBmpOnFirstUse("/nonexistent/b1.bmp"));
    EXPECT_FALSE(p.LoadBmpOnFirstUse(Write("text.bmp", "BM but no picture at all")));
    EXPECT_FALSE(p.LoadBmpOnFirstUse(Write("empty.bmp", QByteArray())));
    EXPECT_TRUE(p.IsEmpty());
}

TEST_F(PictureFile, AFileThatGoesBadBeforeItsFirstUseGivesABlackPicture) {
    const QByteArray good = Bmp(64, 48, 0xffff0000);
    const QString path = Write("later.bmp", good);
    Picture cut, replaced;
    ASSERT_TRUE(cut.LoadBmpOnFirstUse(path));
    ASSERT_TRUE(replaced.LoadBmpOnFirstUse(path));
    Write("later.bmp", good.left(200));
    EXPECT_EQ(cut.PixelAt(10, 40), 0xff000000u);
    EXPECT_EQ(cut.Width(), 64);
    Write("later.bmp", Bmp(8, 8, 0xffffffff));  // another size than checked
    EXPECT_EQ(replaced.PixelAt(63, 47), 0xff000000u);
    EXPECT_EQ(replaced.Height(), 48);
}

// Pictures of every width (rows padded to four bytes or not), tall enough
// to span several bands, and of other kinds than the game's own, decode to
// exactly what Qt's own reader makes of them; one cut short is no picture
// (Qt would leave its missing rows undefined).
TEST_F(PictureFile, EveryBmpDecodesAsQtReadsIt) {
    struct Case {
        int w, h;
        QImage::Format format;
        int cut;  // bytes cut off the file's end
    };
    const Case cases[] = {{1, 1, QImage::Format_RGB32, 0},   {2, 3, QImage::Format_RGB32, 0},
                          {3, 17, QImage::Format_RGB32, 0},  {5, 33, QImage::Format_RGB32, 0},
                          {594, 162, QImage::Format_RGB32, 0}, {7, 5, QImage::Format_Indexed8, 0},
                          {9, 40, QImage::Format_RGB32, 30}};
    for (const Case& c : cases) {
        QImage noise(c.w, c.h, QImage::Format_RGB32);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) noise.setPixel(x, y, qRgb(x * 37 + y, y * 91 + x * 3, (x ^ y) * 13));
        if (c.format != QImage::Format_RGB32) noise = noise.convertToFormat(c.format);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(noise.save(&buffer, "BMP"));
        const QString path = Write("kinds.bmp", bytes.left(bytes.size() - c.cut));
        QImage expected = c.cut ? QImage() : QImage(path, "BMP");
        if (!expected.isNull()) expected = expected.convertToFormat(QImage::Format_RGB32);
        Picture p;
        SCOPED_TRACE(::testing::Message() << c.w << "x" << c.h << " format " << c.format << " cut " << c.cut);
        EXPECT_EQ(p.LoadBmp(path), !expected.isNull());
        if (!expected.isNull()) {
            EXPECT_TRUE(p.Image() == expected);
        }
    }
}

TEST(Picture, OnlyAPictureSizedRegularFileIsRead) {
    using namespace testing;
    const fs::path dir = fs::temp_directory_path() / ("tarnwick-pictures-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    Picture small = Filled(3, 2, 0xff102030);
    ASSERT_TRUE(small.Image().save(QString::fromStdString((dir / "good.bmp").string()), "BMP"));

    const struct {
        const char* name;
        Maker make;
    } odd[] = {
        {"FIFO", Fifo},
        {"link to /dev/zero", LinkTo("/dev/zero")},
        {"link to /dev/urandom", LinkTo("/dev/urandom")},
        {"folder", Folder},
        {"looping link", LinkLoop},
        {"huge", Sparse(MaxPictureFileSize + 1, "BM")},
        {"empty", Sparse(0)},
    };
    int n = 0;
    for (const auto& c : odd) {
        const fs::path at = dir / ("odd" + std::to_string(++n) + ".bmp");
        c.make(at);
        Picture picture = Filled(1, 1, 0xff000000);
        const Watchdog watchdog(std::string("loading a picture that is a ") + c.name, std::chrono::seconds(20));
        EXPECT_FALSE(picture.LoadBmp(QString::fromStdString(at.string()))) << c.name;
        // Nor is it taken to be decoded later, nor handed on as a sound.
        EXPECT_FALSE(picture.LoadBmpOnFirstUse(QString::fromStdString(at.string()))) << c.name;
        if (std::string(c.name) != "huge" && std::string(c.name) != "empty") {
            EXPECT_FALSE(IsRegularFile(at.string())) << c.name;
        }
    }
    EXPECT_TRUE(IsRegularFile((dir / "good.bmp").string()));
    Picture picture;
    ASSERT_TRUE(picture.LoadBmp(QString::fromStdString((dir / "good.bmp").string())));
    EXPECT_EQ(picture.PixelAt(2, 1), 0xff102030u);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tarnwick
