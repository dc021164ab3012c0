#pragma once

#include <type_traits>

// The numeric id of a control, command or resource. Takes the game's own enum class ids as they
// are, so that tables and calls read with names rather than numbers.
struct ItemId {
    int value = 0;

    constexpr ItemId() = default;
    constexpr ItemId(int id) : value(id) {}
    template <typename Enum>
    requires std::is_enum_v<Enum>
    constexpr ItemId(Enum id) : value(static_cast<int>(id)) {}

    constexpr bool operator==(const ItemId&) const = default;
};

// The ids a dialog's OK and Cancel buttons and keys carry.
inline constexpr ItemId idOk{1};
inline constexpr ItemId idCancel{2};
