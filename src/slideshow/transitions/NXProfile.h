#pragma once

#include <algorithm>
#include <vector>

// A function of one number over [from, to], worked out at evenly spaced points once per frame
// and read between them: the shapes a transition gives every pixel at the same distance or the
// same angle (a ring's bend, a roll's shading, a twirl's turn), without a call of sin or log
// per pixel. Outside the range it holds its end values.
class NXProfile
{
public:
    template <class Function>
    NXProfile(double from, double to, Function &&f, int steps = 4096)
        : from_(from), scale_(steps / (to - from)), values_(size_t(steps) + 2)
    {
        for (int k = 0; k <= steps; ++k)
            values_[size_t(k)] = f(from + (to - from) * k / steps);
        values_.back() = values_[size_t(steps)];
    }

    double operator()(double x) const
    {
        const double at = std::clamp((x - from_) * scale_, 0.0, double(values_.size() - 2));
        const size_t k = size_t(at);
        return values_[k] + (values_[k + 1] - values_[k]) * (at - double(k));
    }

private:
    double from_;
    double scale_;
    std::vector<double> values_;
};
