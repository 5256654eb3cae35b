// SPDX-License-Identifier: GPL-3.0-or-later
// The throne room on the offscreen platform: carrying, turning and putting
// down pieces with the mouse, the completed chess board with the finale,
// and what the room shows and says on entry.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/SceneWindow.h"
#include "platform/System.h"
#include "state/Game.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "support/WindowsRig.h"
#include "throne/Chess.h"
#include "throne/Done.h"

using namespace tarnwick;

namespace {

struct Lay {
    int piece, turn, col, row;  // box corner, measured from the board's corner
};

// The twelve pieces laid into a chess board whose corner square is light,
// and one whose corner square is dark.
const Lay LightCornerBoard[] = {
    {1, 1, 3, 0}, {2, 3, 1, 3}, {3, 0, 0, -1}, {4, 2, 0, 1}, {5, 1, 3, 3}, {6, 3, -1, 4},
    {7, 1, 4, 6}, {8, 0, 0, 2}, {9, 0, 5, 0}, {10, 0, 1, 5}, {11, 1, 6, 2}, {12, 3, 5, 5}};
const Lay DarkCornerBoard[] = {
    {1, 2, 0, 0}, {2, 1, 4, 3}, {3, 0, 1, -1}, {4, 0, 5, 6}, {5, 0, 1, 5}, {6, 1, 5, 1},
    {7, 2, 2, 1}, {8, 0, 5, 4}, {9, 1, 2, 4}, {10, 2, 5, 0}, {11, 3, 0, 2}, {12, 2, 0, 5}};

// The middle of table cell (col, row) in window pixels.
int At(int cell) { return 20 * cell + 10; }

}  // namespace

class ChessWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WindowsRig rig_;
    std::unique_ptr<TChessWin> chess_;
    QStringList shown_;      // windows run modally, in order, with the message texts
    QList<int> cuesAtDone_;  // cues played before the finale came up
    bool escAtDone_ = false;

    void ClearTable() {
        for (int piece = 1; piece <= 12; ++piece) rig_.State().PieceTurn[piece] = -1;
    }
    void Put(int piece, int turn, int col, int row) {
        rig_.State().PieceTurn[piece] = turn;
        rig_.State().PieceCol[piece] = col;
        rig_.State().PieceRow[piece] = row;
    }
    void LayBoard(const Lay (&board)[12], int c0, int r0) {
        for (const Lay& lay : board) Put(lay.piece, lay.turn, c0 + lay.col, r0 + lay.row);
    }
    static const Lay& Find(const Lay (&board)[12], int piece) {
        for (const Lay& lay : board)
            if (lay.piece == piece) return lay;
        return board[0];
    }

    void Press(Qt::MouseButton button, int col, int row) {
        chess_->MouseDown(button, At(col), At(row));
    }
    // The room as a fresh repaint would show it.
    QImage Repainted() {
        chess_->Paint();
        return chess_->surface()->canvas.Image().copy();
    }
    QImage Canvas() const { return chess_->surface()->canvas.Image().copy(); }
    // Whether the screen as drawn step by step is what a repaint shows.
    bool MatchesRepaint() {
        const QImage drawn = Canvas();
        return drawn == Repainted();
    }
    bool Carrying() const {
        return chess_->surface()->cursor().shape() == Qt::BlankCursor;
    }
    // Opens the room as the door does, without running it.
    void Enter() {
        chess_->show();
        chess_->Paint();
    }

