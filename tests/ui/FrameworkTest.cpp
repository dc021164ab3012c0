#include "Application.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "DialogUnits.h"
#include "MainDialog.h"
#include "MessageTable.h"
#include "UiDriver.h"
#include "Windows1252.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

enum class TestId { Number = 10, Other = 11, Check = 12, Nested = 13, Throw = 14, Quit = 15 };

constexpr ControlTemplate testControls[] = {
    {TestId::Number, ControlKind::Edit, "", {10, 10, 60, 12}, Style::Border | Style::TabStop},
    {TestId::Other, ControlKind::Edit, "", {10, 30, 60, 12}, Style::Border | Style::TabStop},
    {TestId::Check, ControlKind::PushButton, "&Check", {80, 10, 50, 14}, Style::TabStop},
    {TestId::Nested, ControlKind::PushButton, "&Nested", {80, 30, 50, 14}, Style::TabStop},
    {TestId::Throw, ControlKind::PushButton, "&Throw", {80, 50, 50, 14}, Style::TabStop},
    {TestId::Quit, ControlKind::PushButton, "&Quit", {80, 70, 50, 14}, Style::TabStop},
};

constexpr DialogTemplate outerTemplate{
    "Outer", {140, 90}, "MS Sans Serif", 8, Style::Caption | Style::SystemMenu, testControls};
constexpr DialogTemplate innerTemplate{
    "Inner", {140, 90}, "MS Sans Serif", 8, Style::Caption | Style::SystemMenu, testControls};

// A dialog with a number field checked to 4..10 and buttons that exercise the framework.
class TestDialog : public Dialog {
public:
    explicit TestDialog(const DialogTemplate& t) : Dialog(t) {}

    std::uint32_t number = 5;
    int changes = 0;
    int checks = 0;
    int failedChecks = 0;
    int innerResult = 0;

protected:
    void DoDataExchange(DataExchange& exchange) override {
        exchange.text(TestId::Number, number);
        exchange.range(number, 4, 10);
    }
    bool handleMessage(Message& message) override {
        return dispatchMessage<TestDialog>(*this, table, message);
    }

private:
    void onChange() { ++changes; }
    void onCheck() {
        ++checks;
        if (!updateData(true)) {
            ++failedChecks;
        }
    }
    void onNested() {
        TestDialog inner(innerTemplate);
        innerResult = inner.doModal();
    }
    void onThrow() { throw std::runtime_error("something broke"); }
    void onQuit() { Application::current()->postQuitRequest(7); }

    static constexpr MessageEntry<TestDialog> table[] = {
        onEditChange(TestId::Number, &TestDialog::onChange),
        onClicked(TestId::Check, &TestDialog::onCheck),
        onClicked(TestId::Nested, &TestDialog::onNested),
        onClicked(TestId::Throw, &TestDialog::onThrow),
        onClicked(TestId::Quit, &TestDialog::onQuit),
    };
};

class TestApp : public Application {
public:
    TestDialog outer{outerTemplate};
    int outerResult = 0;

protected:
    bool InitInstance() override {
        outerResult = outer.doModal();
        return false;
    }
};

class FrameworkTest : public ::testing::Test {
protected:
    TestApp app;
    UiDriver ui;

    static QString modalText() {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr ? modal->property("text").toString() : QString();
    }
    UiDriver::Until messageBox(const QString& text) {
        return ui.until(
            [text] {
                QWidget* modal = QApplication::activeModalWidget();
                return modal != nullptr && modal->isActiveWindow() &&
                       modal->property("text").toString() == text;
            },
            "the message " + text.toStdString());
    }
};

} // namespace

TEST(DialogUnitsTest, ConvertsFromTheFontsBaseUnits) {
    const DialogUnits units{{6, 13}};
    EXPECT_EQ(units.toPixels(Size{184, 139}), (Size{276, 226}));
    EXPECT_EQ(units.toPixels(Rect{81, 79, 60, 14}), (Rect{122, 128, 90, 23}));
    EXPECT_EQ(units.x(4), 6);
    EXPECT_EQ(units.y(8), 13);
    EXPECT_EQ(units.x(-3), -5) << "rounds half away from zero";
    EXPECT_EQ(DialogUnits::averageWidth(312), 6);
    EXPECT_EQ(DialogUnits::averageWidth(338), 7);
}

TEST(Windows1252Test, ConvertsBothWaysAndReplacesWhatItCannotHold) {
    const std::string bytes = "A\x80\xE9\x9F\x81";
    const std::u16string text = Windows1252::decode(bytes);
    EXPECT_EQ(text, (std::u16string{u'A', 0x20AC, 0xE9, 0x0178, 0x81}));
    EXPECT_EQ(Windows1252::encode(text), bytes);
    EXPECT_EQ(Windows1252::encode(u"\u03A9x\U0001F600y"), "?x?y");
}

