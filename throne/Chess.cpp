#include "throne/Chess.h"

#include "platform/System.h"
#include "platform/Cues.h"
#include "shell/GameState.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "platform/Random.h"
#include "shell/StartPictures.h"
#include "shell/Texts.h"
#include "throne/ChessTable.h"
#include "throne/Done.h"

namespace tarnwick {

TChessWin* ChessWin = nullptr;

namespace {

constexpr int SquareSize = TableCellSize;            // one square of a piece, 20 x 20
constexpr int BoxSize = PieceBox * TableCellSize;    // a piece's 4 x 4 box, 80 x 80

const BiText RulesText{
    "Nachdem Du alle Teile gefunden hast, setze das Schachbrett des Königs wieder zusammen.",
    "After you have found all pieces, try to put the chess board together."};
const BiText FirstEntry{"Du betrittst den Thronsaal, wo Dich Deine schwerste Aufgabe erwartet.",
                        "You enter the throne room. Now the hardest exercise is waiting for you."};
const BiText LaterEntry{"Du betrittst den Thronsaal. Die Teile des Schachbretts liegen bereit.",
                        "You enter the throne room. The pieces of the chess board are there."};

QRect TableRect(int piece) {
    return QRect(SquareSize * PieceCol[piece], SquareSize * PieceRow[piece], BoxSize, BoxSize);
}

}  // namespace

TChessWin::TChessWin() : SceneWindow(400, 300, true) {
    setObjectName("TChessWin");
    HelpBtn = MakeGlyphButton(this, 168, 264, 26, 26, ":/glyphs/riddle_help.png");
    HelpBtn->setDefault(true);
    EscBtn = MakeGlyphButton(this, 200, 264, 26, 26, ":/glyphs/riddle_esc.png");
    OKBtn = MakeGlyphButton(this, 200, 264, 26, 26, ":/glyphs/board.png");
    OKBtn->hide();
    setTabOrder(HelpBtn, EscBtn);
    setTabOrder(EscBtn, OKBtn);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowRules(); });
    connect(EscBtn, &QPushButton::clicked, this, [this] { Finish(ModalLeft); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });

    PaintBox* table = surface();
    table->setMouseTracking(true);  // the carried piece follows the mouse with no button held
    table->OnPaint = [this] { Paint(); };
    table->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        MouseDown(button, x, y);
    };
    table->OnMouseMove = [this](int x, int y) { MouseMove(x, y); };
}

bool TChessWin::FormCreate() {
    // Only checked now; decoded the first time the room is drawn.
    const bool loaded = LoadStartPicture(ThronePicture, "b3.bmp", 400, 300, Decoding::AtFirstUse) &&
                        LoadStartPicture(PiecesPicture, "b8.bmp", 960, 320, Decoding::AtFirstUse);
    if (!loaded) return false;
    CarrySaveArea.Create(BoxSize, BoxSize);
    SeedGameRandomFromClock();
    Hand = ChessHand{};
    ShowLeaveButton(false);
    ShowCarryCursor(false);
    return true;
}

int TChessWin::ShowModal() {
    if (MessDlg) MessDlg->ShowModal(Text(DoorOpen[13] ? LaterEntry : FirstEntry));
    // The way out of a finished mission stays open only while the board on
    // the table is still whole: a new or loaded game takes it away.
    if (OKBtn->isVisibleTo(this) && CheckChessBoard() != BoardCheck::Complete) ShowLeaveButton(false);
    return RunModal(this);
}

void TChessWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void TChessWin::FormShow() {
    CentreOverMainWindow();
    HelpBtn->setToolTip(Text(texts::RulesHint));
    EscBtn->setToolTip(Text(texts::LaterHint));
    OKBtn->setToolTip(Text(texts::LeaveHint));

    // A piece still in hand from the last visit waits at its old place for
    // the next click; one that a new or loaded game took away is let go.
    LetGoOfLostPiece();
    if (const int held = Hand.Held()) {
        DragLeft = SquareSize * PieceCol[held];
        DragTop = SquareSize * PieceRow[held];
    }
    ShowCarryCursor(Hand.Held() != 0);
    HelpBtn->setFocus();
}

void TChessWin::Paint() {
    LetGoOfLostPiece();
    const int held = Hand.Held();
    CopyRect(surface()->canvas, 0, 0, ThronePicture, 0, 0, 400, 300);
    for (int piece = 1; piece <= PieceCount; ++piece)
        if (PieceWon(piece) && piece != held)
            DrawPiece(piece, SquareSize * PieceCol[piece], SquareSize * PieceRow[piece]);
    // The piece in hand is drawn where it is carried, over the table.
    if (held) SaveAndDrawPiece();
}

void TChessWin::MouseDown(Qt::MouseButton button, int x, int y) {
    if (LetGoOfLostPiece()) {
        Paint();
        surface()->Flush();
    }
    if (Hand.Held() == 0) {
        PickUp(x, y);
    } else if (button == Qt::RightButton) {
        TurnInHand();
    } else if (button == Qt::LeftButton) {
        PutDown(x, y);
    }
}

