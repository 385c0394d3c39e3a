// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/Matrix.h"

#include <cmath>

namespace Gdiplus {

namespace {

// Row-vector product a * b: the points go through a first, then b.
void Product(const float* a, const float* b, float* out) {
    const float r[6] = {
        a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3],        a[2] * b[0] + a[3] * b[2],
        a[2] * b[1] + a[3] * b[3], a[4] * b[0] + a[5] * b[2] + b[4], a[4] * b[1] + a[5] * b[3] + b[5],
    };
    for (int i = 0; i < 6; ++i)
        out[i] = r[i];
}

}   // namespace

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy) : e{m11, m12, m21, m22, dx, dy} {}

Status Matrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    e[0] = m11, e[1] = m12, e[2] = m21, e[3] = m22, e[4] = dx, e[5] = dy;
    return Ok;
}

Status Matrix::GetElements(float* elements) const {
    if (!elements)
        return Record(InvalidParameter);
    for (int i = 0; i < 6; ++i)
        elements[i] = e[i];
    return Ok;
}

Status Matrix::Reset() { return SetElements(1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f); }

bool Matrix::IsIdentity() const {
    return e[0] == 1.0f && e[1] == 0.0f && e[2] == 0.0f && e[3] == 1.0f && e[4] == 0.0f && e[5] == 0.0f;
}

bool Matrix::Equals(const Matrix* other) const {
    if (!other)
        return false;
    for (int i = 0; i < 6; ++i)
        if (e[i] != other->e[i])
            return false;
    return true;
}

Status Matrix::Translate(float offsetX, float offsetY, MatrixOrder order) {
    const Matrix t(1.0f, 0.0f, 0.0f, 1.0f, offsetX, offsetY);
    return Multiply(&t, order);
}

Status Matrix::Scale(float scaleX, float scaleY, MatrixOrder order) {
    const Matrix s(scaleX, 0.0f, 0.0f, scaleY, 0.0f, 0.0f);
    return Multiply(&s, order);
}

Status Matrix::Multiply(const Matrix* other, MatrixOrder order) {
    if (!other)
        return Record(InvalidParameter);
    if (order == MatrixOrderPrepend)
        Product(other->e, e, e);
    else
        Product(e, other->e, e);
    return Ok;
}

Status Matrix::Invert() {
    const double det = double(e[0]) * e[3] - double(e[1]) * e[2];
    if (det == 0.0 || !std::isfinite(det))
        return Record(InvalidParameter);
    const double m11 = e[3] / det, m12 = -e[1] / det, m21 = -e[2] / det, m22 = e[0] / det;
    const double dx = -(e[4] * m11 + e[5] * m21), dy = -(e[4] * m12 + e[5] * m22);
    return SetElements(float(m11), float(m12), float(m21), float(m22), float(dx), float(dy));
}

Status Matrix::TransformPoints(Point* points, int count) const {
    if (!points || count < 0)
        return Record(InvalidParameter);
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>(points[i].X), y = static_cast<float>(points[i].Y);
        const float tx = e[0] * x + e[2] * y + e[4];
        const float ty = e[1] * x + e[3] * y + e[5];
        points[i].X = static_cast<int>(std::floor(tx + 0.5f));
        points[i].Y = static_cast<int>(std::floor(ty + 0.5f));
    }
    return Ok;
}

Status Matrix::TransformPoints(PointF* points, int count) const {
    if (!points || count < 0)
        return Record(InvalidParameter);
    for (int i = 0; i < count; ++i) {
        const float x = points[i].X, y = points[i].Y;
        points[i].X = e[0] * x + e[2] * y + e[4];
        points[i].Y = e[1] * x + e[3] * y + e[5];
    }
    return Ok;
}

Status Matrix::GetLastStatus() {
    const Status status = lastStatus;
    lastStatus = Ok;
    return status;
}

Status Matrix::Record(Status status) const {
    if (status != Ok)
        lastStatus = status;
    return status;
}

}   // namespace Gdiplus
