#pragma once

#include <cstdint>
#include <string>

// One game of bulls and cows: the secret, the last result and the attempts so far.
// A plain value type with no I/O, so tests and benchmarks can use it on its own.
class GameState {
public:
    std::uint32_t digitCount = 4;
    std::string secretText;
    std::string guessText;
    std::uint32_t attempts = 0;
    std::uint32_t bulls = 0;
    std::uint32_t cows = 0;

    // Starts a new game from one value of the random generator; digitCount stays as it is.
    void startGame(std::uint32_t draw);

    // Only the low six bits of the draw matter, so there are exactly 64 secrets.
    static std::string generateSecret(std::uint32_t draw);

    // Scores guessText, which the caller guarantees holds digitCount characters.
    void scoreGuess();

    bool isWon() const { return bulls == digitCount; }
};
