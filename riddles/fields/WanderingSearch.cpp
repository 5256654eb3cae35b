// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/fields/WanderingSearch.h"

#include <algorithm>
#include <unordered_map>

#include "riddles/fields/WalkPaths.h"

namespace tarnwick {

namespace {

using walk::Bit;
using walk::Fields;
using walk::FileA;
using walk::FileH;

constexpr int Offsets[4] = {1, -1, 8, -8};  // east, west, south, north

// The lines (rows or columns) in a mask of eight.
int LineCount(unsigned lines) {
    static constexpr auto Counts = [] {
        std::array<std::uint8_t, 256> counts{};
        for (unsigned m = 1; m < 256; ++m) counts[m] = static_cast<std::uint8_t>(counts[m & (m - 1)] + 1);
        return counts;
    }();
    return Counts[lines & 0xff];
}

// Whether `runsLeft` runs may pass every field of `fields`, given the
// steps each field may still take (`links`): a field with no step along
// its row lies on a run down its column, one with no step along its column
// on a run along its row; a row without a run along it has each of its
// fields on a run down that field's column, and likewise for columns. Runs
// alternate, so k runs one way make at least 2k - 1.
bool RunsSuffice(Fields fields, const std::array<Fields, 64>& links, int runsLeft) {
    // The most runs one way that runsLeft alternating runs can hold.
    const int most = (runsLeft + 1) / 2;
    unsigned rowFields[8], columnFields[8] = {}, needRow = 0, needColumn = 0, rows = 0, columns = 0;
    for (int r = 0; r < 8; ++r) {
        rowFields[r] = static_cast<unsigned>((fields >> (8 * r)) & 0xff);
        if (rowFields[r]) rows |= 1u << r;
        for (int c = 0; c < 8; ++c)
            if (rowFields[r] >> c & 1) columnFields[c] |= 1u << r;
    }
    for (int c = 0; c < 8; ++c)
        if (columnFields[c]) columns |= 1u << c;
    if (LineCount(rows) <= most && LineCount(columns) <= most) return true;  // a run along every line
    for (Fields x = fields; x; x &= x - 1) {
        const int v = std::countr_zero(x);
        if (!(links[v] & (((Bit(v) << 1) & ~FileA) | ((Bit(v) >> 1) & ~FileH)))) needColumn |= 1u << (v % 8);
        if (!(links[v] & ((Bit(v) << 8) | (Bit(v) >> 8)))) needRow |= 1u << (v / 8);
    }
    // Runs along `lines` (those in `need` at least, any others chosen),
    // runs across for the fields of every line left without one: whether
    // some choice of lines left without (among those not needed) takes at
    // most `most` runs either way. The choices are tried in rising order,
    // so that what a choice needs across is that of the choice without its
    // lowest line, and one line more.
    const auto fits = [most](unsigned lines, unsigned need, unsigned needAcross, const unsigned* fieldsOf) {
        if (LineCount(need) > most || LineCount(needAcross) > most) return false;
        const unsigned free = lines & ~need;
        std::array<unsigned, 256> acrossOf;
        acrossOf[0] = needAcross;
        for (unsigned without = 0;; without = (without - free) & free) {
            if (without) acrossOf[without] = acrossOf[without & (without - 1)] | fieldsOf[std::countr_zero(without)];
            if (LineCount(lines & ~without) <= most && LineCount(acrossOf[without]) <= most) return true;
            if (without == free) return false;
        }
    };
    return fits(rows, needRow, needColumn, rowFields) && fits(columns, needColumn, needRow, columnFields);
}

class Walk {
public:
    Walk(const WanderingRules& room, LineWish wish, long budget, WalkSearch& search)
        : white_(walk::IndexOf(room.WhiteField())), moves_(room.MovesLeft()), wish_(wish.at), budget_(budget),
          search_(search) {
        const auto line = room.LevelLine();
        if (line && room.LineCrossedAt() == WanderingRules::NotCrossed) {
            lineWest_ = walk::IndexOf(line->west);
            lineEast_ = lineWest_ + 1;
            if (wish_ > 0) before_ = moves_ - wish_;
        } else {
            wish_ = LineWish::AnyMove;  // no line, or crossed already: nothing more to cross
        }
    }

    int BeforeCrossing() const { return before_; }
    bool MustCross() const { return lineWest_ >= 0 && wish_ != LineWish::Never; }

