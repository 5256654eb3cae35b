// SPDX-License-Identifier: GPL-3.0-or-later
// A new game played to its end with the keys alone, every scene run in its
// real modal loop inside the one window: a line shifted and shifted back
// with Tab and Space (the corridors restored), the figure walked with the
// arrow keys to every door, each door opened and its riddle solved at level
// 1 by its solver's moves made with the keys, the piece picked up, the game
// saved and loaded through the file windows, the chess board laid in the
// throne room and the mission accomplished. No mouse event is sent.
#include <QtTest>
#include <deque>
#include <memory>
#include <set>

#include "labyrinth/Corridors.h"
#include "labyrinth/Maze.h"
#include "labyrinth/Puzzle.h"
#include "platform/SceneWindow.h"
#include "shell/GameWindows.h"
#include "shell/Load.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Saveas.h"
#include "shell/Yesno.h"
#include "state/SavedGame.h"
#include "support/KeyHands.h"
#include "support/WholeGame.h"
#include "support/WindowsRig.h"
#include "throne/Done.h"

using namespace tarnwick;
namespace solve = tarnwick::testing;

namespace {

constexpr std::uint64_t Seed = 2026;
// After this door the game is saved and loaded again.
constexpr int SavedAfterDoor = 6;

// The arrow key that walks one step in a direction.
int ArrowKey(int direction) {
    switch (direction) {
    case East: return Qt::Key_Right;
    case North: return Qt::Key_Up;
    case West: return Qt::Key_Left;
    default: return Qt::Key_Down;
    }
}

// The first step of the shortest walk from where the figure stands to a
// door, over corridor tiles only; -1 when there is none.
int FirstStepTowards(const LabyrinthState& state, Cell door) {
    struct Seen {
        bool seen = false;
        int first = -1;
    };
    Seen seen[GridRows][GridCols] = {};
    std::deque<Cell> open{{state.PlayerCol, state.PlayerRow}};
    seen[state.PlayerRow][state.PlayerCol].seen = true;
    LabyrinthState at = state;
    constexpr int dx[4] = {1, 0, -1, 0}, dy[4] = {0, -1, 0, 1};
    while (!open.empty()) {
        const Cell here = open.front();
        open.pop_front();
        if (here.col == door.col && here.row == door.row) return seen[here.row][here.col].first;
        // Doors and the exit end a walk; only the target is walked into.
        if ((here.col != state.PlayerCol || here.row != state.PlayerRow) &&
            (DoorAt(here.col, here.row) || (here.col == ExitCell.col && here.row == ExitCell.row)))
            continue;
        at.PlayerCol = here.col;
        at.PlayerRow = here.row;
        for (int d = 0; d < 4; ++d) {
            const Cell next{here.col + dx[d], here.row + dy[d]};
            if (WalkDirection(at, next.col, next.row) != d || seen[next.row][next.col].seen) continue;
            seen[next.row][next.col] = {true, seen[here.row][here.col].first < 0 ? d : seen[here.row][here.col].first};
            open.push_back(next);
        }
    }
    return -1;
}

}  // namespace

class KeyboardGameTest : public QObject {
    Q_OBJECT

private:
    solve::GameRig rig_;
    SeededRandom dice_{Seed};
    std::unique_ptr<GameWindows> windows_;
    QTemporaryDir saves_;
    Game& State() { return windows_->game; }

    QEventLoop* loop_ = nullptr;
    bool tickPending_ = false;
    bool finished_ = false;
    int ticks_ = 0;
    QStringList faults_;
    QStringList shown_;  // scenes seen, in order, once each time they came up
    QDialog* lastTop_ = nullptr;

    // The labyrinth's part of the play.
    std::deque<std::pair<int, Qt::KeyboardModifiers>> labyrinthKeys_;
    int nextDoor_ = 1;
    bool saved_ = false, loaded_ = false;
    SavedGame savedRecord_{};
    std::set<int> solving_;  // rooms whose riddle has been played on this visit
    bool laid_ = false;

