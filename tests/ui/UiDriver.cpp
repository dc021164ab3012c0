#include "UiDriver.h"

#include "StaticText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

UiDriver::UiDriver(std::chrono::milliseconds timeout)
    : timeout_(timeout), context_(std::make_unique<QObject>()) {
}

UiDriver::~UiDriver() = default;

int UiDriver::play(Application& app, const std::function<Script(UiDriver&)>& script, int argc,
                   char** argv) {
    static char name[] = "zareduz";
    static char* defaultArgv[] = {name, nullptr};
    app_ = &app;
    std::unique_ptr<Script> running;
    post([&] {
        running = std::make_unique<Script>(script(*this));
        if (running->done()) {
            app.postQuitRequest(0);
        }
    });
    const int code = app.run(argc, argv != nullptr ? argv : defaultArgv);
    // Whatever the script still had posted belongs to this run only.
    context_ = std::make_unique<QObject>();
    if (running && running->error()) {
        ADD_FAILURE() << "the script threw";
    }
    if (running && !running->done()) {
        ADD_FAILURE() << "the program ended before the script did";
    }
    app_ = nullptr;
    return code;
}

void UiDriver::Until::await_suspend(std::coroutine_handle<> handle) {
    driver.waiting_ = handle;
    driver.condition_ = condition;
    driver.what_ = what;
    driver.deadline_ = std::chrono::steady_clock::now() + driver.timeout_;
    QTimer::singleShot(1, driver.context_.get(), [d = &driver] { d->poll(); });
}

void UiDriver::poll() {
    if (!waiting_) {
        return;
    }
    if (condition_()) {
        const std::coroutine_handle<> handle = std::exchange(waiting_, {});
        handle.resume();
        // A finished script ends the program after whatever it posted last.
        if (!waiting_ && handle.done()) {
            post([app = app_] { app->postQuitRequest(0); });
        }
        return;
    }
    if (std::chrono::steady_clock::now() > deadline_) {
        timedOut();
        return;
    }
    QTimer::singleShot(2, context_.get(), [this] { poll(); });
}

void UiDriver::timedOut() {
    ADD_FAILURE() << "timed out waiting for " << what_;
    waiting_ = {};
    app_->postQuitRequest(-99);
}

UiDriver::Until UiDriver::until(std::function<bool()> condition, std::string what) {
    return Until{*this, std::move(condition), std::move(what)};
}

bool UiDriver::isActive(const QString& title) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal->isVisible() && modal->isActiveWindow() &&
           modal->windowTitle() == title;
}

UiDriver::Until UiDriver::dialog(const QString& title) {
    return until([title] { return isActive(title); }, "the window " + title.toStdString());
}

UiDriver::Until UiDriver::textIs(QWidget* window, int id, const QString& expected) {
    QPointer<QWidget> guard(window);
    return until([guard, id, expected] { return guard && text(guard, id) == expected; },
                 "control " + std::to_string(id) + " to read " + expected.toStdString());
}

void UiDriver::post(std::function<void()> action) {
    QTimer::singleShot(0, context_.get(), std::move(action));
}

void UiDriver::postTo(QWidget* widget, std::function<void(QWidget*)> action) {
    QPointer<QWidget> guard(widget);
    post([guard, action = std::move(action)] {
        if (guard) {
            action(guard);
        }
    });
}

void UiDriver::click(QWidget* widget, Qt::MouseButton button) {
    postTo(widget, [button](QWidget* w) { QTest::mouseClick(w, button); });
}

void UiDriver::clickAt(QWidget* window, QPoint position, Qt::MouseButton button) {
    postTo(window, [position, button](QWidget* w) {
        if (w->windowHandle() != nullptr) {
            QTest::mouseClick(w->windowHandle(), button, Qt::NoModifier, position);
        }
    });
}

void UiDriver::type(QWidget* widget, const QString& text) {
    postTo(widget, [text](QWidget* w) { QTest::keyClicks(w, text); });
}

void UiDriver::key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    postTo(widget, [key, modifiers](QWidget* w) {
        QTest::keyClick(w, static_cast<Qt::Key>(key), modifiers);
    });
}

void UiDriver::keyToFocus(int key, Qt::KeyboardModifiers modifiers) {
    post([key, modifiers] {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr) {
            target = QApplication::activeModalWidget();
        }
        if (target != nullptr) {
            QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        }
    });
}

void UiDriver::openMenu(QWidget* window, const QString& menuText) {
    QPointer<QWidget> guard(window);
    post([guard, menuText] {
        auto* bar = guard ? guard->findChild<QMenuBar*>() : nullptr;
        if (bar == nullptr) {
            return;
        }
        for (QAction* action : bar->actions()) {
            if (action->text() == menuText) {
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                                  bar->actionGeometry(action).center());
            }
        }
    });
}

UiDriver::Until UiDriver::settled() {
    auto ran = std::make_shared<bool>(false);
    post([ran] { *ran = true; });
    return until([ran] { return *ran; }, "the posted input to be handled");
}

UiDriver::Until UiDriver::menuOpen() {
    return until([] { return openPopup() != nullptr; }, "a menu to open");
}

void UiDriver::postWhen(std::function<bool()> condition, std::function<void()> action) {
    post([this, condition = std::move(condition), action = std::move(action)] {
        runWhen(condition, action, 1000);
    });
}

// Tries again every few milliseconds until the condition holds, in whichever loop is innermost.
void UiDriver::runWhen(const std::function<bool()>& condition, const std::function<void()>& action,
                       int triesLeft) {
    if (condition()) {
        action();
    } else if (triesLeft > 0) {
        QTimer::singleShot(2, context_.get(), [this, condition, action, triesLeft] {
            runWhen(condition, action, triesLeft - 1);
        });
    } else {
        ADD_FAILURE() << "a posted action waited in vain";
    }
}

// The menu opens a moment after its click; the item waits for it.
void UiDriver::clickMenuItem(const QString& itemText) {
    postWhen([] { return openPopup() != nullptr; },
             [itemText] {
                 QMenu* menu = openPopup();
                 for (QAction* action : menu->actions()) {
                     if (action->text() == itemText) {
                         QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                           menu->actionGeometry(action).center());
                         return;
                     }
                 }
                 ADD_FAILURE() << "no menu item " << itemText.toStdString();
             });
}

void UiDriver::chooseMenu(QWidget* window, const QString& menuText, const QString& itemText) {
    openMenu(window, menuText);
    clickMenuItem(itemText);
}

QMenu* UiDriver::openPopup() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QDialog* UiDriver::activeDialog() {
    return qobject_cast<QDialog*>(QApplication::activeModalWidget());
}

QWidget* UiDriver::control(QWidget* window, int id) {
    return window != nullptr ? window->findChild<QWidget*>(QString::number(id)) : nullptr;
}

QLineEdit* UiDriver::edit(QWidget* window, int id) {
    return qobject_cast<QLineEdit*>(control(window, id));
}

QString UiDriver::text(QWidget* window, int id) {
    QWidget* widget = control(window, id);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        return line->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* label = dynamic_cast<StaticText*>(widget)) {
        return label->text();
    }
    return {};
}
