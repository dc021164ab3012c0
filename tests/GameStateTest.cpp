#include "GameState.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

// The closed form of the generator's sum, with the lift of short values to ten digits.
std::uint32_t closedForm(std::uint32_t n) {
    const std::uint64_t wide =
        1111111111ull + std::uint64_t{n} * 1234567895ull - std::uint64_t{n} * (n == 0 ? 0 : n - 1);
    auto value = static_cast<std::uint32_t>(wide);
    if (value < 1000000000u) {
        value += (n & 7u) * 1000000000u;
    }
    return value;
}

GameState playing(const std::string& secret, std::uint32_t digits) {
    GameState state;
    state.secretText = secret;
    state.digitCount = digits;
    return state;
}

GameState scored(GameState state, const std::string& guess) {
    state.guessText = guess;
    state.scoreGuess();
    return state;
}

} // namespace

TEST(GenerateSecret, MatchesWorkedValues) {
    struct Case {
        std::uint32_t draw;
        const char* secret;
    };
    for (const Case& c : {Case{0, "1111111111"}, Case{1, "2345679006"}, Case{2, "3580246899"},
                          Case{3, "3519847494"}, Case{31, "3433041966"}, Case{63, "1579473262"},
                          Case{24, "675968967"}, Case{48, "240825671"}, Case{52, "589162263"}}) {
        EXPECT_EQ(GameState::generateSecret(c.draw), c.secret) << "draw " << c.draw;
    }
}

TEST(GenerateSecret, AllSixtyFourFollowTheClosedFormAndDiffer) {
    std::set<std::string> seen;
    for (std::uint32_t n = 0; n < 64; ++n) {
        const std::string secret = GameState::generateSecret(n);
        EXPECT_EQ(secret, std::to_string(closedForm(n))) << "n " << n;
        EXPECT_EQ(secret.size(), (n == 24 || n == 48 || n == 52) ? 9u : 10u) << "n " << n;
        seen.insert(secret);
    }
    EXPECT_EQ(seen.size(), 64u);
}

TEST(GenerateSecret, OnlyTheLowSixBitsOfTheDrawCount) {
    EXPECT_EQ(GameState::generateSecret(31 + 64 * 1000), GameState::generateSecret(31));
    EXPECT_EQ(GameState::generateSecret(0xFFFFFFFFu), GameState::generateSecret(63));
}

TEST(StartGame, ResetsCountersKeepsDigitCountAndRepeatsForTheSameDraw) {
    GameState state = scored(playing("3580246899", 6), "123456");
    state.guessText = "12";
    state.startGame(2);
    EXPECT_EQ(state.digitCount, 6u);
    EXPECT_EQ(state.secretText, "3580246899");
    EXPECT_EQ(state.attempts, 0u);
    EXPECT_EQ(state.bulls, 0u);
    EXPECT_EQ(state.cows, 0u);
    EXPECT_EQ(state.guessText, "");
}

TEST(ScoreGuess, CountsBullsAndCows) {
    struct Case {
        const char* secret;
        std::uint32_t digits;
        const char* guess;
        std::uint32_t bulls;
        std::uint32_t cows;
    };
    const Case cases[] = {
        {"1111111111", 4, "1234", 1, 0},
        {"3580246899", 4, "0853", 0, 4},
        {"3580246899", 4, "3553", 2, 2}, // repeated guess characters count at every position
        {"3580246899", 4, "3580", 4, 0},
        {"1111111111", 5, "11111", 5, 0},
        {"1111111111", 5, "21111", 4, 0},
        {"3580246899", 4, "a8b?", 0, 1}, // other characters never match a digit
        {"3580246899", 4, "9999", 0, 0}, // only the first digitCount secret digits count
        {"3580246899", 7, "2999999", 0, 1},
    };
    for (const Case& c : cases) {
        const GameState state = scored(playing(c.secret, c.digits), c.guess);
        EXPECT_EQ(state.bulls, c.bulls) << c.secret << " / " << c.guess;
        EXPECT_EQ(state.cows, c.cows) << c.secret << " / " << c.guess;
        EXPECT_EQ(state.attempts, 1u);
        EXPECT_EQ(state.guessText, c.guess) << "the caller clears the guess";
        EXPECT_EQ(state.isWon(), c.bulls == c.digits);
    }
}

TEST(ScoreGuess, DigitCountChangesMidGame) {
    GameState state = scored(playing("3580246899", 4), "0853");
    state.digitCount = 7;
    state = scored(state, "3580246");
    EXPECT_EQ(state.attempts, 2u);
    EXPECT_TRUE(state.isWon());

    GameState lowered = scored(playing("1111111111", 5), "21111");
    EXPECT_FALSE(lowered.isWon());
    lowered.digitCount = 4;
    EXPECT_TRUE(lowered.isWon()) << "lowering the count to the bulls wins without a new guess";
    EXPECT_EQ(lowered.attempts, 1u);
}

TEST(ScoreGuess, NineDigitSecretIsWinnableInATenDigitGame) {
    for (std::uint32_t draw : {24u, 48u, 52u}) {
        GameState state = playing(GameState::generateSecret(draw), 10);
        state = scored(state, state.secretText + "0");
        EXPECT_TRUE(state.isWon()) << "draw " << draw;
        state = scored(state, state.secretText + state.secretText.substr(0, 1));
        EXPECT_EQ(state.bulls, 9u);
        EXPECT_EQ(state.cows, 1u);
    }
}