    // Whether the fields (the ball's among them) may still be walked with
    // at most `runsLeft` runs; `crossLeft`: the line is still to be crossed.
    bool Walkable(Fields fields, int ball, int runsLeft, bool crossLeft) const {
        if (fields == Bit(ball)) return ball == white_;
        if (runsLeft <= 0 || !(fields & Bit(white_))) return false;
        const Fields same = (Bit(ball) & walk::EvenFields) ? walk::EvenFields : ~walk::EvenFields;
        const int sameCount = walk::Count(fields & same), otherCount = walk::Count(fields & ~same);
        if ((Bit(white_) & same) ? sameCount != otherCount + 1 : sameCount != otherCount) return false;
        if (crossLeft && !((fields & Bit(lineWest_)) && (fields & Bit(lineEast_)))) return false;
        if (walk::Reached(Bit(ball), fields, walk::Steps) != fields) return false;
        const Fields ends = Bit(ball) | Bit(white_);
        const Fields straight = (((fields << 1) & ~FileA) & ((fields >> 1) & ~FileH)) | ((fields << 8) & (fields >> 8));
        if (walk::Count(fields & ~straight & ~ends) + 1 > runsLeft) return false;
        std::array<Fields, 64> links;
        if (!walk::PathPossible(fields, walk::Steps, ball, Bit(white_), &links, crossLeft ? lineWest_ : -1, lineEast_))
            return false;
        int turns = 0;
        for (Fields x = fields & ~ends; x; x &= x - 1) {
            const int v = std::countr_zero(x);
            const bool acrossRow = (links[v] & ((Bit(v) << 1) & ~FileA)) && (links[v] & ((Bit(v) >> 1) & ~FileH));
            const bool alongColumn = (links[v] & (Bit(v) << 8)) && (links[v] & (Bit(v) >> 8));
            if (!acrossRow && !alongColumn) ++turns;
        }
        return turns + 1 <= runsLeft && RunsSuffice(fields, links, runsLeft);
    }

    // Lays the next run from `ball`: `axis` of the last run (0 along a row,
    // 1 down a column, -1 none yet), `runs` laid, `crossed` whether the line
    // is crossed, `after` runs laid after the one that crossed it.
    bool Search(Fields fields, int ball, int axis, int runs, bool crossed, int after) {
        if (fields == Bit(ball)) return ball == white_;
        if (++search_.positions > budget_) return false;
        const std::uint32_t key = Key(ball, axis, crossed);
        const int spare = Spare(runs, crossed, after);
        if (Dead(fields, key, spare)) return false;

        struct Run {
            int direction, to, runs, after;
            bool crossed;
            Fields rest;
        };
        std::vector<Run> choices;
        for (int d = 0; d < 4; ++d) {
            if (axis >= 0 && d / 2 == axis) continue;  // a run turns from the last
            int reach = 0;
            for (int at = ball;; ++reach) {
                const int next = at + Offsets[d];
                if ((d == 0 && at % 8 == 7) || (d == 1 && at % 8 == 0) || next < 0 || next > 63 || !(fields & Bit(next)))
                    break;
                at = next;
            }
            for (int length = reach; length >= 1; --length) {
                Fields rest = fields;
                int crossStep = -1, at = ball;
                for (int s = 0; s < length; ++s) {
                    const int next = at + Offsets[d];
                    if (lineWest_ >= 0 && std::min(at, next) == lineWest_ && std::max(at, next) == lineEast_) crossStep = s;
                    rest &= ~Bit(at);
                    at = next;
                }
                Run run{d, at, runs + 1, crossed ? after + 1 : after, crossed, rest};
                if (crossStep >= 0) {
                    if (wish_ == LineWish::Never) continue;
                    if (wish_ > 0) {
                        // Steps before the crossing step and after it must
                        // hold the moves before and after the crossing move.
                        const int stepsBefore = total_ - walk::Count(fields) + crossStep;
                        if (runs > before_ || stepsBefore < before_ || total_ - 2 - stepsBefore < moves_ - 1 - before_)
                            continue;
                    }
                    run.crossed = true;
                    run.after = 0;
                }
                if (run.runs > moves_) continue;
                if (wish_ > 0 && !run.crossed && run.runs > before_) continue;
                if (wish_ > 0 && run.crossed && run.after > moves_ - 1 - before_) continue;
                choices.push_back(run);  // the longest run first
            }
        }
        for (const Run& run : choices) {
            // Searched in vain before, or not to be walked (asked only
            // when the runs before it have failed).
            const int runsLeft = Spare(run.runs, run.crossed, run.after);
            if (Dead(run.rest, Key(run.to, run.direction / 2, run.crossed), runsLeft)) continue;
            if (!Walkable(run.rest, run.to, runsLeft, MustCross() && !run.crossed)) continue;
            ends_.push_back(run.to);
            if (Search(run.rest, run.to, run.direction / 2, run.runs, run.crossed, run.after)) return true;
            ends_.pop_back();
            if (search_.positions > budget_) return false;
        }
        int& proven = dead_[{fields, key}];
        proven = std::max(proven, spare);
        return false;
    }

