#include "GameState.h"

#include <string_view>

void GameState::startGame(std::uint32_t draw) {
    attempts = 0;
    bulls = 0;
    cows = 0;
    secretText = generateSecret(draw);
    guessText.clear();
}

std::string GameState::generateSecret(std::uint32_t draw) {
    const std::uint32_t n = draw & 63u;
    const std::uint32_t m = n & 7u;
    std::uint32_t value = 1111111111u;
    for (std::uint32_t j = 0; j < n; ++j) {
        value = value + 1234567895u - 2u * j;
    }
    // Lifts most short values to ten digits; the product and the sum wrap modulo 2^32 on purpose.
    if (value < 1000000000u) {
        value = value + m * 1000000000u;
    }
    return std::to_string(value);
}

namespace {

// Three secrets have only nine digits; a ten-digit game reads the missing tenth as '0' so that
// it can still be won.
char secretAt(std::string_view secret, std::uint32_t i) {
    return i < secret.size() ? secret[i] : '0';
}

} // namespace

void GameState::scoreGuess() {
    attempts = attempts + 1;
    bulls = 0;
    cows = 0;
    for (std::uint32_t i = 0; i < digitCount; ++i) {
        const char g = i < guessText.size() ? guessText[i] : '\0';
        if (secretAt(secretText, i) == g) {
            bulls = bulls + 1;
        }
        for (std::uint32_t k = 0; k < digitCount; ++k) {
            if (secretAt(secretText, k) == g) {
                cows = cows + 1;
                break;
            }
        }
    }
    cows = cows - bulls;
}
