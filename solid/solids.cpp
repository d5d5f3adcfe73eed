#include "solids.h"

#include <cassert>
#include <cmath>

namespace solid {

using Real = long double;

double cylinderVolume(double r, double h) { return double(((Real(r) * r) * kPi) * h); }

double coneVolume(double r, double h) { return double(((Real(r) * r) * kPiThird) * h); }

double sphereVolume(double R) { return double(((kFourPiThirds * R) * R) * R); }

double truncatedConeVolume(double r, double r1, double h)
{
    const Real R = r, R1 = r1;
    return double((kPiThird * h) * ((R1 * R1 + R * R) + R * R1));
}

double pyramidVolume(double S, double h) { return double((kOneThird * S) * h); }

double truncatedPyramidVolume(double h, double S, double S1)
{
    const Real A = S, A1 = S1;
    return double((kOneThird * h) * ((A + A1) + std::sqrt(A * A1)));
}

double prismVolume(double h, double S) { return double(Real(h) * S); }

int measurementCount(Solid solid)
{
    switch (solid) {
    case Solid::Sphere:
        return 1;
    case Solid::TruncatedCone:
    case Solid::TruncatedPyramid:
        return 3;
    case Solid::Cylinder:
    case Solid::Cone:
    case Solid::Pyramid:
    case Solid::Prism:
        break;
    }
    return 2;
}

double volume(Solid solid, const std::vector<double> &m)
{
    assert(int(m.size()) == measurementCount(solid));
    switch (solid) {
    case Solid::Cylinder:
        return cylinderVolume(m[0], m[1]);
    case Solid::Cone:
        return coneVolume(m[0], m[1]);
    case Solid::Sphere:
        return sphereVolume(m[0]);
    case Solid::TruncatedCone:
        return truncatedConeVolume(m[0], m[1], m[2]);
    case Solid::Pyramid:
        return pyramidVolume(m[0], m[1]);
    case Solid::TruncatedPyramid:
        return truncatedPyramidVolume(m[0], m[1], m[2]);
    case Solid::Prism:
        return prismVolume(m[0], m[1]);
    }
    return std::nan("");
}

} // namespace solid
