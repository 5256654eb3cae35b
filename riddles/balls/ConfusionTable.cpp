// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/balls/ConfusionTable.h"

#include <bit>

#include "riddles/frame/Bits.h"

namespace tarnwick::confusion {

namespace {

constexpr std::uint32_t AllFields = (1u << Fields) - 1;
constexpr int Side = 5;
constexpr char Magic[4] = {'T', 'W', 'C', '1'};
constexpr std::size_t HeaderSize = 8;  // the magic and the fingerprint
constexpr int PerByte = 5;              // distances by threes in a byte
constexpr int Powers[PerByte + 1] = {1, 3, 9, 27, 81, 243};

int Colour(int field) { return (field / Side + field % Side) % 2; }
int ImageField(int field) { return Fields - 1 - field; }

// The position turned by half a turn, with the colours exchanged: the red
// balls stand where the yellow ones stood, seen from the other side.
Position Image(const Position& p) {
    const std::uint32_t yellow = AllFields & ~p.red & ~(1u << p.empty);
    std::uint32_t red = 0;
    for (std::uint32_t rest = yellow; rest; rest &= rest - 1) red |= 1u << ImageField(std::countr_zero(rest));
    return {red, ImageField(p.empty)};
}

// The ball on `from` jumps onto the empty field.
Position Jump(const Position& p, int from) {
    const std::uint32_t red = (p.red >> from & 1) ? (p.red & ~(1u << from)) | 1u << p.empty : p.red;
    return {red, from};
}

// A fingerprint of the target and the jumps a table is made for.
std::uint32_t Fingerprint(const Position& target, const Jumps& jumps) {
    std::uint32_t h = 2166136261u;
    const auto mix = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xff;
            h *= 16777619u;
        }
    };
    mix(target.red);
    mix(static_cast<std::uint32_t>(target.empty));
    for (const std::vector<int>& from : jumps) {
        mix(0xffffffffu);
        for (int f : from) mix(static_cast<std::uint32_t>(f));
    }
    return h;
}

std::string Header(const Position& target, const Jumps& jumps) {
    std::string header(Magic, sizeof Magic);
    const std::uint32_t print = Fingerprint(target, jumps);
    for (int i = 0; i < 4; ++i) header.push_back(static_cast<char>((print >> (8 * i)) & 0xff));
    return header;
}

}  // namespace

std::optional<Position> PositionOf(const std::vector<int>& values, int red, int yellow) {
    if (values.size() != Fields) return std::nullopt;
    Position p;
    int empties = 0;
    for (int f = 0; f < Fields; ++f) {
        if (values[f] == red) {
            p.red |= 1u << f;
        } else if (values[f] != yellow) {
            p.empty = f;
            ++empties;
        }
    }
    if (empties != 1) return std::nullopt;
    return p;
}

