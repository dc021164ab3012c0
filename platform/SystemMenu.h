#pragma once

#include "ItemId.h"

#include <string>
#include <vector>

// The entries a dialog adds to its window's system menu, after the standard ones.
class SystemMenu {
public:
    struct Entry {
        bool separator;
        int command;
        std::string text; // Windows-1252
    };

    void appendSeparator() { entries_.push_back({true, 0, {}}); }
    void appendItem(ItemId command, std::string text) {
        entries_.push_back({false, command.value, std::move(text)});
    }
    bool contains(ItemId command) const {
        for (const Entry& entry : entries_) {
            if (!entry.separator && entry.command == command.value) {
                return true;
            }
        }
        return false;
    }
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};
