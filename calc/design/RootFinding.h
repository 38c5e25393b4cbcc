#pragma once
// Root finding on a monotone function of one variable: walk until the sign changes, then
// narrow the bracket. Every search of the design and the foil fit goes through here.

#include <functional>
#include <optional>

// A value of the function, or none when it could not be computed (the search was cancelled
// or a trial run failed): the search then stops at once.
using RootFunction = std::function<std::optional<double>(double)>;

// Two points where the function has opposite signs (or one of them is a root).
struct Bracket {
    double x0, f0;
    double x1, f1;
};

struct Root {
    enum class Problem {
        None,          // `x` is the root within the tolerances
        Stopped,       // the function gave no value
        NoBracket,     // the walk ran out of points without a change of sign
        NoConvergence, // the bracket did not narrow within the allowed evaluations
    };
    Problem problem = Problem::None;
    // The root; after NoBracket the last point walked to, after NoConvergence the evaluated
    // point with the smallest |f|.
    double x = 0;
    double f = 0; // the function at `x`
};

// The next point of a walk from `x` where the function is `fx`; none when the walk may go no
// further.
using NextPoint = std::function<std::optional<double>(double x, double fx)>;

// From `x0`, where the function is `f0`, to the points `next` gives, until two neighbours
// have opposite signs (strictly positive against not). A point where the function is 0 ends
// the walk as a root.
Root walkToBracket(const RootFunction& f, double x0, double f0, const NextPoint& next,
                   Bracket& bracket);

// The Illinois variant of regula falsi: superlinear on the smooth monotone quantities of a
// carburizing programme, and it never leaves the bracket. Stops when |f| ≤ `fTolerance` or the
// bracket is narrower than `xTolerance`, with the evaluated point of the smallest |f| (so a
// caller can look up what it computed there).
Root solveBracketed(const RootFunction& f, Bracket bracket, double xTolerance, double fTolerance);

// Both: the walk from `x0`, then the bracket narrowed.
Root findRoot(const RootFunction& f, double x0, const NextPoint& next, double xTolerance,
              double fTolerance);
