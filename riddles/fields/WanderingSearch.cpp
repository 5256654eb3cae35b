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

// Runs needed to pass every field of `fields`, given the steps each field
// may still take (`links`): a field with no step along its row lies on a
// run down its column, one with no step along its column on a run along
// its row; a row without a run along it has each of its fields on a run
// down that field's column, and likewise for columns. Runs alternate, so k
// runs one way make at least 2k - 1.
int RunsNeeded(Fields fields, const std::array<Fields, 64>& links) {
    unsigned rowFields[8], columnFields[8] = {}, needRow = 0, needColumn = 0, rows = 0, columns = 0;
    for (int r = 0; r < 8; ++r) {
        rowFields[r] = static_cast<unsigned>((fields >> (8 * r)) & 0xff);
        if (rowFields[r]) rows |= 1u << r;
        for (int c = 0; c < 8; ++c)
            if (rowFields[r] >> c & 1) columnFields[c] |= 1u << r;
    }
    for (int c = 0; c < 8; ++c)
        if (columnFields[c]) columns |= 1u << c;
    for (Fields x = fields; x; x &= x - 1) {
        const int v = std::countr_zero(x);
        if (!(links[v] & (((Bit(v) << 1) & ~FileA) | ((Bit(v) >> 1) & ~FileH)))) needColumn |= 1u << (v % 8);
        if (!(links[v] & ((Bit(v) << 8) | (Bit(v) >> 8)))) needRow |= 1u << (v / 8);
    }
    // Runs along `lines` (those in `need` at least, any others chosen),
    // runs across for the fields of every line left without one.
    const auto fewest = [](unsigned lines, unsigned need, unsigned needAcross, const unsigned* fieldsOf) {
        int least = 99;
        const unsigned free = lines & ~need;
        for (unsigned chosen = free;; chosen = (chosen - 1) & free) {
            const unsigned along = chosen | need;
            unsigned across = needAcross;
            for (unsigned x = lines & ~along; x; x &= x - 1) across |= fieldsOf[std::countr_zero(x)];
            least = std::min(least, std::max(std::popcount(along), std::popcount(across)));
            if (!chosen) break;
        }
        return least;
    };
    const int oneWay = std::max(fewest(rows, needRow, needColumn, rowFields), fewest(columns, needColumn, needRow, columnFields));
    return oneWay == 0 ? 0 : 2 * oneWay - 1;
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
        const int sameCount = std::popcount(fields & same), otherCount = std::popcount(fields & ~same);
        if ((Bit(white_) & same) ? sameCount != otherCount + 1 : sameCount != otherCount) return false;
        if (crossLeft && !((fields & Bit(lineWest_)) && (fields & Bit(lineEast_)))) return false;
        if (walk::Reached(Bit(ball), fields, walk::Steps) != fields) return false;
        const Fields ends = Bit(ball) | Bit(white_);
        const Fields straight = (((fields << 1) & ~FileA) & ((fields >> 1) & ~FileH)) | ((fields << 8) & (fields >> 8));
        if (std::popcount(fields & ~straight & ~ends) + 1 > runsLeft) return false;
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
        return turns + 1 <= runsLeft && RunsNeeded(fields, links) <= runsLeft;
    }

    // Lays the next run from `ball`: `axis` of the last run (0 along a row,
    // 1 down a column, -1 none yet), `runs` laid, `crossed` whether the line
    // is crossed, `after` runs laid after the one that crossed it.
    bool Search(Fields fields, int ball, int axis, int runs, bool crossed, int after) {
        if (fields == Bit(ball)) return ball == white_;
        if (++search_.positions > budget_) return false;
        const std::uint32_t key = static_cast<std::uint32_t>(ball) | static_cast<std::uint32_t>(axis + 1) << 6 |
                                  static_cast<std::uint32_t>(crossed) << 8;
        const int spare = crossed && wish_ > 0 ? moves_ - 1 - before_ - after : moves_ - runs;
        const auto known = dead_.find({fields, key});
        if (known != dead_.end() && known->second >= spare) return false;

        struct Run {
            int direction, to, runs, after;
            bool crossed;
            Fields rest;
            int onward;
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
                Run run{d, at, runs + 1, crossed ? after + 1 : after, crossed, rest, 0};
                if (crossStep >= 0) {
                    if (wish_ == LineWish::Never) continue;
                    if (wish_ > 0) {
                        // Steps before the crossing step and after it must
                        // hold the moves before and after the crossing move.
                        const int stepsBefore = total_ - std::popcount(fields) + crossStep;
                        if (runs > before_ || stepsBefore < before_ || total_ - 2 - stepsBefore < moves_ - 1 - before_)
                            continue;
                    }
                    run.crossed = true;
                    run.after = 0;
                }
                if (run.runs > moves_) continue;
                if (wish_ > 0 && !run.crossed && run.runs > before_) continue;
                if (wish_ > 0 && run.crossed && run.after > moves_ - 1 - before_) continue;
                const int runsLeft = wish_ > 0 && run.crossed ? moves_ - 1 - before_ - run.after : moves_ - run.runs;
                if (!Walkable(rest, at, runsLeft, MustCross() && !run.crossed)) continue;
                const Fields across = d / 2 == 0 ? (Bit(at) << 8) | (Bit(at) >> 8)
                                                 : ((Bit(at) << 1) & ~FileA) | ((Bit(at) >> 1) & ~FileH);
                run.onward = std::popcount(across & rest);
                choices.push_back(run);
            }
        }
        // Runs that leave their end few ways on first; long ones first among equals.
        std::stable_sort(choices.begin(), choices.end(), [](const Run& a, const Run& b) { return a.onward < b.onward; });
        for (const Run& run : choices) {
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
    if (moves == 0 || std::popcount(fields) - 1 < moves) return search;

    Walk walk(room, wish, budget, search);
    walk.SetTotal(std::popcount(fields));
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
