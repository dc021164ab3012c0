#include "DialogWindow.h"

#include "Application.h"
#include "ClientArea.h"
#include "Dialog.h"
#include "GroupFrame.h"
#include "QtText.h"
#include "StaticText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

namespace {

// The faces dialogs were designed with do not exist here; the system's sans-serif face takes
// their place at the same size.
QFont dialogFont(const DialogTemplate& t) {
    QFont font = QApplication::font();
    const QString face = QString::fromLatin1(t.fontFace);
    if (face != u"MS Sans Serif" && face != u"System" && !face.isEmpty()) {
        font.setFamily(face);
    }
    font.setPointSize(t.fontPoints);
    return font;
}

Size baseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {DialogUnits::averageWidth(letters), metrics.height()};
}

Qt::WindowFlags flagsFor(Style style) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint;
    flags |= hasStyle(style, Style::AppWindow) ? Qt::Window : Qt::Dialog;
    if (hasStyle(style, Style::Caption)) {
        flags |= Qt::WindowTitleHint;
    }
    if (hasStyle(style, Style::SystemMenu)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (hasStyle(style, Style::MinimizeBox)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (hasStyle(style, Style::MaximizeBox)) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

Qt::Alignment alignment(Style style) {
    if (hasStyle(style, Style::AlignCenter)) {
        return Qt::AlignHCenter;
    }
    return hasStyle(style, Style::AlignRight) ? Qt::AlignRight : Qt::AlignLeft;
}

QRect toQRect(Rect r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

DialogWindow::DialogWindow(Dialog& dialog, QWidget* owner)
    : QDialog(owner, flagsFor(dialog.dialogTemplate().style)), dialog_(dialog) {
    const DialogTemplate& t = dialog.dialogTemplate();
    setWindowTitle(QtText::fromBytes(t.caption));
    setFont(dialogFont(t));
    setSizeGripEnabled(false);
    const DialogUnits units{baseUnits(font())};
    const Size client = units.toPixels(t.size);

    int top = 0;
    if (!t.menu.empty()) {
        QMenuBar* bar = createMenuBar(t.menu);
        top = bar->sizeHint().height();
        bar->setGeometry(0, 0, client.width, top);
    }
    client_ = new ClientArea(*this);
    client_->setGeometry(0, top, client.width, client.height);

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& control : t.controls) {
        QWidget* widget = createControl(control, units);
        if (hasStyle(control.style, Style::TabStop)) {
            if (previousTabStop != nullptr) {
                QWidget::setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
    // Group boxes only frame the controls inside them; they must not cover them.
    for (GroupFrame* box : client_->findChildren<GroupFrame*>()) {
        box->lower();
    }
    setFixedSize(client.width, top + client.height);

    if (hasStyle(t.style, Style::SystemMenu)) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(shortcut, &QShortcut::activated, this,
                [this] { showSystemMenu(mapToGlobal(QPoint(0, 0))); });
    }
}

QWidget* DialogWindow::createControl(const ControlTemplate& c, const DialogUnits& units) {
    const QString text = QtText::fromBytes(c.text);
    QWidget* widget = nullptr;
    if (hasStyle(c.style, Style::Group)) {
        openGroup_ = nullptr; // a group runs from one group start to the next
    }
    switch (c.kind) {
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(text, client_);
        edit->setFrame(hasStyle(c.style, Style::Border));
        edit->setAlignment(alignment(c.style));
        const int id = c.id.value;
        connect(edit, &QLineEdit::textChanged, this, [this, id] {
            if (dialog_.exchangeDepth_ == 0) {
                Message message{Notification::EditChange, id};
                dialog_.sendMessage(message);
            }
        });
        widget = edit;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, client_);
        button->setAutoDefault(false);
        button->setDefault(c.kind == ControlKind::DefPushButton);
        connectButton(button, c.id.value);
        widget = button;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, client_);
        radio->setAutoExclusive(false);
        if (hasStyle(c.style, Style::LeftText)) {
            radio->setLayoutDirection(Qt::RightToLeft);
        }
        if (openGroup_ == nullptr) {
            openGroup_ = new QButtonGroup(this);
        }
        openGroup_->addButton(radio);
        radio->setProperty("radioGroup", QVariant::fromValue(openGroup_));
        connectButton(radio, c.id.value);
        widget = radio;
        break;
    }
    case ControlKind::Static:
        widget = new StaticText(text, alignment(c.style),
                                !hasStyle(c.style, Style::NoWordWrap) &&
                                    !hasStyle(c.style, Style::AlignCenter | Style::AlignRight),
                                hasStyle(c.style, Style::NoPrefix), client_);
        break;
    case ControlKind::GroupBox:
        widget = new GroupFrame(text, client_);
        break;
    case ControlKind::Icon: {
        auto* label = new QLabel(client_);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (c.icon != nullptr) {
            label->setPixmap(makeIcon(*c.icon).pixmap(QSize(32, 32)));
        }
        widget = label;
        break;
    }
    }
    if (c.kind == ControlKind::Edit || c.kind == ControlKind::PushButton ||
        c.kind == ControlKind::DefPushButton || c.kind == ControlKind::RadioButton) {
        widget->setFocusPolicy(hasStyle(c.style, Style::TabStop) ? Qt::StrongFocus
                                                                 : Qt::ClickFocus);
    }
    if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->place(toQRect(units.toPixels(c.rect)));
    } else {
        widget->setGeometry(toQRect(units.toPixels(c.rect)));
    }
    widget->setEnabled(!hasStyle(c.style, Style::Disabled));
    if (c.id != idStatic) {
        widget->setObjectName(QString::number(c.id.value));
        controls_[c.id.value] = widget;
    }
    widget->setProperty("tabStop", hasStyle(c.style, Style::TabStop));
    ordered_.push_back(widget);
    return widget;
}