    // The walk's runs cut into exactly the moves left, the crossing move
    // where wished: the fields clicked. Empty when they do not fit.
    std::vector<BoardCell> Clicks(int ball) const {
        std::vector<int> path{ball};
        for (int end : ends_) {
            const int step = end / 8 == path.back() / 8 ? (end > path.back() ? 1 : -1) : (end > path.back() ? 8 : -8);
            while (path.back() != end) path.push_back(path.back() + step);
        }
        const int steps = static_cast<int>(path.size()) - 1;
        int crossStep = -1;
        for (int i = 0; i < steps; ++i)
            if (lineWest_ >= 0 && std::min(path[i], path[i + 1]) == lineWest_ && std::max(path[i], path[i + 1]) == lineEast_)
                crossStep = i;
        // cameFrom[i][m]: where the m-th move into step i began (-2: no way).
        std::vector<std::vector<int>> cameFrom(static_cast<std::size_t>(steps + 1), std::vector<int>(moves_ + 1, -2));
        cameFrom[0][0] = -1;
        for (int i = 0; i < steps; ++i)
            for (int m = 0; m < moves_; ++m) {
                if (cameFrom[i][m] == -2) continue;
                for (int j = i + 1; j <= steps && path[j] - path[j - 1] == path[i + 1] - path[i]; ++j) {
                    if (wish_ > 0 && crossStep >= i && crossStep < j && m != before_) continue;
                    if (cameFrom[j][m + 1] == -2) cameFrom[j][m + 1] = i;
                }
            }
        if (cameFrom[steps][moves_] == -2) return {};
        std::vector<BoardCell> clicks;
        for (int i = steps, m = moves_; m > 0; i = cameFrom[i][m], --m) clicks.push_back(walk::CellOf(path[i]));
        std::reverse(clicks.begin(), clicks.end());
        return clicks;
    }

    void SetTotal(int fields) { total_ = fields; }

private:
    static std::uint32_t Key(int ball, int axis, bool crossed) {
        return static_cast<std::uint32_t>(ball) | static_cast<std::uint32_t>(axis + 1) << 6 |
               static_cast<std::uint32_t>(crossed) << 8;
    }
    // The moves left for the runs after `runs` runs.
    int Spare(int runs, bool crossed, int after) const {
        return crossed && wish_ > 0 ? moves_ - 1 - before_ - after : moves_ - runs;
    }
    // Whether the position was searched in vain with as many moves or more.
    bool Dead(Fields fields, std::uint32_t key, int spare) const {
        const auto known = dead_.find({fields, key});
        return known != dead_.end() && known->second >= spare;
    }

    struct KeyHash {
        std::size_t operator()(const std::pair<Fields, std::uint32_t>& k) const {
            return std::hash<Fields>()(k.first * 0x9e3779b97f4a7c15ull ^ k.second);
        }
    };

    int white_, moves_, wish_;
    long budget_;
    WalkSearch& search_;
    int lineWest_ = -1, lineEast_ = -1;
    int before_ = -1;  // moves before the crossing move, when its move is wished
    int total_ = 0;    // fields at the start of the search
    std::vector<int> ends_;
    // Positions without a walk, with the most runs they were searched with.
    std::unordered_map<std::pair<Fields, std::uint32_t>, int, KeyHash> dead_;
};

}  // namespace

LineWish LevelWish(const WanderingRules& room) {
    const auto line = room.LevelLine();
    return {line && line->crossAt > 0 ? line->crossAt : LineWish::AnyMove};
}

WalkSearch FindWalk(const WanderingRules& room, LineWish wish, long budget) {
    WalkSearch search;
    search.result = WalkSearch::NoWalk;
    const int moves = room.MovesLeft();
    const auto line = room.LevelLine();
    const int crossed = room.LineCrossedAt();
    if (line && crossed != WanderingRules::NotCrossed) {
        if (wish.at == LineWish::Never || (wish.at > 0 && crossed != wish.at)) return search;
    }
    if (line && crossed == WanderingRules::NotCrossed && wish.at > moves) return search;
    Fields fields = 0;
    for (int i = 0; i < 64; ++i)
        if (room.FieldThere(walk::CellOf(i))) fields |= Bit(i);
    const int ball = walk::IndexOf(room.Ball());
    if (moves == 0 || walk::Count(fields) - 1 < moves) return search;

    Walk walk(room, wish, budget, search);
    walk.SetTotal(walk::Count(fields));
    if (!walk.Walkable(fields, ball, moves, walk.MustCross())) return search;
    if (!walk.Search(fields, ball, -1, 0, false, 0)) {
        if (search.positions > budget) search.result = WalkSearch::GaveUp;
        return search;
    }
    search.clicks = walk.Clicks(ball);
    if (!search.clicks.empty()) search.result = WalkSearch::Found;
    return search;
}

}  // namespace tarnwick
