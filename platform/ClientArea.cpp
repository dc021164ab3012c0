#include "ClientArea.h"

#include "DialogWindow.h"

#include <QMouseEvent>
#include <QPainter>

ClientArea::ClientArea(DialogWindow& window) : QWidget(&window), window_(window) {
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    window_.paintClient(painter);
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        window_.rightButtonDown(event->position().toPoint(), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
