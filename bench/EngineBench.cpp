#include "GameState.h"

#include <benchmark/benchmark.h>

// Drawing a secret walks up to 63 steps; this keeps an eye on it staying far below a frame.
static void BM_GenerateSecret(benchmark::State& state) {
    std::uint32_t draw = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(GameState::generateSecret(draw++));
    }
}
BENCHMARK(BM_GenerateSecret);

static void BM_ScoreTenDigitGuess(benchmark::State& state) {
    GameState game;
    game.digitCount = 10;
    game.startGame(31);
    game.guessText = "0123456789";
    for (auto _ : state) {
        game.scoreGuess();
        benchmark::DoNotOptimize(game.cows);
    }
}
BENCHMARK(BM_ScoreTenDigitGuess);
