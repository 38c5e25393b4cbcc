#include "RootFinding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxEvaluations = 60;

Root stopped() {
    return Root{Root::Problem::Stopped, 0, 0};
}

} // namespace

Root walkToBracket(const RootFunction& f, double x0, double f0, const NextPoint& next,
                   Bracket& bracket) {
    double x = x0, fx = f0;
    while (fx != 0) {
        const std::optional<double> nextX = next(x, fx);
        if (!nextX)
            return Root{Root::Problem::NoBracket, x, fx};
        const std::optional<double> nextF = f(*nextX);
        if (!nextF)
            return stopped();
        if ((*nextF > 0) != (fx > 0)) {
            bracket = {x, fx, *nextX, *nextF};
            return Root{Root::Problem::None, x, fx};
        }
        x = *nextX, fx = *nextF;
    }
    bracket = {x, fx, x, fx};
    return Root{Root::Problem::None, x, fx};
}

Root solveBracketed(const RootFunction& f, Bracket bracket, double xTolerance, double fTolerance) {
    double a = bracket.x0, fa = bracket.f0;
    double b = bracket.x1, fb = bracket.f1;
    Root best{Root::Problem::None, std::fabs(fa) < std::fabs(fb) ? a : b,
              std::fabs(fa) < std::fabs(fb) ? fa : fb};
    int lastKept = 0; // which end stayed in the previous step: −1 a, +1 b
    for (int evaluation = 0;; ++evaluation) {
        if (std::fabs(best.f) <= fTolerance || std::fabs(b - a) <= xTolerance)
            return best;
        if (evaluation == maxEvaluations) {
            best.problem = Root::Problem::NoConvergence;
            return best;
        }
        double x = (a * fb - b * fa) / (fb - fa);
        if (!(x > std::min(a, b) && x < std::max(a, b)))
            x = 0.5 * (a + b);
        const std::optional<double> fx = f(x);
        if (!fx)
            return stopped();
        if (std::fabs(*fx) < std::fabs(best.f))
            best = Root{Root::Problem::None, x, *fx};
        if ((*fx > 0) == (fb > 0)) {
            b = x, fb = *fx;
            if (lastKept == -1)
                fa /= 2; // the same end stayed twice: halve it so the next guess moves past it
            lastKept = -1;
        } else {
            a = x, fa = *fx;
            if (lastKept == 1)
                fb /= 2;
            lastKept = 1;
        }
    }
}

Root findRoot(const RootFunction& f, double x0, const NextPoint& next, double xTolerance,
              double fTolerance) {
    const std::optional<double> f0 = f(x0);
    if (!f0)
        return stopped();
    Bracket bracket{};
    const Root walked = walkToBracket(f, x0, *f0, next, bracket);
    if (walked.problem != Root::Problem::None || walked.f == 0)
        return walked;
    return solveBracketed(f, bracket, xTolerance, fTolerance);
}
