#pragma once
// Root finding on a monotone function of one variable inside a bracket.

#include <functional>
#include <optional>

// Two points where the function has opposite signs (or one of them is a root).
struct Bracket {
    double x0, f0;
    double x1, f1;
};

// The Illinois variant of regula falsi: superlinear on the smooth monotone quantities of a
// carburizing programme, and it never leaves the bracket. Stops when |f| ≤ `fTolerance` or the
// bracket is narrower than `xTolerance`, and returns the evaluated point with the smallest |f|
// (so a caller can look up what it computed there). Empty when `f` gives no value: the search
// was cancelled or a trial failed.
std::optional<double> solveBracketed(const std::function<std::optional<double>(double)>& f,
                                     Bracket bracket, double xTolerance, double fTolerance);
