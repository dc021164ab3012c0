#include "Dialog.h"

#include "Application.h"
#include "DataExchange.h"
#include "DialogWindow.h"
#include "ModalStack.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QWindow>

#include <exception>
#include <vector>

namespace {

std::vector<Dialog*>& runningDialogs() {
    static std::vector<Dialog*> dialogs;
    return dialogs;
}

// Keeps a count raised for as long as it lives, so that it drops again however the scope ends.
class CountGuard {
public:
    explicit CountGuard(int& count) : count_(count) { ++count_; }
    ~CountGuard() { --count_; }
    CountGuard(const CountGuard&) = delete;
    CountGuard& operator=(const CountGuard&) = delete;

private:
    int& count_;
};

} // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, Dialog* parent)
    : template_(dialogTemplate), parent_(parent) {
}

Dialog::~Dialog() = default;

Dialog* Dialog::activeDialog() {
    return runningDialogs().empty() ? nullptr : runningDialogs().back();
}

int Dialog::doModal() {
    const Application* app = Application::current();
    if ((app != nullptr && app->quitRequested()) || window_ != nullptr) {
        return quitResult;
    }
    Dialog* owner = parent_ != nullptr ? parent_ : activeDialog();
    window_ =
        std::make_unique<DialogWindow>(*this, owner != nullptr ? owner->window_.get() : nullptr);
    systemMenu_ = SystemMenu();
    if (icon_ != nullptr) {
        window_->setIcon(*icon_);
    }
    runningDialogs().push_back(this);
    ended_ = false;
    initDialog();
    int result = endResult_;
    if (!ended_) {
        window_->placeCentred();
        result = ModalStack::run(*window_);
    }
    runningDialogs().pop_back();
    window_.reset();
    return result;
}

void Dialog::initDialog() {
    bool focusFirst = true;
    try {
        focusFirst = OnInitDialog();
    } catch (const std::exception& error) {
        reportError(error.what());
    }
    if (focusFirst && window_ != nullptr) {
        window_->focusFirstTabStop();
    }
}

void Dialog::endDialog(int result) {
    if (window_ == nullptr) {
        return;
    }
    ended_ = true;
    endResult_ = result;
    window_->done(result);
}

bool Dialog::updateData(bool saveAndValidate) {
    if (window_ == nullptr) {
        return false;
    }
    const CountGuard exchanging(exchangeDepth_);
    try {
        DataExchange exchange(*this, saveAndValidate);
        DoDataExchange(exchange);
        return true;
    } catch (const DataExchange::Failed&) {
        return false;
    } catch (const std::exception& error) {
        reportError(error.what());
        return false;
    }
}

bool Dialog::OnInitDialog() {
    updateData(false);
    return true;
}

void Dialog::OnOK() {
    if (updateData(true)) {
        endDialog(idOk.value);
    }
}

void Dialog::OnCancel() {
    endDialog(idCancel.value);
}

void Dialog::enableControl(ItemId id, bool enable) {
    if (QWidget* widget = window_ != nullptr ? window_->control(id.value) : nullptr) {
        widget->setEnabled(enable);
    }
}

bool Dialog::isControlEnabled(ItemId id) const {
    const QWidget* widget = window_ != nullptr ? window_->control(id.value) : nullptr;
    return widget != nullptr && widget->isEnabled();
}

void Dialog::setControlText(ItemId id, std::string_view text) {
    if (window_ != nullptr) {
        window_->setControlText(id.value, QtText::fromBytes(text));
    }
}

std::string Dialog::controlText(ItemId id) const {
    return window_ != nullptr ? QtText::toBytes(window_->controlText(id.value)) : std::string();
}

void Dialog::messageBox(std::string_view text, std::string_view caption) {
    const Application* app = Application::current();
    if (app != nullptr && app->quitRequested()) {
        return;
    }
    const QString title = !caption.empty() ? QtText::fromBytes(caption)
                          : app != nullptr ? QtText::fromBytes(app->title())
                                           : QCoreApplication::applicationName();
    QWidget* parent = window_.get();
    if (parent == nullptr && activeDialog() != nullptr) {
        parent = activeDialog()->window_.get();
    }
    ModalStack::messageBox(parent, QtText::fromBytes(text), title);
}

void Dialog::setIcon(const IconResource& icon) {
    icon_ = &icon;
    if (window_ != nullptr) {
        window_->setIcon(icon);
    }
}

bool Dialog::isIconic() const {
    return window_ != nullptr && window_->isMinimized();
}

Size Dialog::clientSize() const {
    if (window_ == nullptr) {
        return {};
    }
    const QSize size = window_->clientSize();
    return {size.width(), size.height()};
}

void Dialog::drawIcon(Point at, const IconResource& icon) {
    if (window_ != nullptr) {
        window_->drawIcon(QPoint(at.x, at.y), icon);
    }
}

bool Dialog::sendMessage(Message& message) {
    try {
        if (handleMessage(message)) {
            return true;
        }
        defaultMessage(message);
    } catch (const std::exception& error) {
        reportError(error.what());
    }
    return false;
}

const IconResource* Dialog::queryDragIcon() {
    Message message{Notification::QueryDragIcon};
    sendMessage(message);
    return message.icon;
}

void Dialog::defaultMessage(Message& message) {
    switch (message.notification) {
    case Notification::Command:
    case Notification::Clicked:
        if (message.id == idOk.value) {
            OnOK();
        } else if (message.id == idCancel.value) {
            OnCancel();
        }
        break;
    case Notification::SysCommand:
        defaultSysCommand(message.param);
        break;
    case Notification::EditChange:
    case Notification::Paint:
    case Notification::QueryDragIcon:
    case Notification::RButtonDown:
        break;
    }
}

void Dialog::defaultSysCommand(unsigned command) {
    if (window_ == nullptr) {
        return;
    }
    switch (static_cast<SysCommand>(command & sysCommandMask)) {
    case SysCommand::Close: {
        Message cancel{Notification::Clicked, idCancel.value};
        sendMessage(cancel);
        break;
    }
    case SysCommand::Minimize:
        window_->showMinimized();
        break;
    case SysCommand::Maximize:
        window_->showMaximized();
        break;
    case SysCommand::Restore:
        window_->showNormal();
        break;
    case SysCommand::Move:
        if (window_->windowHandle() != nullptr) {
            window_->windowHandle()->startSystemMove();
        }
        break;
    case SysCommand::Size:
        if (window_->windowHandle() != nullptr) {
            window_->windowHandle()->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
        }
        break;
    }
}

void Dialog::reportError(const char* what) {
    messageBox(what);
}
