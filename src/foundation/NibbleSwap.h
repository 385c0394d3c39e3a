// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The puzzle library's byte transform: the two 4-bit halves of every byte exchanged.

#include <cstdint>
#include <string>

// Its own inverse: NibbleSwap(NibbleSwap(b)) == b. 'N' (0x4E) is stored as 0xE4.
constexpr uint8_t NibbleSwap(uint8_t b) { return static_cast<uint8_t>(((b << 4) | (b >> 4)) & 0xFF); }

// Applies NibbleSwap to every byte in place.
void NibbleSwapBytes(std::string& bytes);
