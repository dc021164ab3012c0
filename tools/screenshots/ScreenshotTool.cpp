// Renders every dialog of the game headless and saves each as a PNG, for the README and the
// AppStream metadata: screenshots FOLDER
#include "../../tests/TempDir.h"
#include "../../tests/ui/KnownDraw.h"
#include "../../tests/ui/UiDriver.h"
#include "GameApp.h"
#include "MainDialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

QString folder;

void save(const char* name) {
    QWidget* window = QApplication::activeModalWidget();
    const QString path = folder + "/" + name + ".png";
    if (window == nullptr || !window->grab().save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

UiDriver::Until backTo(UiDriver& ui, QDialog* main) {
    return ui.until([main] { return UiDriver::activeDialog() == main && main->isActiveWindow(); },
                    "the main window");
}

Script tour(UiDriver& ui) {
    QDialog* main = UiDriver::activeDialog();
    co_await ui.settled();
    save("main-idle");

    // A known secret makes the pictures the same every time.
    ui.post([] { seedNextDraw(2); });
    ui.click(UiDriver::control(main, 1000));
    QLineEdit* guess = UiDriver::edit(main, 1001);
    ui.click(guess);
    ui.type(guess, "0853125");
    co_await ui.textIs(main, 1006, "1");
    co_await ui.settled();
    save("main-playing");

    ui.key(guess, Qt::Key_A, Qt::ControlModifier);
    ui.type(guess, "3580");
    co_await ui.dialog("Zareduz Hall Of Fame");
    ui.key(UiDriver::edit(UiDriver::activeDialog(), 1030), Qt::Key_A, Qt::ControlModifier);
    ui.type(UiDriver::edit(UiDriver::activeDialog(), 1030), "Ann");
    co_await ui.settled();
    save("hall-of-fame");
    ui.keyToFocus(Qt::Key_Return);
    co_await ui.dialog("zareduz");
    save("well-done");
    ui.keyToFocus(Qt::Key_Return);
    co_await backTo(ui, main);

    ui.chooseMenu(main, "&Game", "&Best Attempts");
    co_await ui.dialog("Zareduz Best Scores");
    co_await ui.settled();
    save("best-scores");
    ui.keyToFocus(Qt::Key_Escape);
    co_await backTo(ui, main);

    ui.chooseMenu(main, "&Game", "Game &Settings");
    co_await ui.dialog("Zareduz Settings");
    save("settings");
    ui.keyToFocus(Qt::Key_Escape);
    co_await backTo(ui, main);

    ui.chooseMenu(main, "&Help", "&About Zareduz");
    co_await ui.dialog("About zareduz");
    save("about");
    ui.keyToFocus(Qt::Key_Escape);
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qt(argc, argv);
    folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(folder);
    const TempDir scores;
    GameApp app;
    UiDriver ui;
    return ui.play(app, tour);
}