QMenuBar* DialogWindow::createMenuBar(std::span<const MenuItemTemplate> items) {
    auto* bar = new QMenuBar(this);
    QMenu* menu = nullptr;
    for (const MenuItemTemplate& item : items) {
        switch (item.kind) {
        case MenuItemKind::Popup:
            menu = bar->addMenu(QtText::fromBytes(item.text));
            break;
        case MenuItemKind::Separator:
            menu->addSeparator();
            break;
        case MenuItemKind::Item: {
            QAction* action = menu->addAction(QtText::fromBytes(item.text));
            action->setObjectName(QString::number(item.id.value));
            const int id = item.id.value;
            connect(action, &QAction::triggered, this, [this, id] {
                Message message{Notification::Command, id};
                dialog_.sendMessage(message);
            });
            break;
        }
        case MenuItemKind::EndPopup:
            menu = nullptr;
            break;
        }
    }
    return bar;
}

void DialogWindow::connectButton(QAbstractButton* button, int id) {
    connect(button, &QAbstractButton::clicked, this, [this, id] {
        Message message{Notification::Clicked, id};
        dialog_.sendMessage(message);
    });
}

QWidget* DialogWindow::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QString DialogWindow::controlText(int id) const {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* box = dynamic_cast<GroupFrame*>(widget)) {
        return box->title();
    }
    if (auto* label = dynamic_cast<StaticText*>(widget)) {
        return label->text();
    }
    return {};
}

void DialogWindow::setControlText(int id, const QString& text) {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* box = dynamic_cast<GroupFrame*>(widget)) {
        box->setTitle(text);
    } else if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->setText(text);
    }
}

void DialogWindow::setInputLimit(int id, int count) {
    if (auto* edit = qobject_cast<QLineEdit*>(control(id))) {
        edit->setMaxLength(count);
    }
}

std::vector<QRadioButton*> DialogWindow::radioGroup(int id) const {
    std::vector<QRadioButton*> buttons;
    auto* first = qobject_cast<QRadioButton*>(control(id));
    if (first == nullptr) {
        return buttons;
    }
    const auto* group = first->property("radioGroup").value<QButtonGroup*>();
    for (QWidget* widget : ordered_) {
        auto* radio = qobject_cast<QRadioButton*>(widget);
        if (radio != nullptr && radio->property("radioGroup").value<QButtonGroup*>() == group) {
            buttons.push_back(radio);
        }
    }
    return buttons;
}

