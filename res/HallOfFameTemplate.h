#pragma once

#include "DialogTemplate.h"

// Dialog 133, where a player who made the best scores enters a name.

enum class HallOfFameId {
    Attempts = 1029,
    Name = 1030,
    Digits = 1031,
    Rank = 1032,
};

namespace hallOfFameDialog {

inline constexpr ControlTemplate controls[] = {
    {HallOfFameId::Name,
     ControlKind::Edit,
     "",
     {81, 72, 59, 12},
     Style::Border | Style::AutoHScroll | Style::TabStop},
    {idOk, ControlKind::DefPushButton, "&OK", {61, 107, 50, 14}, Style::TabStop},
    {idStatic, ControlKind::GroupBox, "Famous", {7, 7, 172, 126}},
    {HallOfFameId::Attempts, ControlKind::Static, "999", {88, 28, 14, 9}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "You have taken ", {34, 28, 52, 9}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "attempts and have ", {104, 28, 62, 9}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "qulified to enter the", {21, 40, 61, 9}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "Enter your Name :", {19, 75, 59, 10}, Style::AlignLeft},
    {HallOfFameId::Digits, ControlKind::Static, "10", {85, 40, 9, 8}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "Digit Hall Of Fame as", {97, 40, 67, 8}, Style::AlignLeft},
    {HallOfFameId::Rank, ControlKind::Static, "a Very Good", {20, 51, 41, 10}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "Mind Master.", {63, 51, 64, 9}, Style::AlignLeft},
};

} // namespace hallOfFameDialog

inline constexpr DialogTemplate hallOfFameTemplate{
    "Zareduz Hall Of Fame",
    {186, 140},
    "MS Sans Serif",
    8,
    Style::Caption | Style::SystemMenu | Style::ModalFrame,
    hallOfFameDialog::controls,
};
