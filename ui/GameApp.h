#pragma once

#include "Application.h"
#include "ScoreTable.h"

#include <string>

// The program: runs the main window, and holds what lives as long as the process does.
class GameApp : public Application {
public:
    GameApp();

    ScoreTable& scores() { return scores_; }
    std::string& playerName() { return playerName_; }

protected:
    bool InitInstance() override;

private:
    ScoreTable scores_;
    std::string playerName_; // "Anonymous" after each initialization of the main window
};
