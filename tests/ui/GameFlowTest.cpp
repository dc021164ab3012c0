#include "GameFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include <filesystem>

namespace {

const std::vector<unsigned char> anonymous = GameFixture::recordOf(999, "Anonymous");

} // namespace

TEST_F(GameFixture, FirstStartWritesDefaultsAndWaitsForStart) {
    play([](GameFixture& t) -> Script {
        co_await t.ui.settled();
        EXPECT_EQ(TempDir::read("hiscr.dat").size(), 420u);
        for (std::size_t k = 0; k < 21; ++k) {
            EXPECT_EQ(record(k), anonymous) << k;
        }
        for (int id : {ids::guess, ids::bulls, ids::cows, ids::attempts, ids::digitCount}) {
            EXPECT_FALSE(UiDriver::control(t.window, id)->isEnabled()) << id;
        }
        EXPECT_EQ(t.shown(ids::digitCount), "4");
        EXPECT_EQ(t.shown(ids::attempts), "0");
        EXPECT_EQ(QApplication::focusWidget(), UiDriver::control(t.window, ids::start));
        EXPECT_EQ(t.window->windowTitle(), "Zareduz");
        EXPECT_NE(t.main->queryDragIcon(), nullptr) << "dragging shows the icon";
    });
}

TEST_F(GameFixture, GuessIsScoredWhenItReachesTheDigitCount) {
    play([](GameFixture& t) -> Script {
        co_await t.startKnownGame();
        EXPECT_EQ(t.main->game().secretText, "3580246899");
        QLineEdit* guess = UiDriver::edit(t.window, ids::guess);
        t.ui.type(guess, "085");
        co_await t.ui.textIs(t.window, ids::guess, "085");
        EXPECT_EQ(t.shown(ids::attempts), "0");
        EXPECT_EQ(t.shown(ids::cows), "0");
        t.ui.type(guess, "3");
        co_await t.ui.textIs(t.window, ids::attempts, "1");
        EXPECT_EQ(t.shown(ids::bulls), "0");
        EXPECT_EQ(t.shown(ids::cows), "4");
        EXPECT_EQ(guess->text(), "");
        EXPECT_TRUE(guess->isEnabled());

        // Pasted text of another length waits until editing brings it to four characters.
        t.ui.post([] { QGuiApplication::clipboard()->setText("35xy9"); });
        t.ui.key(guess, Qt::Key_V, Qt::ControlModifier);
        co_await t.ui.textIs(t.window, ids::guess, "35xy9");
        EXPECT_EQ(t.shown(ids::attempts), "1");
        t.ui.key(guess, Qt::Key_Backspace);
        co_await t.ui.textIs(t.window, ids::attempts, "2");
        EXPECT_EQ(t.shown(ids::bulls), "2");
        EXPECT_EQ(t.shown(ids::cows), "0");

        // Starting again abandons the game.
        t.ui.click(UiDriver::control(t.window, ids::start));
        co_await t.ui.textIs(t.window, ids::attempts, "0");
        EXPECT_EQ(t.shown(ids::bulls), "0");
    });
}

TEST_F(GameFixture, WinOnFirstAttemptEntersTheHallOfFameOnce) {
    play([](GameFixture& t) -> Script {
        co_await t.winKnownGame("3580");
        QDialog* hall = UiDriver::activeDialog();
        EXPECT_EQ(UiDriver::text(hall, ids::hofAttempts), "1");
        EXPECT_EQ(UiDriver::text(hall, ids::hofDigits), "4");
        EXPECT_EQ(UiDriver::text(hall, ids::hofRank), "The Best");
        EXPECT_EQ(UiDriver::text(hall, ids::hofName), "Anonymous");
        EXPECT_EQ(QApplication::focusWidget(), UiDriver::control(hall, ids::hofName));
        EXPECT_FALSE(UiDriver::control(t.window, ids::guess)->isEnabled());
        t.ui.keyToFocus(Qt::Key_Return);

        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(modalText(), wellDone);
        EXPECT_EQ(record(0), recordOf(1, "Anonymous"));
        EXPECT_EQ(record(1), anonymous);
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.backToMain();
        co_await t.ui.settled();
        EXPECT_EQ(UiDriver::activeDialog(), t.window) << "the win sequence ran a second time";
        EXPECT_EQ(t.shown(ids::bulls), "4");
        EXPECT_EQ(t.shown(ids::attempts), "1");
    });
}

