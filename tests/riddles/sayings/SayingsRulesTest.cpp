// SPDX-License-Identifier: GPL-3.0-or-later
// The room of sayings: the letter grids, the typed line and its spaces,
// both languages, letters counted as characters.
#include <gtest/gtest.h>

#include <cstdlib>

#include "riddles/sayings/SayingsRules.h"

namespace tarnwick {
namespace {

// The game's language as the rules read it.
const int English = 0;
const int German = 1;

BoardPoint At(BoardCell cell) { return {cell, 16, 16}; }

// The field showing letter number n; there must be one.
BoardCell FieldOf(const SayingsRules& room, int n) {
    const auto field = room.FieldOf(n);
    EXPECT_TRUE(field) << "no field shows letter " << n;
    return field.value_or(BoardCell{});
}

TEST(SayingsRules, ClickingInTheOrderOfTheGridSpellsTheSayingInBothLanguages) {
    const int cells[] = {0, 36, 49, 56};
    for (const int language : {1, 0}) {
        for (int level = 1; level <= 3; ++level) {
            SayingsRules room(language);
            room.InitLevel(level);
            const BiText saying = SayingsRules::SayingOf(level);
            const std::u32string expected = SayingsRules::Characters(language == 1 ? saying.german : saying.english);
            ASSERT_EQ(room.Saying(), expected);
            ASSERT_EQ(room.Geometry().Cells(), cells[level]);
            for (int n = 1; n <= cells[level]; ++n) {
                EXPECT_EQ(room.Judge(), Verdict::Unsolved);
                const BoardCell field = FieldOf(room, n);
                EXPECT_EQ(room.Click(At(field)),
                          (Steps{steps::Extras(), steps::PlayCue(9), steps::Cell(field), steps::Judge()}));
                EXPECT_EQ(room.Letter(field), 0u);
            }
            EXPECT_EQ(room.Spell(), expected) << "language " << language << " level " << level;
            EXPECT_EQ(room.Judge(), Verdict::Solved);
        }
    }
}

TEST(SayingsRules, EveryLetterIsOneField) {
    SayingsRules german(German), english(English);
    german.InitLevel(1);
    EXPECT_EQ(german.Letter({0, 5}), U'D');
    EXPECT_EQ(german.Letter({1, 5}), U'e');
    EXPECT_EQ(german.Letter({0, 4}), U'r');

    german.InitLevel(3);
    EXPECT_EQ(german.Letter(FieldOf(german, 2)), U'ü');
    EXPECT_EQ(german.Letter(FieldOf(german, 3)), U'ß');
    EXPECT_EQ(german.Letter(FieldOf(german, 56)), U'g');
    english.InitLevel(3);
    EXPECT_EQ(english.Letter(FieldOf(english, 47)), U';');
    EXPECT_EQ(english.Letter(FieldOf(english, 56)), U'.');

    EXPECT_EQ(SayingsRules::Characters("a\xc3\xbc\xc3"), (std::u32string{U'a', U'ü', U'\uFFFD'}));
    EXPECT_EQ(SayingsRules::Characters("\xff" "b"), (std::u32string{U'\uFFFD', U'b'}));
}

TEST(SayingsRules, TheGridsFollowTheirPaths) {
    SayingsRules room(English);
    for (int level = 1; level <= 3; ++level) {
        room.InitLevel(level);
        const int cells = room.Geometry().Cells();
        for (int n = 1; n < cells; ++n) {
            const BoardCell a = FieldOf(room, n), b = FieldOf(room, n + 1);
            if (level == 3) {
                // One column left and two rows down, round the edges.
                EXPECT_EQ(b, (BoardCell{(a.col + 7) % 8, (a.row + 2) % 7})) << n;
            } else {
                EXPECT_LE(std::max(std::abs(a.col - b.col), std::abs(a.row - b.row)), 1) << level << ": " << n;
            }
        }
    }
    EXPECT_EQ(room.Geometry().left, 22);
    EXPECT_EQ(room.Geometry().top, 68);
}

TEST(SayingsRules, SpacesComeByCountAndNothingIsReadPastTheEnd) {
    SayingsRules room(English);
    room.InitLevel(1);  // "Life is not always ..."
    const BoardCell last = FieldOf(room, 36);
    // Wrong letters still get the saying's spaces: "Lif" + "s" gives "Lifs ".
    for (int n : {1, 2, 3}) room.Click(At(FieldOf(room, n)));
    room.Click(At(last));
    EXPECT_EQ(room.Spell(), U"Lifs ");
    // A field already clicked does nothing.
    EXPECT_TRUE(room.Click(At(last)).empty());
    EXPECT_EQ(room.Spell(), U"Lifs ");
    // All letters clicked, the wrong one among them: unsolved, and the
    // line is just as long as the saying.
    for (int n = 4; n < 36; ++n) room.Click(At(FieldOf(room, n)));
    EXPECT_EQ(room.Spell().size(), room.Saying().size());
    EXPECT_EQ(room.Judge(), Verdict::Unsolved);
}

TEST(SayingsRules, LikeLettersMayBeClickedInEitherOrder) {
    SayingsRules room(German);
    room.InitLevel(1);  // "Der Krug geht ..." : the two r of "Der Krug"
    ASSERT_EQ(room.Letter(FieldOf(room, 3)), U'r');
    ASSERT_EQ(room.Letter(FieldOf(room, 5)), U'r');
    for (int n : {1, 2, 5, 4, 3}) room.Click(At(FieldOf(room, n)));
    for (int n = 6; n <= 36; ++n) room.Click(At(FieldOf(room, n)));
    EXPECT_EQ(room.Judge(), Verdict::Solved);
}

TEST(SayingsRules, TheLanguageOfEachLayingOutCounts) {
    int language = 1;
    SayingsRules room(language);
    room.InitLevel(2);
    EXPECT_EQ(room.Letter(FieldOf(room, 1)), U'E');
    language = 0;
    EXPECT_EQ(room.Letter(FieldOf(room, 1)), U'E');  // until the next laying out
    room.InitLevel(2);
    EXPECT_EQ(room.Letter(FieldOf(room, 1)), U'C');
    EXPECT_EQ(room.Letter({3, 3}), U'C');  // the same grid
}

}  // namespace
}  // namespace tarnwick
