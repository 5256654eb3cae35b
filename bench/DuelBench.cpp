// SPDX-License-Identifier: GPL-3.0-or-later
// The duel's computer: the time of one ComputerMove (rating every field
// over every reply, then the choice) on mid-game boards from random duels,
// beside one plain SimulateCascade on the same boards. Then the longest
// chain and the largest field count over many duels, and how a player who
// looks one answer ahead fares.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "riddles/duel/DuelComputer.h"
#include "riddles/duel/DuelRules.h"
#include "support/DuelPlayers.h"

using namespace tarnwick;

namespace {

double NowUs() {
    using namespace std::chrono;
    return duration<double, std::micro>(steady_clock::now().time_since_epoch()).count();
}

// The board the computer rated in a click: the moment before its gem first
// blinks (the second field redrawn in the click).
bool RatedBoard(const DuelRules& duel, const Steps& steps, DuelBoard& board) {
    int cells = 0, moment = -1;
    for (const Step& s : steps) {
        if (s.kind == Step::Frame) moment = s.value;
        if (s.kind == Step::Cell && ++cells == 2) {
            board = duel.Moment(moment - 1);
            return true;
        }
    }
    return false;
}

void Report(const char* name, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    std::printf("  %-34s median %9.3f us   worst %9.3f us\n", name, us[us.size() / 2], us.back());
}

}  // namespace

int main() {
    // Mid-game boards: from the fourth move on, every 220th board the
    // computer rated, spread over all the duels.
    std::vector<DuelBoard> boards;
    SeededRandom playerDice(7), computerDice(11);
    int longestChain = 0, largestCount = 0, duels = 0, seen = 0;
    for (; duels < 3000; ++duels) {
        DuelRules duel(computerDice);
        duel.InitLevel(1);
        for (int move = 0; move < 400 && duel.Judge() == Verdict::Undecided; ++move) {
            const Steps steps = duel.Click({testing::RandomPlayerMove(duel.Board(), playerDice), 16, 16});
            longestChain = std::max(longestChain, duel.LongestChain());
            for (int m = 0; m < duel.Moments(); ++m)
                for (int c = 0; c < DuelBoard::Size; ++c)
                    for (int r = 0; r < DuelBoard::Size; ++r)
                        largestCount = std::max<int>(largestCount, duel.Moment(m).At({c, r}).count);
            DuelBoard rated;
            if (move >= 3 && RatedBoard(duel, steps, rated) && seen++ % 220 == 0 && boards.size() < 400)
                boards.push_back(rated);
        }
    }

    std::printf("Duel computer, %zu mid-game boards:\n", boards.size());
    // Baseline: one silent chain reaction after a computer's gem on the
    // first field it may take, timed in batches (one is too short to time).
    constexpr int Batch = 1000;
    std::vector<double> cascade, move;
    int sink = 0;
    for (const DuelBoard& board : boards) {
        BoardCell field{0, 0};
        for (int i = 0; i < 36; ++i)
            if (board.At({i / 6, i % 6}).owner != ownPlayer) {
                field = {i / 6, i % 6};
                break;
            }
        double fastest = 1e300;
        for (int run = 0; run < 5; ++run) {
            const double t0 = NowUs();
            for (int i = 0; i < Batch; ++i) {
                DuelBoard copy = board;
                copy.AddGem(field, ownComputer);
                sink += SimulateCascade(copy);
            }
            fastest = std::min(fastest, (NowUs() - t0) / Batch);
        }
        cascade.push_back(fastest);
    }
    // Each board's time is the fastest of a few runs, so a moment when the
    // shared machine was busy elsewhere does not count as the board's cost.
    SeededRandom dice(1);
    for (const DuelBoard& board : boards) {
        double fastest = 1e300;
        for (int run = 0; run < 5; ++run) {
            const double t0 = NowUs();
            const BoardCell chosen = ChooseComputerMove(board, dice);
            fastest = std::min(fastest, NowUs() - t0);
            sink += chosen.col;
        }
        move.push_back(fastest);
    }
    Report("baseline: one SimulateCascade", cascade);
    Report("ComputerMove (rating + choice)", move);
    std::sort(cascade.begin(), cascade.end());
    std::sort(move.begin(), move.end());
    std::printf("  median ratio %.0f (up to 36 x 36 cascades per move)\n",
                move[move.size() / 2] / cascade[cascade.size() / 2]);

    std::printf("%d random duels against the computer: longest chain %d sweeps (bound %d), "
                "largest field count %d (top 255)\n",
                duels, longestChain, MaxSweeps, largestCount);

    int won = 0;
    constexpr int Lookahead = 40;
    for (int seed = 0; seed < Lookahead; ++seed) {
        SeededRandom answerDice(static_cast<std::uint64_t>(seed));
        DuelRules duel(answerDice);
        duel.InitLevel(1);
        for (int m = 0; m < 200 && duel.Judge() == Verdict::Undecided; ++m)
            duel.Click({LookaheadPlayerMove(duel.Board()), 16, 16});
        won += duel.Judge() == Verdict::Solved;
    }
    std::printf("A player looking one answer ahead won %d of %d duels%s\n", won, Lookahead, sink == -1 ? "!" : "");
    return 0;
}
