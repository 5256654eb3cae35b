// SPDX-License-Identifier: GPL-3.0-or-later
#include "riddles/frame/RiddleWin.h"

#include "riddles/frame/RoomKeys.h"
#include "state/Texts.h"

namespace tarnwick {

namespace {

constexpr int Width = 300;
constexpr int Height = 380;
const QColor Silver(0xc0, 0xc0, 0xc0);

}  // namespace

TRiddleWin::TRiddleWin(Stage& stage, int room, RoomParts parts)
    : TRiddleFrame(stage, Width, Height,
                   {344, 104, 136, 168, QString(":/glyphs/piece%1.png").arg(room)}),
      room_(room),
      rules_(std::move(parts.rules)),
      view_(std::move(parts.view)),
      drag_(dynamic_cast<DragRules*>(rules_.get())),
      push_(dynamic_cast<PushRules*>(rules_.get())),
      click_(dynamic_cast<ClickRules*>(rules_.get())) {
    setObjectName(QString("TRiddle%1Win").arg(room));
    Title = MakeSceneLabel(this, 4, 22, 293, 21, "Times New Roman", 19,
                           rules_->DarkRoom() ? Silver : QColor(Qt::black));
    Title->stackUnder(ResetBtn);
    // Rooms 5 and 6 spell their success button so.
    if (room == 5 || room == 6) OKBtn->setObjectName("OkBtn");
    view_->AddControls(this);
    UsePictures({&stage.pictures.RiddlePicture, &stage.pictures.RoomBackground, &stage.pictures.DragSaveArea});

    PaintBox* box = surface();
    box->OnPaint = [this] { Paint(); };
    box->OnMouseDown = [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { MouseDown(x, y); };
    box->OnMouseMove = [this](int x, int y) { MouseMove(x, y); };
    box->OnMouseUp = [this](Qt::MouseButton, int x, int y) { MouseUp(x, y); };
    AddRoomKeys(this, {[this] { Undo(); }, [this] { Redo(); }, [this] { ShowHint(); }});
    UseKeys();
}

void TRiddleWin::UseKeys() {
    const BoardKeys::Input input = click_  ? BoardKeys::Input::Click
                                   : push_ ? BoardKeys::Input::Push
                                           : BoardKeys::Input::Drag;
    const auto layout = [this] {
        const BoardGeometry& g = rules_->Geometry();
        return BoardKeys::Layout{g.left, g.top, g.columns, g.rows, BoardGeometry::CellSize,
                                 click_ ? click_->ClickPointsPerField() : 1};
    };
    BoardKeys::Mouse mouse{
        [this](bool, int x, int y) { MouseDown(x, y); },
        [this](int x, int y) { MouseMove(x, y); },
        [this](int x, int y) { MouseUp(x, y); },
        [this] { return drag_ ? drag_->DragKind() != 0 : push_ && push_->Holding(); },
        [this]() -> std::optional<QPoint> {
            if (!push_ || !push_->Holding()) return std::nullopt;
            return QPoint(push_->HeldAt().col, push_->HeldAt().row);
        }};
    const auto name = [this](QPoint field) {
        const int language = stage_.game.Language;
        QString name = view_->FieldName({field.x(), field.y()}, language);
        // The ball carried over the board is told with the field it is over.
        if (drag_ && drag_->DragKind() != 0 && field == Keys->Field())
            name += QStringLiteral("; ") + field_names::Say(field_names::InHand, language) + QStringLiteral(": ") +
                    field_names::Ball(view_->SpriteColumn(drag_->DragKind()), language);
        return name;
    };
    UseBoard(input, layout, std::move(mouse), name);
}

TRiddleWin::~TRiddleWin() = default;

int TRiddleWin::ShowModal(int level) {
    stage_.Say(rules_->EntryMessage());
    rules_->InitLevel(level);
    Keys->Reset();
    BoardChanged();
    ShowSolved(false);
    history_.Start(*rules_, false);
    return RunModal(this);
}

void TRiddleWin::FormShow() { HelpBtn->setFocus(); }

void TRiddleWin::Activate() {
    Title->setText(stage_.Text(rules_->RoomName()));
    setAccessibleName(Title->text());
    SetHints();
    HelpBtn->setToolTip(stage_.Text(texts::RulesHint) + "\n" + stage_.Text(texts::RoomKeysHint));
    if (!canvas_.Ready()) return;

    // The room: header, then the wall strip four times (the last one cut
    // off at the bottom), then what the room's board puts there.
    using namespace riddle_art;
    const int header = rules_->DarkRoom() ? DarkRoomTop : LightRoomTop;
    canvas_.ArtToRoom({0, 0}, {0, header}, RoomWidth, HeaderHeight);
    for (int i = 0; i < 4; ++i)
        canvas_.ArtToRoom({0, HeaderHeight + StripHeight * i}, {0, header + StripInHeader}, RoomWidth, StripHeight);
    view_->ComposeBoard(canvas_);
}

void TRiddleWin::Paint() {
    if (!canvas_.Ready()) return;
    CopyRect(canvas_.Window(), 0, 0, canvas_.Room(), 0, 0, Width, Height);
    view_->DrawBoard(canvas_);
    view_->DrawExtras(canvas_);
    // A ball in hand stays in hand, over what now lies under it.
    if (drag_ && drag_->DragKind() != 0) {
        canvas_.SaveUnderBall(DragX, DragY);
        canvas_.DrawBall(DragX, DragY, view_->SpriteColumn(drag_->DragKind()));
    }
}

void TRiddleWin::AfterRules() {
    // Back in the room after the messages: it is built afresh.
    Activate();
    Paint();
    canvas_.ShowAll();
}

void TRiddleWin::ResetBtnClick() {
    rules_->InitLevel(rules_->Level());
    BoardChanged();
    RecordMove(true);  // a reset is a move that can be taken back
    if (!canvas_.Ready()) return;
    view_->DrawBoard(canvas_);
    view_->DrawExtras(canvas_);
}

void TRiddleWin::MouseDown(int x, int y) {
    const auto point = rules_->Geometry().PointAt(x, y);
    if (click_) {
        if (point) Play(click_->Click(*point));
        return;
    }
    if (push_) {
        if (point) push_->Grab(point->cell);
        return;
    }
    if (!drag_ || drag_->DragKind() != 0 || !point) return;
    const BoardCell cell = point->cell;
    const int kind = drag_->Lift(cell);
    if (kind == 0) return;
    const Pixel centre = rules_->Geometry().Centre(cell);
    DragX = centre.x;
    DragY = centre.y;
    // The ball leaves its field and is in hand, drawn at the same place.
    view_->DrawCell(canvas_, cell);
    canvas_.SaveUnderBall(DragX, DragY);
    canvas_.DrawBall(DragX, DragY, view_->SpriteColumn(kind));
}

void TRiddleWin::MouseMove(int x, int y) {
    if (push_) {
        Play(push_->PushTo(rules_->Geometry().CellAt(x, y)));
        return;
    }
    if (!drag_ || drag_->DragKind() == 0 || (x == DragX && y == DragY)) return;
    canvas_.RestoreUnderBall(DragX, DragY);
    canvas_.SaveUnderBall(x, y);
    canvas_.DrawBall(x, y, view_->SpriteColumn(drag_->DragKind()));
    DragX = x;
    DragY = y;
}

void TRiddleWin::MouseUp(int x, int y) {
    if (push_) {
        Play(push_->Release());
        return;
    }
    if (drag_) Play(drag_->Drop(rules_->Geometry().CellAt(x, y)));
}

void TRiddleWin::Play(const Steps& steps) {
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Cue: stage_.PlayCue(step.value); break;
        case Step::Wait: stage_.BusyWait(step.value); break;
        case Step::Cell:
            if (canvas_.Ready()) view_->DrawCell(canvas_, step.cell);
            break;
        case Step::Board:
            if (canvas_.Ready()) view_->DrawBoard(canvas_);
            break;
        case Step::Extras:
            if (canvas_.Ready()) view_->DrawExtras(canvas_);
            break;
        case Step::Hand:
            if (canvas_.Ready()) canvas_.RestoreUnderBall(DragX, DragY);
            break;
        case Step::Judge: UpdateSolvedState(); break;
        case Step::Frame: view_->ShowFrame(step.value); break;
        }
    }
    // Once the move has been shown, the view draws the board as it stands.
    view_->ShowFrame(-1);
    RecordMove();
    if (!steps.empty()) BoardChanged();
}

void TRiddleWin::UpdateSolvedState() {
    switch (rules_->Judge()) {
    case Verdict::Solved:
        stage_.PlayCue(CueSolved);
        ShowSolved(true);
        break;
    case Verdict::Lost:
        stage_.PlayCue(CueFailed);
        [[fallthrough]];
    case Verdict::Unsolved:
        ShowSolved(false);
        break;
    case Verdict::Undecided: break;
    }
}

void TRiddleWin::showEvent(QShowEvent* event) {
    FormShow();
    Activate();
    SceneWindow::showEvent(event);
}

}  // namespace tarnwick
