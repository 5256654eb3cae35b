// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Main.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "labyrinth/Scramble.h"
#include "pages/Intro.h"
#include "platform/Glyphs.h"
#include "platform/HelpViewer.h"
#include "platform/System.h"
#include "platform/Zoom.h"
#include "shell/GameWindows.h"
#include "shell/SaveFolder.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "shell/Yesno.h"
#include "stage/StartPictures.h"
#include "state/Texts.h"
#include "throne/ChessTable.h"

namespace tarnwick {

namespace {

constexpr QSize GameSize(594, 410);

// Whether the desktop lets the game know and choose where its window lies
// (a Wayland compositor places windows itself and tells no one).
bool WindowPlaceKnown() { return QGuiApplication::platformName() != QStringLiteral("wayland"); }

}  // namespace

std::string SettingsFileName() { return SettingsFolder() + "mindcrate.ini"; }

TMainForm::TMainForm(GameWindows& windows, CuePlayer& cues)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      windows_(windows),
      stage_(windows.stage),
      game_(windows.game),
      cues_(cues) {
    setObjectName("TMainForm");
    setFixedSize(GameSize);
    // Full screen shows the game on black.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    GameArea = new QWidget(this);
    GameArea->setObjectName("GameArea");
    GameArea->setGeometry(QRect(QPoint(0, 0), GameSize));
    BuildToolBar();
    box = new LabyrinthBox(GameArea, stage_);
    box->AskToClose = [this] { close(); };
    box->setFocus();
    BuildZoomKeys();
    SetSceneHost(GameArea);
}

TMainForm::~TMainForm() {
    FormDestroy();
    SetSceneHost(nullptr);
}

bool TMainForm::FormCreate() {
    // 1-3: where we live, the settings, the language.
    game_.ProgramDir = DataFolder();
    Settings = std::make_unique<IniFile>(SettingsFileName());
    game_.Language = Settings->ReadInteger(SettingsSection, "tongue", -1);

    // 4: the three shared pictures; without them there is no game.
    // The error box names the file and what is wrong with it. The labyrinth
    // is on the first frame; the riddle and message pictures are only
    // checked now and decoded when first drawn.
    SharedPictures& pictures = stage_.pictures;
    const bool loaded =
        LoadStartPicture(game_, pictures.LabyrinthPicture, "b5.bmp", 594, 162) &&
        LoadStartPicture(game_, pictures.RiddlePicture, "b2.bmp", 300, 348, Decoding::AtFirstUse) &&
        LoadStartPicture(game_, pictures.MessagePicture, "b6.bmp", 250, 125, Decoding::AtFirstUse);
    if (!loaded) return false;

    // 5-6: the working pictures; the dice were seeded when they were made.
    pictures.DragSaveArea.Create(54, 54);
    pictures.RoomBackground.Create(320, 380);
    FirstActivation = true;
    box->Busy = false;

    // How large the game was shown: a zoom that no longer fits is the
    // largest that does.
    WindowedZoom = std::clamp(Settings->ReadInteger(SettingsSection, "zoom", 1), 1,
                              LargestZoom(this, GameSize, false));
    FullScreen = Settings->ReadBool(SettingsSection, "fullscreen", false);

    // 7: where the window was, in the screen's pixels as at zoom 1; centred
    // on the screen when new, or when the remembered place would put it off
    // every screen.
    const int outerWidth = width() * WindowedZoom, outerHeight = height() * WindowedZoom;
    const int centreLeft = ScreenWidth() / 2 - outerWidth / 2;
    const int centreTop = ScreenHeight() / 2 - outerHeight / 2;
    int left = Settings->ReadInteger(SettingsSection, "left", centreLeft);
    int top = Settings->ReadInteger(SettingsSection, "top", centreTop);
    if (!OnSomeScreen(left, top, outerWidth, outerHeight)) {
        left = centreLeft;
        top = centreTop;
    }
    WindowedPlace = QPoint(left, top);
    move(WindowedPlace);

    // 8-10.
    soundbtn->setChecked(Settings->ReadBool(SettingsSection, "sound", true));
    game_.GameFileName = Settings->ReadString(SettingsSection, "game", "");
    HelpFile = game_.ProgramDir + "FGAM.HLP";

    // 11-16: a new game, then the last saved one if it can be read, or
    // the one a session left that did not end through the quit question.
    const bool named = !game_.GameFileName.empty();
    if (!named) game_.GameFileName = SaveFolder(game_.ProgramDir) + "noname.htk";
    StartGame(named);

    // Whenever the game waits for the player, what a saved game holds is
    // kept in the recovery file if it changed: a line shifted, a step
    // walked, a door opened, a game loaded or begun.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (Recovery) Recovery->Keep(game_);
    });
    return true;
}

void TMainForm::StartGame(bool named) {
    NewGame();
    game_.ShowStoryAtStart = true;
    Recovery = std::make_unique<RecoveryFile>(UserDataFolder());
    // Only a game left behind is taken up at once; otherwise the file is
    // held from the first change on.
    if (Recovery->Present() && Recovery->Hold()) {
        if (const auto left = Recovery->Left()) {
            // The game goes on exactly where it stood, arrows and all.
            PlaySavedGame(*left);
            game_.ShowStoryAtStart = false;
            Resumed = true;
        }
    }
    if (!Resumed && named) {
        if (const auto saved = ReadSavedGameFile(game_.GameFileName)) {
            PlaySavedGame(*saved);
            game_.MazeRestored = false;
            game_.ShowStoryAtStart = false;
        }
    }
    Recovery->Start(game_);
}

