#include "riddles/RiddleWin.h"

#include "platform/Cues.h"
#include "shell/GameState.h"
#include "shell/Main.h"
#include "shell/Msg.h"
#include "shell/Texts.h"

namespace tarnwick {

TRiddleWin* RiddleWindows[13] = {};

namespace {

constexpr int Width = 300;
constexpr int Height = 380;
constexpr int Ball = 28;
const QColor Silver(0xc0, 0xc0, 0xc0);

}  // namespace

TRiddleWin::TRiddleWin(int room, std::unique_ptr<RiddleRules> rules)
    : SceneWindow(Width, Height, true), room_(room), rules_(std::move(rules)) {
    setObjectName(QString("TRiddle%1Win").arg(room));
    Title = MakeSceneLabel(this, 4, 22, 293, 21, "Times New Roman", 19,
                           rules_->DarkRoom() ? Silver : QColor(Qt::black));
    ResetBtn = MakeGlyphButton(this, 104, 344, 26, 26, ":/glyphs/riddle_reset.png");
    HelpBtn = MakeGlyphButton(this, 136, 344, 26, 26, ":/glyphs/riddle_help.png");
    EscBtn = MakeGlyphButton(this, 168, 344, 26, 26, ":/glyphs/riddle_esc.png");
    OKBtn = MakeGlyphButton(this, 168, 344, 26, 26, QString(":/glyphs/piece%1.png").arg(room));
    HelpBtn->setDefault(true);
    setTabOrder(HelpBtn, ResetBtn);
    setTabOrder(ResetBtn, EscBtn);
    setTabOrder(EscBtn, OKBtn);

    connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(HelpBtn, &QPushButton::clicked, this, [this] { ShowRules(); });
    connect(EscBtn, &QPushButton::clicked, this, [this] { Finish(ModalLeft); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { Finish(ModalDone); });

    PaintBox* box = surface();
    box->OnPaint = [this] { Paint(); };
    box->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { MouseDown(x, y); };
    box->OnMouseMove = [this](int x, int y) { MouseMove(x, y); };
    box->OnMouseUp = [this](Qt::MouseButton, int x, int y) { MouseUp(x, y); };
    RiddleWindows[room_] = this;
}

TRiddleWin::~TRiddleWin() {
    if (RiddleWindows[room_] == this) RiddleWindows[room_] = nullptr;
}

int TRiddleWin::ShowModal(int level) {
    MessDlg->ShowModal(Text(rules_->EntryMessage()));
    rules_->InitLevel(level);
    EscBtn->show();
    OKBtn->hide();
    HelpBtn->setFocus();
    return RunModal(this);
}

void TRiddleWin::FormShow() { CentreOverMainWindow(); }

void TRiddleWin::Activate() {
    Title->setText(Text(rules_->RoomName()));
    ResetBtn->setToolTip(Text(texts::ResetHint));
    HelpBtn->setToolTip(Text(texts::RulesHint));
    OKBtn->setToolTip(Text(texts::LeaveHint));
    EscBtn->setToolTip(Text(texts::LaterHint));

    // The room: header, then the wall strip four times (the last one cut
    // off at the bottom), then the board's empty fields.
    Picture& room = MainForm->RoomBackground;
    const Picture& art = MainForm->RiddlePicture;
    const int header = rules_->DarkRoom() ? 128 : 0;
    CopyRect(room, 0, 0, art, 0, header, Width, 128);
    for (int i = 0; i < 4; ++i) CopyRect(room, 0, 128 + 64 * i, art, 0, header + 64, Width, 64);
    for (int r = 0; r < rules_->Rows(); ++r) {
        for (int c = 0; c < rules_->Columns(); ++c) {
            const Pixel square = rules_->FieldSquare({c, r});
            CopyRect(room, rules_->BoardLeft() + 32 * c, rules_->BoardTop() + 32 * r, art, square.x, square.y,
                     32, 32);
        }
    }
}

void TRiddleWin::Paint() {
    CopyRect(surface()->canvas, 0, 0, MainForm->RoomBackground, 0, 0, Width, Height);
    for (int r = 0; r < rules_->Rows(); ++r)
        for (int c = 0; c < rules_->Columns(); ++c) DrawCellBall({c, r});
}

void TRiddleWin::DrawCellBall(BoardCell cell) {
    const int kind = rules_->Cell(cell);
    if (kind == 0) return;
    const Pixel centre = rules_->CellCentre(cell);
    DrawBall(centre.x, centre.y, kind);
}

void TRiddleWin::DrawBall(int x, int y, int kind) {
    Picture& canvas = surface()->canvas;
    const int left = x - Ball / 2, top = y - Ball / 2;
    if (kind != 0) {
        const Picture& art = MainForm->RiddlePicture;
        CopyRect(canvas, left, top, art, 224, 320, Ball, Ball, RasterOp::And);
        CopyRect(canvas, left, top, art, 28 * rules_->SpriteColumn(kind), 320, Ball, Ball, RasterOp::Or);
    } else {
        CopyRect(canvas, left, top, MainForm->RoomBackground, left, top, Ball, Ball);
    }
    surface()->Flush(QRect(left, top, Ball, Ball));
}

void TRiddleWin::RestoreUnderBall(int x, int y) {
    CopyRect(surface()->canvas, x - Ball / 2, y - Ball / 2, MainForm->DragSaveArea, 0, 0, Ball, Ball);
    surface()->Flush(QRect(x - Ball / 2, y - Ball / 2, Ball, Ball));
}

void TRiddleWin::SaveAndDrawBall(int x, int y, int kind) {
    CopyRect(MainForm->DragSaveArea, 0, 0, surface()->canvas, x - Ball / 2, y - Ball / 2, Ball, Ball);
    DrawBall(x, y, kind);
}

void TRiddleWin::ShowRules() {
    for (const BiText& message : rules_->RulesMessages()) MessDlg->ShowModal(Text(message));
    // Back in the room after the messages: it is built afresh.
    Activate();
}

void TRiddleWin::ResetBtnClick() {
    rules_->InitLevel(rules_->Level());
    Paint();
    surface()->Flush();
}

void TRiddleWin::MouseDown(int x, int y) {
    if (rules_->DragKind() != 0) return;
    const auto cell = rules_->CellAt(x, y);
    if (!cell || rules_->Cell(*cell) == 0) return;
    const int kind = rules_->Cell(*cell);
    const Pixel centre = rules_->CellCentre(*cell);
    DragX = centre.x;
    DragY = centre.y;
    DrawBall(DragX, DragY, 0);
    SaveAndDrawBall(DragX, DragY, kind);
    rules_->Lift(*cell);
}

void TRiddleWin::MouseMove(int x, int y) {
    if (rules_->DragKind() == 0 || (x == DragX && y == DragY)) return;
    RestoreUnderBall(DragX, DragY);
    SaveAndDrawBall(x, y, rules_->DragKind());
    DragX = x;
    DragY = y;
}

void TRiddleWin::MouseUp(int x, int y) {
    const int kind = rules_->DragKind();
    if (kind == 0) return;
    const BoardCell from = rules_->DragFrom();
    // What the board held before, so the move's side effects can be drawn.
    std::vector<int> before;
    for (int r = 0; r < rules_->Rows(); ++r)
        for (int c = 0; c < rules_->Columns(); ++c) before.push_back(rules_->Cell({c, r}));

    const DropOutcome outcome = rules_->Drop(rules_->CellAt(x, y));
    if (outcome == DropOutcome::Refused) {
        MainForm->PlayCue(CueRefused);
        RestoreUnderBall(DragX, DragY);
        DrawCellBall(from);
        return;
    }
    MainForm->PlayCue(CueAccepted);
    RestoreUnderBall(DragX, DragY);
    int i = 0;
    for (int r = 0; r < rules_->Rows(); ++r) {
        for (int c = 0; c < rules_->Columns(); ++c, ++i) {
            const int now = rules_->Cell({c, r});
            if (now == before[i]) continue;
            const Pixel centre = rules_->CellCentre({c, r});
            DrawBall(centre.x, centre.y, 0);
            if (now != 0) DrawBall(centre.x, centre.y, now);
        }
    }
    UpdateSolvedState();
}

void TRiddleWin::UpdateSolvedState() {
    if (rules_->IsSolved()) {
        MainForm->PlayCue(CueSolved);
        EscBtn->hide();
        OKBtn->show();
    } else {
        EscBtn->show();
        OKBtn->hide();
    }
}

void TRiddleWin::showEvent(QShowEvent* event) {
    FormShow();
    Activate();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
