#include "GameFixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace {

constexpr int firstChoice = 1008;
constexpr int resetScores = 1027;
constexpr int firstCell = 1030;

const std::vector<unsigned char> anonymous = GameFixture::recordOf(999, "Anonymous");

QRadioButton* choice(int digits) {
    return qobject_cast<QRadioButton*>(
        UiDriver::control(UiDriver::activeDialog(), firstChoice + digits - 4));
}

int checkedDigits() {
    for (int digits = 4; digits <= 10; ++digits) {
        if (choice(digits)->isChecked()) {
            return digits;
        }
    }
    return -1;
}

// What the Best Scores dialog shows for record k.
QString cell(int k, int column) {
    return UiDriver::text(UiDriver::activeDialog(), firstCell + 2 * k + column);
}

} // namespace

class MenuDialogs : public GameFixture {
public:
    UiDriver::Until openSettings() {
        ui.chooseMenu(window, "&Game", "Game &Settings");
        return ui.dialog("Zareduz Settings");
    }
    UiDriver::Until openBestScores() {
        ui.chooseMenu(window, "&Game", "&Best Attempts");
        return ui.dialog("Zareduz Best Scores");
    }
    // Chooses a digit count in the Settings dialog and closes it with OK.
    UiDriver::Until chooseDigits(int digits) {
        ui.chooseMenu(window, "&Game", "Game &Settings");
        auto chosen = std::make_shared<bool>(false);
        ui.postWhen([] { return UiDriver::isActive("Zareduz Settings"); },
                    [digits, chosen] {
                        *chosen = true;
                        QTest::mouseClick(choice(digits), Qt::LeftButton);
                        QTest::keyClick(UiDriver::activeDialog(), Qt::Key_Return);
                    });
        return backToMainAfter(chosen);
    }
};

TEST_F(MenuDialogs, SettingsChangesTheDigitCountOnlyThroughOkOrRightClick) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.openSettings();
        EXPECT_EQ(checkedDigits(), 4);
        EXPECT_EQ(QApplication::focusWidget(), UiDriver::control(UiDriver::activeDialog(), 1));
        t.ui.click(choice(10));
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.backToMain();
        EXPECT_EQ(t.shown(ids::digitCount), "10");

        co_await t.openSettings();
        EXPECT_EQ(checkedDigits(), 10);
        t.ui.click(choice(7));
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        EXPECT_EQ(t.shown(ids::digitCount), "10");
        EXPECT_EQ(t.main->game().digitCount, 10u);

        // A right click on the background, here over the group box, takes the choice at once.
        co_await t.openSettings();
        QDialog* settings = UiDriver::activeDialog();
        t.ui.click(choice(7));
        t.ui.clickAt(settings, QPoint(settings->width() * 85 / 100, settings->height() / 3),
                     Qt::RightButton);
        co_await t.ui.settled();
        EXPECT_EQ(UiDriver::openPopup(), nullptr) << "the dialog handles the right button";
        t.ui.click(UiDriver::control(settings, 2));
        co_await t.backToMain();
        EXPECT_EQ(t.shown(ids::digitCount), "7");
    });
}

TEST_F(MenuDialogs, FewerDigitsMidGameScoreTheWaitingTextOnlyAtTheNextChange) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.openSettings();
        t.ui.click(choice(5));
        t.ui.click(UiDriver::control(UiDriver::activeDialog(), 1));
        co_await t.backToMain();
        co_await t.startKnownGame();
        QLineEdit* guess = UiDriver::edit(t.window, ids::guess);
        t.ui.type(guess, "1234");
        co_await t.ui.textIs(t.window, ids::guess, "1234");

        co_await t.chooseDigits(4);
        EXPECT_EQ(t.shown(ids::digitCount), "4");
        EXPECT_EQ(guess->text(), "1234");
        EXPECT_EQ(t.shown(ids::attempts), "0");
        t.ui.click(guess);
        t.ui.key(guess, Qt::Key_End);
        t.ui.type(guess, "5");
        co_await t.ui.textIs(t.window, ids::guess, "12345");
        EXPECT_EQ(t.shown(ids::attempts), "0");
        t.ui.key(guess, Qt::Key_Backspace);
        co_await t.ui.textIs(t.window, ids::attempts, "1");
        EXPECT_EQ(t.shown(ids::cows), "1");
    });
}

TEST_F(MenuDialogs, LoweringTheCountToTheBullsWinsAtTheNextChange) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.chooseDigits(5);
        co_await t.startKnownGame(0); // 1111111111
        QLineEdit* guess = UiDriver::edit(t.window, ids::guess);
        t.ui.type(guess, "21111");
        co_await t.ui.textIs(t.window, ids::bulls, "4");

        co_await t.chooseDigits(4);
        co_await t.ui.settled();
        EXPECT_EQ(QApplication::activeModalWidget(), t.window) << "showing is no change";
        t.ui.click(guess);
        t.ui.type(guess, "7");
        co_await t.ui.dialog("Zareduz Hall Of Fame");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofAttempts), "1");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofDigits), "4");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.closeMessage();
        EXPECT_EQ(guess->text(), "7");
        EXPECT_FALSE(guess->isEnabled());
        EXPECT_EQ(record(0), recordOf(1, "Anonymous"));
    });
}

