#include "StaticText.h"

#include <QFontMetrics>
#include <QPainter>

#include <QTextOption>
#include <algorithm>

StaticText::StaticText(const QString& text, Qt::Alignment alignment, bool wordWrap, bool noPrefix,
                       QWidget* parent)
    : QWidget(parent), text_(text), alignment_(alignment), wordWrap_(wordWrap),
      noPrefix_(noPrefix) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::setText(const QString& text) {
    text_ = text;
    fitText();
    update();
}

void StaticText::place(const QRect& rect) {
    placed_ = rect;
    fitText();
}

// Our fonts run a little wider than the ones the dialogs were laid out for. A one-line label
// that no longer fits would wrap its last word out of sight; it overflows to the right instead.
void StaticText::fitText() {
    const QFontMetrics metrics = fontMetrics();
    QRect rect = placed_;
    if (!text_.contains(u'\n') && placed_.height() < 2 * metrics.lineSpacing()) {
        rect.setWidth(std::max(placed_.width(), metrics.horizontalAdvance(shownText()) + 1));
    }
    setGeometry(rect);
}

QString StaticText::shownText() const {
    if (noPrefix_) {
        return text_;
    }
    QString shown;
    for (qsizetype i = 0; i < text_.size(); ++i) {
        if (text_[i] == u'&' && i + 1 < text_.size()) {
            ++i;
        }
        shown += text_[i];
    }
    return shown;
}

void StaticText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QTextOption option(alignment_ | Qt::AlignTop);
    const bool oneLine = !text_.contains(u'\n') && height() < 2 * fontMetrics().lineSpacing();
    option.setWrapMode(wordWrap_ && !oneLine ? QTextOption::WordWrap : QTextOption::NoWrap);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    option.setTabStopDistance(8.0 * fontMetrics().horizontalAdvance(letters) / 52.0);
    painter.drawText(QRectF(rect()), shownText(), option);
}
