#pragma once

#include "Application.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <chrono>
#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <string>

class QLineEdit;
class QMenu;
class QObject;
class QWidget;

// A test script: a coroutine that posts real input events and waits for their effects. Input is
// always posted, never sent from the script itself, because an event may open a modal dialog
// whose loop must run on top of the script, not inside it.
class Script {
public:
    struct promise_type {
        Script get_return_object() {
            return Script(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { error = std::current_exception(); }
        std::exception_ptr error;
    };

    explicit Script(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    Script(Script&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Script& operator=(Script&&) = delete;
    ~Script() {
        if (handle_) {
            handle_.destroy();
        }
    }
    bool done() const { return handle_.done(); }
    std::exception_ptr error() const { return handle_.promise().error; }

private:
    std::coroutine_handle<promise_type> handle_;
};

class UiDriver {
public:
    explicit UiDriver(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    ~UiDriver();

    // Runs the application with the script started on its first event loop; returns the exit
    // code. A script that ends leaves the program to end by a quit request of code 0.
    int play(Application& app, const std::function<Script(UiDriver&)>& script, int argc = 1,
             char** argv = nullptr);

    struct Until {
        UiDriver& driver;
        std::function<bool()> condition;
        std::string what;
        bool await_ready() const { return condition(); }
        void await_suspend(std::coroutine_handle<> handle);
        void await_resume() const {}
    };
    // Waits, polling in whichever event loop is innermost, until the condition holds.
    Until until(std::function<bool()> condition, std::string what);
    // Waits for a modal window with this title to be the active one.
    Until dialog(const QString& title);
    Until textIs(QWidget* window, int id, const QString& text);
    // Waits until everything posted so far has been handled.
    Until settled();

    void post(std::function<void()> action);
    // Posts an action that waits, without holding up the script, until the condition holds;
    // for input meant for a window that a previous input is about to open.
    void postWhen(std::function<bool()> condition, std::function<void()> action);
    // Posts an action on a widget that is skipped if the widget is gone by then.
    void postTo(QWidget* widget, std::function<void(QWidget*)> action);
    void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
    // A click through the window system, so that it hits whatever is at that point.
    void clickAt(QWidget* window, QPoint position, Qt::MouseButton button);
    void type(QWidget* widget, const QString& text);
    void key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A key for whichever widget has the focus when the key is posted's turn comes.
    void keyToFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Opens a menu of the window's menu bar with a click; wait for it with menuOpen().
    void openMenu(QWidget* window, const QString& menuText);
    Until menuOpen();
    // Clicks an item of the open menu, once it is open.
    void clickMenuItem(const QString& itemText);
    void chooseMenu(QWidget* window, const QString& menuText, const QString& itemText);

    static QDialog* activeDialog();
    // Whether the active modal window has this title and the keyboard.
    static bool isActive(const QString& title);
    static QWidget* control(QWidget* window, int id);
    static QLineEdit* edit(QWidget* window, int id);
    static QString text(QWidget* window, int id);
    static QMenu* openPopup();

private:
    void poll();
    void runWhen(const std::function<bool()>& condition, const std::function<void()>& action,
                 int triesLeft);
    void timedOut();

    std::chrono::milliseconds timeout_;
    std::unique_ptr<QObject> context_;
    Application* app_ = nullptr;
    std::coroutine_handle<> waiting_;
    std::function<bool()> condition_;
    std::string what_;
    std::chrono::steady_clock::time_point deadline_;
};
