#pragma once

#include "DialogTemplate.h"

// Icon 128: a bull's-eye in the 16-colour palette, 32 x 32 and 16 x 16.

// clang-format off
inline const char* const appIcon32[] = {
    "32 32 5 1",
    ". c None",
    "k c #000000",
    "r c #FF0000",
    "w c #FFFFFF",
    "y c #FFFF00",
    "............kkkkkkkk............",
    ".........kkkkkkkkkkkkkk.........",
    ".......kkkkkrrrrrrrrkkkkk.......",
    "......kkkkrrrrrrrrrrrrkkkk......",
    ".....kkkrrrrrrrrrrrrrrrrkkk.....",
    "....kkkrrrrrwwwwwwwwrrrrrkkk....",
    "...kkkrrrrwwwwwwwwwwwwrrrrkkk...",
    "..kkkrrrrwwwwwwwwwwwwwwrrrrkkk..",
    "..kkrrrrwwwwrrrrrrrrwwwwrrrrkk..",
    ".kkkrrrwwwwrrrrrrrrrrwwwwrrrkkk.",
    ".kkrrrwwwwrrrrwwwwrrrrwwwwrrrkk.",
    ".kkrrrwwwrrrwwwwwwwwrrrwwwrrrkk.",
    "kkrrrwwwrrrwwwwwwwwwwrrrwwwrrrkk",
    "kkrrrwwwrrrwwwyyyywwwrrrwwwrrrkk",
    "kkrrrwwwrrwwwyyyyyywwwrrwwwrrrkk",
    "kkrrrwwwrrwwwyyyyyywwwrrwwwrrrkk",
    "kkrrrwwwrrwwwyyyyyywwwrrwwwrrrkk",
    "kkrrrwwwrrwwwyyyyyywwwrrwwwrrrkk",
    "kkrrrwwwrrrwwwyyyywwwrrrwwwrrrkk",
    "kkrrrwwwrrrwwwwwwwwwwrrrwwwrrrkk",
    ".kkrrrwwwrrrwwwwwwwwrrrwwwrrrkk.",
    ".kkrrrwwwwrrrrwwwwrrrrwwwwrrrkk.",
    ".kkkrrrwwwwrrrrrrrrrrwwwwrrrkkk.",
    "..kkrrrrwwwwrrrrrrrrwwwwrrrrkk..",
    "..kkkrrrrwwwwwwwwwwwwwwrrrrkkk..",
    "...kkkrrrrwwwwwwwwwwwwrrrrkkk...",
    "....kkkrrrrrwwwwwwwwrrrrrkkk....",
    ".....kkkrrrrrrrrrrrrrrrrkkk.....",
    "......kkkkrrrrrrrrrrrrkkkk......",
    ".......kkkkkrrrrrrrrkkkkk.......",
    ".........kkkkkkkkkkkkkk.........",
    "............kkkkkkkk............"
};

inline const char* const appIcon16[] = {
    "16 16 5 1",
    ". c None",
    "k c #000000",
    "r c #FF0000",
    "w c #FFFFFF",
    "y c #FFFF00",
    ".....kkkkkk.....",
    "...kkrrrrrrkk...",
    "..kkrrrwwrrrkk..",
    ".kkrrwwwwwwrrkk.",
    ".krrwwrrrrwwrrk.",
    "krrwwrrwwrrwwrrk",
    "krrwrrwyywrrwrrk",
    "krwwrwyyyywrwwrk",
    "krwwrwyyyywrwwrk",
    "krrwrrwyywrrwrrk",
    "krrwwrrwwrrwwrrk",
    ".krrwwrrrrwwrrk.",
    ".kkrrwwwwwwrrkk.",
    "..kkrrrwwrrrkk..",
    "...kkrrrrrrkk...",
    ".....kkkkkk....."
};
// clang-format on

inline constexpr const char* const* appIconImages[] = {appIcon32, appIcon16};
inline constexpr IconResource appIcon{appIconImages};
