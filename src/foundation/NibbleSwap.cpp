// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/NibbleSwap.h"

void NibbleSwapBytes(std::string& bytes) {
    for (char& c : bytes)
        c = static_cast<char>(NibbleSwap(static_cast<uint8_t>(c)));
}
