#include "GameApp.h"

#include "MainDialog.h"

GameApp::GameApp() { setDesktopId(ZAREDUZ_APP_ID); }

bool GameApp::InitInstance() {
    MainDialog dialog(scores_, playerName_);
    dialog.doModal();
    // No message loop is to run after the main window closes.
    return false;
}
