// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The room of sayings: a grid of letters that, read along a hidden path,
// spell a saying. Every clicked letter leaves the grid and joins the typed
// line below it, the saying's spaces put in by count; the room is solved
// when every letter was clicked in the order of the saying. Letters are
// characters, not bytes: an umlaut, ß or a semicolon takes one field.
#include <optional>
#include <string>
#include <vector>

#include "riddles/frame/RoomRules.h"

namespace tarnwick {

class SayingsRules : public CopyableRoom<SayingsRules, RoomRules>, public ClickRules {
public:
    // `language` is the game's language (1 German, otherwise English), read
    // whenever a level is laid out.
    explicit SayingsRules(const int& language) : language_(&language) {}
    SayingsRules(const int&&) = delete;  // the language must outlive the rules

    BiText RoomName() const override;
    BiText EntryMessage() const override;
    std::vector<BiText> RulesMessages() const override;
    bool DarkRoom() const override { return true; }
    Verdict Judge() const override;

    Steps Click(const BoardPoint& point) override;
    // The field of the saying's next letter, while every letter typed was
    // right.
    Hint NextMove() const override;

    // The letter a field shows, 0 when it shows none (any more).
    char32_t Letter(BoardCell cell) const;
    // Which letter of the saying (1-based, spaces not counted) a field
    // shows; 0 when none.
    int LetterNumber(BoardCell cell) const;
    // The field that shows letter number n, if one still does.
    std::optional<BoardCell> FieldOf(int n) const;
    // The level's saying as laid out, spaces and all.
    const std::u32string& Saying() const { return saying_; }
    // The typed line: the clicked letters, with the saying's spaces.
    const std::u32string& Spell() const { return spell_; }

    // The saying of a level in both languages.
    static BiText SayingOf(int level);
    // The characters of a UTF-8 text; a broken sequence is one U+FFFD.
    static std::u32string Characters(const char* utf8);

protected:
    void SetUpLevel(int level) override;

private:
    const int* language_;
    std::u32string saying_;
    std::u32string letters_;  // the saying without its spaces
    std::vector<int> grid_;   // per field (row by row) a letter number, 0 for none
    std::u32string typed_;
    std::u32string spell_;
    std::size_t sayingPos_ = 0;  // where in the saying the next click stands
};

}  // namespace tarnwick
