// SPDX-License-Identifier: GPL-3.0-or-later
#include "throne/Chess.h"

#include "stage/StartPictures.h"
#include "state/Cues.h"
#include "throne/ChessTable.h"
#include "throne/Done.h"
#include "throne/PiecesLayout.h"

namespace tarnwick {

namespace {

constexpr int SquareSize = TableCellSize;            // one square of a piece, 20 x 20
constexpr int BoxSize = PieceBox * TableCellSize;    // a piece's 4 x 4 box, 80 x 80
static_assert(SquareSize == pieces_art::Square, "the table's cells are the pieces' squares");

const BiText RulesText{
    "Nachdem Du alle Teile gefunden hast, setze das Schachbrett des Königs wieder zusammen.",
    "After you have found all pieces, try to put the chess board together."};
const BiText ThroneRoomName{"Der alte Thronsaal", "The old throne room"};
const BiText FirstEntry{"Du betrittst den Thronsaal, wo Dich Deine schwerste Aufgabe erwartet.",
                        "You enter the throne room. Now the hardest exercise is waiting for you."};
const BiText LaterEntry{"Du betrittst den Thronsaal. Die Teile des Schachbretts liegen bereit.",
                        "You enter the throne room. The pieces of the chess board are there."};

}  // namespace

TChessWin::TChessWin(Stage& stage)
    : TRiddleFrame(stage, 400, 300, {264, -1, 168, 200, ":/glyphs/board.png"}), Hand(stage.game), game_(stage.game) {
    setObjectName("TChessWin");
    OKBtn->hide();
    UsePictures({&PiecesPicture, &ThronePicture, &CarrySaveArea});

    PaintBox* table = surface();
    table->setMouseTracking(true);  // the carried piece follows the mouse with no button held
    table->OnPaint = [this] { Paint(); };
    table->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        MouseDown(button, x, y);
    };
    table->OnMouseMove = [this](int x, int y) { MouseMove(x, y); };
    UseKeys();
}

void TChessWin::UseKeys() {
    const auto layout = [] { return BoardKeys::Layout{0, 0, TableColumns, TableRows, SquareSize, 1}; };
    BoardKeys::Mouse mouse{
        [this](bool right, int x, int y) { MouseDown(right ? Qt::RightButton : Qt::LeftButton, x, y); },
        [this](int x, int y) { MouseMove(x, y); }, [](int, int) {}, [this] { return Hand.Held() != 0; }, {}};
    UseBoard(BoardKeys::Input::Carry, layout, std::move(mouse), [this](QPoint cell) { return CellName(cell); });
    Keys->turnKey = Qt::Key_R;
}

QString TChessWin::CellName(QPoint cell) const {
    const int language = game_.Language;
    const auto say = [language](const BiText& text) { return QString::fromUtf8(Tr(text, language)); };
    QString name = say({"leerer Tisch", "empty table"});
    // The piece in hand lies on the table no more.
    const int held = Hand.Held();
    if (const auto hit = PieceAt(game_, cell.x(), cell.y()); hit && hit->piece != held) {
        const bool light =
            PieceSquareAt(hit->piece, game_.PieceTurn[hit->piece], hit->boxRow, hit->boxCol) == LightSquare;
        name = say({"Teil ", "piece "}) + QString::number(hit->piece) + QStringLiteral(", ") +
               say(light ? BiText{"helles Feld", "light square"} : BiText{"dunkles Feld", "dark square"});
    }
    if (held && Keys && cell == Keys->Field())
        name += QStringLiteral("; ") + say({"in der Hand: Teil ", "in hand: piece "}) + QString::number(held);
    return name;
}

namespace {

// Only checked here; decoded the first time the room is drawn.
bool TakeThronePictures(const Game& game, Picture& throne, Picture& pieces) {
    return LoadStartPicture(game, throne, "b3.bmp", 400, 300, Decoding::AtFirstUse) &&
           LoadStartPicture(game, pieces, "b8.bmp", pieces_art::Width, pieces_art::Height, Decoding::AtFirstUse);
}

}  // namespace

bool TChessWin::CheckPictures(const Game& game) {
    Picture throne, pieces;
    return TakeThronePictures(game, throne, pieces);
}

bool TChessWin::FormCreate() {
    if (!TakeThronePictures(game_, ThronePicture, PiecesPicture)) return false;
    CarrySaveArea.Create(BoxSize, BoxSize);
    Hand = ChessHand(game_);
    ShowSolved(false);
    ShowCarryCursor(false);
    return true;
}

int TChessWin::ShowModal() {
    stage_.Say(game_.DoorOpen[13] ? LaterEntry : FirstEntry);
    // The way out of a finished mission stays open only while the board on
    // the table is still whole: a new or loaded game takes it away.
    if (OKBtn->isVisibleTo(this) && CheckChessBoard(game_) != BoardCheck::Complete) ShowSolved(false);
    return RunModal(this);
}

void TChessWin::showEvent(QShowEvent* event) {
    FormShow();
    SceneWindow::showEvent(event);
}

