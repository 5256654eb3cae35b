// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/HelpWindow.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "platform/Glyphs.h"

namespace tarnwick_help {

namespace {

// The game's colours: dark wood for the bar, parchment for the page.
const QColor Wood(0x3b, 0x2a, 0x1e);
const QColor Brass(0xe8, 0xc9, 0x8a);
const QColor Parchment(0xf5, 0xea, 0xd3);
const QColor Ink(0x2e, 0x1c, 0x0f);
const QColor Amber(0xf0, 0xc8, 0x78);

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setFixedSize(28, 24);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

HelpWindow::HelpWindow() {
    setObjectName("HelpWindow");
    setWindowTitle(QStringLiteral("Tarnwick – Hilfe / Help"));
    setWindowIcon(tarnwick::GameIcon());
    resize(560, 620);

    bar_ = new QWidget(this);
    bar_->setAutoFillBackground(true);
    QPalette barPalette = bar_->palette();
    barPalette.setColor(QPalette::Window, Wood);
    barPalette.setColor(QPalette::WindowText, Brass);
    barPalette.setColor(QPalette::ButtonText, Brass);
    barPalette.setColor(QPalette::Button, Wood.lighter(130));
    barPalette.setColor(QPalette::Disabled, QPalette::ButtonText, Brass.darker(220));
    bar_->setPalette(barPalette);
    back_ = ArrowButton(bar_, Qt::LeftArrow);
    forward_ = ArrowButton(bar_, Qt::RightArrow);
    title_ = new QLabel(bar_);
    QFont titleFont(QStringLiteral("Liberation Serif"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    auto* barLayout = new QHBoxLayout(bar_);
    barLayout->setContentsMargins(6, 4, 10, 4);
    barLayout->setSpacing(2);
    barLayout->addWidget(back_);
    barLayout->addWidget(forward_);
    barLayout->addSpacing(10);
    barLayout->addWidget(title_, 1);

    notice_ = new QLabel(this);
    notice_->setWordWrap(true);
    notice_->setAutoFillBackground(true);
    notice_->setContentsMargins(10, 6, 10, 6);
    QPalette noticePalette = notice_->palette();
    noticePalette.setColor(QPalette::Window, Amber);
    noticePalette.setColor(QPalette::WindowText, Ink);
    notice_->setPalette(noticePalette);
    QFont noticeFont(QStringLiteral("Liberation Sans"));
    noticeFont.setPixelSize(13);
    notice_->setFont(noticeFont);
    notice_->hide();

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);
    QPalette pagePalette = browser_->palette();
    pagePalette.setColor(QPalette::Base, Parchment);
    pagePalette.setColor(QPalette::Text, Ink);
    browser_->setPalette(pagePalette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(notice_);
    layout->addWidget(browser_, 1);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::historyChanged, this, [this] { UpdateButtons(); });
    UpdateButtons();
}

bool HelpWindow::Open(const QString& file, const QString& topic) {
    file_ = file;
    loaded_ = QFileInfo(file).isFile();
    if (!loaded_) {
        browser_->setHtml(QStringLiteral(
            "<div style='text-align:center; color:#6b2410; "
            "font-family:\"Liberation Serif\", serif;'>"
            "<p style='font-size:18pt;'>&nbsp;</p>"
            "<p style='font-size:20pt;'><b>Keine Hilfe zur Hand</b></p>"
            "<p style='font-size:12pt; color:#2e1c0f;'>Die Hilfedatei liegt sonst neben dem Spiel.<br>"
            "Wird das Spiel neu eingerichtet, ist sie wieder da.</p>"
            "<p style='font-size:20pt; margin-top:36px;'><b>No help at hand</b></p>"
            "<p style='font-size:12pt; color:#2e1c0f;'>The help file usually lies beside the game.<br>"
            "Installing the game again brings it back.</p></div>"));
        title_->setText(QStringLiteral("Tarnwick – Hilfe / Help"));
        ShowNotice(QStringLiteral("Die Hilfedatei „%1“ wurde nicht gefunden.").arg(file),
                   QStringLiteral("The help file “%1” was not found.").arg(file));
        report_ = QStringLiteral("missing file: ") + file;
        return false;
    }
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()),
                        QTextDocument::HtmlResource);
    const QString title = browser_->documentTitle();
    title_->setText(title.isEmpty() ? QFileInfo(file).fileName() : title);
    setWindowTitle(title_->text());
    return ShowTopic(topic);
}

bool HelpWindow::ShowTopic(const QString& topic) {
    if (!loaded_) return false;  // the missing file stays reported
    if (!topic.isEmpty() && !HasAnchor(topic)) {
        browser_->verticalScrollBar()->setValue(0);
        ShowNotice(QStringLiteral("Das Thema „%1“ gibt es in dieser Hilfedatei nicht.").arg(topic),
                   QStringLiteral("The topic “%1” is not in this help file.").arg(topic));
        report_ = QStringLiteral("missing topic: ") + topic;
        return false;
    }
    notice_->hide();
    if (topic.isEmpty()) {
        browser_->verticalScrollBar()->setValue(0);
    } else {
        browser_->scrollToAnchor(topic);
    }
    report_ = QStringLiteral("file: %1\ntitle: %2\ntopic: %3")
                  .arg(file_, browser_->documentTitle(), topic);
    return true;
}

QStringList HelpWindow::TopLines(int count) const {
    QStringList lines;
    const QTextCursor top = browser_->cursorForPosition(QPoint(4, 4));
    for (QTextBlock block = top.block(); block.isValid() && lines.size() < count; block = block.next()) {
        const QString text = block.text().trimmed();
        if (!text.isEmpty()) lines << text;
    }
    return lines;
}

bool HelpWindow::HasAnchor(const QString& name) const {
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().anchorNames().contains(name)) return true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(name)) return true;
        }
    }
    return false;
}

void HelpWindow::ShowNotice(const QString& german, const QString& english) {
    notice_->setText(german + QStringLiteral("\n") + english);
    notice_->show();
}

void HelpWindow::UpdateButtons() {
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
}

}  // namespace tarnwick_help
