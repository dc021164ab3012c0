#include "ModalStack.h"

#include <QDialog>
#include <QMessageBox>

#include <vector>

namespace {

std::vector<QDialog*>& running() {
    static std::vector<QDialog*> windows;
    return windows;
}

} // namespace

int ModalStack::run(QDialog& window) {
    running().push_back(&window);
    const int result = window.exec();
    running().pop_back();
    // The owner takes the keyboard back, as it does when any modal window closes.
    if (QWidget* owner = window.parentWidget()) {
        owner->window()->activateWindow();
    }
    return result;
}

void ModalStack::endAll(int result) {
    for (auto it = running().rbegin(); it != running().rend(); ++it) {
        // A window that has already ended keeps the result it ended with.
        if ((*it)->isVisible()) {
            (*it)->done(result);
        }
    }
}

void ModalStack::messageBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    run(box);
}
