#include "LeastSquares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::vector<double> times{0, 0.5, 1, 1.5, 2, 3, 4};

// Residuals of the model a + b·t against `y`.
ResidualFunction straightLine(const std::vector<double>& y) {
    return [y](const std::vector<double>& x) -> std::optional<std::vector<double>> {
        std::vector<double> r;
        for (std::size_t i = 0; i < times.size(); ++i)
            r.push_back(y[i] - (x[0] + x[1] * times[i]));
        return r;
    };
}

} // namespace

// A straight line is solved exactly by one Gauss–Newton step, and its standard errors are the
// textbook ones of linear regression.
TEST(LeastSquares, StraightLineGivesTheRegressionAndItsStandardErrors) {
    const std::vector<double> y{1.1, 1.4, 2.1, 2.4, 3.05, 3.9, 5.2};
    const LeastSquaresFit fit =
        fitLeastSquares(straightLine(y), {{0, -10, 10, 1e-3}, {0, -10, 10, 1e-3}});
    ASSERT_EQ(fit.problem, LeastSquaresFit::Problem::None);

    const double n = static_cast<double>(times.size());
    double tMean = 0, yMean = 0;
    for (std::size_t i = 0; i < times.size(); ++i)
        tMean += times[i] / n, yMean += y[i] / n;
    double stt = 0, sty = 0;
    for (std::size_t i = 0; i < times.size(); ++i) {
        stt += (times[i] - tMean) * (times[i] - tMean);
        sty += (times[i] - tMean) * (y[i] - yMean);
    }
    const double b = sty / stt, a = yMean - b * tMean;
    double sse = 0;
    for (std::size_t i = 0; i < times.size(); ++i)
        sse += std::pow(y[i] - a - b * times[i], 2);
    const double s2 = sse / (n - 2);

    // The fit stops once no parameter moves by a hundredth of its step; the Jacobian of a
    // linear model is exact up to rounding, and with it the standard errors.
    constexpr double resolution = 1e-5;
    constexpr double tolerance = 1e-7;
    EXPECT_NEAR(fit.x[0], a, resolution);
    EXPECT_NEAR(fit.x[1], b, resolution);
    EXPECT_NEAR(fit.sumOfSquares, sse, tolerance);
    ASSERT_EQ(fit.uncertainty.size(), 2u);
    EXPECT_NEAR(fit.uncertainty[0], std::sqrt(s2 * (1 / n + tMean * tMean / stt)), tolerance);
    EXPECT_NEAR(fit.uncertainty[1], std::sqrt(s2 / stt), tolerance);
}

TEST(LeastSquares, FindsTheDecayOfAnExponential) {
    const ResidualFunction decay = [](const std::vector<double>& x) {
        std::vector<double> r;
        for (double t : times)
            r.push_back(2 * std::exp(-0.7 * t) - x[0] * std::exp(-x[1] * t));
        return std::optional<std::vector<double>>(r);
    };
    const LeastSquaresFit fit = fitLeastSquares(decay, {{1, 0, 10, 1e-4}, {0.2, 0, 5, 1e-4}});
    ASSERT_EQ(fit.problem, LeastSquaresFit::Problem::None);
    // The fit stops once no parameter moves by a hundredth of its step.
    EXPECT_NEAR(fit.x[0], 2, 1e-5);
    EXPECT_NEAR(fit.x[1], 0.7, 1e-5);
    EXPECT_LT(fit.evaluations, 60);
}

namespace {

struct BeyondBoundCase {
    const char* name;
    double spread; // of the abscissae 1 + spread·t: the smaller, the more a and b trade off
    double start;  // of the slope; the intercept starts on the valley of the sum
};

void PrintTo(const BeyondBoundCase& row, std::ostream* out) {
    *out << row.name;
}

class MinimumBeyondABound : public testing::TestWithParam<BeyondBoundCase> {};

} // namespace