TEST(MinimizedIconTest, PositionTruncatesTowardZero) {
    EXPECT_EQ(MainDialog::minimizedIconPosition({0, 0}, {32, 32}), (Point{-15, -15}));
    EXPECT_EQ(MainDialog::minimizedIconPosition({100, 51}, {32, 32}), (Point{34, 10}));
}

TEST_F(FrameworkTest, FailedChecksShowAMessageAndFocusTheField) {
    ui.play(app, [this](UiDriver&) -> Script {
        QDialog* window = UiDriver::activeDialog();
        QLineEdit* number = UiDriver::edit(window, 10);
        EXPECT_EQ(number->text(), "5");
        EXPECT_EQ(app.outer.changes, 0) << "showing the values is no change";

        struct Case {
            const char* typed;
            const char* message;
            std::uint32_t value;
        };
        for (const Case& c :
             {Case{"x1", "Enter a whole number from 0 to 4294967295.", 5},
              Case{"11", "Enter a whole number from 4 to 10.", 11},
              Case{"99999999999", "Enter a whole number from 0 to 4294967295.", 11}}) {
            ui.key(number, Qt::Key_A, Qt::ControlModifier);
            ui.type(number, c.typed);
            ui.click(UiDriver::control(window, 12));
            co_await messageBox(c.message);
            EXPECT_EQ(QApplication::activeModalWidget()->windowTitle(), "zareduz");
            ui.keyToFocus(Qt::Key_Return);
            co_await ui.until([window] { return window->isActiveWindow(); }, "the dialog");
            EXPECT_EQ(QApplication::focusWidget(), number) << c.typed;
            EXPECT_EQ(app.outer.number, c.value) << c.typed;
        }
        EXPECT_EQ(app.outer.failedChecks, 3);
        EXPECT_EQ(app.outer.changes, 2 + 2 + 11) << "one per keystroke";

        ui.key(number, Qt::Key_A, Qt::ControlModifier);
        ui.type(number, " 7 ");
        ui.click(UiDriver::control(window, 12));
        co_await ui.settled();
        EXPECT_EQ(app.outer.failedChecks, 3);
        EXPECT_EQ(app.outer.number, 7u);
        ui.keyToFocus(Qt::Key_Escape);
    });
    EXPECT_EQ(app.outerResult, 2);
}

TEST_F(FrameworkTest, ErrorsInHandlersAreShownAndTheDialogGoesOn) {
    ui.play(app, [this](UiDriver&) -> Script {
        QDialog* window = UiDriver::activeDialog();
        ui.click(UiDriver::control(window, 14));
        co_await messageBox("something broke");
        ui.keyToFocus(Qt::Key_Return);
        co_await ui.until([window] { return window->isActiveWindow(); }, "the dialog");
        // The click left the focus on the button, where Enter would press it again.
        ui.click(UiDriver::edit(window, 10));
        ui.key(UiDriver::edit(window, 10), Qt::Key_Return);
    });
    EXPECT_EQ(app.outerResult, 1) << "Enter without a default button is OK";
}

TEST_F(FrameworkTest, NestedRunsAreOwnedByTheActiveDialogAndAllEndOnQuit) {
    const int code = ui.play(app, [this](UiDriver&) -> Script {
        QDialog* outer = UiDriver::activeDialog();
        ui.click(UiDriver::control(outer, 13));
        co_await ui.dialog("Inner");
        QDialog* inner = UiDriver::activeDialog();
        EXPECT_EQ(inner->parentWidget(), outer);
        EXPECT_LE((inner->geometry().center() - outer->geometry().center()).manhattanLength(), 4)
            << "centred over its owner, give or take the frame";
        ui.click(UiDriver::control(inner, 13));
        co_await ui.until([inner] { return UiDriver::activeDialog() != inner; }, "a third");
        ui.click(UiDriver::control(UiDriver::activeDialog(), 15));
    });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(app.outerResult, Dialog::quitResult);
    EXPECT_EQ(app.outer.innerResult, Dialog::quitResult);
}

TEST_F(FrameworkTest, RightClickOnTheBackgroundOpensTheSystemMenu) {
    ui.play(app, [this](UiDriver&) -> Script {
        QDialog* window = UiDriver::activeDialog();
        ui.clickAt(window, QPoint(4, window->height() - 4), Qt::RightButton);
        co_await ui.menuOpen();
        QStringList entries;
        for (QAction* action : UiDriver::openPopup()->actions()) {
            if (!action->isSeparator()) {
                entries << action->text() + (action->isEnabled() ? "" : " (off)");
            }
        }
        EXPECT_EQ(entries.join(", "), "&Restore (off), &Move, &Size (off), Mi&nimize (off), "
                                      "Ma&ximize (off), &Close\tAlt+F4");
        ui.clickMenuItem("&Close\tAlt+F4");
    });
    EXPECT_EQ(app.outerResult, 2) << "Close is Cancel";
}
