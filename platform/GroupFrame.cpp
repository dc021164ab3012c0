#include "GroupFrame.h"

#include <QPainter>

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupFrame::setTitle(const QString& title) {
    title_ = title;
    update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = title_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -2, -2);
    // An etched line: a shadow line with a light line just below and to the right of it.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (title_.isEmpty()) {
        return;
    }
    const int indent = metrics.averageCharWidth();
    const QRect titleRect(indent, 0, metrics.horizontalAdvance(title_) + indent, metrics.height());
    painter.fillRect(titleRect, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter, title_);
}
