#pragma once
// What depends on the kind of sample, in one table that the computation, the batch run and the
// viewer read: a kind added later is a row here, and the compiler names every switch to extend.
//
// Thin kinds (foil, wire) are gridded whole from the first step. Their programmes and results
// are timed in seconds, and they write the mean carbon of the section instead of case depths
// and hardness profiles.

#include "ProcessData.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The chart windows a result set can open, one per file it shows.
enum class ChartKind { Temperature, Potential, Carbon, CaseDepth, Surface, Hardness, Mass, Mean };

enum class TimeUnit { Hours, Seconds };

// The files a run writes beside the main file (which holds the carbon profiles).
enum class ResultFile { Surface, Hardness, Mass, CaseDepth, Mean };

constexpr std::string_view extension(ResultFile file) {
    switch (file) {
    case ResultFile::Surface:
        return "pow";
    case ResultFile::Hardness:
        return "twa";
    case ResultFile::Mass:
        return "mas";
    case ResultFile::CaseDepth:
        return "gru";
    case ResultFile::Mean:
        return "sre";
    }
    return {};
}

struct KindTraits {
    SampleShape shape;
    std::string_view computationName; // the kind as the computation names it
    bool thin;
    TimeUnit timeUnit; // of the stage times in the process-data file and of every result row
    std::span<const ResultFile> resultFiles;
    // The windows a set of the kind opens, in the order they are built.
    std::span<const ChartKind> charts;
};

namespace kind_rows {

inline constexpr std::array<ResultFile, 4> thickFiles{ResultFile::Surface, ResultFile::Hardness,
                                                      ResultFile::Mass, ResultFile::CaseDepth};
inline constexpr std::array<ResultFile, 3> thinFiles{ResultFile::Surface, ResultFile::Mass,
                                                     ResultFile::Mean};

inline constexpr std::array<ChartKind, 7> thickCharts{
    ChartKind::Temperature, ChartKind::Potential, ChartKind::Carbon, ChartKind::CaseDepth,
    ChartKind::Surface,     ChartKind::Hardness,  ChartKind::Mass};
inline constexpr std::array<ChartKind, 6> thinCharts{ChartKind::Temperature, ChartKind::Potential,
                                                     ChartKind::Carbon,      ChartKind::Surface,
                                                     ChartKind::Mass,        ChartKind::Mean};

// In the order of SampleShape.
inline constexpr std::array<KindTraits, 5> table{{
    {SampleShape::SemiInfinite, "Gruba", false, TimeUnit::Hours, thickFiles, thickCharts},
    {SampleShape::Plate, "Płyta", false, TimeUnit::Hours, thickFiles, thickCharts},
    {SampleShape::Foil, "Folia", true, TimeUnit::Seconds, thinFiles, thinCharts},
    {SampleShape::Cylinder, "Walec", false, TimeUnit::Hours, thickFiles, thickCharts},
    {SampleShape::Wire, "Drut", true, TimeUnit::Seconds, thinFiles, thinCharts},
}};

constexpr bool inShapeOrder() {
    for (std::size_t row = 0; row < table.size(); ++row)
        if (static_cast<std::size_t>(table[row].shape) != row)
            return false;
    return true;
}
static_assert(inShapeOrder(), "one row per SampleShape, in its order");

} // namespace kind_rows

constexpr const KindTraits& kindTraits(SampleShape shape) {
    return kind_rows::table[static_cast<std::size_t>(shape)];
}

// Every file a set may have beside its main file, the files of earlier versions of the program
// ("ste", "grx", "roz") among them: a run deletes them all before it writes its own.
inline constexpr std::array<std::string_view, 8> setFileExtensions{"ste", "twa", "pow", "gru",
                                                                   "mas", "sre", "grx", "roz"};
