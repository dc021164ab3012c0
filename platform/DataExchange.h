#pragma once

#include "ItemId.h"

#include <cstdint>
#include <string>

class Dialog;

// Moves a dialog's values to its controls and back. Each check refers to the control exchanged
// just before it; a failing check stops the exchange with a message and the focus on that
// control.
class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate)
        : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

    bool isSaving() const { return saveAndValidate_; }

    void text(ItemId id, std::string& value);
    void text(ItemId id, std::uint32_t& value);
    // The number of the selected radio button of the group starting at id, -1 for none.
    void radio(ItemId id, int& value);

    // When showing, also limits the control's input to count characters.
    void maxChars(const std::string& value, int count);
    void range(std::int64_t value, std::int64_t min, std::int64_t max);

    // Thrown to stop an exchange whose check failed; the dialog catches it.
    struct Failed {};

private:
    [[noreturn]] void fail(const std::string& message);

    Dialog& dialog_;
    bool saveAndValidate_;
    ItemId last_;
};
