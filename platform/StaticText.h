#pragma once

#include <QWidget>

// A static text control: several lines, tabs that line up every eight average character widths,
// '&' taken as a mnemonic prefix unless the control says otherwise. It takes no focus and no
// mouse, as a label on a dialog does.
class StaticText : public QWidget {
public:
    StaticText(const QString& text, Qt::Alignment alignment, bool wordWrap, bool noPrefix,
               QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);
    // Sets the place the template gives the control.
    void place(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
    void fitText();

    QString text_;
    Qt::Alignment alignment_;
    bool wordWrap_;
    bool noPrefix_;
    QRect placed_;
};