void TChessWin::MouseMove(int x, int y) {
    if (Hand.Held() == 0) return;
    const int left = x - SquareSize * Hand.GrabCol - SquareSize / 2;
    const int top = y - SquareSize * Hand.GrabRow - SquareSize / 2;
    if (left == DragLeft && top == DragTop) return;
    const QRect before = CarryRect();
    RestoreUnderPiece();
    DragLeft = left;
    DragTop = top;
    SaveAndDrawPiece();
    const QRect after = CarryRect();
    if (before.intersects(after)) {
        surface()->Flush(before.united(after));
    } else {
        surface()->Flush(before);
        surface()->Flush(after);
    }
}

void TChessWin::ShowRules() {
    if (MessDlg) MessDlg->ShowModal(Text(RulesText));
}

void TChessWin::PickUp(int x, int y) {
    if (!Hand.PickUp(x / SquareSize, y / SquareSize)) return;
    const int piece = Hand.HeldPiece;
    ErasePiece(piece);
    // The grabbed square is centred on the mouse.
    DragLeft = x - SquareSize * Hand.GrabCol - SquareSize / 2;
    DragTop = y - SquareSize * Hand.GrabRow - SquareSize / 2;
    SaveAndDrawPiece();
    surface()->Flush(TableRect(piece).united(CarryRect()));
    ShowCarryCursor(true);
}

void TChessWin::TurnInHand() {
    RestoreUnderPiece();
    Hand.Turn();
    SaveAndDrawPiece();
    surface()->Flush(CarryRect());
}

void TChessWin::PutDown(int x, int y) {
    const int piece = Hand.Held();
    const QRect carried = CarryRect();
    if (!Hand.PutDown(x / SquareSize, y / SquareSize)) return;  // stays in hand
    RestoreUnderPiece();
    DrawPiece(piece, SquareSize * PieceCol[piece], SquareSize * PieceRow[piece]);
    surface()->Flush(carried.united(TableRect(piece)));
    ShowCarryCursor(false);
    CompletionTest();
}

void TChessWin::CompletionTest() {
    switch (CheckChessBoard()) {
    case BoardCheck::Complete:
        if (MainForm) MainForm->PlayCue(CueTriumph);
        if (DoneWin) RunModal(DoneWin);
        ShowLeaveButton(true);
        break;
    case BoardCheck::Incomplete:
        ShowLeaveButton(false);
        break;
    case BoardCheck::Undecided:
        break;
    }
}

void TChessWin::DrawPiece(int piece, int x, int y) {
    const int turn = PieceTurn[piece];
    for (int row = 0; row < PieceBox; ++row)
        for (int col = 0; col < PieceBox; ++col)
            if (PieceSquareAt(piece, turn, row, col) != EmptySquare)
                CopyRect(surface()->canvas, x + SquareSize * col, y + SquareSize * row,
                         PiecesPicture, BoxSize * (piece - 1) + SquareSize * col,
                         BoxSize * turn + SquareSize * row, SquareSize, SquareSize);
}

void TChessWin::ErasePiece(int piece) {
    const int turn = PieceTurn[piece];
    for (int row = 0; row < PieceBox; ++row)
        for (int col = 0; col < PieceBox; ++col)
            if (PieceSquareAt(piece, turn, row, col) != EmptySquare) {
                const int x = SquareSize * (PieceCol[piece] + col);
                const int y = SquareSize * (PieceRow[piece] + row);
                CopyRect(surface()->canvas, x, y, ThronePicture, x, y, SquareSize, SquareSize);
            }
}

void TChessWin::SaveAndDrawPiece() {
    CopyRect(CarrySaveArea, 0, 0, surface()->canvas, DragLeft, DragTop, BoxSize, BoxSize);
    DrawPiece(Hand.Held(), DragLeft, DragTop);
}

void TChessWin::RestoreUnderPiece() {
    CopyRect(surface()->canvas, DragLeft, DragTop, CarrySaveArea, 0, 0, BoxSize, BoxSize);
}

bool TChessWin::LetGoOfLostPiece() {
    if (Hand.HeldPiece == 0 || Hand.Held() != 0) return false;
    Hand.ForgetLostPiece();
    ShowCarryCursor(false);
    return true;
}

void TChessWin::ShowLeaveButton(bool solved) {
    EscBtn->setVisible(!solved);
    OKBtn->setVisible(solved);
}

void TChessWin::ShowCarryCursor(bool carrying) {
    if (carrying) {
        surface()->setCursor(Qt::BlankCursor);
    } else {
        surface()->unsetCursor();
    }
}

QRect TChessWin::CarryRect() const { return QRect(DragLeft, DragTop, BoxSize, BoxSize); }

}  // namespace tarnwick
