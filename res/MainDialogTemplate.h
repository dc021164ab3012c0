#pragma once

#include "DialogTemplate.h"

// Dialog 102, the main window, with its menu 132.

enum class MainId {
    Start = 1000,
    Guess = 1001,
    Bulls = 1004,
    Cows = 1005,
    Attempts = 1006,
    DigitCount = 1007,
};

enum class MainCommand {
    New = 32777,
    Settings = 32778,
    BestAttempts = 32779,
    Exit = 32780,
    About = 32781,
};

// The entry the main window appends to its system menu.
enum class MainSysCommand { About = 0x0010 };

namespace mainDialog {

constexpr Style field = Style::Border | Style::AutoHScroll | Style::TabStop;

inline constexpr ControlTemplate controls[] = {
    {MainId::Guess, ControlKind::Edit, "", {81, 79, 60, 14}, field | Style::StaticEdge},
    {MainId::Start,
     ControlKind::PushButton,
     "&Strobe to start",
     {52, 109, 70, 17},
     Style::TabStop | Style::ClientEdge | Style::StaticEdge},
    {idStatic, ControlKind::Static, "Number :", {36, 83, 32, 8}, Style::AlignLeft},
    {MainId::Bulls, ControlKind::Edit, "", {20, 49, 20, 12}, field},
    {MainId::Cows, ControlKind::Edit, "", {80, 49, 20, 12}, field},
    {MainId::Attempts, ControlKind::Edit, "", {136, 49, 19, 12}, field},
    {idStatic, ControlKind::Static, "Bull :", {21, 40, 17, 8}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "Cow :", {80, 40, 19, 8}, Style::AlignLeft},
    {idStatic, ControlKind::Static, "Attempts :", {130, 40, 33, 8}, Style::AlignLeft},
    {MainId::DigitCount, ControlKind::Edit, "", {125, 12, 22, 12}, field},
    {idStatic,
     ControlKind::Static,
     "Number of Digits Selected :",
     {21, 14, 99, 9},
     Style::AlignLeft | Style::NoWordWrap},
    {idStatic, ControlKind::GroupBox, "", {6, 6, 171, 21}, Style::StaticEdge},
    {idStatic, ControlKind::GroupBox, "", {6, 27, 53, 47}, Style::ClientEdge | Style::StaticEdge},
    {idStatic, ControlKind::GroupBox, "", {117, 27, 60, 47}, Style::ClientEdge | Style::StaticEdge},
    {idStatic, ControlKind::GroupBox, "", {58, 27, 59, 47}, Style::ClientEdge | Style::StaticEdge},
};

inline constexpr MenuItemTemplate menu[] = {
    {MenuItemKind::Popup, "&Game"},
    {MenuItemKind::Item, "&New", MainCommand::New},
    {MenuItemKind::Separator},
    {MenuItemKind::Item, "Game &Settings", MainCommand::Settings},
    {MenuItemKind::Separator},
    {MenuItemKind::Item, "&Best Attempts", MainCommand::BestAttempts},
    {MenuItemKind::Separator},
    {MenuItemKind::Item, "E&xit", MainCommand::Exit},
    {MenuItemKind::EndPopup},
    {MenuItemKind::Popup, "&Help"},
    {MenuItemKind::Item, "&About Zareduz", MainCommand::About},
    {MenuItemKind::EndPopup},
};

} // namespace mainDialog

inline constexpr DialogTemplate mainDialogTemplate{
    "Zareduz",
    {184, 139},
    "System",
    12,
    Style::Visible | Style::Caption | Style::SystemMenu | Style::MinimizeBox | Style::MaximizeBox |
        Style::ModalFrame | Style::AppWindow,
    mainDialog::controls,
    mainDialog::menu,
};