    void Fault(const QString& fault) {
        faults_ << fault;
        Finish();
    }
    void Finish() {
        finished_ = true;
        if (loop_) loop_->quit();
    }

    // The next look at the game comes with the next turn of whichever
    // modal loop runs then: before any key that may open a scene.
    void Schedule() {
        if (tickPending_ || finished_) return;
        tickPending_ = true;
        QTimer::singleShot(0, this, [this] { Tick(); });
    }

    void Tick() {
        tickPending_ = false;
        if (finished_) return;
        if (++ticks_ > 50000) return Fault("the game never ended");
        const QList<QDialog*> scenes = OpenScenes();
        QDialog* top = scenes.isEmpty() ? nullptr : scenes.back();
        if (top != lastTop_ && top) shown_ << top->objectName();
        lastTop_ = top;
        Schedule();
        if (!top) return Labyrinth();
        if (top == windows_->MessDlg) return solve::Press(Qt::Key_Return);
        if (top == windows_->MazeWin || top == windows_->DoneWin) return solve::Press(Qt::Key_Space);
        if (top == windows_->PuzzleWin) return DoorRoom(*windows_->PuzzleWin);
        if (top == windows_->ChessWin) return Throne(*windows_->ChessWin);
        if (top == windows_->SaveAsDlg) {
            // The name field has the keyboard, its name chosen: typed over.
            QTest::keyClicks(QApplication::focusWidget(), "keys");
            return solve::Press(Qt::Key_Return);
        }
        if (top == windows_->LoadDlg) return solve::Press(Qt::Key_Return);  // the game just saved is chosen
        if (auto* riddle = dynamic_cast<TRiddleWin*>(top)) return Riddle(*riddle);
        Fault("an unexpected scene: " + top->objectName());
    }

    void Labyrinth() {
        if (!labyrinthKeys_.empty()) {
            const auto [key, modifiers] = labyrinthKeys_.front();
            labyrinthKeys_.pop_front();
            return solve::Press(key, modifiers);
        }
        if (!State().MazeRestored) return Fault("the corridors were not restored by the keys");
        if (nextDoor_ > DoorCount) return Finish();
        const Cell door = DoorCell(nextDoor_);
        if (State().PlayerCol == door.col && State().PlayerRow == door.row) {
            // Back from the door's room.
            if (!State().DoorOpen[nextDoor_]) return Fault(QString("door %1 is still closed").arg(nextDoor_));
            if (nextDoor_ == SavedAfterDoor && !saved_) return SaveAndLoad();
            ++nextDoor_;
            solving_.clear();
            return;
        }
        const int step = FirstStepTowards(State(), door);
        if (step < 0) return Fault(QString("no way to door %1").arg(nextDoor_));
        solve::Press(ArrowKey(step));
    }

    // Ctrl+S into the file window, then Ctrl+O the same game back.
    void SaveAndLoad() {
        saved_ = true;
        solve::Press(Qt::Key_S, Qt::ControlModifier);
        const QString file = saves_.filePath("keys.htk");
        if (QString::fromStdString(State().GameFileName) != file) return Fault("not saved as keys.htk");
        const auto record = ReadSavedGameFile(file.toStdString());
        if (!record) return Fault("the saved game cannot be read");
        savedRecord_ = *record;
        // Something to undo: the load must bring the figure back.
        const Cell door = DoorCell(nextDoor_);
        State().PlayerCol = 5;
        State().PlayerRow = 3;
        solve::Press(Qt::Key_O, Qt::ControlModifier);
        loaded_ = State().PlayerCol == door.col && State().PlayerRow == door.row;
        if (!loaded_ || EncodeSavedGame(RecordFromState(State())) != EncodeSavedGame(savedRecord_))
            Fault("the loaded game is not the one saved");
    }