void TMainForm::PlaySavedGame(const SavedGame& saved) {
    GameInPlay play = game_;
    ApplyRecord(saved, play);
    PlaceWonPieces(play, stage_.random);
    game_.Replace(play);
}

void TMainForm::Activate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    if (game_.Language == -1 && windows_.TongueDlg) windows_.TongueDlg->ShowModal();
    SetHints();
    if (windows_.Splash) windows_.Splash->ShowModal();
    setWindowTitle(QStringLiteral("Tarnwick V1.3"));
    if (Resumed) {
        Resumed = false;
        stage_.Say(texts::GameResumed);
    }
    if (game_.ShowStoryAtStart && windows_.IntroWin) windows_.IntroWin->ShowModal();
    // The scenes of the start are gone: the keys walk in the labyrinth.
    box->setFocus();
}

void TMainForm::NewGame() { game_.Replace(NewGamePlay(game_, stage_.random)); }

void TMainForm::Repaint() {
    update();
    box->update();
}

void TMainForm::PlayCue(int n) {
    cues_.Stop();
    if (n == 0 || !soundbtn->isChecked()) return;
    cues_.Play(n, game_.ProgramDir + "w" + std::to_string(n) + ".wav");
}

bool TMainForm::CloseQuery() { return stage_.Ask(texts::QuitQuestion); }

void TMainForm::Leave() {
    CloseHelpViewer();
    StoreBtnClick();
    // The game ends as the player chose: nothing is left to take up.
    if (Recovery) Recovery->End();
    if (!Settings) return;
    Settings->WriteBool(SettingsSection, "sound", soundbtn->isChecked());
    // Where the window lies when it is not full screen; where the desktop
    // does not tell, the place it was given before stays.
    if (WindowPlaceKnown()) {
        const QPoint place = FullScreen ? WindowedPlace : pos() * GameZoom();
        Settings->WriteInteger(SettingsSection, "left", place.x());
        Settings->WriteInteger(SettingsSection, "top", place.y());
    }
    Settings->WriteString(SettingsSection, "game", game_.GameFileName);
    Settings->WriteInteger(SettingsSection, "tongue", game_.Language);
    Settings->WriteInteger(SettingsSection, "zoom", WindowedZoom);
    Settings->WriteBool(SettingsSection, "fullscreen", FullScreen);
}

void TMainForm::BuildZoomKeys() {
    const auto key = [this](QKeySequence sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { ZoomBy(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomBy(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ZoomBy(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { ZoomReset(); });
    key(QKeySequence(Qt::Key_F11), [this] { ToggleFullScreen(); });
}

void TMainForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The emblem for the desktop's task bar comes in many sizes: they are
    // decoded once the first frame is on the screen, not before it.
    if (windowIcon().isNull() && !iconComing_) {
        iconComing_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(GameIcon()); });
    }
}

void TMainForm::ShowWindow() {
    if (FullScreen) {
        FullScreen = false;
        ToggleFullScreen();
        return;
    }
    ApplyZoom(WindowedZoom);
    show();
}

void TMainForm::ApplyZoom(int zoom) {
    const QPoint place = pos() * GameZoom();
    SetGameZoom(zoom);
    if (FullScreen) return;
    WindowedZoom = GameZoom();
    PlaceAt(place);
}

void TMainForm::PlaceAt(QPoint screenPlace) {
    if (!WindowPlaceKnown()) return;
    // The window's corner stays where it was on the screen; a window grown
    // past the screen's edge comes back onto it.
    move(screenPlace / GameZoom());
    if (!screen()) return;
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(std::clamp(frame.x(), area.x(), std::max(area.x(), area.right() + 1 - frame.width())),
         std::clamp(frame.y(), area.y(), std::max(area.y(), area.bottom() + 1 - frame.height())));
}

void TMainForm::ZoomBy(int steps) {
    const int largest = LargestZoom(this, GameSize, FullScreen);
    ApplyZoom(std::clamp(GameZoom() + steps, 1, std::max(largest, GameZoom())));
}

void TMainForm::ZoomReset() { ApplyZoom(1); }

void TMainForm::ToggleFullScreen() {
    FullScreen = !FullScreen;
    if (FullScreen) {
        WindowedPlace = pos() * GameZoom();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        SetGameZoom(LargestZoom(this, GameSize, true));
        showFullScreen();
        // Where no window manager is there to do it, the game covers the
        // screen itself.
        if (WindowPlaceKnown() && screen()) setGeometry(screen()->geometry());
    } else {
        showNormal();
        setFixedSize(GameSize);
        SetGameZoom(WindowedZoom);
        PlaceAt(WindowedPlace);
    }
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The game lies in the middle; full screen, black around it.
    GameArea->move((width() - GameSize.width()) / 2, (height() - GameSize.height()) / 2);
}

void TMainForm::FormDestroy() { Settings.reset(); }

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_ || box->Busy || !CloseQuery()) {
        event->ignore();
        return;
    }
    closing_ = true;
    Leave();
    event->accept();
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Activate();
    // The window keeps its size; a maximise button the desktop puts on it
    // all the same (Qt's own decoration on Wayland) shows the game as large
    // as the screen allows: full screen.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized) && !FullScreen) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            if (!FullScreen) ToggleFullScreen();
        });
    }
}

}  // namespace tarnwick
