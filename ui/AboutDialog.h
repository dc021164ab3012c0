#pragma once

#include "Dialog.h"

// The program's name, version and credits; it does nothing but close.
class AboutDialog : public Dialog {
public:
    explicit AboutDialog(Dialog* parent = nullptr);
};
