// Areas of the plane figures. Each formula is evaluated in extended
// precision in the order written and returned as a double; impossible
// figures give NaN, never a failure.
#pragma once

namespace area {

inline constexpr long double kPi = 3.14159265358979323851L;
inline constexpr long double kPiQuarter = 0.785398163397448309628L;
inline constexpr long double kPiEighth = 0.392699081698724154814L;

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
// (a + b) x h / 2.
double trapezoid(double a, double b, double h);
// n x s x r / 2, r the inradius.
double polygonByInradius(double sides, double inradius, double side);
// sqrt(R^2 - s^2 / 4) x (n x s / 2), R the circumradius.
double polygonByCircumradius(double sides, double circumradius, double side);
double ellipse(double a, double b);
double semicircleByRadius(double radius);
double semicircleByDiameter(double diameter);

}  // namespace area
