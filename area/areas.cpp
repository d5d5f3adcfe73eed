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

double trapezoid(double a, double b, double h) { return double((Real(a) + b) * h / 2); }

double polygonByInradius(double sides, double inradius, double side)
{
    return double(Real(sides) * side * inradius / 2);
}

double polygonByCircumradius(double sides, double circumradius, double side)
{
    const Real n = sides, R = circumradius, s = side;
    return double(std::sqrt(R * R - s * s / 4) * (n * s / 2));
}

double ellipse(double a, double b) { return double(Real(a) * b * kPi); }

double semicircleByRadius(double radius) { return double(Real(radius) * radius * kPi / 2); }

double semicircleByDiameter(double diameter) { return double(Real(diameter) * diameter * kPiEighth); }

}  // namespace area
