#pragma once

#include <algorithm>
#include <vector>

// The middle value, or the mean of the two middle values; the values must not be empty.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
