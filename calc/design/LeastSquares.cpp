#include "LeastSquares.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

using Matrix = std::vector<std::vector<double>>; // rows

constexpr int maxIterations = 50;
constexpr double initialDamping = 1e-3;
constexpr double largestDamping = 1e10; // no step this short lowers the sum any more
// A parameter has moved when it changed by this share of its finite-difference step.
constexpr double resolvedShare = 0.01;

double sumOfSquares(const std::vector<double>& r) {
    double sum = 0;
    for (double value : r)
        sum += value * value;
    return sum;
}

// Solves a x = b by Gaussian elimination with partial pivoting; none when a is singular.
std::optional<std::vector<double>> solved(Matrix a, std::vector<double> b) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col]))
                pivot = row;
        if (!(std::fabs(a[pivot][col]) > 0))
            return std::nullopt;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t row = col + 1; row < n; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < n; ++k)
                a[row][k] -= factor * a[col][k];
            b[row] -= factor * b[col];
        }
    }
    std::vector<double> x(n);
    for (std::size_t row = n; row-- > 0;) {
        double sum = b[row];
        for (std::size_t k = row + 1; k < n; ++k)
            sum -= a[row][k] * x[k];
        x[row] = sum / a[row][row];
    }
    return x;
}

bool allFinite(const Matrix& a, const std::vector<double>& g) {
    const auto finite = [](const std::vector<double>& values) {
        return std::ranges::all_of(values, [](double value) { return std::isfinite(value); });
    };
    return finite(g) && std::ranges::all_of(a, finite);
}

class Fit {
public:
    using Problem = LeastSquaresFit::Problem;

    Fit(const ResidualFunction& residuals, const std::vector<FittedParameter>& parameters)
        : residuals_(residuals), parameters_(parameters) {}

    LeastSquaresFit run();

private:
    // A residual that is not finite counts as one that could not be computed: it compares false
    // with every sum of squares, so no step would seem to lower the sum and the fit would damp
    // its steps away and take the point for a minimum. So does a sum of squares that overflows.
    std::optional<std::vector<double>> evaluate(const std::vector<double>& x) {
        ++result_.evaluations;
        std::optional<std::vector<double>> r = residuals_(x);
        if (r && !(std::ranges::all_of(*r, [](double value) { return std::isfinite(value); }) &&
                   std::isfinite(sumOfSquares(*r))))
            return std::nullopt;
        return r;
    }

    double clamped(std::size_t k, double value) const {
        return std::clamp(value, parameters_[k].low, parameters_[k].high);
    }

    // Columns of ∂r/∂x_k by forward differences, stepping inwards at an upper bound. False when
    // the residuals could not be computed.
    bool jacobian(const std::vector<double>& x, const std::vector<double>& r, Matrix& columns);
    // x moved by the damped step, kept inside the bounds; none when the equations are singular.
    std::optional<std::vector<double>> boundedStep(const std::vector<double>& x, const Matrix& a,
                                                   const std::vector<double>& g,
                                                   double damping) const;
    // JᵀJ and Jᵀr from the columns.
    static Matrix normalMatrix(const Matrix& columns);
    static std::vector<double> gradient(const Matrix& columns, const std::vector<double>& r);
    LeastSquaresFit finished(Problem problem);

    // What one damped step came to: the sum lowered (neither set), nothing left to lower, or a
    // problem that ends the fit.
    struct StepOutcome {
        bool converged = false;
        std::optional<Problem> problem;
    };
    // Damped steps until the sum stops falling; none when it converged.
    std::optional<Problem> descend();
    StepOutcome dampedStep(const Matrix& a, const std::vector<double>& g);
    bool movesAny(const std::vector<double>& next) const;
    bool stopsAtBound();
    Problem withUncertainties();

    const ResidualFunction& residuals_;
    const std::vector<FittedParameter>& parameters_;
    LeastSquaresFit result_;
    std::optional<std::vector<double>> r_; // the residuals at result_.x
    double damping_ = initialDamping;
};

