// The button glyphs as the game finds them: compiled in under :/glyphs.
#include <QImage>
#include <QString>
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
    {"lang_de.png", 24, 16},     {"about_lang.png", 24, 16},  {"about.png", 101, 77},  {"icon.png", 32, 32},
    {"icon64.png", 64, 64},
};

TEST(GlyphResources, EveryButtonPictureIsCompiledInWithItsSize) {
    for (const Glyph &g : Glyphs) {
        SCOPED_TRACE(g.name);
        const QImage img(QString(":/glyphs/") + g.name);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), g.width);
        EXPECT_EQ(img.height(), g.height);
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
