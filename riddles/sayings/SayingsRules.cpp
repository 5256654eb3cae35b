// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/sayings/SayingsRules.h"

namespace tarnwick {

namespace {

constexpr int MaxColumns = 8;

struct LevelLayout {
    int columns;
    int rows;
    // The letter number of every field, top row first.
    int grid[MaxColumns][MaxColumns];
};

const LevelLayout Layouts[3] = {
    // A zigzag along the diagonals from the bottom-left field.
    {6, 6,
     {{21, 22, 30, 31, 35, 36},
      {11, 20, 23, 29, 32, 34},
      {10, 12, 19, 24, 28, 33},
      {4, 9, 13, 18, 25, 27},
      {3, 5, 8, 14, 17, 26},
      {1, 2, 6, 7, 15, 16}}},
    // A spiral out of the centre.
    {7, 7,
     {{37, 38, 39, 40, 41, 42, 43},
      {36, 17, 18, 19, 20, 21, 44},
      {35, 16, 5, 6, 7, 22, 45},
      {34, 15, 4, 1, 8, 23, 46},
      {33, 14, 3, 2, 9, 24, 47},
      {32, 13, 12, 11, 10, 25, 48},
      {31, 30, 29, 28, 27, 26, 49}}},
    // One column left and two rows down from letter to letter, round the edges.
    {8, 7,
     {{8, 15, 22, 29, 36, 43, 50, 1},
      {40, 47, 54, 5, 12, 19, 26, 33},
      {16, 23, 30, 37, 44, 51, 2, 9},
      {48, 55, 6, 13, 20, 27, 34, 41},
      {24, 31, 38, 45, 52, 3, 10, 17},
      {56, 7, 14, 21, 28, 35, 42, 49},
      {32, 39, 46, 53, 4, 11, 18, 25}}},
};

const LevelLayout& LayoutOf(int level) { return Layouts[level >= 1 && level <= 3 ? level - 1 : 0]; }

}  // namespace

BiText SayingsRules::RoomName() const { return {"Kammer der Sprüche", "Room of sayings"}; }

BiText SayingsRules::EntryMessage() const {
    return {"Du stehst vor der Kammer der Sprüche. Versprich Dich nicht!",
            "You want to enter the room of sayings. Don't make a slip of the tongue."};
}

std::vector<BiText> SayingsRules::RulesMessages() const {
    return {{"Nur wenn Du den Pfad richtig erkennst, wird Dir die tiefe Weisheit der Sprüche zuteil.",
             "Only if you see the correct path, you will recognize the meaning of the sayings."}};
}

BiText SayingsRules::SayingOf(int level) {
    switch (level) {
    case 2:
        return {"Ein Spatz in der Hand ist besser als eine Taube über dem Kopf",
                "Could you ever make out what those damned letters stand for"};
    case 3:
        return {"Müßiggang hat Gold im Mund und Morgenstund ist aller Laster Anfang",
                "Begin at the beginning and go on until you come to the end; then stop."};
    default:
        return {"Der Krug geht solang zum Mund bis man bricht", "Life is not always as simple as mathematics"};
    }
}

std::u32string SayingsRules::Characters(const char* utf8) {
    std::u32string text;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (p && *p) {
        const unsigned char lead = *p;
        // How many continuation bytes the lead byte announces; -1: none fits.
        const int more = lead < 0x80             ? 0
                         : (lead & 0xe0) == 0xc0 ? 1
                         : (lead & 0xf0) == 0xe0 ? 2
                         : (lead & 0xf8) == 0xf0 ? 3
                                                 : -1;
        char32_t code = more == 0 ? lead : lead & (0x7fu >> (more + 1));
        int taken = 1;
        while (more > 0 && taken <= more && (p[taken] & 0xc0) == 0x80) code = (code << 6) | (p[taken++] & 0x3fu);
        text.push_back(more >= 0 && taken == more + 1 ? code : U'\uFFFD');
        p += taken;
    }
    return text;
}

void SayingsRules::SetUpLevel(int level) {
    const LevelLayout& layout = LayoutOf(level);
    SetGeometry({150 - 16 * layout.columns, 180 - 16 * layout.rows, layout.columns, layout.rows});
    const BiText saying = SayingOf(level);
    saying_ = Characters(*language_ == 1 ? saying.german : saying.english);
    letters_.clear();
    for (char32_t c : saying_)
        if (c != U' ') letters_.push_back(c);
    grid_.clear();
    for (int r = 0; r < layout.rows; ++r)
        for (int c = 0; c < layout.columns; ++c) grid_.push_back(layout.grid[r][c]);
    typed_.clear();
    spell_.clear();
    sayingPos_ = 0;
}

int SayingsRules::LetterNumber(BoardCell cell) const {
    const BoardGeometry& g = Geometry();
    if (!g.OnBoard(cell)) return 0;
    return grid_[static_cast<std::size_t>(cell.row * g.columns + cell.col)];
}

char32_t SayingsRules::Letter(BoardCell cell) const {
    const int n = LetterNumber(cell);
    // A saying shorter than its grid leaves the last fields blank.
    return n > 0 && static_cast<std::size_t>(n) <= letters_.size() ? letters_[static_cast<std::size_t>(n - 1)] : 0;
}

Steps SayingsRules::Click(const BoardPoint& point) {
    const char32_t letter = Letter(point.cell);
    if (letter == 0) return {};
    typed_.push_back(letter);
    spell_.push_back(letter);
    // The saying's spaces follow its words by count, whatever was clicked;
    // after the last letter there is nothing more to read.
    ++sayingPos_;
    if (sayingPos_ < saying_.size() && saying_[sayingPos_] == U' ') {
        spell_.push_back(U' ');
        ++sayingPos_;
    }
    const BoardGeometry& g = Geometry();
    grid_[static_cast<std::size_t>(point.cell.row * g.columns + point.cell.col)] = 0;
    CountMove();
    return {steps::Extras(), steps::PlayCue(CueAccepted), steps::Cell(point.cell), steps::Judge()};
}

Verdict SayingsRules::Judge() const { return SolvedIf(typed_ == letters_); }

std::optional<BoardCell> SayingsRules::FieldOf(int n) const {
    const BoardGeometry& g = Geometry();
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (LetterNumber({c, r}) == n) return BoardCell{c, r};
    return std::nullopt;
}

Hint SayingsRules::NextMove() const {
    if (typed_ == letters_) return Hint::Of(Hint::Solved);
    // A wrong letter typed can never be taken out again.
    if (typed_.size() >= letters_.size() || letters_.compare(0, typed_.size(), typed_) != 0)
        return Hint::Of(Hint::NoWay);
    const int next = static_cast<int>(typed_.size()) + 1;
    if (const auto field = FieldOf(next)) return Hint::Click(*field);
    // Its own field went for the same letter earlier on: another field
    // showing that letter serves as well.
    const BoardGeometry& g = Geometry();
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.columns; ++c)
            if (Letter({c, r}) == letters_[typed_.size()]) return Hint::Click({c, r});
    return Hint::Of(Hint::NoWay);
}

}  // namespace tarnwick