TEST_F(GameFixture, BetterSecondWinMovesTheFirstDown) {
    play([](GameFixture& t) -> Script {
        co_await t.winKnownGame("00003580");
        QLineEdit* name = UiDriver::edit(UiDriver::activeDialog(), ids::hofName);
        t.ui.key(name, Qt::Key_A, Qt::ControlModifier);
        t.ui.type(name, "Ann");
        t.ui.key(name, Qt::Key_Return);
        co_await t.closeMessage();

        co_await t.winKnownGame("3580");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofName), "Ann")
            << "the last name entered is offered";
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(record(0), recordOf(1, "Ann", "ymous"));
        EXPECT_EQ(record(1), recordOf(2, "Ann", "ymous"));
        EXPECT_EQ(record(2), anonymous);
        t.ui.keyToFocus(Qt::Key_Return);
    });
}

TEST_F(GameFixture, EscapeInTheHallOfFameKeepsThePresetName) {
    play([](GameFixture& t) -> Script {
        co_await t.winKnownGame("3580");
        QLineEdit* name = UiDriver::edit(UiDriver::activeDialog(), ids::hofName);
        t.ui.type(name, "Zed");
        t.ui.key(name, Qt::Key_Escape);
        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(record(0), recordOf(1, "Anonymous")) << "the table is saved all the same";
        t.ui.keyToFocus(Qt::Key_Return);
    });
}

TEST_F(GameFixture, LongNamesAreLimitedToSeventeenAndStoredInTheirField) {
    play([](GameFixture& t) -> Script {
        co_await t.winKnownGame("3580");
        QLineEdit* name = UiDriver::edit(UiDriver::activeDialog(), ids::hofName);
        t.ui.key(name, Qt::Key_A, Qt::ControlModifier);
        t.ui.type(name, "ABCDEFGHIJKLMNOPQR");
        co_await t.ui.textIs(UiDriver::activeDialog(), ids::hofName, "ABCDEFGHIJKLMNOPQ");
        t.ui.click(UiDriver::control(UiDriver::activeDialog(), ids::ok));
        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(record(0), recordOf(1, "ABCDEFGHIJKLMNO"));
        EXPECT_EQ(record(1), anonymous);
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.backToMain();

        // The whole name is offered next time, and stored cut to its field again.
        co_await t.winKnownGame("3580");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofRank), "a Very Good");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofName), "ABCDEFGHIJKLMNOPQ");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(record(1), recordOf(1, "ABCDEFGHIJKLMNO"));
        t.ui.keyToFocus(Qt::Key_Return);
    });
}

TEST_F(GameFixture, ResultThatDoesNotQualifyShowsOnlyTheMessage) {
    std::vector<unsigned char> file;
    for (int k = 0; k < 21; ++k) {
        const auto r = recordOf(1, "Quick");
        file.insert(file.end(), r.begin(), r.end());
    }
    TempDir::write("hiscr.dat", file);
    play([](GameFixture& t) -> Script {
        co_await t.startKnownGame();
        t.ui.type(UiDriver::edit(t.window, ids::guess), "3580");
        co_await t.ui.until(
            [] { return QApplication::activeModalWidget() != nullptr && modalText() == wellDone; },
            "the closing message");
        t.ui.keyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(record(0), recordOf(1, "Quick"));
}

TEST_F(GameFixture, EnterInTheGuessFieldClosesTheProgram) {
    const int code = play([](GameFixture& t) -> Script {
        co_await t.startKnownGame();
        t.ui.type(UiDriver::edit(t.window, ids::guess), "12");
        t.ui.key(UiDriver::edit(t.window, ids::guess), Qt::Key_Return);
    });
    EXPECT_EQ(code, 0);
}

TEST_F(GameFixture, ExitEndsWithCodeEighteen) {
    const int code = play([](GameFixture& t) -> Script {
        t.ui.openMenu(t.window, "&Game");
        co_await t.ui.menuOpen();
        t.ui.clickMenuItem("E&xit");
    });
    EXPECT_EQ(code, 18);
}

TEST_F(GameFixture, FullDiskAtAWinIsReportedAndThePlayGoesOn) {
    const int code = play([](GameFixture& t) -> Script {
        co_await t.startKnownGame();
        std::filesystem::remove("hiscr.dat");
        std::filesystem::create_symlink("/dev/full", "hiscr.dat");
        t.ui.type(UiDriver::edit(t.window, ids::guess), "3580");
        co_await t.ui.dialog("Zareduz Hall Of Fame");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.ui.dialog("zareduz");
        EXPECT_EQ(modalText(), "hiscr.dat: No space left on device");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.backToMain();
        co_await t.ui.settled();
        EXPECT_EQ(UiDriver::activeDialog(), t.window) << "no closing message after the error";
        EXPECT_EQ(t.main->game().attempts, 1u);

        co_await t.startKnownGame();
        EXPECT_TRUE(UiDriver::control(t.window, ids::guess)->isEnabled());
        t.ui.openMenu(t.window, "&Game");
        co_await t.ui.menuOpen();
        t.ui.clickMenuItem("E&xit");
    });
    EXPECT_EQ(code, 18);
}
