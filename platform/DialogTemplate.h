#pragma once

#include "Geometry.h"
#include "ItemId.h"

#include <cstdint>
#include <span>

// Dialogs, menus and icons described as plain data, the way a resource script describes them.
// Positions and sizes are in dialog units.

enum class ControlKind { Edit, PushButton, DefPushButton, Static, GroupBox, RadioButton, Icon };

// Style flags of a control or a dialog.
enum class Style : std::uint32_t {
    None = 0,
    TabStop = 1u << 0,
    Group = 1u << 1,    // starts a group, such as the buttons of one radio choice
    LeftText = 1u << 2, // a radio button's text stands on its left
    Border = 1u << 3,
    AutoHScroll = 1u << 4,
    AlignLeft = 1u << 5, // static text: left aligned, word wrapped
    NoWordWrap = 1u << 6,
    AlignCenter = 1u << 7,
    AlignRight = 1u << 8,
    Disabled = 1u << 9,
    NoPrefix = 1u << 10, // '&' is shown as it is
    StaticEdge = 1u << 11,
    ClientEdge = 1u << 12,
    // Dialog styles.
    Caption = 1u << 16,
    SystemMenu = 1u << 17,
    MinimizeBox = 1u << 18,
    MaximizeBox = 1u << 19,
    ModalFrame = 1u << 20,
    AppWindow = 1u << 21, // a top-level window of its own, with a task bar entry
    Visible = 1u << 22,
};

constexpr Style operator|(Style a, Style b) {
    return static_cast<Style>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

constexpr bool hasStyle(Style set, Style flag) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

// An icon in several sizes, each an XPM image.
struct IconResource {
    std::span<const char* const* const> images;
};

struct ControlTemplate {
    ItemId id;
    ControlKind kind;
    const char* text; // Windows-1252
    Rect rect;
    Style style = Style::None;
    const IconResource* icon = nullptr; // the picture of an icon control
};

// The static id of controls nobody refers to.
inline constexpr ItemId idStatic{-1};

enum class MenuItemKind { Popup, Item, Separator, EndPopup };

struct MenuItemTemplate {
    MenuItemKind kind;
    const char* text = "";
    ItemId id = {};
};

struct DialogTemplate {
    const char* caption;
    Size size;
    const char* fontFace;
    int fontPoints;
    Style style;
    std::span<const ControlTemplate> controls;
    std::span<const MenuItemTemplate> menu = {};
};
