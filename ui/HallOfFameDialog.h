#pragma once

#include "Dialog.h"

#include <string>

// Tells the player the result made the best scores, at which rank, and asks for a name.
class HallOfFameDialog : public Dialog {
public:
    explicit HallOfFameDialog(Dialog* parent = nullptr);

    std::string attemptsText;
    std::string nameText;
    std::string digitsText;
    std::string rankText;

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    void OnOK() override;
};