    void DoorRoom(TPuzzleWin& door) {
        switch (door.DoorState) {
        case 0:
            if (solving_.count(door.Room)) {
                solve::Press(Qt::Key_Escape);
                return Fault(QString("room %1 was left unsolved").arg(door.Room));
            }
            solving_.insert(door.Room);
            // The first Tab shows the cursor on the door; Space opens it.
            if (!door.Cursor->Showing()) solve::Press(Qt::Key_Tab);
            return solve::Press(Qt::Key_Space);
        case 1: return solve::Press(Qt::Key_Space);  // the cursor is on the piece
        default: return solve::Press(Qt::Key_Escape);
        }
    }

    void Riddle(TRiddleWin& room) {
        if (!room.OKBtn->isHidden()) return solve::PressButton(room.OKBtn);
        if (solving_.count(100 + room.Room())) return Fault(QString("room %1 not solved").arg(room.Room()));
        solving_.insert(100 + room.Room());
        solve::KeyHands hands(room);
        if (!solve::SolveLevelOne(room, hands)) Fault(QString("room %1: the solver found nothing").arg(room.Room()));
    }

    void Throne(TChessWin& chess) {
        if (!chess.OKBtn->isHidden()) return solve::PressButton(chess.OKBtn);
        if (laid_) return Fault("the chess board was not laid");
        laid_ = true;
        solve::KeyTableHands hands(chess);
        if (!solve::LayTheBoard(chess, State(), hands)) Fault("a piece would not go into its place");
    }

    // No mouse button is ever pressed in the game.
    class NoMouse : public QObject {
    public:
        bool pressed = false;

    protected:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress) pressed = true;
            return false;
        }
    } noMouse_;

private slots:
    void initTestCase() {
        QVERIFY(saves_.isValid());
        windows_ = std::make_unique<GameWindows>(rig_.clock, dice_, rig_.cues);
        QVERIFY(windows_->MakeAll());
        solve::Show(*windows_);
        windows_->MainForm->box->setFocus();
        qApp->installEventFilter(&noMouse_);
        State().Language = 0;
        windows_->MainForm->NewGame();
        // The corridors one shift away from their pattern, the figure at
        // the exit; the save window opens in the test's folder.
        CopyGrid(State().Grid, TargetGrid);
        ShiftGrid(State(), 1, South);
        State().MazeRestored = false;
        State().PlayerCol = ExitCell.col;
        State().PlayerRow = ExitCell.row;
        const QString start = saves_.filePath("start.htk");
        QFile file(start);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        State().GameFileName = start.toStdString();
        windows_->MainForm->box->update();
        // Tab to the first arrow (column 1 south), three times back round
        // to column 1 north, which shifts the column back: restored.
        labyrinthKeys_ = {{Qt::Key_Tab, Qt::NoModifier},
                          {Qt::Key_Backtab, Qt::ShiftModifier},
                          {Qt::Key_Backtab, Qt::ShiftModifier},
                          {Qt::Key_Backtab, Qt::ShiftModifier},
                          {Qt::Key_Space, Qt::NoModifier}};
    }

    void cleanupTestCase() {
        qApp->removeEventFilter(&noMouse_);
        windows_.reset();
    }

    void theWholeGameIsPlayedWithTheKeys() {
        QEventLoop loop;
        loop_ = &loop;
        Schedule();
        loop.exec();
        loop_ = nullptr;
        qInfo("%d looks at the game; scenes in turn: %s", ticks_, qPrintable(shown_.join(' ')));
        QVERIFY2(faults_.isEmpty(), qPrintable(faults_.join('\n')));
        QVERIFY(State().MazeRestored);
        QVERIFY(shown_.contains("TMazeWin"));
        for (int door = 1; door <= DoorCount; ++door) QVERIFY2(State().DoorOpen[door], qPrintable(QString::number(door)));
        QVERIFY(saved_ && loaded_);
        QVERIFY(shown_.contains("TSaveAsDlg") && shown_.contains("TLoadDlg"));
        QVERIFY(shown_.contains("TDoneWin"));
        QVERIFY(!noMouse_.pressed);
        QVERIFY(OpenScenes().isEmpty());
    }
};

QTEST_MAIN(KeyboardGameTest)
#include "KeyboardGameTest.moc"
