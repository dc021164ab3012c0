#pragma once

#include "Dialog.h"
#include "GameState.h"
#include "MessageTable.h"

#include <string>

class ScoreTable;

// The main window: the game's fields, its menu and the game flow.
class MainDialog : public Dialog {
public:
    MainDialog(ScoreTable& scores, std::string& playerName);

    const GameState& game() const { return game_; }

    // Where a minimized window draws its icon: centred, halves truncated toward zero.
    static Point minimizedIconPosition(Size client, Size icon);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    bool handleMessage(Message& message) override;

private:
    void OnSysCommand(unsigned command);
    void OnPaint();
    const IconResource* OnQueryDragIcon();
    void onGuessChanged();
    void onStartGame();
    void onBestAttempts();
    void onSettings();
    void onAbout();
    void onExit();
    void runWinSequence();

    static const MessageEntry<MainDialog> messageTable[];

    GameState game_;
    ScoreTable& scores_;
    std::string& playerName_;
};
