// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far every position of the room of confusion lies from a level's
// target, for the hint: worked out at build time by a breadth-first search
// over every position there is (the empty field, and which of the other 24
// fields hold the red balls: 67.6 million, none more than 41 jumps from
// the target) and kept as a data file of the game, one a level.
//
// A jump moves the empty field a knight's move, onto the other colour of
// the chequer, and changes the distance by one. So the file keeps only the
// positions whose empty field lies on the colour the target's does not,
// and only their distance by threes: from such a position the jump nearer
// is the one after which some further jump reaches a position two nearer,
// and from any other position it is the jump onto the kept position with
// the lesser of the two distances the jumps reach. Every level's target is
// its own image turned by half a turn with the colours exchanged, and so
// is the whole game of jumps: of two positions that are each other's image
// only one is kept. That leaves 16.2 million positions, five to a byte.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::confusion {

constexpr int Fields = 25;

// A position: the fields of the red balls and the empty field; the yellow
// balls fill the others.
struct Position {
    std::uint32_t red = 0;
    int empty = 0;
    friend bool operator==(const Position&, const Position&) = default;
};

// The fields whose ball may jump onto each field.
using Jumps = std::array<std::vector<int>, Fields>;

// The position of a board given as values row by row (`red`, `yellow`,
// 0); nothing unless exactly one field is empty.
std::optional<Position> PositionOf(const std::vector<int>& values, int red, int yellow);

class DistanceTable {
public:
    // The file's bytes for a target, worked out whole (a minute); empty if
    // the target is not its own image.
    static std::string Make(const Position& target, const Jumps& jumps);
    // The table in a file's bytes; nothing unless they were made for this
    // target and these jumps.
    static std::optional<DistanceTable> Read(std::string bytes, const Position& target, const Jumps& jumps);

    // The field whose ball jumps next on a shortest way to the target;
    // nothing at the target, or for a position with another number of red
    // balls than the target's.
    std::optional<int> NextJump(const Position& from) const;

private:
    DistanceTable(const Position& target, const Jumps& jumps);
    // Whether the positions with this empty field are kept (not their
    // images).
    bool Kept(int empty) const;
    // The number of a position among those with the same empty field.
    std::size_t Index(const Position& p) const;
    // The distance by threes of a position whose empty field lies on the
    // colour kept, or of its image.
    int Code(Position p) const;

    // Numbers of the red fields, twelve fields at a time (see Index).
    struct Ranks {
        std::array<std::uint32_t, 4096> low{};
        std::array<std::array<std::uint32_t, 4096>, 13> high{};  // by the balls below
    };

    Position target_;
    Jumps jumps_;
    int reds_ = 0;
    std::shared_ptr<Ranks> ranks_;
    std::array<int, Fields> slot_{};  // of each kept empty field, else -1
    std::size_t perEmpty_ = 0;        // positions with one empty field
    std::size_t entries_ = 0;         // positions kept
    std::string codes_;               // the file's bytes: the header, then five codes a byte
};

}  // namespace tarnwick::confusion
