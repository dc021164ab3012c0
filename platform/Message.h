#pragma once

#include "DialogTemplate.h"
#include "Geometry.h"

// What a dialog's window and controls tell the dialog.
enum class Notification {
    Command,       // a menu command
    Clicked,       // a button was clicked
    EditChange,    // the user changed an edit field's text
    SysCommand,    // a system menu entry, or the close box
    Paint,         // the client area needs painting
    QueryDragIcon, // the picture to show while the minimized window is dragged
    RButtonDown,   // the right mouse button went down on the client area
};

struct Message {
    Notification notification;
    int id = 0;
    unsigned param = 0;                 // the system command; the mouse button flags
    Point point = {};                   // the mouse position in the client area
    const IconResource* icon = nullptr; // the answer to QueryDragIcon
};

// System command ids of the standard system menu entries.
enum class SysCommand : unsigned {
    Size = 0xF000,
    Move = 0xF010,
    Minimize = 0xF020,
    Maximize = 0xF030,
    Close = 0xF060,
    Restore = 0xF120,
};

// The mask that leaves only the command of a system command id.
inline constexpr unsigned sysCommandMask = 0xFFF0;
