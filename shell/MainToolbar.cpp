// The tool bar over the labyrinth: ten speed buttons with their hints.
#include <QHBoxLayout>

#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/Glyphs.h"
#include "shell/GameWindows.h"
#include "shell/Infodlg.h"
#include "shell/Main.h"
#include "state/Texts.h"

namespace tarnwick {

namespace {

QToolButton* SpeedButton(QWidget* panel, const char* name, int left, int width, const char* glyph) {
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setGeometry(left, 4, width, 25);
    button->setAutoRaise(true);
    // The glyph at its own size, never stretched to the button.
    const QString path = QString(":/glyphs/") + glyph;
    button->setIcon(GlyphIcon(path));
    button->setIconSize(GlyphSize(path));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

void TMainForm::BuildToolBar() {
    Panel1 = new QWidget(GameArea);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 594, 33);
    Panel1->setAutoFillBackground(true);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, QColor(0x3b, 0x2a, 0x1e));
    Panel1->setPalette(palette);

    RestartBtn = SpeedButton(Panel1, "RestartBtn", 4, 25, "restart.png");
    LoadBtn = SpeedButton(Panel1, "LoadBtn", 28, 25, "load.png");
    StoreBtn = SpeedButton(Panel1, "StoreBtn", 52, 25, "store.png");
    soundbtn = SpeedButton(Panel1, "soundbtn", 76, 25, "sound.png");
    soundbtn->setCheckable(true);
    soundbtn->setChecked(true);
    StoryBtn = SpeedButton(Panel1, "StoryBtn", 100, 25, "story.png");
    HelpBtn = SpeedButton(Panel1, "HelpBtn", 124, 25, "help.png");
    exitbtn = SpeedButton(Panel1, "exitbtn", 160, 25, "exit.png");
    RulesBtn = SpeedButton(Panel1, "RulesBtn", 509, 25, "rules.png");
    InfoBtn = SpeedButton(Panel1, "InfoBtn", 533, 25, "info.png");
    FennickBtn = SpeedButton(Panel1, "FennickBtn", 557, 32, "fennick.png");

    connect(RestartBtn, &QToolButton::clicked, this, [this] { RestartBtnClick(); });
    connect(LoadBtn, &QToolButton::clicked, this, [this] { LoadBtnClick(); });
    connect(StoreBtn, &QToolButton::clicked, this, [this] { StoreBtnClick(); });
    connect(StoryBtn, &QToolButton::clicked, this, [this] { StoryBtnClick(); });
    connect(HelpBtn, &QToolButton::clicked, this, [this] { HelpBtnClick(); });
    connect(exitbtn, &QToolButton::clicked, this, [this] { exitbtnClick(); });
    connect(RulesBtn, &QToolButton::clicked, this, [this] { RulesBtnClick(); });
    connect(InfoBtn, &QToolButton::clicked, this, [this] { infobuttonClick(); });
    connect(FennickBtn, &QToolButton::clicked, this, [this] { FennickBtnClick(); });
}

void TMainForm::SetHints() {
    RestartBtn->setToolTip(stage_.Text({"Ich beginn nochmal von vorne.", "I restart."}));
    LoadBtn->setToolTip(stage_.Text({"Ich lade ein Spiel und mach dort weiter.", "I load a game and continue there."}));
    StoreBtn->setToolTip(stage_.Text({"Ich speichere das Spiel, sicher ist sicher.", "I save the game."}));
    StoryBtn->setToolTip(stage_.Text({"Ich möchte die Geschichte nochmal sehen.", "I want to see the story again."}));
    soundbtn->setToolTip(stage_.Text({"Die Geräusche mag ich nicht immer.", "I dont always like the sound."}));
    exitbtn->setToolTip(stage_.Text({"Ich hab genug!", "That's enough for now!"}));
    HelpBtn->setToolTip(stage_.Text({"Ich brauche Hilfe.", "I need help."}));
    InfoBtn->setToolTip(stage_.Text({"Wer hat diese Spiele nur verbrochen?", "Who's the FENNICK GAME inventor?"}));
    FennickBtn->setToolTip(
        stage_.Text({"Hurra, es gibt noch mehr Fennick Games.", "Hurrah, there are more FENNICK GAMES."}));
}

void TMainForm::RestartBtnClick() {
    if (!stage_.Ask(texts::RestartQuestion)) return;
    NewGame();
    Repaint();
}

void TMainForm::exitbtnClick() { close(); }

void TMainForm::StoryBtnClick() {
    if (windows_.IntroWin) windows_.IntroWin->ShowModal();
}

void TMainForm::HelpBtnClick() {
    if (windows_.HelpWin) windows_.HelpWin->ShowModal();
}

void TMainForm::infobuttonClick() {
    if (windows_.InfoDialog) windows_.InfoDialog->ShowModal();
}

}  // namespace tarnwick
