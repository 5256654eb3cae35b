#include "shell/Main.h"

#include <QCloseEvent>
#include <QIcon>

#include "labyrinth/Scramble.h"
#include "pages/Intro.h"
#include "platform/Glyphs.h"
#include "platform/HelpViewer.h"
#include "platform/System.h"
#include "shell/GameWindows.h"
#include "shell/SaveFolder.h"
#include "shell/Splasher.h"
#include "shell/Tongdlg.h"
#include "shell/Yesno.h"
#include "stage/StartPictures.h"
#include "state/Texts.h"
#include "throne/ChessTable.h"

namespace tarnwick {

std::string SettingsFileName() { return SettingsFolder() + "mindcrate.ini"; }

TMainForm::TMainForm(GameWindows& windows, CuePlayer& cues)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      windows_(windows),
      stage_(windows.stage),
      game_(windows.game),
      cues_(cues) {
    setObjectName("TMainForm");
    setFixedSize(594, 410);
    setWindowIcon(GameIcon());
    BuildToolBar();
    box = new LabyrinthBox(this, stage_);
    box->AskToClose = [this] { close(); };
    SetMainWindow(this);
}

TMainForm::~TMainForm() {
    FormDestroy();
    SetMainWindow(nullptr);
}

bool TMainForm::FormCreate() {
    // 1-3: where we live, the settings, the language.
    game_.ProgramDir = DataFolder();
    Settings = std::make_unique<IniFile>(SettingsFileName());
    game_.Language = Settings->ReadInteger(SettingsSection, "tongue", -1);

    // 4: the three shared pictures; without them there is no game.
    // The error box names the file and what is wrong with it.
    SharedPictures& pictures = stage_.pictures;
    const bool loaded = LoadStartPicture(game_, pictures.LabyrinthPicture, "b5.bmp", 594, 162) &&
                        LoadStartPicture(game_, pictures.RiddlePicture, "b2.bmp", 300, 348) &&
                        LoadStartPicture(game_, pictures.MessagePicture, "b6.bmp", 250, 125);
    if (!loaded) return false;

    // 5-6: the working pictures; the dice were seeded when they were made.
    pictures.DragSaveArea.Create(54, 54);
    pictures.RoomBackground.Create(320, 380);
    FirstActivation = true;
    box->Busy = false;

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
    game_.GameFileName = Settings->ReadString(SettingsSection, "game", "");
    HelpFile = game_.ProgramDir + "FGAM.HLP";

    // 11-16: a new game, then the last saved one if it can be read.
    NewGame();
    game_.ShowStoryAtStart = true;
    if (game_.GameFileName.empty()) {
        game_.GameFileName = SaveFolder(game_.ProgramDir) + "noname.htk";
        return true;
    }
    const auto saved = ReadSavedGameFile(game_.GameFileName);
    if (!saved) return true;
    PlaySavedGame(*saved);
    game_.MazeRestored = false;
    game_.ShowStoryAtStart = false;
    return true;
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
    if (game_.ShowStoryAtStart && windows_.IntroWin) windows_.IntroWin->ShowModal();
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
    if (!Settings) return;
    Settings->WriteBool(SettingsSection, "sound", soundbtn->isChecked());
    Settings->WriteInteger(SettingsSection, "left", pos().x());
    Settings->WriteInteger(SettingsSection, "top", pos().y());
    Settings->WriteString(SettingsSection, "game", game_.GameFileName);
    Settings->WriteInteger(SettingsSection, "tongue", game_.Language);
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
}

}  // namespace tarnwick