DistanceTable::DistanceTable(const Position& target, const Jumps& jumps)
    : target_(target), jumps_(jumps), reds_(CountBits(target.red)), ranks_(std::make_shared<Ranks>()) {
    // Binomial coefficients, then the numbers of a half's fields: those of
    // the low half count from the first ball, those of the high half from
    // the ball after the low half's.
    std::array<std::array<std::uint32_t, Fields>, Fields> c{};
    for (int n = 0; n < Fields; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    for (std::uint32_t half = 0; half < 4096; ++half) {
        for (int i = 0, k = 0; i < 12; ++i)
            if (half >> i & 1) ranks_->low[half] += c[i][++k];
        for (int below = 0; below <= 12; ++below)
            for (int i = 0, k = below; i < 12; ++i)
                if (half >> i & 1) ranks_->high[below][half] += c[12 + i][++k];
    }
    perEmpty_ = reds_ <= Fields - 1 ? c[Fields - 1][reds_] : 0;
    int slots = 0;
    for (int f = 0; f < Fields; ++f) slot_[f] = Kept(f) ? slots++ : -1;
    entries_ = static_cast<std::size_t>(slots) * perEmpty_;
}

bool DistanceTable::Kept(int empty) const {
    return Colour(empty) != Colour(target_.empty) && empty <= ImageField(empty);
}

std::size_t DistanceTable::Index(const Position& p) const {
    // The red fields but the empty one's, closed up to 24 bits.
    const std::uint32_t closed = ((p.red >> (p.empty + 1)) << p.empty) | (p.red & ((1u << p.empty) - 1));
    const std::uint32_t low = closed & 4095;
    return ranks_->low[low] + ranks_->high[CountBits(low)][closed >> 12];
}

int DistanceTable::Code(Position p) const {
    if (slot_[p.empty] < 0) p = Image(p);
    const std::size_t at = static_cast<std::size_t>(slot_[p.empty]) * perEmpty_ + Index(p);
    const auto byte = static_cast<unsigned char>(codes_[HeaderSize + at / PerByte]);
    return byte / Powers[at % PerByte] % 3;
}

std::string DistanceTable::Make(const Position& target, const Jumps& jumps) {
    if (Image(target) != target) return {};
    const DistanceTable table(target, jumps);
    const std::size_t perEmpty = table.perEmpty_;

    // Every position, breadth-first from the target: the distance of the
    // position with the empty field e is at e * perEmpty + its number.
    constexpr std::uint8_t Unreached = 255;
    std::vector<std::uint8_t> distance(Fields * perEmpty, Unreached);
    const auto at = [&](const Position& p) { return static_cast<std::size_t>(p.empty) * perEmpty + table.Index(p); };
    // A layer's positions packed: the empty field above the red ones.
    std::vector<std::uint32_t> layer{static_cast<std::uint32_t>(target.empty) << Fields | target.red}, next;
    distance[at(target)] = 0;
    for (std::uint8_t d = 1; !layer.empty(); ++d) {
        if (d == Unreached) return {};
        next.clear();
        for (const std::uint32_t packed : layer) {
            const Position p{packed & AllFields, static_cast<int>(packed >> Fields)};
            for (int from : jumps[p.empty]) {
                const Position q = Jump(p, from);
                std::uint8_t& known = distance[at(q)];
                if (known != Unreached) continue;
                known = d;
                next.push_back(static_cast<std::uint32_t>(q.empty) << Fields | q.red);
            }
        }
        layer.swap(next);
    }

    // The kept positions' distances by threes, five to a byte; every one
    // must have been reached.
    std::string bytes = Header(target, jumps);
    bytes.resize(HeaderSize + (table.entries_ + PerByte - 1) / PerByte, '\0');
    std::size_t entry = 0;
    for (int empty = 0; empty < Fields; ++empty) {
        if (table.slot_[empty] < 0) continue;
        for (std::size_t number = 0; number < perEmpty; ++number, ++entry) {
            const std::uint8_t d = distance[static_cast<std::size_t>(empty) * perEmpty + number];
            if (d == Unreached) return {};
            auto& byte = reinterpret_cast<unsigned char&>(bytes[HeaderSize + entry / PerByte]);
            byte = static_cast<unsigned char>(byte + d % 3 * Powers[entry % PerByte]);
        }
    }
    return bytes;
}

std::optional<DistanceTable> DistanceTable::Read(std::string bytes, const Position& target, const Jumps& jumps) {
    if (Image(target) != target) return std::nullopt;
    DistanceTable table(target, jumps);
    if (bytes.size() != HeaderSize + (table.entries_ + PerByte - 1) / PerByte) return std::nullopt;
    if (bytes.compare(0, HeaderSize, Header(target, jumps)) != 0) return std::nullopt;
    for (std::size_t i = HeaderSize; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= Powers[PerByte]) return std::nullopt;
    table.codes_ = std::move(bytes);
    return table;
}

std::optional<int> DistanceTable::NextJump(const Position& from) const {
    if (from == target_ || from.empty < 0 || from.empty >= Fields || (from.red & ~AllFields) ||
        (from.red >> from.empty & 1) || CountBits(from.red) != reds_)
        return std::nullopt;
    if (Colour(from.empty) != Colour(target_.empty)) {
        // A kept position: the jump after which some jump reaches a
        // position two nearer (the others reach one as far or two farther).
        const int nearer = (Code(from) + 1) % 3;
        for (int ball : jumps_[from.empty]) {
            const Position q = Jump(from, ball);
            if (q == target_) return ball;
            for (int onward : jumps_[q.empty])
                if (Code(Jump(q, onward)) == nearer) return ball;
        }
        return std::nullopt;
    }
    // Every jump reaches a kept position one nearer or one farther: by
    // threes, the nearer is the one the farther lies two above.
    std::array<bool, 3> seen{};
    for (int ball : jumps_[from.empty]) seen[static_cast<std::size_t>(Code(Jump(from, ball)))] = true;
    std::vector<int> codes;
    for (int code = 0; code < 3; ++code)
        if (seen[static_cast<std::size_t>(code)]) codes.push_back(code);
    if (codes.empty() || codes.size() == 3) return std::nullopt;
    const int nearer = codes.size() == 1 || (codes[0] + 2) % 3 == codes[1] ? codes[0] : codes[1];
    for (int ball : jumps_[from.empty])
        if (Code(Jump(from, ball)) == nearer) return ball;
    return std::nullopt;
}

}  // namespace tarnwick::confusion
