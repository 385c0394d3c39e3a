// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Pen.h"

namespace Gdiplus {

Status Pen::SetColor(const Color& value) {
    color = value;
    return Ok;
}

Status Pen::GetColor(Color* out) const {
    if (!out)
        return InvalidParameter;
    *out = color;
    return Ok;
}

Status Pen::SetWidth(float value) {
    if (!(value >= 0.0f)) {
        lastStatus = InvalidParameter;
        return InvalidParameter;
    }
    width = value;
    return Ok;
}

Status Pen::GetLastStatus() {
    const Status status = lastStatus;
    lastStatus = Ok;
    return status;
}

}   // namespace Gdiplus
