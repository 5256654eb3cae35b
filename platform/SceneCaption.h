// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The caption of a dialog scene: a title bar above the dialog with its
// title and a close box, in the dark wood of the game's tool bar, the whole
// framed by a thin dark line. It carries the dialog, is placed and stacked
// with it, and follows its title and size.
#include <QDialog>
#include <QWidget>

namespace tarnwick {

class SceneCaption : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 22;
    static constexpr int Border = 1;

    // The caption around a dialog, made the first time it is asked for.
    static SceneCaption* Around(QDialog* dialog);

    // Where a click closes the dialog, as the desktop's close box would.
    QRect CloseBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SceneCaption(QDialog* dialog);
    void FitDialog();

    QDialog* dialog_;
};

}  // namespace tarnwick
