#pragma once
// Non-linear least squares over a few bounded parameters: the Levenberg–Marquardt method with a
// forward-difference Jacobian. The fits to measured profiles go through here.
//
// Each evaluation of the residuals is a whole trial run, so the method is chosen for few
// evaluations: a Gauss–Newton step where the model is nearly linear, shortened towards steepest
// descent (Marquardt's scaling by the diagonal of JᵀJ) where it is not. A parameter a step would
// take out of its bounds is held on the bound it crosses while the others are solved for; a
// minimum found on a bound is reported as such, since the true one lies beyond.

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

// The residuals (measured − computed) at the parameters `x`, or none when they could not be
// computed (the fit was cancelled or a trial run failed): the fit then stops at once, as it does
// when a residual is not finite.
using ResidualFunction =
    std::function<std::optional<std::vector<double>>(const std::vector<double>& x)>;

struct FittedParameter {
    double start;
    double low, high; // the bounds
    // The finite-difference step; the fit ends when no parameter moves by a hundredth of it.
    double step;
};

struct LeastSquaresFit {
    enum class Problem {
        None,          // `x` is the minimum
        Stopped,       // the residuals could not be computed
        AtBound,       // the sum of squares still falls beyond the bound of `boundParameter`
        Undetermined,  // the residuals do not change with some parameter, or are too few
        NoConvergence, // the steps did not become small within the allowed iterations
    };
    Problem problem = Problem::None;
    std::vector<double> x; // the best point found
    // One standard error per parameter, from the curvature of the sum of squares at `x`:
    // s²·(JᵀJ)⁻¹ with s² the sum of squares over (points − parameters). Empty unless None.
    std::vector<double> uncertainty;
    double sumOfSquares = 0; // at `x`
    std::size_t boundParameter = 0;
    bool highBound = false; // AtBound: `boundParameter` is on its upper bound, else its lower
    int evaluations = 0;
};

// `residuals` gives more values than there are parameters; fewer leave the fit Undetermined.
LeastSquaresFit fitLeastSquares(const ResidualFunction& residuals,
                                const std::vector<FittedParameter>& parameters);
