#pragma once
// Lotto arithmetic "fuori 90".

namespace quorvane {

// Remainder of the sum by 90, with 0 written as 90.
constexpr int somma90(int a, int b) {
    int r = (a + b) % 90;
    return r <= 0 ? r + 90 : r;
}

// Absolute difference, taken the short way round the circle of 90.
constexpr int distanza90(int a, int b) {
    int d = a > b ? a - b : b - a;
    return d > 45 ? 90 - d : d;
}

}  // namespace quorvane