bool Fit::jacobian(const std::vector<double>& x, const std::vector<double>& r, Matrix& columns) {
    columns.assign(x.size(), {});
    for (std::size_t k = 0; k < x.size(); ++k) {
        std::vector<double> moved = x;
        const double step = x[k] + parameters_[k].step <= parameters_[k].high
                                ? parameters_[k].step
                                : -parameters_[k].step;
        moved[k] += step;
        const std::optional<std::vector<double>> rk = evaluate(moved);
        if (!rk)
            return false;
        columns[k].resize(r.size());
        for (std::size_t i = 0; i < r.size(); ++i)
            columns[k][i] = ((*rk)[i] - r[i]) / step;
    }
    return true;
}

// A parameter the step would take across a bound is put on that bound and held there, and the
// others are solved again with it held: in a valley that runs out of the range they then move
// to where the valley meets the bound. Cutting the free step back to the bound instead leaves
// them where the step that crossed it assumed, often uphill; the fit then shortens its steps
// and creeps towards the bound without reaching it.
std::optional<std::vector<double>> Fit::boundedStep(const std::vector<double>& x, const Matrix& a,
                                                    const std::vector<double>& g,
                                                    double damping) const {
    const std::size_t n = x.size();
    std::vector<double> next = x;
    std::vector<bool> held(n, false);
    for (;;) {
        std::vector<std::size_t> free;
        for (std::size_t k = 0; k < n; ++k)
            if (!held[k])
                free.push_back(k);
        if (free.empty())
            return next;
        const std::size_t m = free.size();
        Matrix damped(m, std::vector<double>(m));
        std::vector<double> minusG(m);
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = 0; j < m; ++j)
                damped[i][j] = a[free[i]][free[j]];
            damped[i][i] *= 1 + damping;
            minusG[i] = -g[free[i]];
            for (std::size_t k = 0; k < n; ++k)
                if (held[k])
                    minusG[i] -= a[free[i]][k] * (next[k] - x[k]);
        }
        const std::optional<std::vector<double>> delta = solved(damped, minusG);
        if (!delta)
            return std::nullopt;
        bool crossed = false;
        for (std::size_t i = 0; i < m; ++i) {
            const std::size_t k = free[i];
            next[k] = x[k] + (*delta)[i];
            if (next[k] < parameters_[k].low || next[k] > parameters_[k].high) {
                next[k] = clamped(k, next[k]);
                held[k] = crossed = true;
            }
        }
        if (!crossed)
            return next;
    }
}

Matrix Fit::normalMatrix(const Matrix& columns) {
    Matrix a(columns.size(), std::vector<double>(columns.size()));
    for (std::size_t j = 0; j < columns.size(); ++j)
        for (std::size_t k = 0; k < columns.size(); ++k)
            for (std::size_t i = 0; i < columns[j].size(); ++i)
                a[j][k] += columns[j][i] * columns[k][i];
    return a;
}

std::vector<double> Fit::gradient(const Matrix& columns, const std::vector<double>& r) {
    std::vector<double> g(columns.size());
    for (std::size_t k = 0; k < columns.size(); ++k)
        for (std::size_t i = 0; i < r.size(); ++i)
            g[k] += columns[k][i] * r[i];
    return g;
}

LeastSquaresFit Fit::finished(Problem problem) {
    result_.problem = problem;
    return std::move(result_);
}

LeastSquaresFit Fit::run() {
    const std::size_t n = parameters_.size();
    for (std::size_t k = 0; k < n; ++k)
        result_.x.push_back(clamped(k, parameters_[k].start));
    r_ = evaluate(result_.x);
    if (!r_)
        return finished(Problem::Stopped);
    // The variance s² needs more points than parameters (its divisor is their difference).
    if (r_->size() <= n)
        return finished(Problem::Undetermined);
    result_.sumOfSquares = sumOfSquares(*r_);
    if (const std::optional<Problem> problem = descend())
        return finished(*problem);
    if (stopsAtBound())
        return finished(Problem::AtBound);
    return finished(withUncertainties());
}

