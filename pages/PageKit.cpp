#include "pages/PageKit.h"

#include <QPainter>

#include "platform/SceneWindow.h"
#include "shell/GameState.h"

namespace tarnwick {

namespace {
constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
const QColor RimColour(24, 14, 6);
}  // namespace

PageLabel::PageLabel(QWidget* parent, int left, int top, int width, int height, int pixelHeight)
    : QLabel(parent) {
    setGeometry(left, top, width, height);
    setFont(GameFont("Times New Roman", pixelHeight));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect PageLabel::TextRect() const {
    if (text().isEmpty()) return QRect();
    return fontMetrics().boundingRect(QRect(0, 0, width(), 10000), TextFlags, text());
}

void PageLabel::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    // A soft dark glow, a firm rim, then the letters.
    painter.setPen(QColor(RimColour.red(), RimColour.green(), RimColour.blue(), 60));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx * dx + dy * dy > 2) painter.drawText(rect().translated(dx, dy), TextFlags, text());
    painter.setPen(RimColour);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) painter.drawText(rect().translated(dx, dy), TextFlags, text());
    painter.setPen(Qt::white);
    painter.drawText(rect(), TextFlags, text());
}

PageButtons MakePageButtons(QWidget* parent) {
    PageButtons buttons;
    buttons.OKBtn = MakeGlyphButton(parent, 368, 268, 25, 25, ":/glyphs/page_ok.png");
    buttons.DownBtn = MakeGlyphButton(parent, 340, 268, 25, 25, ":/glyphs/page_next.png");
    buttons.UpBtn = MakeGlyphButton(parent, 312, 268, 25, 25, ":/glyphs/page_prev.png");
    buttons.OKBtn->setObjectName("OKBtn");
    buttons.DownBtn->setObjectName("DownBtn");
    buttons.UpBtn->setObjectName("UpBtn");
    QWidget::setTabOrder(buttons.OKBtn, buttons.DownBtn);
    QWidget::setTabOrder(buttons.DownBtn, buttons.UpBtn);
    return buttons;
}

void DrawPagePicture(Picture& canvas, const char* file) {
    canvas.Image().fill(Qt::black);
    Picture page;
    if (page.LoadBmp(QString::fromStdString(ProgramDir + file)))
        CopyRect(canvas, 0, 0, page, 0, 0, 400, 300);
}

}  // namespace tarnwick
