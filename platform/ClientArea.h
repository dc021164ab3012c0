#pragma once

#include <QWidget>

class DialogWindow;

// The part of a dialog's window below its menu, where its controls stand. It passes painting
// and the right mouse button on to the dialog.
class ClientArea : public QWidget {
public:
    explicit ClientArea(DialogWindow& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DialogWindow& window_;
};
