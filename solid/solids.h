// Volumes of the solids. Each formula is evaluated in extended precision in
// the order written and returned as a double; any sign is accepted, a square
// root of a negative number gives NaN, never a failure.
#pragma once

#include <vector>

namespace solid {

inline constexpr long double kPi = 3.14159265358979323851L;
inline constexpr long double kPiThird = 1.04719755119659774624L;
inline constexpr long double kFourPiThirds = 4.18879020478639098497L;
inline constexpr long double kOneThird = 0.33333333333333333334L;

// ((r * r) * pi) * h
double cylinderVolume(double r, double h);
// ((r * r) * (pi / 3)) * h
double coneVolume(double r, double h);
// (((4 pi / 3) * R) * R) * R
double sphereVolume(double R);
// ((pi / 3) * h) * ((r1 * r1 + r * r) + r * r1)
double truncatedConeVolume(double r, double r1, double h);
// ((1 / 3) * S) * h
double pyramidVolume(double S, double h);
// ((1 / 3) * h) * ((S + S1) + sqrt(S * S1))
double truncatedPyramidVolume(double h, double S, double S1);
// h * S
double prismVolume(double h, double S);

// The seven solids of the volume screens.
enum class Solid { Cylinder, Cone, Sphere, TruncatedCone, Pyramid, TruncatedPyramid, Prism };

// How many measurements a solid takes, in the order its screen reads them:
// cylinder and cone r, h; sphere R; truncated cone r, r1, h; pyramid S, h;
// truncated pyramid h, S, S1; prism h, S.
int measurementCount(Solid solid);

// The volume from the measurements in that order.
double volume(Solid solid, const std::vector<double> &measurements);

} // namespace solid