void DialogWindow::focusControl(int id) {
    if (QWidget* widget = control(id)) {
        widget->setFocus(Qt::TabFocusReason);
    }
}

void DialogWindow::focusFirstTabStop() {
    for (QWidget* widget : ordered_) {
        if (widget->property("tabStop").toBool() && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QIcon DialogWindow::makeIcon(const IconResource& icon) {
    QIcon result;
    for (const char* const* image : icon.images) {
        result.addPixmap(QPixmap(image));
    }
    return result;
}

void DialogWindow::setIcon(const IconResource& icon) {
    setWindowIcon(makeIcon(icon));
}

QSize DialogWindow::clientSize() const {
    return client_->size();
}

void DialogWindow::placeCentred() {
    const QWidget* owner = parentWidget();
    QRect area = owner != nullptr ? owner->window()->frameGeometry() : QRect();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    if (area.isEmpty()) {
        area = available;
    }
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    if (!available.isEmpty()) {
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

void DialogWindow::paintClient(QPainter& painter) {
    painter_ = &painter;
    Message message{Notification::Paint};
    dialog_.sendMessage(message);
    painter_ = nullptr;
}

void DialogWindow::drawIcon(QPoint at, const IconResource& icon) {
    if (painter_ != nullptr) {
        painter_->drawPixmap(at, makeIcon(icon).pixmap(QSize(32, 32)));
    }
}

void DialogWindow::rightButtonDown(QPoint position, QPoint globalPosition) {
    Message message{Notification::RButtonDown, 0, 0x0002u, {position.x(), position.y()}};
    if (!dialog_.sendMessage(message) && dialog_.isRunning() &&
        hasStyle(dialog_.dialogTemplate().style, Style::SystemMenu)) {
        showSystemMenu(globalPosition);
    }
}

void DialogWindow::showSystemMenu(QPoint globalPosition) {
    const Style style = dialog_.dialogTemplate().style;
    const bool changed = isMinimized() || isMaximized();
    QMenu menu(this);
    const auto add = [&](const char* text, SysCommand command, bool enabled) {
        QAction* action = menu.addAction(QString::fromLatin1(text));
        action->setEnabled(enabled);
        action->setData(static_cast<unsigned>(command));
    };
    add("&Restore", SysCommand::Restore, changed);
    add("&Move", SysCommand::Move, !isMaximized());
    add("&Size", SysCommand::Size, false); // dialogs have fixed frames
    add("Mi&nimize", SysCommand::Minimize, hasStyle(style, Style::MinimizeBox) && !isMinimized());
    add("Ma&ximize", SysCommand::Maximize, hasStyle(style, Style::MaximizeBox) && !isMaximized());
    menu.addSeparator();
    add("&Close\tAlt+F4", SysCommand::Close, true);
    for (const SystemMenu::Entry& entry : dialog_.systemMenu().entries()) {
        if (entry.separator) {
            menu.addSeparator();
        } else {
            menu.addAction(QtText::fromBytes(entry.text))->setData(entry.command);
        }
    }
    menu.setObjectName(QStringLiteral("systemMenu"));
    if (QAction* chosen = menu.exec(globalPosition)) {
        sendSysCommand(chosen->data().toUInt());
    }
}

void DialogWindow::sendCommand(int id) {
    Message message{Notification::Clicked, id};
    dialog_.sendMessage(message);
}

void DialogWindow::sendSysCommand(unsigned command) {
    Message message{Notification::SysCommand, 0, command};
    dialog_.sendMessage(message);
}

QAbstractButton* DialogWindow::defaultButton() const {
    for (QWidget* widget : ordered_) {
        auto* button = qobject_cast<QPushButton*>(widget);
        if (button != nullptr && button->isDefault()) {
            return button;
        }
    }
    return nullptr;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        if (focused != nullptr && focused->isEnabled()) {
            focused->click();
        } else if (QAbstractButton* button = defaultButton()) {
            if (button->isEnabled()) {
                button->click();
            }
        } else {
            sendCommand(idOk.value);
        }
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        sendCommand(idCancel.value);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box asks the dialog, like any system command; the dialog decides whether to end.
    event->ignore();
    sendSysCommand(static_cast<unsigned>(SysCommand::Close));
}
