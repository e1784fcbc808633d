// The keyboard controls: one virtual-key code per key-down.
#pragma once

#include <cstdint>

#include "ui/game.h"

namespace quorvil {

namespace vk {
inline constexpr uint16_t Escape = 27;
inline constexpr uint16_t Space = 32;
inline constexpr uint16_t Left = 37;
inline constexpr uint16_t Up = 38;
inline constexpr uint16_t Right = 39;
inline constexpr uint16_t Down = 40;
inline constexpr uint16_t S = 83;
inline constexpr uint16_t F1 = 112;
}  // namespace vk

void FormKeyDown(Game& game, uint16_t key, bool ctrl);

}  // namespace quorvil
