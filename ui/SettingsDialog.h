#pragma once

#include "Dialog.h"
#include "MessageTable.h"

// The choice of 4 to 10 digits.
class SettingsDialog : public Dialog {
public:
    explicit SettingsDialog(Dialog* parent = nullptr);

    // The chosen radio button, 0 to 6 for 4 to 10 digits; -1 for none.
    int choiceIndex = -1;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    bool handleMessage(Message& message) override;

private:
    void OnRButtonDown(unsigned flags, Point point);

    static const MessageEntry<SettingsDialog> messageTable[];
};
