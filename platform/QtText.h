#pragma once

#include "Windows1252.h"

#include <QString>

#include <string>
#include <string_view>

// The one place where the game's Windows-1252 texts meet Qt's strings.
struct QtText {
    static QString fromBytes(std::string_view bytes) {
        const std::u16string text = Windows1252::decode(bytes);
        return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }
    static std::string toBytes(const QString& text) {
        return Windows1252::encode(
            std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                static_cast<std::size_t>(text.size())));
    }
};