private slots:
    void initTestCase() {
        QVERIFY(rig_.Ready());
        QVERIFY(rig_.Ready());
        SetModalScript([this](QDialog* window) {
            shown_ << window->objectName();
            if (window == rig_.windows.MessDlg) shown_ << rig_.windows.MessDlg->Mess->text();
            if (window == rig_.windows.DoneWin) {
                const auto cues = rig_.game.cues.Played();
                cuesAtDone_ = QList<int>(cues.begin(), cues.end());
                escAtDone_ = !chess_->EscBtn->isHidden();
            }
            return ModalDone;
        });
    }

    void init() {
        chess_ = std::make_unique<TChessWin>(rig_.windows.stage);
        QVERIFY(chess_->FormCreate());
        chess_->DoneWin = rig_.windows.DoneWin;
        ClearTable();
        shown_.clear();
        rig_.game.cues.log.clear();
        cuesAtDone_.clear();
        escAtDone_ = false;
        rig_.State().Language = 0;
    }

    void cleanup() {
        chess_.reset();
    }

    void cleanupTestCase() {
        SetModalScript({});
    }

    void entryMessageTellsWhetherTheBoardWasDone_data() {
        QTest::addColumn<int>("tongue");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QString>("message");
        QTest::newRow("first, English") << 0 << false
            << "You enter the throne room. Now the hardest exercise is waiting for you.";
        QTest::newRow("again, German") << 1 << true
            << QString::fromUtf8("Du betrittst den Thronsaal. Die Teile des Schachbretts liegen bereit.");
    }

    void entryMessageTellsWhetherTheBoardWasDone() {
        QFETCH(int, tongue);
        QFETCH(bool, done);
        QFETCH(QString, message);
        rig_.State().Language = tongue;
        rig_.State().DoorOpen[13] = done;
        QCOMPARE(chess_->ShowModal(), ModalDone);
        QCOMPARE(shown_, (QStringList{"TMessDlg", message, "TChessWin"}));
        rig_.State().DoorOpen[13] = false;
    }

    void aCompletedBoardBringsTheFinale_data() {
        QTest::addColumn<bool>("darkCorner");
        QTest::addColumn<int>("c0");
        QTest::addColumn<int>("r0");
        QTest::newRow("light corner") << false << 1 << 1;
        QTest::newRow("dark corner") << true << 11 << 2;
        // Rows 13 and 14 lie under the buttons: hidden, but they count.
        QTest::newRow("under the buttons") << false << 6 << 7;
    }

    void aCompletedBoardBringsTheFinale() {
        QFETCH(bool, darkCorner);
        QFETCH(int, c0);
        QFETCH(int, r0);
        const auto& board = darkCorner ? DarkCornerBoard : LightCornerBoard;
        LayBoard(board, c0, r0);
        const Lay eight = Find(board, 8);  // the cross: its middle is box cell (1, 1)
        const int asideCol = c0 < 8 ? 16 : 1, asideRow = 0;
        Put(8, eight.turn, asideCol, asideRow);
        Enter();

        Press(Qt::LeftButton, asideCol + 1, asideRow + 1);
        QCOMPARE(chess_->Hand.HeldPiece, 8);
        Press(Qt::LeftButton, c0 + eight.col + 1, r0 + eight.row + 1);
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QCOMPARE(shown_, QStringList{"TDoneWin"});
        QCOMPARE(cuesAtDone_, QList<int>{CueTriumph});
        QVERIFY(escAtDone_);  // the buttons change once the finale is closed
        QVERIFY(chess_->EscBtn->isHidden());
        QVERIFY(!chess_->OKBtn->isHidden());

        // Taking a piece out of the board again is judged incomplete.
        Press(Qt::LeftButton, c0 + eight.col + 1, r0 + eight.row + 1);
        Press(Qt::LeftButton, asideCol + 1, asideRow + 1);
        QVERIFY(!chess_->EscBtn->isHidden());
        QVERIFY(chess_->OKBtn->isHidden());
        QCOMPARE(shown_, QStringList{"TDoneWin"});
    }

    void theWayOutLastsAsLongAsTheBoard() {
        LayBoard(LightCornerBoard, 2, 2);
        const Lay eight = Find(LightCornerBoard, 8);
        Enter();
        Press(Qt::LeftButton, 2 + eight.col + 1, 2 + eight.row + 1);  // lift and put back
        Press(Qt::LeftButton, 2 + eight.col + 1, 2 + eight.row + 1);
        QVERIFY(!chess_->OKBtn->isHidden());
        chess_->hide();

        // Entering again with the board whole: the success button is still there.
        chess_->ShowModal();
        QVERIFY(!chess_->OKBtn->isHidden());

        // A new game took the pieces: no leaving as if the board were whole.
        ClearTable();
        chess_->ShowModal();
        QVERIFY(chess_->OKBtn->isHidden());
        QVERIFY(!chess_->EscBtn->isHidden());
    }

    void aRefusedPutDownKeepsThePieceInHand() {
        Put(8, 0, 5, 5);   // the cross, middle at (6, 6)
        Put(11, 0, 9, 5);  // a 3 x 2 block at columns 9..11, rows 5..6
        Enter();
        Press(Qt::LeftButton, 6, 6);
        const QImage carried = Canvas();

        Press(Qt::LeftButton, 9, 6);    // its right arm onto the block
        Press(Qt::LeftButton, 19, 6);   // its right arm off the table
        Press(Qt::LeftButton, 6, 0);    // its top off the table
        Press(Qt::MiddleButton, 2, 2);  // the middle button does nothing at all
        QCOMPARE(chess_->Hand.HeldPiece, 8);
        QCOMPARE(rig_.State().PieceCol[8], 5);
        QCOMPARE(rig_.State().PieceRow[8], 5);
        QCOMPARE(Canvas(), carried);
        QVERIFY(Carrying());
        QVERIFY(rig_.game.cues.Played().empty());

        // Straight back where it came from is allowed.
        Press(Qt::LeftButton, 6, 6);
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QVERIFY(!Carrying());
    }

    void turningWorksEvenAtTheEdge() {
        Put(3, 0, 0, 0);  // a row of four in box row 1, a tail below its right end
        Enter();
        // Any button picks up; the window's own mouse events arrive here.
        QTest::mousePress(chess_->surface(), Qt::RightButton, Qt::NoModifier, {At(0), At(1)});
        QCOMPARE(chess_->Hand.HeldPiece, 3);
        QCOMPARE(chess_->Hand.GrabCol, 0);
        QCOMPARE(chess_->Hand.GrabRow, 1);
        // Moved with no button held: the box hangs over the left and bottom edges.
        QTest::mouseMove(chess_->surface(), {5, At(14)});
        QCOMPARE(chess_->DragLeft, -5);
        QCOMPARE(chess_->DragTop, 260);
        chess_->MouseDown(Qt::RightButton, 5, At(14));
        QCOMPARE(rig_.State().PieceTurn[3], 3);
        QCOMPARE(chess_->Hand.HeldPiece, 3);
        // The grabbed box cell is empty in turn 3; the box still goes by it:
        // grab cell (0, 1) on (1, 10) puts the box corner at (1, 9).
        Press(Qt::LeftButton, 1, 10);
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QCOMPARE(rig_.State().PieceCol[3], 1);
        QCOMPARE(rig_.State().PieceRow[3], 9);
    }

    void theScreenAlwaysMatchesAFreshRepaint() {
        Put(1, 0, 2, 2);
        Put(8, 2, 8, 4);
        Put(12, 1, 14, 9);
        Enter();
        const QImage before = Repainted();

        Press(Qt::LeftButton, 2, 2);  // piece 1 by its top square
        QVERIFY(Carrying());
        QVERIFY(MatchesRepaint());
        for (const QPoint p : {QPoint(95, 101), QPoint(173, 88), QPoint(175, 90), QPoint(390, 290),
                               QPoint(2, 3)}) {
            chess_->MouseMove(p.x(), p.y());
            QVERIFY(MatchesRepaint());
        }
        chess_->MouseMove(At(8), At(4));  // carried over piece 8
        chess_->MouseDown(Qt::RightButton, At(8), At(4));
        QVERIFY(MatchesRepaint());
        // Put down off the cell's middle: the piece snaps to the cells.
        chess_->MouseMove(At(16) + 7, At(3) - 6);
        chess_->MouseDown(Qt::LeftButton, At(16) + 7, At(3) - 6);
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QVERIFY(MatchesRepaint());
        QVERIFY(Canvas() != before);  // the piece lies somewhere else now
    }

    void theHandBetweenVisits() {
        Put(8, 0, 5, 5);
        Put(2, 0, 12, 8);
        Enter();
        Press(Qt::LeftButton, 6, 6);
        chess_->MouseMove(300, 200);
        chess_->hide();

        Enter();  // back in: the piece waits at its old place, still in hand
        QCOMPARE(chess_->Hand.HeldPiece, 8);
        QCOMPARE(QPoint(chess_->DragLeft, chess_->DragTop), QPoint(100, 100));
        QVERIFY(Carrying());
        QVERIFY(MatchesRepaint());
        chess_->hide();

        rig_.State().PieceTurn[8] = -1;  // a new game took it meanwhile
        Enter();
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QVERIFY(!Carrying());
        Press(Qt::LeftButton, 12, 8);  // the next click picks up, as with an empty hand
        QCOMPARE(chess_->Hand.HeldPiece, 2);
        rig_.State().PieceTurn[2] = -1;  // and should it go while the room is open
        Press(Qt::RightButton, 3, 3);
        QCOMPARE(chess_->Hand.HeldPiece, 0);
        QVERIFY(!Carrying());
        QVERIFY(MatchesRepaint());
    }
};

QTEST_MAIN(ChessWindowTest)
#include "ChessWindowTest.moc"
