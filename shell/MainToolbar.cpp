// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar over the labyrinth: ten speed buttons with their hints and
// a key each.
#include <QHBoxLayout>
#include <QShortcut>

#include "pages/Help.h"
#include "pages/Intro.h"
#include "platform/Glyphs.h"
#include "platform/SpeedButton.h"
#include "shell/GameWindows.h"
#include "shell/Infodlg.h"
#include "shell/Main.h"
#include "state/Texts.h"

namespace tarnwick {

namespace {

TSpeedButton* SpeedButton(QWidget* panel, const char* name, int left, int width, const char* glyph) {
    auto* button = new TSpeedButton(panel);
    button->setObjectName(name);
    button->setGeometry(left, 4, width, 25);
    // The glyph at its own size, never stretched to the button.
    const QString path = QString(":/glyphs/") + glyph;
    button->setIcon(GlyphIcon(path));
    button->setIconSize(GlyphSize(path));
    return button;
}

// The key of each button: the desktop's usual ones where there are such.
struct ToolKey {
    const char* button;
    QKeyCombination key;
};
constexpr ToolKey ToolKeys[] = {
    {"RestartBtn", Qt::CTRL | Qt::Key_N}, {"LoadBtn", Qt::CTRL | Qt::Key_O}, {"StoreBtn", Qt::CTRL | Qt::Key_S},
    {"soundbtn", Qt::CTRL | Qt::Key_M},   {"StoryBtn", Qt::Key_F3},          {"HelpBtn", Qt::Key_F2},
    {"exitbtn", Qt::CTRL | Qt::Key_Q},    {"RulesBtn", Qt::Key_F1},          {"InfoBtn", Qt::CTRL | Qt::Key_I},
    {"FennickBtn", Qt::CTRL | Qt::Key_G},
};

}  // namespace

QString KeyName(QKeyCombination key, int language) {
    QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    if (language == 1) name.replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+"));
    return name;
}

namespace {

QString ToolKeyName(const TSpeedButton* button, int language) {
    for (const ToolKey& key : ToolKeys)
        if (button->objectName() == QLatin1String(key.button)) return KeyName(key.key, language);
    return {};
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

    connect(RestartBtn, &TSpeedButton::clicked, this, [this] { RestartBtnClick(); });
    connect(LoadBtn, &TSpeedButton::clicked, this, [this] { LoadBtnClick(); });
    connect(StoreBtn, &TSpeedButton::clicked, this, [this] { StoreBtnClick(); });
    connect(StoryBtn, &TSpeedButton::clicked, this, [this] { StoryBtnClick(); });
    connect(HelpBtn, &TSpeedButton::clicked, this, [this] { HelpBtnClick(); });
    connect(exitbtn, &TSpeedButton::clicked, this, [this] { exitbtnClick(); });
    connect(RulesBtn, &TSpeedButton::clicked, this, [this] { RulesBtnClick(); });
    connect(InfoBtn, &TSpeedButton::clicked, this, [this] { infobuttonClick(); });
    connect(FennickBtn, &TSpeedButton::clicked, this, [this] { FennickBtnClick(); });

    // A button's key presses it while the tool bar could be clicked: with
    // no scene over the labyrinth and no step or shift under way.
    for (const ToolKey& key : ToolKeys) {
        auto* button = Panel1->findChild<TSpeedButton*>(key.button);
        auto* shortcut = new QShortcut(QKeySequence(key.key), this);
        connect(shortcut, &QShortcut::activated, button, [this, button] {
            if (OpenScenes().isEmpty() && !box->Busy) button->click();
        });
    }
}

void TMainForm::SetHints() {
    const auto hint = [this](TSpeedButton* button, const BiText& text) {
        SetHint(button, stage_.Text(text), ToolKeyName(button, game_.Language));
    };
    hint(RestartBtn, {"Ich beginn nochmal von vorne.", "I restart."});
    hint(LoadBtn, {"Ich lade ein Spiel und mach dort weiter.", "I load a game and continue there."});
    hint(StoreBtn, {"Ich speichere das Spiel, sicher ist sicher.", "I save the game."});
    hint(StoryBtn, {"Ich möchte die Geschichte nochmal sehen.", "I want to see the story again."});
    hint(soundbtn, {"Die Geräusche mag ich nicht immer.", "I dont always like the sound."});
    hint(exitbtn, {"Ich hab genug!", "That's enough for now!"});
    hint(HelpBtn, {"Ich brauche Hilfe.", "I need help."});
    hint(InfoBtn, {"Wer hat diese Spiele nur verbrochen?", "Who's the FENNICK GAME inventor?"});
    hint(FennickBtn, {"Hurra, es gibt noch mehr Fennick Games.", "Hurrah, there are more FENNICK GAMES."});
    // The rules button shows its picture only; its name says what it opens.
    hint(RulesBtn, {"Die Spielregeln", "The rules"});
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