void TChessWin::FormShow() {
    SetHints();
    setAccessibleName(stage_.Text(ThroneRoomName));
    surface()->setAccessibleName(stage_.Text({"Tisch", "table"}));
    Keys->Reset();

    // A piece still in hand from the last visit waits at its old place for
    // the next click; one that a new or loaded game took away is let go.
    LetGoOfLostPiece();
    if (const int held = Hand.Held()) {
        DragLeft = SquareSize * game_.PieceCol[held];
        DragTop = SquareSize * game_.PieceRow[held];
    }
    ShowCarryCursor(Hand.Held() != 0);
    HelpBtn->setFocus();
}

void TChessWin::Paint() {
    LetGoOfLostPiece();
    const int held = Hand.Held();
    CopyRect(canvas_.Window(), 0, 0, canvas_.Room(), 0, 0, 400, 300);
    for (int piece = 1; piece <= PieceCount; ++piece)
        if (PieceWon(game_, piece) && piece != held)
            DrawPiece(piece, SquareSize * game_.PieceCol[piece], SquareSize * game_.PieceRow[piece]);
    // The piece in hand is drawn where it is carried, over the table.
    if (held) SaveAndDrawPiece();
}

void TChessWin::MouseDown(Qt::MouseButton button, int x, int y) {
    if (LetGoOfLostPiece()) {
        Paint();
        canvas_.ShowAll();
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
        canvas_.Show(before.united(after));
    } else {
        canvas_.Show(before);
        canvas_.Show(after);
    }
}

std::vector<BiText> TChessWin::RulesMessages() const { return {RulesText}; }

void TChessWin::PickUp(int x, int y) {
    if (!Hand.PickUp(x / SquareSize, y / SquareSize)) return;
    const int piece = Hand.HeldPiece;
    ErasePiece(piece);
    // The grabbed square is centred on the mouse.
    DragLeft = x - SquareSize * Hand.GrabCol - SquareSize / 2;
    DragTop = y - SquareSize * Hand.GrabRow - SquareSize / 2;
    SaveAndDrawPiece();
    canvas_.Show(TableRect(piece).united(CarryRect()));
    ShowCarryCursor(true);
    BoardChanged();
}

void TChessWin::TurnInHand() {
    RestoreUnderPiece();
    Hand.Turn();
    SaveAndDrawPiece();
    canvas_.Show(CarryRect());
}

void TChessWin::PutDown(int x, int y) {
    const int piece = Hand.Held();
    const QRect carried = CarryRect();
    if (!Hand.PutDown(x / SquareSize, y / SquareSize)) return;  // stays in hand
    RestoreUnderPiece();
    DrawPiece(piece, SquareSize * game_.PieceCol[piece], SquareSize * game_.PieceRow[piece]);
    canvas_.Show(carried.united(TableRect(piece)));
    ShowCarryCursor(false);
    BoardChanged();
    CompletionTest();
}

void TChessWin::CompletionTest() {
    switch (CheckChessBoard(game_)) {
    case BoardCheck::Complete:
        stage_.PlayCue(CueTriumph);
        if (DoneWin) RunModal(DoneWin);
        ShowSolved(true);
        break;
    case BoardCheck::Incomplete:
        ShowSolved(false);
        break;
    case BoardCheck::Undecided:
        break;
    }
}

void TChessWin::DrawPiece(int piece, int x, int y) {
    const int turn = game_.PieceTurn[piece];
    for (int row = 0; row < PieceBox; ++row)
        for (int col = 0; col < PieceBox; ++col)
            if (PieceSquareAt(piece, turn, row, col) != EmptySquare) {
                const pieces_art::Corner from = pieces_art::SquareOf(piece, turn, row, col);
                CopyRect(canvas_.Window(), x + SquareSize * col, y + SquareSize * row, canvas_.Art(), from.x, from.y,
                         SquareSize, SquareSize);
            }
}

void TChessWin::ErasePiece(int piece) {
    const int turn = game_.PieceTurn[piece];
    for (int row = 0; row < PieceBox; ++row)
        for (int col = 0; col < PieceBox; ++col)
            if (PieceSquareAt(piece, turn, row, col) != EmptySquare) {
                const int x = SquareSize * (game_.PieceCol[piece] + col);
                const int y = SquareSize * (game_.PieceRow[piece] + row);
                CopyRect(canvas_.Window(), x, y, canvas_.Room(), x, y, SquareSize, SquareSize);
            }
}

void TChessWin::SaveAndDrawPiece() {
    canvas_.SaveUnder(DragLeft, DragTop, BoxSize, BoxSize);
    DrawPiece(Hand.Held(), DragLeft, DragTop);
}

void TChessWin::RestoreUnderPiece() {
    canvas_.RestoreUnder(DragLeft, DragTop, BoxSize, BoxSize);
}

bool TChessWin::LetGoOfLostPiece() {
    if (Hand.HeldPiece == 0 || Hand.Held() != 0) return false;
    Hand.ForgetLostPiece();
    ShowCarryCursor(false);
    return true;
}

void TChessWin::ShowCarryCursor(bool carrying) {
    if (carrying) {
        surface()->setCursor(Qt::BlankCursor);
    } else {
        surface()->unsetCursor();
    }
}

QRect TChessWin::CarryRect() const { return QRect(DragLeft, DragTop, BoxSize, BoxSize); }

QRect TChessWin::TableRect(int piece) const {
    return QRect(SquareSize * game_.PieceCol[piece], SquareSize * game_.PieceRow[piece], BoxSize, BoxSize);
}

}  // namespace tarnwick
