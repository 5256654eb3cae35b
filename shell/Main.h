// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window, the game's only window: its game area holds the tool bar
// over the labyrinth and every scene shown over them; the game's life
// cycle, its settings, the zoom and full screen.
#include <QWidget>
#include <memory>

#include "labyrinth/LabyrinthBox.h"
#include "platform/CuePlayer.h"
#include "platform/SpeedButton.h"
#include "shell/Recovery.h"
#include "state/IniFile.h"
#include "state/SavedGame.h"

namespace tarnwick {

class GameWindows;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // The main window of the game whose windows these are; its cues go to
    // the cue player.
    TMainForm(GameWindows& windows, CuePlayer& cues);
    ~TMainForm() override;

    // Start-up; false when a shared picture is missing and the program
    // must end (the error box has then been shown).
    bool FormCreate();
    void Activate();
    void NewGame();
    void PlayCue(int n);
    bool CloseQuery();
    void Leave();
    void FormDestroy();

    // Shows the window as it was left: windowed or full screen.
    void ShowWindow();
    // The zoom by whole numbers, from 1 to the largest that fits the
    // screen: Ctrl+Plus (or Ctrl+=), Ctrl+Minus, Ctrl+0 back to 1.
    void ZoomBy(int steps);
    void ZoomReset();
    // F11: the largest zoom that fits the whole screen, the game centred on
    // black, and back.
    void ToggleFullScreen();

    // Tool bar.
    void SetHints();
    void RestartBtnClick();
    void LoadBtnClick();
    void StoreBtnClick();
    void StoryBtnClick();
    void HelpBtnClick();
    void exitbtnClick();
    void RulesBtnClick();
    void infobuttonClick();
    void FennickBtnClick();

    QWidget* GameArea = nullptr;  // 594 x 410: the tool bar, the labyrinth, the scenes
    QWidget* Panel1 = nullptr;
    TSpeedButton* RestartBtn = nullptr;
    TSpeedButton* LoadBtn = nullptr;
    TSpeedButton* StoreBtn = nullptr;
    TSpeedButton* soundbtn = nullptr;
    TSpeedButton* StoryBtn = nullptr;
    TSpeedButton* HelpBtn = nullptr;
    TSpeedButton* exitbtn = nullptr;
    TSpeedButton* RulesBtn = nullptr;
    TSpeedButton* InfoBtn = nullptr;
    TSpeedButton* FennickBtn = nullptr;
    LabyrinthBox* box = nullptr;

    bool FirstActivation = true;
    bool FullScreen = false;
    int WindowedZoom = 1;   // the zoom the window has when not full screen
    QPoint WindowedPlace;   // its corner then, in the screen's pixels at zoom 1

    std::unique_ptr<IniFile> Settings;
    std::string HelpFile;      // the help file the help buttons open
    // The game in play kept against an unannounced end, in the user's data
    // folder; written whenever the game waits for the player and its record
    // has changed.
    std::unique_ptr<RecoveryFile> Recovery;
    bool Resumed = false;  // start-up took the game a session left: say so once

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool iconComing_ = false;  // the task bar's emblem is on its way
    void BuildToolBar();
    void BuildZoomKeys();
    void ApplyZoom(int zoom);
    void PlaceAt(QPoint screenPlace);
    // A saved game in play in place of the one being played: its labyrinth
    // and doors, fresh places for its pieces.
    void PlaySavedGame(const SavedGame& saved);
    // Start-up's game: the one an unannounced end left, else the last
    // saved one, else the new one.
    void StartGame(bool named);
    void Repaint();

    GameWindows& windows_;
    Stage& stage_;
    Game& game_;
    CuePlayer& cues_;
    bool closing_ = false;
};

// A key as the player reads it in the language (Ctrl+S, Strg+S).
QString KeyName(QKeyCombination key, int language);

// Where the settings file lives, and its section.
std::string SettingsFileName();
constexpr const char* SettingsSection = "Tarnwick";

}  // namespace tarnwick
