// SPDX-License-Identifier: GPL-3.0-or-later
// The button glyphs as the game finds them: compiled in under :/glyphs.
#include <QImage>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct Glyph {
    const char *name;
    int width, height;
};

const Glyph Glyphs[] = {
    {"restart.png", 20, 20},     {"load.png", 20, 20},        {"store.png", 20, 20},   {"sound.png", 20, 20},
    {"story.png", 20, 20},       {"help.png", 20, 20},        {"exit.png", 20, 20},    {"rules.png", 20, 20},
    {"info.png", 20, 20},        {"fennick.png", 26, 20},     {"riddle_help.png", 19, 19},
    {"riddle_reset.png", 19, 19}, {"riddle_esc.png", 19, 19}, {"page_prev.png", 19, 19},
    {"page_next.png", 19, 19},   {"page_ok.png", 19, 19},     {"maze_ok.png", 19, 19}, {"lang_en.png", 24, 16},
    {"lang_de.png", 24, 16},     {"about_lang.png", 24, 16},  {"about.png", 101, 77},  {"icon16.png", 16, 16},
    {"icon22.png", 22, 22},      {"icon32.png", 32, 32},      {"icon48.png", 48, 48},  {"icon64.png", 64, 64},
    {"icon128.png", 128, 128},   {"icon256.png", 256, 256},
};

bool IsButton(const Glyph &g) {
    const QString name(g.name);
    return !name.startsWith("icon") && name != "about.png";
}

QString Twin(const char *name) { return QString(":/glyphs/") + QString(name).replace(".png", "@2x.png"); }

TEST(GlyphResources, EveryButtonPictureIsCompiledInWithItsSize) {
    for (const Glyph &g : Glyphs) {
        SCOPED_TRACE(g.name);
        const QImage img(QString(":/glyphs/") + g.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), g.width);
        EXPECT_EQ(img.height(), g.height);
    }
}

// Every button picture has a twin drawn for screens of twice the density:
// twice the size, and showing the same (not a blank or another glyph).
TEST(GlyphResources, EveryButtonPictureHasItsTwiceAsDenseTwin) {
    for (const Glyph &g : Glyphs) {
        if (!IsButton(g)) continue;
        SCOPED_TRACE(g.name);
        const QImage twice(Twin(g.name));
        ASSERT_FALSE(twice.isNull());
        EXPECT_EQ(twice.size(), QSize(2 * g.width, 2 * g.height));
        const QImage plain = QImage(QString(":/glyphs/") + g.name).convertToFormat(QImage::Format_ARGB32);
        const QImage shrunk = twice.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32);
        long difference = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                difference += std::abs(qAlpha(plain.pixel(x, y)) - qAlpha(shrunk.pixel(x, y)));
        EXPECT_LT(difference, 40L * plain.width() * plain.height()) << "the twin shows something else";
    }
}

TEST(GlyphResources, ButtonPicturesAreNotBlank) {
    for (const Glyph &g : Glyphs) {
        const QImage img = QImage(QString(":/glyphs/") + g.name).convertToFormat(QImage::Format_ARGB32);
        int visible = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                visible += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(visible, img.width() * img.height() / 5) << g.name;
    }
}

}  // namespace
