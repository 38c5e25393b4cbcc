#include "DesignChecks.h"

#include "KindTraits.h"
#include "ProcessCheck.h"
#include "TrialSupport.h"

std::optional<std::string> sharedInputProblem(const SharedTargets& t) {
    if (auto shape = designRefusesShape(t.steel.shape))
        return shape;
    if (!(t.celsius >= minTemperatureC && t.celsius <= maxTemperatureC))
        return "carburizing temperature " + numberText(t.celsius) +
               " °C: must be from 700 to 1200 °C";
    if (!(t.depth > 0))
        return t.depthName + " " + numberText(t.depth) + " mm: must be greater than 0 mm";
    if (!t.hardening)
        return std::nullopt;
    const HardeningStage& hardening = *t.hardening;
    if (!(hardening.celsius >= minTemperatureC && hardening.celsius <= maxTemperatureC))
        return "hardening temperature " + numberText(hardening.celsius) +
               " °C: must be from 700 to 1200 °C";
    // The stage cools the part from the carburizing temperature to the quench; above it the
    // programme would heat instead.
    if (hardening.celsius > t.celsius)
        return "hardening temperature " + numberText(hardening.celsius) +
               " °C: above the carburizing temperature " + numberText(t.celsius) +
               " °C, from which the part is cooled for hardening";
    if (!(hardening.hours > 0))
        return "hardening time " + numberText(hardening.hours) + " h: must be greater than 0";
    return std::nullopt;
}

std::optional<std::string> depthBeyondSample(const SharedTargets& t) {
    const KindTraits& kind = kindTraits(t.steel.shape);
    if (kind.size == SampleSize::None || t.depth < t.steel.thickness / 2)
        return std::nullopt;
    const bool round = kind.size == SampleSize::Diameter;
    return t.depthName + " " + numberText(t.depth) + " mm: beyond the " +
           (round ? "radius " : "half-thickness ") + numberText(t.steel.thickness / 2) +
           " mm of the " + std::string(kind.englishName);
}
