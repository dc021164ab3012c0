#pragma once

#include <QWidget>

// A group box: an etched frame whose title interrupts its top line. It only frames the controls
// drawn over it; it takes no focus and lets the mouse through to the dialog.
class GroupFrame : public QWidget {
public:
    GroupFrame(const QString& title, QWidget* parent);

    QString title() const { return title_; }
    void setTitle(const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};
