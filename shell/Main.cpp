#include "shell/Main.h"

#include <QCloseEvent>
#include <QIcon>

#include "data/art/GlyphIcons.h"
#include "labyrinth/Scramble.h"
#include "pages/Intro.h"
#include "platform/HelpViewer.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "platform/System.h"
#include "platform/Clock.h"
#include "platform/Cues.h"
#include "shell/GameState.h"
#include "platform/Random.h"
#include "shell/SaveFolder.h"
#include "shell/SavedGame.h"
#include "shell/StartPictures.h"
#include "shell/Texts.h"
#include "shell/Yesno.h"
#include "throne/ChessTable.h"

namespace tarnwick {

TMainForm* MainForm = nullptr;

std::string SettingsFileName() { return SettingsFolder() + "mindcrate.ini"; }

TMainForm::TMainForm() : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("TMainForm");
    setFixedSize(594, 410);
    setWindowIcon(tarnwick_art::GameIcon());
    BuildToolBar();
    box = new PaintBox(this, 0, 33, 594, 377);
    box->setObjectName("box");
    box->OnPaint = [this] { FormPaint(); };
    box->OnMouseDown = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        boxMouseDown(b, m, x, y);
    };
    MainForm = this;
    SetMainWindow(this);
}

TMainForm::~TMainForm() {
    FormDestroy();
    if (MainForm == this) MainForm = nullptr;
    SetMainWindow(nullptr);
}

bool TMainForm::FormCreate() {
    // 1-3: where we live, the settings, the language.
    ProgramDir = DataFolder();
    Settings = std::make_unique<IniFile>(SettingsFileName());
    Language = Settings->ReadInteger(SettingsSection, "tongue", -1);

    // 4: the three shared pictures; without them there is no game.
    // The error box names the file and what is wrong with it.
    const bool loaded = LoadStartPicture(LabyrinthPicture, "b5.bmp", 594, 162) &&
                        LoadStartPicture(RiddlePicture, "b2.bmp", 300, 348) &&
                        LoadStartPicture(MessagePicture, "b6.bmp", 250, 125);
    if (!loaded) return false;

    // 5-6: the working pictures, the dice.
    DragSaveArea.Create(54, 54);
    RoomBackground.Create(320, 380);
    FirstActivation = true;
    SeedGameRandomFromClock();
    Busy = false;

    // 7: where the window was; centred on the screen when new, or when the
    // remembered place would put it off every screen.
    const int outerWidth = width(), outerHeight = height();
    const int centreLeft = ScreenWidth() / 2 - outerWidth / 2;
    const int centreTop = ScreenHeight() / 2 - outerHeight / 2;
    int left = Settings->ReadInteger(SettingsSection, "left", centreLeft);
    int top = Settings->ReadInteger(SettingsSection, "top", centreTop);
    if (!OnSomeScreen(left, top, outerWidth, outerHeight)) {
        left = centreLeft;
        top = centreTop;
    }
    move(left, top);

    // 8-10.
    soundbtn->setChecked(Settings->ReadBool(SettingsSection, "sound", true));
    GameFileName = Settings->ReadString(SettingsSection, "game", "");
    HelpFile = ProgramDir + "FGAM.HLP";

    // 11-16: a new game, then the last saved one if it can be read.
    NewGame();
    ShowStoryAtStart = true;
    if (GameFileName.empty()) {
        GameFileName = SaveFolder() + "noname.htk";
        return true;
    }
    const auto saved = ReadSavedGameFile(GameFileName);
    if (!saved) return true;
    ApplyRecord(*saved, *this, ReservedWord, DoorOpen);
    PlaceWonPieces();
    MazeRestored = false;
    ShowStoryAtStart = false;
    return true;
}

void PlaceWonPieces() {
    for (int n = 1; n <= RoomCount; ++n) {
        if (DoorOpen[n]) {
            PlacePiece(n);
        } else {
            PieceTurn[n] = -1;
        }
    }
}

void TMainForm::Activate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    if (Language == -1 && TongueDlg) TongueDlg->ShowModal();
    SetHints();
    if (Splash) Splash->ShowModal();
    setWindowTitle(QStringLiteral("Tarnwick V1.3"));
    if (ShowStoryAtStart && IntroWin) IntroWin->ShowModal();
}

void TMainForm::NewGame() {
    ScrambleGrid(*this, GameRandom());
    PlayerCol = ExitCell.col;
    PlayerRow = ExitCell.row;
    PlayerFacing = East;
    MazeRestored = false;
    for (int n = 1; n <= DoorCount; ++n) DoorOpen[n] = false;
    for (int n = 1; n <= RoomCount; ++n) PieceTurn[n] = -1;
}

void TMainForm::PlayCue(int n) {
    CuePlayer& player = GameCuePlayer();
    player.Stop();
    if (n == 0 || !soundbtn->isChecked()) return;
    player.Play(n, ProgramDir + "w" + std::to_string(n) + ".wav");
}

bool TMainForm::CloseQuery() {
    return yesnodlg->ShowModal(Text(texts::QuitQuestion)) == ModalDone;
}

void TMainForm::Leave() {
    CloseHelpViewer();
    StoreBtnClick();
    if (!Settings) return;
    Settings->WriteBool(SettingsSection, "sound", soundbtn->isChecked());
    Settings->WriteInteger(SettingsSection, "left", pos().x());
    Settings->WriteInteger(SettingsSection, "top", pos().y());
    Settings->WriteString(SettingsSection, "game", GameFileName);
    Settings->WriteInteger(SettingsSection, "tongue", Language);
}

void TMainForm::FormDestroy() { Settings.reset(); }

void TMainForm::AskToClose() { close(); }

void TMainForm::closeEvent(QCloseEvent* event) {
    if (closing_ || Busy || !CloseQuery()) {
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
}

}  // namespace tarnwick
