#include "Application.h"
#include "HallOfFameDialog.h"
#include "UiDriver.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Runs the Hall of Fame on its own, as the win sequence would fill it.
class HallOfFameApp : public Application {
public:
    HallOfFameDialog dialog;
    int result = 0;

protected:
    bool InitInstance() override {
        result = dialog.doModal();
        return false;
    }
};

} // namespace

TEST(HallOfFameTest, TooLongAttemptsTextKeepsTheDialogOpenUntilCancel) {
    HallOfFameApp app;
    app.dialog.attemptsText = "1000";
    app.dialog.digitsText = "4";
    app.dialog.rankText = "The Best";
    app.dialog.nameText = "Anonymous";
    UiDriver ui;
    int messages = 0;
    ui.play(app, [&](UiDriver&) -> Script {
        QDialog* hall = UiDriver::activeDialog();
        EXPECT_EQ(UiDriver::text(hall, 1029), "1000");
        ui.type(UiDriver::edit(hall, 1030), "Bob");
        for (int press = 0; press < 2; ++press) {
            ui.key(UiDriver::edit(hall, 1030), Qt::Key_Return);
            // The check runs twice for each press: the dialog's own read and the default OK's.
            for (int shown = 0; shown < 2; ++shown) {
                co_await ui.until(
                    [] {
                        QWidget* modal = QApplication::activeModalWidget();
                        return modal != nullptr && modal->isActiveWindow() &&
                               modal->property("text").toString() ==
                                   "Enter no more than 3 characters.";
                    },
                    "the length message");
                ++messages;
                QWidget* box = QApplication::activeModalWidget();
                ui.keyToFocus(Qt::Key_Return);
                co_await ui.until([box] { return QApplication::activeModalWidget() != box; },
                                  "the message to close");
            }
            co_await ui.until([hall] { return hall->isActiveWindow(); }, "the dialog again");
        }
        ui.key(UiDriver::edit(hall, 1030), Qt::Key_Escape);
    });
    EXPECT_EQ(messages, 4);
    EXPECT_EQ(app.result, 2);
    EXPECT_EQ(app.dialog.nameText, "Anonymous") << "Cancel keeps the preset name";
}
