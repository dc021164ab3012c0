#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QDialog>

#include <map>
#include <vector>

class ClientArea;
class Dialog;
class QAbstractButton;
class QButtonGroup;
class QMenu;
class QMenuBar;
class QPainter;
class QRadioButton;

// The Qt window of a running dialog: its controls built from the template, and the keyboard,
// mouse and window events turned into the dialog's messages.
class DialogWindow : public QDialog {
public:
    DialogWindow(Dialog& dialog, QWidget* owner);

    QWidget* control(int id) const;
    QString controlText(int id) const;
    void setControlText(int id, const QString& text);
    void setInputLimit(int id, int count);
    // The radio buttons of the group that starts with the control id, in template order.
    std::vector<QRadioButton*> radioGroup(int id) const;
    void focusControl(int id);
    void focusFirstTabStop();
    void setIcon(const IconResource& icon);
    QSize clientSize() const;
    void placeCentred();

    static QIcon makeIcon(const IconResource& icon);

    // Called by the client area.
    void paintClient(QPainter& painter);
    void rightButtonDown(QPoint position, QPoint globalPosition);
    void drawIcon(QPoint at, const IconResource& icon);

    void showSystemMenu(QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createControl(const ControlTemplate& control, const DialogUnits& units);
    QMenuBar* createMenuBar(std::span<const MenuItemTemplate> items);
    void connectButton(QAbstractButton* button, int id);
    void sendCommand(int id);
    void sendSysCommand(unsigned command);
    QAbstractButton* defaultButton() const;

    Dialog& dialog_;
    ClientArea* client_ = nullptr;
    std::map<int, QWidget*> controls_;
    std::vector<QWidget*> ordered_; // every control in template order
    QPainter* painter_ = nullptr;
    QButtonGroup* openGroup_ = nullptr; // the radio group that template order is filling
};
