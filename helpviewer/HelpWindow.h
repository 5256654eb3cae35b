// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer's window: a help file (HTML) in a text browser, scrolled
// to a topic's anchor, with back and forward along the links followed. A
// missing file or topic is reported in the window itself.
#include <QLabel>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace tarnwick_help {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Loads the help file and shows it at the topic (an empty topic: the
    // beginning). False when the file or the topic was missing.
    bool Open(const QString& file, const QString& topic);
    // Another topic of the file already open.
    bool ShowTopic(const QString& topic);

    // What the window shows, for a check from the command line: the report
    // when something was missing, else the file, title and topic.
    QString Report() const { return report_; }
    // The first few lines of text seen at the top of the page.
    QStringList TopLines(int count) const;

    QTextBrowser* browser() const { return browser_; }

private:
    bool HasAnchor(const QString& name) const;
    void ShowNotice(const QString& german, const QString& english);
    void UpdateButtons();

    QWidget* bar_;
    QToolButton* back_;
    QToolButton* forward_;
    QLabel* title_;
    QLabel* notice_;
    QTextBrowser* browser_;
    QString file_;
    bool loaded_ = false;
    QString report_;
};

}  // namespace tarnwick_help
