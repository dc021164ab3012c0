#include "MainDialog.h"

#include "AboutDialog.h"
#include "AppIcon.h"
#include "Application.h"
#include "BestScoresDialog.h"
#include "DataExchange.h"
#include "HallOfFameDialog.h"
#include "MainDialogTemplate.h"
#include "ScoreTable.h"
#include "SettingsDialog.h"
#include "Strings.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr std::uint32_t guessLimit = 12;
constexpr int exitCommandCode = 18;

} // namespace

const MessageEntry<MainDialog> MainDialog::messageTable[] = {
    onSysCommand(&MainDialog::OnSysCommand),
    onPaint(&MainDialog::OnPaint),
    onQueryDragIcon(&MainDialog::OnQueryDragIcon),
    onEditChange(MainId::Guess, &MainDialog::onGuessChanged),
    onClicked(MainId::Start, &MainDialog::onStartGame),
    onCommand(MainCommand::New, &MainDialog::onStartGame),
    onCommand(MainCommand::BestAttempts, &MainDialog::onBestAttempts),
    onCommand(MainCommand::Settings, &MainDialog::onSettings),
    onCommand(MainCommand::About, &MainDialog::onAbout),
    onCommand(MainCommand::Exit, &MainDialog::onExit),
};

MainDialog::MainDialog(ScoreTable& scores, std::string& playerName)
    : Dialog(mainDialogTemplate), scores_(scores), playerName_(playerName) {
}

bool MainDialog::handleMessage(Message& message) {
    return dispatchMessage<MainDialog>(*this, messageTable, message);
}

void MainDialog::DoDataExchange(DataExchange& exchange) {
    exchange.text(MainId::Guess, game_.guessText);
    exchange.maxChars(game_.guessText, guessLimit);
    exchange.text(MainId::Attempts, game_.attempts);
    exchange.text(MainId::Bulls, game_.bulls);
    exchange.text(MainId::Cows, game_.cows);
    exchange.text(MainId::DigitCount, game_.digitCount);
    exchange.range(game_.digitCount, 4, 10);
}

// Runs at start-up and again whenever the Best Scores dialog closes.
bool MainDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    const std::string_view about = loadString(StringId::AboutMenu);
    if (!about.empty() && !systemMenu().contains(MainSysCommand::About)) {
        systemMenu().appendSeparator();
        systemMenu().appendItem(MainSysCommand::About, std::string(about));
    }
    setIcon(appIcon);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Not shown here: the digit count field keeps its old value until the next show.
    game_.digitCount = 4;
    for (MainId id :
         {MainId::Bulls, MainId::Cows, MainId::Attempts, MainId::Guess, MainId::DigitCount}) {
        enableControl(id, false);
    }
    scores_.loadOrCreate();
    playerName_ = "Anonymous";
    return true;
}

void MainDialog::OnSysCommand(unsigned command) {
    if ((command & sysCommandMask) == static_cast<unsigned>(MainSysCommand::About)) {
        onAbout();
    } else {
        defaultSysCommand(command);
    }
}

Point MainDialog::minimizedIconPosition(Size client, Size icon) {
    return {(client.width - icon.width + 1) / 2, (client.height - icon.height + 1) / 2};
}

void MainDialog::OnPaint() {
    if (isIconic()) {
        drawIcon(minimizedIconPosition(clientSize(), {32, 32}), appIcon);
    } else {
        defaultPaint();
    }
}

const IconResource* MainDialog::OnQueryDragIcon() {
    return &appIcon;
}

void MainDialog::onStartGame() {
    game_.startGame(static_cast<std::uint32_t>(std::rand()));
    updateData(false);
    enableControl(MainId::Guess, true);
}

// Every change the player makes to the guess field; a guess is scored the moment it has as many
// characters as the secret has digits.
void MainDialog::onGuessChanged() {
    updateData(true);
    if (game_.guessText.size() == game_.digitCount) {
        game_.scoreGuess();
        game_.guessText.clear();
        updateData(false);
    }
    if (game_.isWon()) {
        runWinSequence();
    }
}

void MainDialog::runWinSequence() {
    const std::string digits = std::to_string(game_.digitCount);
    const std::string attempts = std::to_string(game_.attempts);
    enableControl(MainId::Guess, false);
    if (const auto rank = scores_.qualify(game_.digitCount, game_.attempts)) {
        scores_.insertResult(game_.digitCount, *rank, game_.attempts);
        HallOfFameDialog hallOfFame;
        hallOfFame.attemptsText = attempts;
        hallOfFame.digitsText = digits;
        hallOfFame.rankText = rankText(*rank);
        hallOfFame.nameText = playerName_;
        hallOfFame.doModal();
        scores_.setName(game_.digitCount, *rank, hallOfFame.nameText);
        playerName_ = hallOfFame.nameText;
        scores_.saveTable();
    }
    messageBox("Well Done player! ,Press Strob to begin.");
}

void MainDialog::onBestAttempts() {
    BestScoresDialog bestScores(scores_);
    bestScores.doModal();
    // Reloads the table, which brings back the defaults after a reset, and ends any game.
    OnInitDialog();
}

void MainDialog::onSettings() {
    SettingsDialog settings;
    settings.choiceIndex = static_cast<int>(game_.digitCount) - 4;
    settings.doModal();
    game_.digitCount = static_cast<std::uint32_t>(settings.choiceIndex + 4);
    updateData(false);
}

void MainDialog::onAbout() {
    AboutDialog about;
    about.doModal();
}

void MainDialog::onExit() {
    Application::current()->postQuitRequest(exitCommandCode);
}