// The line y = 1 + s fitted with its slope bounded to 0.5: the fit must end with the slope on
// that bound, and the intercept where the sum is least along it, 1 + 0.5·mean(s). With the
// abscissae close together, far from zero, the sum is a long narrow valley across the bound.
TEST_P(MinimumBeyondABound, IsReportedOnTheBound) {
    const double spread = GetParam().spread;
    std::vector<double> s;
    double sMean = 0;
    for (double t : times) {
        s.push_back(1 + spread * t);
        sMean += s.back() / static_cast<double>(times.size());
    }
    const ResidualFunction line = [s](const std::vector<double>& x) {
        std::vector<double> r;
        for (double si : s)
            r.push_back(1 + si - (x[0] + x[1] * si));
        return std::optional<std::vector<double>>(r);
    };
    const LeastSquaresFit fit = fitLeastSquares(
        line, {{2 - GetParam().start, -10, 10, 1e-3}, {GetParam().start, -1, 0.5, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::AtBound);
    EXPECT_EQ(fit.boundParameter, 1u);
    EXPECT_TRUE(fit.highBound);
    EXPECT_EQ(fit.x[1], 0.5);
    EXPECT_NEAR(fit.x[0], 1 + 0.5 * sMean, 1e-5); // a hundredth of the step
    EXPECT_LT(fit.evaluations, 40);
}

INSTANTIATE_TEST_SUITE_P(LeastSquares, MinimumBeyondABound,
                         testing::Values(BeyondBoundCase{"Spread", 1, 0},
                                         BeyondBoundCase{"Bunched", 0.001, 0},
                                         BeyondBoundCase{"BunchedFromNearTheBound", 0.001, 0.4}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LeastSquares, StopsWhenTheResidualsCannotBeComputed) {
    int calls = 0;
    const ResidualFunction failing = [&](const std::vector<double>& x) {
        return ++calls < 3 ? std::optional<std::vector<double>>({x[0] - 1, x[0] - 2, x[0] - 3})
                           : std::nullopt;
    };
    const LeastSquaresFit fit = fitLeastSquares(failing, {{0, -1, 1, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::Stopped);
    EXPECT_EQ(fit.evaluations, 3);
}

TEST(LeastSquares, AParameterTheResidualsIgnoreIsUndetermined) {
    const ResidualFunction ignoresSecond = [](const std::vector<double>& x) {
        return std::optional<std::vector<double>>({x[0] - 1, x[0] - 2, x[0] - 3});
    };
    const LeastSquaresFit fit =
        fitLeastSquares(ignoresSecond, {{0, -5, 5, 1e-3}, {0, -5, 5, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::Undetermined);
}

namespace {

struct NonFiniteCase {
    const char* name;
    double value;
};

class NonFiniteResiduals : public testing::TestWithParam<NonFiniteCase> {};

} // namespace

// A residual that is not a number compares false with everything: a fit that took it for a sum
// of squares no step could lower would damp its steps until they vanish and call that a minimum.
TEST_P(NonFiniteResiduals, StopTheFitInsteadOfConverging) {
    const double value = GetParam().value;
    // Finite below 0.5 only: the first step, towards 3, lands where the model has no value.
    const ResidualFunction breaksDown = [value](const std::vector<double>& x) {
        const double r = x[0] < 0.5 ? x[0] - 3 : value;
        return std::optional<std::vector<double>>({r, r, r});
    };
    const LeastSquaresFit fit = fitLeastSquares(breaksDown, {{0, -5, 5, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::Stopped);
    EXPECT_TRUE(fit.uncertainty.empty());
}

TEST_P(NonFiniteResiduals, AtTheStartStopTheFit) {
    const double value = GetParam().value;
    const ResidualFunction never = [value](const std::vector<double>&) {
        return std::optional<std::vector<double>>({value, 1.0, 2.0});
    };
    const LeastSquaresFit fit = fitLeastSquares(never, {{0, -5, 5, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::Stopped);
    EXPECT_EQ(fit.evaluations, 1);
}

INSTANTIATE_TEST_SUITE_P(LeastSquares, NonFiniteResiduals,
                         testing::Values(NonFiniteCase{"NaN", std::nan("")},
                                         NonFiniteCase{"Infinite", HUGE_VAL},
                                         NonFiniteCase{"MinusInfinite", -HUGE_VAL},
                                         // Finite, but its square is not.
                                         NonFiniteCase{"SquareOverflows", 1e200}),
                         [](const auto& row) { return std::string(row.param.name); });

// Residuals whose sum of squares is finite while JᵀJ overflows: the step is not a number, moves
// no parameter, and must not be taken for convergence at a point that is no minimum.
TEST(LeastSquares, ANormalMatrixThatOverflowsStopsTheFit) {
    const ResidualFunction steep = [](const std::vector<double>& x) {
        const double r = 1e150 + 1e156 * x[0];
        return std::optional<std::vector<double>>({r, r, r});
    };
    const LeastSquaresFit fit = fitLeastSquares(steep, {{0, -5, 5, 1e-3}});
    EXPECT_EQ(fit.problem, LeastSquaresFit::Problem::Stopped);
    EXPECT_TRUE(fit.uncertainty.empty());
}

// As many residuals as parameters leave no degree of freedom for the variance s², and fewer
// would make its divisor (points − parameters) negative: the standard errors are undetermined.
TEST(LeastSquares, NoMoreResidualsThanParametersAreUndetermined) {
    const ResidualFunction onePoint = [](const std::vector<double>& x) {
        return std::optional<std::vector<double>>(std::vector<double>{x[0] + x[1] - 3});
    };
    const LeastSquaresFit two = fitLeastSquares(onePoint, {{0, -5, 5, 1e-3}, {0, -5, 5, 1e-3}});
    EXPECT_EQ(two.problem, LeastSquaresFit::Problem::Undetermined);
    EXPECT_TRUE(two.uncertainty.empty());

    const ResidualFunction exact = [](const std::vector<double>& x) {
        return std::optional<std::vector<double>>(std::vector<double>{x[0] - 3});
    };
    const LeastSquaresFit one = fitLeastSquares(exact, {{0, -5, 5, 1e-3}});
    EXPECT_EQ(one.problem, LeastSquaresFit::Problem::Undetermined);
    EXPECT_TRUE(one.uncertainty.empty());
}
