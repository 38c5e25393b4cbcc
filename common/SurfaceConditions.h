#pragma once
// Every surface condition a stage can carry, described once: its word in process-data files,
// its label in the calculation form, what the potential chart draws over it, how the solver sets
// the surface, and which values belong to it. The readers, the writers, the form, the chart, the
// solver and the checks ask this table rather than the kind, so a condition added later is a
// row here, its form label in the translations and, only when it needs a boundary no row has
// yet, a case in the solver's surface step (Gruba::c0).

#include "Translatable.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// How carbon crosses the surface during a stage (the interval that ends at a stage row).
//   Gas:     J = β·(Cp − Cs), the atmosphere's potential ramping between rows.
//   Neutral: J = 0 (a neutral atmosphere or vacuum): carbon only redistributes inside.
//   Boost:   the surface is held at the saturation limit of austenite; with a flux limit J0,
//            J = J0 until the surface reaches that limit, then it is held there. A ceiling
//            ("limit C") holds the surface at C in place of the saturation limit: a steel whose
//            surface takes up carbon beyond it, with carbides, in a strong atmosphere.
enum class SurfaceCondition { Gas, Neutral, Boost };

// The plain condition: what a stage row without a word, the first row (which ends no stage) and
// a record without conditions mean. A programme of plain stages alone is a gas programme of at
// most ten rows, drawn as one line of the potential.
inline constexpr SurfaceCondition plainCondition = SurfaceCondition::Gas;

struct StageCondition {
    SurfaceCondition kind = plainCondition;
    std::optional<double> fluxLimit; // g/(m²·s), J0 of a limited boost; only with Boost
    std::optional<double> ceiling{}; // % C, the surface a boost holds; absent: saturation limit
    friend bool operator==(const StageCondition&, const StageCondition&) = default;
};

// What the surface is offered during a stage: the potential chart draws it, and the time step
// shrinks while the surface is far from it. A stage that offers nothing leaves a gap in the
// chart, and the time step compares the surface with its own carbon.
enum class Offer {
    Potential,  // the atmosphere's carbon potential, ramping between rows
    Saturation, // the saturation limit at the temperature (or the ceiling the stage holds)
};

// How the solver sets the surface during a stage.
enum class SurfaceBoundary {
    Atmosphere, // the flux from the atmosphere, J = β·(Cp − Cs)
    GivenFlux,  // the flux the stage sets: none, or its flux limit (fluxGhost)
    Held,       // held at its limit after each step (holdSurface), fed up to it by a flux limit
};

struct ConditionTraits {
    SurfaceCondition kind;
    std::string_view word; // in a stage row of a process-data file; the plain one is written bare
    const char* formLabel; // the form's choice, context "StageTable" (UTF-8, as QT_TRANSLATE_NOOP)
    std::optional<Offer> offer;
    SurfaceBoundary boundary;
    bool takesFluxLimit; // "boost J0": a flux limit may follow the word
    bool takesCeiling;   // "boost limit C": a ceiling may follow the word and the flux limit
};

namespace condition_rows {

// In the order of SurfaceCondition; the form offers them in this order.
inline constexpr std::array<ConditionTraits, 3> table{{
    {SurfaceCondition::Gas, "gas", QT_TRANSLATE_NOOP("StageTable", "gaz"), Offer::Potential,
     SurfaceBoundary::Atmosphere, false, false},
    {SurfaceCondition::Neutral, "neutral", QT_TRANSLATE_NOOP("StageTable", "obojętna"),
     std::nullopt, SurfaceBoundary::GivenFlux, false, false},
    {SurfaceCondition::Boost, "boost", QT_TRANSLATE_NOOP("StageTable", "nasycanie"),
     Offer::Saturation, SurfaceBoundary::Held, true, true},
}};

constexpr bool inConditionOrder() {
    for (std::size_t row = 0; row < table.size(); ++row)
        if (static_cast<std::size_t>(table[row].kind) != row)
            return false;
    return true;
}
static_assert(inConditionOrder(), "one row per SurfaceCondition, in its order");

} // namespace condition_rows

inline constexpr std::span<const ConditionTraits> allConditions{condition_rows::table};

constexpr const ConditionTraits& conditionTraits(SurfaceCondition kind) {
    return condition_rows::table[static_cast<std::size_t>(kind)];
}

constexpr bool isPlain(SurfaceCondition kind) {
    return kind == plainCondition;
}

// The condition a row's first word names; none for a word no condition has.
std::optional<SurfaceCondition> conditionNamed(std::string_view word);

// The conditions' words as a rule lists them: each word in quotes, then each word that takes a
// flux limit as `limited` spells it with one, the last after "or":
// "gas", "neutral", "boost" or "boost" with a flux limit in g/(m²·s).
std::string conditionChoices(const std::function<std::string(std::string_view word)>& limited);

// The conditions the low-pressure design builds its pulses of: a boost held at the saturation
// limit, or at `ceiling` where one is given, and a neutral diffusion.
constexpr StageCondition heldBoost(std::optional<double> ceiling) {
    return StageCondition{SurfaceCondition::Boost, std::nullopt, ceiling};
}
inline constexpr StageCondition neutralDiffusion{SurfaceCondition::Neutral, std::nullopt};
