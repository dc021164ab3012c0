#include "DataExchange.h"

#include "Dialog.h"
#include "DialogWindow.h"
#include "QtText.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <charconv>

namespace {

// A whole number of digits, with blanks around it allowed.
bool parseUnsigned(const std::string& text, std::uint32_t& value) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    std::uint32_t parsed = 0;
    const auto [stop, error] = std::from_chars(begin, end, parsed);
    if (error != std::errc() || stop != end) {
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

void DataExchange::text(ItemId id, std::string& value) {
    last_ = id;
    if (saveAndValidate_) {
        value = QtText::toBytes(dialog_.window_->controlText(id.value));
    } else {
        dialog_.window_->setControlText(id.value, QtText::fromBytes(value));
    }
}

void DataExchange::text(ItemId id, std::uint32_t& value) {
    last_ = id;
    if (saveAndValidate_) {
        if (!parseUnsigned(QtText::toBytes(dialog_.window_->controlText(id.value)), value)) {
            fail("Enter a whole number from 0 to 4294967295.");
        }
    } else {
        dialog_.window_->setControlText(id.value, QString::number(value));
    }
}

void DataExchange::radio(ItemId id, int& value) {
    last_ = id;
    const std::vector<QRadioButton*> buttons = dialog_.window_->radioGroup(id.value);
    if (saveAndValidate_) {
        value = -1;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = static_cast<int>(i);
            }
        }
        return;
    }
    if (buttons.empty()) {
        return;
    }
    // An exclusive group keeps one button checked; clearing them all needs it relaxed.
    QButtonGroup* group = buttons.front()->group();
    group->setExclusive(false);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(static_cast<int>(i) == value);
    }
    group->setExclusive(true);
}

void DataExchange::maxChars(const std::string& value, int count) {
    if (!saveAndValidate_) {
        dialog_.window_->setInputLimit(last_.value, count);
    } else if (value.size() > static_cast<std::size_t>(count)) {
        fail("Enter no more than " + std::to_string(count) + " characters.");
    }
}

void DataExchange::range(std::int64_t value, std::int64_t min, std::int64_t max) {
    if (saveAndValidate_ && (value < min || value > max)) {
        fail("Enter a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
             ".");
    }
}

void DataExchange::fail(const std::string& message) {
    dialog_.messageBox(message);
    dialog_.window_->focusControl(last_.value);
    throw Failed{};
}
