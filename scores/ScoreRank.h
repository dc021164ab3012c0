#pragma once

#include <string_view>

// The three places of a digit count's row, in table order.
enum class ScoreRank { Best = 0, VeryGood = 1, Good = 2 };

// The rank as the Hall of Fame sentence names it.
constexpr std::string_view rankText(ScoreRank rank) {
    switch (rank) {
    case ScoreRank::Best:
        return "The Best";
    case ScoreRank::VeryGood:
        return "a Very Good";
    case ScoreRank::Good:
        return "a Good";
    }
    return {};
}
