#pragma once

#include "DialogTemplate.h"

// Dialog 130, the choice of how many digits the secret has.

enum class SettingsId { FirstChoice = 1008 };

namespace settingsDialog {

constexpr Style choice = Style::LeftText;

inline constexpr ControlTemplate controls[] = {
    {idOk, ControlKind::DefPushButton, "OK", {106, 87, 50, 14}, Style::TabStop},
    {idCancel, ControlKind::PushButton, "Cancel", {23, 86, 50, 14}, Style::TabStop},
    {1008, ControlKind::RadioButton, "4", {37, 26, 20, 10}, choice | Style::Group},
    {1009, ControlKind::RadioButton, "5", {37, 40, 20, 10}, choice},
    {1010, ControlKind::RadioButton, "6", {37, 54, 20, 10}, choice},
    {1011, ControlKind::RadioButton, "7", {37, 70, 20, 10}, choice},
    {1012, ControlKind::RadioButton, " 8", {98, 25, 24, 10}, choice},
    {1013, ControlKind::RadioButton, "9", {101, 43, 21, 10}, choice},
    {1014, ControlKind::RadioButton, "10", {97, 61, 25, 10}, choice},
    {idStatic, ControlKind::GroupBox, "Number Size", {7, 7, 164, 100}},
};

} // namespace settingsDialog

inline constexpr DialogTemplate settingsTemplate{
    "Zareduz Settings",
    {178, 114},
    "MS Sans Serif",
    8,
    Style::Caption | Style::SystemMenu | Style::ModalFrame,
    settingsDialog::controls,
};
