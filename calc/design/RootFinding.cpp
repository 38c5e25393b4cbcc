#include "RootFinding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int maxEvaluations = 60;

} // namespace

std::optional<double> solveBracketed(const std::function<std::optional<double>(double)>& f,
                                     Bracket bracket, double xTolerance, double fTolerance) {
    double a = bracket.x0, fa = bracket.f0;
    double b = bracket.x1, fb = bracket.f1;
    double best = std::fabs(fa) < std::fabs(fb) ? a : b;
    double bestF = std::min(std::fabs(fa), std::fabs(fb));
    int lastKept = 0; // which end stayed in the previous step: −1 a, +1 b
    for (int evaluation = 0; evaluation < maxEvaluations; ++evaluation) {
        if (bestF <= fTolerance || std::fabs(b - a) <= xTolerance)
            break;
        double x = (a * fb - b * fa) / (fb - fa);
        if (!(x > std::min(a, b) && x < std::max(a, b)))
            x = 0.5 * (a + b);
        const std::optional<double> fx = f(x);
        if (!fx)
            return std::nullopt;
        if (std::fabs(*fx) < bestF) {
            best = x;
            bestF = std::fabs(*fx);
        }
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
    return best;
}