std::optional<Fit::Problem> Fit::descend() {
    Matrix columns;
    for (int iteration = 0; iteration < maxIterations; ++iteration) {
        if (!jacobian(result_.x, *r_, columns))
            return Problem::Stopped;
        const Matrix a = normalMatrix(columns);
        const std::vector<double> g = gradient(columns, *r_);
        // Residuals so large that JᵀJ overflows give steps that are not numbers, which move no
        // parameter and would pass for convergence.
        if (!allFinite(a, g))
            return Problem::Stopped;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (!(a[k][k] > 0))
                return Problem::Undetermined;
        const StepOutcome step = dampedStep(a, g);
        if (step.problem || step.converged)
            return step.problem;
    }
    return Problem::NoConvergence;
}

// (JᵀJ + λ·diag(JᵀJ)) δ = −Jᵀr, with λ raised until the step lowers the sum.
Fit::StepOutcome Fit::dampedStep(const Matrix& a, const std::vector<double>& g) {
    for (;;) {
        const std::optional<std::vector<double>> next = boundedStep(result_.x, a, g, damping_);
        if (!next)
            return {false, Problem::Undetermined};
        if (!movesAny(*next))
            return {true, std::nullopt};
        std::optional<std::vector<double>> rNext = evaluate(*next);
        if (!rNext)
            return {false, Problem::Stopped};
        const double sumNext = sumOfSquares(*rNext);
        if (sumNext < result_.sumOfSquares) {
            result_.x = *next;
            r_ = std::move(rNext);
            result_.sumOfSquares = sumNext;
            damping_ = std::max(damping_ / 10, 1e-9);
            return {false, std::nullopt};
        }
        damping_ *= 10;
        if (damping_ > largestDamping)
            return {true, std::nullopt};
    }
}

bool Fit::movesAny(const std::vector<double>& next) const {
    for (std::size_t k = 0; k < next.size(); ++k)
        if (std::fabs(next[k] - result_.x[k]) > resolvedShare * parameters_[k].step)
            return true;
    return false;
}

// At a bound the unconstrained step led out of the range: the minimum lies beyond it. Closer
// to a bound than the fit resolves a parameter is on it.
bool Fit::stopsAtBound() {
    for (std::size_t k = 0; k < result_.x.size(); ++k) {
        const double resolution = resolvedShare * parameters_[k].step;
        const bool low = result_.x[k] - parameters_[k].low <= resolution;
        const bool high = parameters_[k].high - result_.x[k] <= resolution;
        if (low || high) {
            result_.boundParameter = k;
            result_.highBound = high;
            return true;
        }
    }
    return false;
}

// The standard errors from the curvature at the minimum: s²·(JᵀJ)⁻¹ on the diagonal.
Fit::Problem Fit::withUncertainties() {
    const std::size_t n = result_.x.size();
    Matrix columns;
    if (!jacobian(result_.x, *r_, columns))
        return Problem::Stopped;
    const Matrix a = normalMatrix(columns);
    const double variance = result_.sumOfSquares / static_cast<double>(r_->size() - n);
    for (std::size_t k = 0; k < n; ++k) {
        std::vector<double> unit(n);
        unit[k] = 1;
        const std::optional<std::vector<double>> column = solved(a, unit);
        if (!column)
            return Problem::Undetermined;
        result_.uncertainty.push_back(std::sqrt(variance * std::max(0.0, (*column)[k])));
    }
    return Problem::None;
}

} // namespace

LeastSquaresFit fitLeastSquares(const ResidualFunction& residuals,
                                const std::vector<FittedParameter>& parameters) {
    return Fit(residuals, parameters).run();
}
