#pragma once

#include <algorithm>
#include <vector>

// The middle of the measured values (the mean of the two middle ones for an even count); -1 for
// none. A benchmark reports medians: one run slowed by another program on the machine moves a
// mean, not a median.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
