#include "areas.h"

#include <cmath>

namespace area {

using Real = long double;

double triangleBySideAndHeight(double side, double height) { return double(Real(side) * height / 2); }

double triangleByThreeSides(double a, double b, double c)
{
    const Real A = a, B = b, C = c;
    const Real projection = (A * A + B * B - C * C) / (2 * B);
    return double((B / 2) * std::sqrt(A * A - projection * projection));
}

double rectangleByTwoSides(double a, double b) { return double(Real(a) * b); }

double rectangleByDiagonalAndSide(double side, double diagonal)
{
    const Real s = side, d = diagonal;
    return double(s * std::sqrt(d * d - s * s));
}

double squareBySide(double side) { return double(Real(side) * side); }

double squareByDiagonal(double diagonal) { return double(0.5L * diagonal * diagonal); }

double parallelogram(double side, double height) { return double(Real(side) * height); }

double circleByRadius(double radius) { return double(Real(radius) * radius * kPi); }

double circleByDiameter(double diameter) { return double(Real(diameter) * diameter * kPiQuarter); }

}  // namespace area
