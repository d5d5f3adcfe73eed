// Areas of the plane figures. Each formula is evaluated in extended
// precision in the order written and returned as a double; impossible
// figures give NaN, never a failure.
#pragma once

namespace area {

inline constexpr long double kPi = 3.14159265358979323851L;
inline constexpr long double kPiQuarter = 0.785398163397448309628L;

double triangleBySideAndHeight(double side, double height);
// (b / 2) x sqrt(a^2 - ((a^2 + b^2 - c^2) / (2b))^2): base b times the height onto b.
double triangleByThreeSides(double a, double b, double c);
double rectangleByTwoSides(double a, double b);
double rectangleByDiagonalAndSide(double side, double diagonal);
double squareBySide(double side);
double squareByDiagonal(double diagonal);
double parallelogram(double side, double height);
double circleByRadius(double radius);
double circleByDiameter(double diameter);

}  // namespace area
