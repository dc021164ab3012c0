#pragma once

#include <string_view>

// The string table.

enum class StringId { AboutMenu = 101 };

constexpr std::string_view loadString(StringId id) {
    switch (id) {
    case StringId::AboutMenu:
        return "&About zareduz...";
    }
    return {};
}
