#pragma once
// The main window: the tool bar over the labyrinth, the game's life cycle,
// its settings and the pictures every other window borrows.
#include <QToolButton>
#include <QWidget>
#include <memory>

#include "labyrinth/Corridors.h"
#include "platform/PaintBox.h"
#include "platform/Picture.h"
#include "shell/IniFile.h"

namespace tarnwick {

class TMainForm : public QWidget, public LabyrinthState {
    Q_OBJECT
public:
    TMainForm();
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

    // Labyrinth (drawing, shifting, walking, doors).
    void ShiftLine(int line, int direction, bool animate);
    void CheckRestored();
    void DrawTile(int c, int r);
    void DrawPlayer(int x, int y, int frame, int facing);
    void FormPaint();
    void boxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void EnterDoor();

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

    QWidget* Panel1 = nullptr;
    QToolButton* RestartBtn = nullptr;
    QToolButton* LoadBtn = nullptr;
    QToolButton* StoreBtn = nullptr;
    QToolButton* soundbtn = nullptr;
    QToolButton* StoryBtn = nullptr;
    QToolButton* HelpBtn = nullptr;
    QToolButton* exitbtn = nullptr;
    QToolButton* RulesBtn = nullptr;
    QToolButton* InfoBtn = nullptr;
    QToolButton* FennickBtn = nullptr;
    PaintBox* box = nullptr;

    bool FirstActivation = true;
    bool Busy = false;

    Picture LabyrinthPicture;  // b5.bmp: tiles, doors, player
    Picture RiddlePicture;     // b2.bmp: riddle rooms
    Picture MessagePicture;    // b6.bmp: message and question windows
    Picture DragSaveArea;      // 54 x 54
    Picture RoomBackground;    // 320 x 380

    std::unique_ptr<IniFile> Settings;
    std::string HelpFile;      // the help file the help buttons open

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildToolBar();
    void Walk(int direction);
    void AskToClose();
    // The room behind a door; false while the door leads nowhere yet.
    bool VisitRoom(int door);
    bool closing_ = false;
};

extern TMainForm* MainForm;

// Every solved room's piece gets a fresh place on the throne-room table;
// the pieces of unsolved rooms leave it.
void PlaceWonPieces();

// Where the settings file lives, and its section.
std::string SettingsFileName();
constexpr const char* SettingsSection = "Tarnwick";

}  // namespace tarnwick
