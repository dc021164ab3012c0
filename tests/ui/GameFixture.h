#pragma once

#include "../TempDir.h"
#include "GameApp.h"
#include "KnownDraw.h"
#include "MainDialog.h"
#include "UiDriver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <vector>

namespace ids {
inline constexpr int ok = 1;
inline constexpr int start = 1000;
inline constexpr int guess = 1001;
inline constexpr int bulls = 1004;
inline constexpr int cows = 1005;
inline constexpr int attempts = 1006;
inline constexpr int digitCount = 1007;
inline constexpr int hofAttempts = 1029;
inline constexpr int hofName = 1030;
inline constexpr int hofDigits = 1031;
inline constexpr int hofRank = 1032;
} // namespace ids

inline const QString wellDone = QStringLiteral("Well Done player! ,Press Strob to begin.");

// The whole program in a temporary folder, driven through its windows.
class GameFixture : public ::testing::Test {
public:
    TempDir dir;
    GameApp app;
    UiDriver ui;
    QDialog* window = nullptr; // the main window, once the script has started
    MainDialog* main = nullptr;

    int play(const std::function<Script(GameFixture&)>& script) {
        return ui.play(app, [this, script](UiDriver&) {
            window = UiDriver::activeDialog();
            main = dynamic_cast<MainDialog*>(Dialog::activeDialog());
            return script(*this);
        });
    }

    // Starts a game whose secret is 3580246899 and puts the focus in the guess field.
    UiDriver::Until startKnownGame(unsigned n = 2) {
        ui.post([n] { seedNextDraw(n); });
        ui.click(UiDriver::control(window, ids::start));
        ui.click(UiDriver::control(window, ids::guess));
        return ui.until([this] { return UiDriver::control(window, ids::guess)->hasFocus(); },
                        "the guess field to take the focus");
    }

    // Plays a game with the known secret by typing the guesses, and waits for the Hall of Fame.
    UiDriver::Until winKnownGame(const QString& typed, unsigned n = 2) {
        ui.post([n] { seedNextDraw(n); });
        ui.click(UiDriver::control(window, ids::start));
        ui.click(UiDriver::control(window, ids::guess));
        ui.type(UiDriver::control(window, ids::guess), typed);
        return ui.dialog("Zareduz Hall Of Fame");
    }

    // Waits until every other window has closed and the main window has the keyboard again.
    UiDriver::Until backToMain() { return backToMainAfter(std::make_shared<bool>(true)); }

    // The same, once a posted action has set the flag: until then the main window may still be
    // active because the window the action waits for has not opened yet.
    UiDriver::Until backToMainAfter(std::shared_ptr<bool> done) {
        return ui.until(
            [this, done] {
                return *done && UiDriver::activeDialog() == window && window->isActiveWindow();
            },
            "the main window to be active");
    }

    // Closes the closing message, once it appears, and waits for the main window.
    UiDriver::Until closeMessage() {
        auto closed = std::make_shared<bool>(false);
        ui.postWhen([] { return UiDriver::isActive("zareduz"); },
                    [closed] {
                        *closed = true;
                        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
                    });
        return backToMainAfter(closed);
    }

    QString shown(int id) const { return UiDriver::text(window, id); }

    static QString modalText() {
        auto* modal = QApplication::activeModalWidget();
        return modal != nullptr ? modal->property("text").toString() : QString();
    }

    static std::vector<unsigned char> record(std::size_t index) {
        const auto file = TempDir::read("hiscr.dat");
        if (file.size() < (index + 1) * 20) {
            return {};
        }
        return {file.begin() + static_cast<long>(index * 20),
                file.begin() + static_cast<long>(index * 20 + 20)};
    }

    static std::vector<unsigned char> recordOf(unsigned attempts, const std::string& name,
                                               const std::string& rest = "") {
        std::vector<unsigned char> bytes = {static_cast<unsigned char>(attempts),
                                            static_cast<unsigned char>(attempts >> 8), 0, 0};
        std::string field = name + '\0' + rest;
        field.resize(16, '\0');
        bytes.insert(bytes.end(), field.begin(), field.end());
        return bytes;
    }
};
