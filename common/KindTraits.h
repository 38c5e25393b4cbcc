#pragma once
// What depends on the kind of sample, in one table that the computation, the calculation
// program, the batch run, the design and the viewer read: a kind added later is a row here, and
// the compiler names every switch to extend (the one that picks a solver class, and the ones
// over ChartKind and ResultFile).
//
// Thin kinds (foil, wire) are gridded whole from the first step. Their programmes and results
// are timed in seconds, and they write the mean carbon of the section instead of case depths
// and hardness profiles.

#include "Translatable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

// The four shapes of the dialog, and the wire, which only the computation knows (its files
// name it "Drut").
enum class SampleShape { SemiInfinite, Plate, Foil, Cylinder, Wire };

// The names passed on the command line and stored in the file; the windows show them in their
// language (shownShapeName, context "SampleShapes").
inline constexpr std::string_view semiInfiniteShapeName =
    QT_TRANSLATE_NOOP("SampleShapes", "Semi-infinitive sample");
inline constexpr std::string_view plateShapeName = QT_TRANSLATE_NOOP("SampleShapes", "Plate");
inline constexpr std::string_view foilShapeName = QT_TRANSLATE_NOOP("SampleShapes", "Foil");
inline constexpr std::string_view cylinderShapeName = QT_TRANSLATE_NOOP("SampleShapes", "Cylinder");
inline constexpr std::string_view wireShapeName = QT_TRANSLATE_NOOP("SampleShapes", "Drut");

// The chart windows a result set can open, one per file it shows.
enum class ChartKind {
    Temperature,
    Potential,
    Carbon,
    CaseDepth,
    Surface,
    Hardness,
    Mass,
    Mean,
    Austenite,
    Carbide
};

enum class TimeUnit { Hours, Seconds };

// What the size of a sample is: the semi-infinite sample has none.
enum class SampleSize { None, Thickness, Diameter };

// The files a run writes beside the main file (which holds the carbon profiles). The retained
// austenite is written only by a run whose hardness comes from its quench (a `quench:` line),
// the cementite profiles only by a run with carbides (`carbides: on`).
enum class ResultFile { Surface, Hardness, Mass, CaseDepth, Mean, Austenite, Carbide };

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
    case ResultFile::Austenite:
        return "aus";
    case ResultFile::Carbide:
        return "wgl";
    }
    return {};
}

// The size's name in messages: "thickness" or "diameter" (empty for none).
constexpr std::string_view sizeName(SampleSize size) {
    switch (size) {
    case SampleSize::None:
        return {};
    case SampleSize::Thickness:
        return "thickness";
    case SampleSize::Diameter:
        return "diameter";
    }
    return {};
}

struct KindTraits {
    SampleShape shape;
    std::string_view name;            // on the command line, in the file, in the window title
    std::string_view computationName; // the kind as the computation names it
    std::string_view polishName;      // a shape line of older files may hold it
    std::string_view englishName;     // in messages: "a foil test needs a foil or a wire"
    std::string_view scriptName;      // what a Python script calls it
    bool offered;                     // the viewer's menu and the calculation program start it
    bool thin;
    TimeUnit timeUnit; // of the stage times in the process-data file and of every result row
    SampleSize size;   // what the number after the shape line is
    // Volume per unit of surface as a share of the size (a plate's two faces: half its
    // thickness; a long cylinder: a quarter of its diameter); 0 where the sample has no size.
    double volumePerSurface;
    std::optional<double> largestSize; // mm, as the dialog accepts it
    bool design;                       // the programme design serves the kind
    bool foilTest;                     // a transfer coefficient can be fitted to a test on it
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

// The dialog's check: a thicker foil is no longer thin enough to take up carbon through its
// whole section in the seconds a foil test lasts.
inline constexpr double largestFoilThickness = 0.07; // mm

// In the order of SampleShape.
inline constexpr std::array<KindTraits, 5> table{{
    {SampleShape::SemiInfinite, semiInfiniteShapeName, "Gruba", "Próbka półnieskończona",
     "semi-infinite sample", "semi-infinite", true, false, TimeUnit::Hours, SampleSize::None, 0,
     std::nullopt, true, false, thickFiles, thickCharts},
    {SampleShape::Plate, plateShapeName, "Płyta", "Płyta", "plate", "plate", true, false,
     TimeUnit::Hours, SampleSize::Thickness, 0.5, std::nullopt, true, false, thickFiles,
     thickCharts},
    {SampleShape::Foil, foilShapeName, "Folia", "Folia", "foil", "foil", true, true,
     TimeUnit::Seconds, SampleSize::Thickness, 0.5, largestFoilThickness, false, true, thinFiles,
     thinCharts},
    {SampleShape::Cylinder, cylinderShapeName, "Walec", "Walec", "cylinder", "cylinder", true,
     false, TimeUnit::Hours, SampleSize::Diameter, 0.25, std::nullopt, true, false, thickFiles,
     thickCharts},
    {SampleShape::Wire, wireShapeName, "Drut", "Drut", "wire", "wire", false, true,
     TimeUnit::Seconds, SampleSize::Diameter, 0.25, std::nullopt, false, true, thinFiles,
     thinCharts},
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

inline constexpr std::span<const KindTraits> allKinds{kind_rows::table};

std::string_view shapeName(SampleShape shape);
// The names of the offered shapes exactly (case-sensitive), as the command line and the dialog
// use them.
std::optional<SampleShape> shapeFromName(std::string_view name);
// A shape line read from a file: any name of any kind, Polish ones in UTF-8 or Windows-1250.
std::optional<SampleShape> shapeFromLine(std::string_view line);

// Every file a set may have beside its main file, the files of earlier versions of the program
// ("ste", "grx", "roz") among them: a run deletes them all before it writes its own.
inline constexpr std::array<std::string_view, 10> setFileExtensions{
    "ste", "twa", "pow", "gru", "mas", "sre", "aus", "wgl", "grx", "roz"};
// The first eight of them are the files the user deletes with the set; "grx" and "roz" stay, as
// they always have.
inline constexpr std::span<const std::string_view> deletedSetFileExtensions =
    std::span(setFileExtensions).first<8>();
