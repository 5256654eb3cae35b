// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the searches of the knight's room and the room of wandering share:
// boards of up to 8 x 8 fields as 64-bit masks (bit 8 * row + column), and
// the test whether the fields left may still be walked in one path that
// visits each of them once: from the ball's field to one of the fields the
// path may end on.
#include <array>
#include <bit>
#include <cstdint>

#include "riddles/frame/Bits.h"
#include "riddles/frame/Board.h"

namespace tarnwick::walk {

using Fields = std::uint64_t;

constexpr Fields FileA = 0x0101010101010101ull;  // column 0
constexpr Fields FileB = FileA << 1;
constexpr Fields FileG = FileA << 6;
constexpr Fields FileH = FileA << 7;             // column 7
// The fields whose column plus row is even. A step or a knight's jump
// always goes from one colour to the other.
constexpr Fields EvenFields = 0xAA55AA55AA55AA55ull;

constexpr Fields Bit(int index) { return Fields{1} << index; }
constexpr int Count(Fields fields) { return CountBits(fields); }
constexpr int IndexOf(BoardCell cell) { return cell.row * 8 + cell.col; }
constexpr BoardCell CellOf(int index) { return {index % 8, index / 8}; }

// The fields one step across or along from any of `fields`.
constexpr Fields Steps(Fields fields) {
    return ((fields << 1) & ~FileA) | ((fields >> 1) & ~FileH) | (fields << 8) | (fields >> 8);
}
// The fields a knight's jump away from any of `fields`.
constexpr Fields Jumps(Fields fields) {
    const Fields one = ((fields >> 1) & ~FileH) | ((fields << 1) & ~FileA);
    const Fields two = ((fields >> 2) & ~(FileG | FileH)) | ((fields << 2) & ~(FileA | FileB));
    return (one << 16) | (one >> 16) | (two << 8) | (two >> 8);
}

// The fields of `within` that hang together with `seed` through `links`.
template <typename Links>
Fields Reached(Fields seed, Fields within, Links links) {
    Fields reached = seed & within;
    for (;;) {
        const Fields more = reached | (links(reached) & within);
        if (more == reached) return reached;
        reached = more;
    }
}

// Whether a path may still visit every field of `fields` once, from
// `start` to one of `ends`, moving along `links`; when `needed` names two
// fields, the path must also pass straight from one to the other.
//
// Every field but the path's two ends takes two of its links, the ends one.
// A link from an imagined field to the start and to every possible end
// turns the path into a round trip through all fields. Then, over and over:
// a field with only two links left must use both; a field that uses two
// can use no other, and loses the rest. The test fails when a field is left
// with fewer than two links or has to use more than two, or when the links
// that must be used close a round trip short of every field. On success
// `left` (if given) holds each field's links that are still possible.
template <typename Links>
bool PathPossible(Fields fields, Links links, int start, Fields ends, std::array<Fields, 64>* left = nullptr,
                  int neededA = -1, int neededB = -1) {
    if (fields == Bit(start)) return (ends & fields) != 0;
    constexpr int Imagined = 64;
    std::array<Fields, 64> open{}, used{};
    std::array<int, 65> otherEnd{};  // of a run of used links; -1 inside one
    Fields openToImagined = (ends & fields) | Bit(start), usedByImagined = 0;
    const int linksNeeded = Count(fields) + 1;  // a round trip through every field and the imagined one
    int linksUsed = 0;
    for (Fields x = fields; x; x &= x - 1) {
        const int i = std::countr_zero(x);
        open[i] = links(Bit(i)) & fields;
        otherEnd[i] = i;
    }
    otherEnd[Imagined] = Imagined;
    Fields pending = fields;
    bool imaginedPending = true;
    const auto touch = [&](int v) {
        if (v == Imagined)
            imaginedPending = true;
        else
            pending |= Bit(v);
    };
    // Uses the link u - v (u may be the imagined field).
    const auto use = [&](int u, int v) {
        if (u == Imagined ? (usedByImagined & Bit(v)) : (used[u] & Bit(v))) return true;
        const int eu = otherEnd[u], ev = otherEnd[v];
        if (eu < 0 || ev < 0) return false;  // a third link
        if (eu == v) {
            if (linksUsed + 1 != linksNeeded) return false;  // a round trip short of every field
            otherEnd[u] = otherEnd[v] = -1;
        } else {
            otherEnd[eu] = ev;
            otherEnd[ev] = eu;
            if (u != eu) otherEnd[u] = -1;
            if (v != ev) otherEnd[v] = -1;
        }
        if (u == Imagined) {
            usedByImagined |= Bit(v);
        } else {
            used[u] |= Bit(v);
            used[v] |= Bit(u);
        }
        ++linksUsed;
        touch(u);
        touch(v);
        return true;
    };
    if (!use(Imagined, start)) return false;
    if (neededA >= 0 && (!(open[neededA] & Bit(neededB)) || !use(neededA, neededB))) return false;
    while (pending || imaginedPending) {
        if (imaginedPending) {
            imaginedPending = false;
            const int has = Count(openToImagined), uses = Count(usedByImagined);
            if (uses > 2 || has < 2) return false;
            if (uses == 2 && openToImagined != usedByImagined) {
                const Fields lost = openToImagined & ~usedByImagined;
                openToImagined = usedByImagined;
                pending |= lost;
            } else if (has == 2 && uses < 2) {
                for (Fields x = openToImagined & ~usedByImagined; x; x &= x - 1)
                    if (!use(Imagined, std::countr_zero(x))) return false;
            }
            continue;
        }
        const int v = std::countr_zero(pending);
        pending &= pending - 1;
        const bool toImagined = (openToImagined & Bit(v)) != 0, usedImagined = (usedByImagined & Bit(v)) != 0;
        const int has = Count(open[v]) + toImagined, uses = Count(used[v]) + usedImagined;
        if (uses > 2 || has < 2) return false;
        if (uses == 2 && has > 2) {
            const Fields lost = open[v] & ~used[v];
            open[v] = used[v];
            for (Fields x = lost; x; x &= x - 1) {
                const int w = std::countr_zero(x);
                open[w] &= ~Bit(v);
                pending |= Bit(w);
            }
            if (toImagined && !usedImagined) {
                openToImagined &= ~Bit(v);
                imaginedPending = true;
            }
        } else if (has == 2 && uses < 2) {
            for (Fields x = open[v] & ~used[v]; x; x &= x - 1)
                if (!use(v, std::countr_zero(x))) return false;
            if (toImagined && !usedImagined && !use(Imagined, v)) return false;
        }
    }
    if (left) *left = open;
    return true;
}

}  // namespace tarnwick::walk
