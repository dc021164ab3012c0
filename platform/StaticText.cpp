#include "StaticText.h"

#include <QPainter>
#include <QTextOption>

StaticText::StaticText(const QString& text, Qt::Alignment alignment, bool wordWrap, bool noPrefix,
                       QWidget* parent)
    : QWidget(parent), text_(text), alignment_(alignment), wordWrap_(wordWrap),
      noPrefix_(noPrefix) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StaticText::setText(const QString& text) {
    text_ = text;
    update();
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
    option.setWrapMode(wordWrap_ ? QTextOption::WordWrap : QTextOption::NoWrap);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    option.setTabStopDistance(8.0 * fontMetrics().horizontalAdvance(letters) / 52.0);
    painter.drawText(QRectF(rect()), shownText(), option);
}
