// The lens of Ghostglass: the radial mapping that redraws the letters inside
// it, and the sweep that carries it to and fro over the run.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ghostglass {

// The factor by which a pixel at distance d from the centre is moved toward
// it: ((1 + (d/R)^2) / 2)^exponent, computed the lens's way through
// R sin(2 atan(d / R)). None where the pixel stays in place: at the centre
// and at or beyond the rim.
std::optional<double> LensScale(double d, int radius, double exponent);

// Where every pixel of the lens band goes, the same for every position of
// the lens: made once per build and exponent, so that a frame only adds the
// centre. A pixel of row r (1-based) and column X + dx lands on row
// `row` and column trunc(shift + X), the column computed exactly as the
// whole mapping would.
class LensMap {
public:
    struct Cell {
        double shift;  // dx scaled, or dx itself where the pixel stays
        int row;
    };

    // Allocates; call at build time.
    void Make(int rows, int radius, int exponent);
    // Same size, so no allocation: for an exponent changed between builds.
    void Remake(int exponent);
    int Exponent() const { return exponent_; }
    const Cell& At(int row, int dx) const { return cells_[(row - 1) * 2 * radius_ + dx + radius_]; }

private:
    std::vector<Cell> cells_;
    int rows_ = 0;
    int radius_ = 0;
    int exponent_ = -1;
};

// Where the lens is and where it goes. It bounces between R + step and
// stride - R - step and never leaves R .. stride - R, so that its band and
// every pixel it moves stay inside the surface, whatever the step.
class LensSweep {
public:
    void Restart(int radius) {
        radius_ = radius;
        centre_ = radius;
        movingRight_ = true;
    }
    int Centre() const { return centre_; }
    int Radius() const { return radius_; }

    // Whether a pointer column lies strictly inside the sweep's range.
    bool Reaches(std::int64_t column, int stride, std::int32_t step) const;
    void HoldAt(int column) { centre_ = column; }
    // Keeps the centre inside R .. stride - R.
    void Confine(int stride);
    void Move(int stride, std::int32_t step);

private:
    int centre_ = 0;
    int radius_ = 0;
    bool movingRight_ = true;
};

}  // namespace ghostglass
