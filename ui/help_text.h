// The help panel's thirteen lines, in German as the players read them. Every
// non-empty line begins with two blanks; the panel wraps the long ones.
#pragma once

#include <array>
#include <string_view>

namespace quorvil {

inline constexpr std::array<std::string_view, 13> kHelpLines = {
    "  linke Maustaste: Szene drehen",
    "  rechte Maustaste: zoomen",
    "  beide Maustasten: verschieben",
    "",
    "  Cursortasten links/rechts: Stoßrichtung ändern",
    "  Ctrl + Cursortasten links/rechts: Stoßrichtung fein ändern",
    "  Cursortasten oben/unten: Queue-Stoßkraft ändern",
    "  Leertaste: Stoß",
    "",
    "  F1: Hilfe ein/aus",
    "  S : Ton ein/aus",
    "",
    "  ESC: neues Spiel",
};

}  // namespace quorvil
