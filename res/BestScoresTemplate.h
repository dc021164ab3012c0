#pragma once

#include "DialogTemplate.h"

#include <array>

// Dialog 131, the table of best scores: an attempts cell and a name cell for each of the 21
// records, in table order.

enum class BestScoresId {
    FirstCell = 1030, // attempts of record k at FirstCell + 2k, its name at FirstCell + 2k + 1
    ResetScores = 1027,
};

namespace bestScoresDialog {

inline constexpr int recordCount = 21;

// Where each record's attempts cell stands; its name cell is 28 units to the right.
inline constexpr Point cellPositions[recordCount] = {
    {96, 28},  {95, 37},  {95, 46},  {96, 59},  {95, 68},  {95, 77},  {97, 91},
    {96, 100}, {96, 109}, {96, 124}, {95, 133}, {95, 142}, {96, 155}, {95, 164},
    {95, 173}, {97, 186}, {96, 194}, {96, 204}, {97, 218}, {96, 226}, {96, 236},
};

inline constexpr const char* labelsFourToEight = "\t   Best\n4Digits :    Very Good\n\t   Good\n\n"
                                                 "\t   Best\n5Digits :    Very Good\n\t   Good\n\n"
                                                 "\t   Best\n6Digits :    Very Good\n\t   Good\n\n"
                                                 "\t   Best\n7Digits :    Very Good\n\t   Good\n\n"
                                                 "\t   Best\n8Digits :    Very Good\n\t   Good";
inline constexpr const char* labelsNineAndTen = "\t   Best\n9Digits :    Very Good\n\t   Good\n\n"
                                                "\t   Best\n10Digits:   Very Good\n\t   Good";

constexpr auto makeControls() {
    std::array<ControlTemplate, 5 + 2 * recordCount + 1> c{};
    c[0] = {idOk, ControlKind::DefPushButton, "&OK", {134, 252, 50, 12}, Style::TabStop};
    c[1] = {idStatic, ControlKind::Static, labelsFourToEight, {13, 29, 73, 156}, Style::AlignLeft};
    c[2] = {idStatic, ControlKind::Static, labelsNineAndTen, {13, 187, 78, 60}, Style::AlignLeft};
    c[3] = {idStatic, ControlKind::GroupBox, "Master Minds", {7, 7, 193, 257}};
    c[4] = {
        idStatic, ControlKind::Static, " Attempts   |    Name", {83, 16, 99, 10}, Style::AlignLeft};
    for (int k = 0; k < recordCount; ++k) {
        const Point at = cellPositions[k];
        const int id = static_cast<int>(BestScoresId::FirstCell) + 2 * k;
        c[5 + 2 * k] = {id, ControlKind::Static, "999", {at.x, at.y, 21, 8}, Style::AlignLeft};
        c[6 + 2 * k] = {
            id + 1, ControlKind::Static, "Anonymous", {at.x + 28, at.y, 55, 8}, Style::AlignLeft};
    }
    c.back() = {BestScoresId::ResetScores,
                ControlKind::PushButton,
                "&Reset Scores",
                {23, 251, 52, 13},
                Style::TabStop | Style::ClientEdge};
    return c;
}

inline constexpr auto controls = makeControls();

} // namespace bestScoresDialog

inline constexpr DialogTemplate bestScoresTemplate{
    "Zareduz Best Scores",
    {207, 271},
    "MS Sans Serif",
    8,
    Style::Caption | Style::SystemMenu | Style::ModalFrame,
    bestScoresDialog::controls,
};
