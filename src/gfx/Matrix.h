// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A 3x2 affine matrix in single precision: x' = m11*x + m21*y + dx, y' = m12*x + m22*y + dy.

#include "gfx/GdiplusTypes.h"

namespace Gdiplus {

class Matrix {
public:
    Matrix() = default;   // identity
    Matrix(float m11, float m12, float m21, float m22, float dx, float dy);

    Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // Writes m11, m12, m21, m22, dx, dy into elements[0..5].
    Status GetElements(float* elements) const;
    float OffsetX() const { return e[4]; }
    float OffsetY() const { return e[5]; }
    Status Reset();
    bool IsIdentity() const;
    bool Equals(const Matrix* other) const;

    // Prepend applies the new operation before this matrix (to the points first), Append after.
    Status Translate(float offsetX, float offsetY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Multiply(const Matrix* other, MatrixOrder order = MatrixOrderPrepend);
    // Fails with InvalidParameter (and leaves the matrix unchanged) when it cannot be inverted.
    Status Invert();

    // Integer points are transformed in single precision and rounded with floor(v + 0.5).
    Status TransformPoints(Point* points, int count = 1) const;
    Status TransformPoints(PointF* points, int count = 1) const;

    Status GetLastStatus();

private:
    Status Record(Status status) const;

    float e[6] = {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    mutable Status lastStatus = Ok;
};

}   // namespace Gdiplus
