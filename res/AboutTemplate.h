#pragma once

#include "AppIcon.h"
#include "DialogTemplate.h"

// Dialog 100, the program's name, version and credits.

namespace aboutDialog {

inline constexpr ControlTemplate controls[] = {
    {idStatic, ControlKind::Icon, "", {11, 17, 21, 20}, Style::None, &appIcon},
    {idStatic,
     ControlKind::Static,
     "Zareduz Version 1.0",
     {40, 10, 119, 8},
     Style::AlignLeft | Style::NoPrefix},
    {idStatic, ControlKind::Static, "Free software, 2026", {40, 25, 119, 8}, Style::AlignLeft},
    {idOk, ControlKind::DefPushButton, "OK", {178, 7, 32, 14}, Style::TabStop | Style::Group},
    {idStatic,
     ControlKind::Static,
     "Written by the Zareduz developers",
     {40, 42, 164, 8},
     Style::AlignLeft},
    {idStatic,
     ControlKind::Static,
     "Feedback: see the README",
     {116, 61, 94, 10},
     Style::AlignLeft},
};

} // namespace aboutDialog

inline constexpr DialogTemplate aboutTemplate{
    "About zareduz",
    {217, 79},
    "MS Sans Serif",
    8,
    Style::Caption | Style::SystemMenu | Style::ModalFrame,
    aboutDialog::controls,
};