TEST_F(MenuDialogs, BestScoresShowTheFileAfterAWin) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.openBestScores();
        for (int k = 0; k < 21; ++k) {
            EXPECT_EQ(cell(k, 0), "999") << k;
            EXPECT_EQ(cell(k, 1), "Anonymous") << k;
        }
        EXPECT_EQ(QApplication::focusWidget(), UiDriver::control(UiDriver::activeDialog(), 1));
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.backToMain();

        co_await t.chooseDigits(5);
        co_await t.winKnownGame(QString("00000").repeated(8) + "35802");
        QLineEdit* name = UiDriver::edit(UiDriver::activeDialog(), ids::hofName);
        t.ui.key(name, Qt::Key_A, Qt::ControlModifier);
        t.ui.type(name, "Ann");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.closeMessage();

        co_await t.openBestScores();
        EXPECT_EQ(cell(3, 0), "9");
        EXPECT_EQ(cell(3, 1), "Ann");
        for (int k : {4, 5, 0, 6}) {
            EXPECT_EQ(cell(k, 0), "999") << k;
            EXPECT_EQ(cell(k, 1), "Anonymous") << k;
        }
        t.ui.click(UiDriver::control(UiDriver::activeDialog(), 1));
        co_await t.backToMain();
    });
}

TEST_F(MenuDialogs, ResetDeletesTheFileAndTheDefaultsReturnWhenTheDialogCloses) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.winKnownGame("0000"
                                "3580");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.closeMessage();

        co_await t.openBestScores();
        QDialog* best = UiDriver::activeDialog();
        EXPECT_EQ(cell(0, 0), "2");
        for (int press = 0; press < 2; ++press) {
            t.ui.click(UiDriver::control(best, resetScores));
            co_await t.ui.settled();
            EXPECT_FALSE(std::filesystem::exists("hiscr.dat")) << press;
            EXPECT_EQ(QApplication::activeModalWidget(), best) << "no message";
        }
        EXPECT_EQ(cell(0, 0), "2") << "the cells keep their text";
        t.ui.click(UiDriver::control(best, 1));
        co_await t.backToMain();
        EXPECT_EQ(record(0), anonymous);
        EXPECT_EQ(TempDir::read("hiscr.dat").size(), 420u);

        co_await t.winKnownGame(QString("0000").repeated(5) + "3580");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofRank), "The Best");
        EXPECT_EQ(UiDriver::text(UiDriver::activeDialog(), ids::hofAttempts), "6");
        t.ui.keyToFocus(Qt::Key_Return);
        co_await t.closeMessage();
        EXPECT_EQ(record(0), recordOf(6, "Anonymous"));
        EXPECT_EQ(record(1), anonymous);
    });
}

TEST_F(MenuDialogs, ClosingBestScoresEndsTheGameAndResetsTheCount) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        co_await t.chooseDigits(6);
        co_await t.startKnownGame();
        t.ui.type(UiDriver::edit(t.window, ids::guess), "12");

        co_await t.openBestScores();
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        EXPECT_FALSE(UiDriver::control(t.window, ids::guess)->isEnabled());
        EXPECT_EQ(t.shown(ids::digitCount), "6");
        EXPECT_EQ(t.main->game().digitCount, 4u);

        co_await t.openSettings();
        EXPECT_EQ(checkedDigits(), 4);
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        EXPECT_EQ(t.shown(ids::digitCount), "4") << "even Cancel shows the count";

        co_await t.openBestScores();
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        co_await t.startKnownGame();
        EXPECT_EQ(t.shown(ids::digitCount), "4");
        EXPECT_EQ(t.main->game().digitCount, 4u);
    });
}

TEST_F(MenuDialogs, BestScoresReadAChangedFileWithoutReadingPastIt) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        // Changed behind the program's back: 25 bytes, the first name without a zero byte.
        TempDir::write("hiscr.dat", std::vector<unsigned char>(25, 'x'));
        co_await t.openBestScores();
        EXPECT_EQ(cell(0, 0), "2021161080");
        EXPECT_EQ(cell(0, 1), QString(16, 'x'));
        EXPECT_EQ(cell(1, 0), "2021161080");
        EXPECT_EQ(cell(1, 1), "x");
        EXPECT_EQ(cell(2, 0), "0") << "what the file does not cover reads as zero";
        EXPECT_EQ(cell(20, 1), "");
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        EXPECT_EQ(record(0), anonymous) << "the reload replaces a file under 42 bytes";

        std::filesystem::remove("hiscr.dat");
        co_await t.openBestScores();
        EXPECT_EQ(cell(0, 0), "0") << "a missing file reads as empty";
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();
        EXPECT_EQ(record(0), anonymous);
    });
}

TEST_F(MenuDialogs, AboutOpensFromTheHelpMenuAndTheSystemMenu) {
    play([](GameFixture& g) -> Script {
        auto& t = static_cast<MenuDialogs&>(g);
        t.ui.chooseMenu(t.window, "&Help", "&About Zareduz");
        co_await t.ui.dialog("About zareduz");
        EXPECT_EQ(UiDriver::activeDialog()->parentWidget(), t.window);
        t.ui.click(UiDriver::control(UiDriver::activeDialog(), 1));
        co_await t.backToMain();

        // Best Scores runs the initialization again; the system menu keeps one About entry.
        co_await t.openBestScores();
        t.ui.keyToFocus(Qt::Key_Escape);
        co_await t.backToMain();

        for (int closeKey : {Qt::Key_Return, Qt::Key_Escape}) {
            t.ui.keyToFocus(Qt::Key_Space, Qt::AltModifier);
            co_await t.ui.menuOpen();
            QStringList entries;
            for (QAction* action : UiDriver::openPopup()->actions()) {
                entries << (action->isSeparator() ? "-" : action->text());
            }
            EXPECT_EQ(entries.join(", "), "&Restore, &Move, &Size, Mi&nimize, Ma&ximize, -, "
                                          "&Close\tAlt+F4, -, &About zareduz...");
            t.ui.clickMenuItem("&About zareduz...");
            co_await t.ui.dialog("About zareduz");
            t.ui.keyToFocus(closeKey);
            co_await t.backToMain();
        }
    });
}
