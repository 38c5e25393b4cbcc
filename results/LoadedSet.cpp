#include "LoadedSet.h"

#include "KindTraits.h"
#include "ProcessCheck.h"
#include "SeriesReaders.h"
#include "SetNames.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

FileStatus statusOf(ReadStatus read) {
    return read == ReadStatus::Whole ? FileStatus::Whole : FileStatus::Damaged;
}

std::optional<std::string> fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Reads the file `path` into `file` with `read`, which takes a stream and the series.
template <class Series, class Reader>
void loadFile(const std::string& path, FileSeries<Series>& file, Reader read) {
    const std::optional<std::string> text = fileText(path);
    if (!text)
        return;
    std::istringstream in(*text);
    file.status = statusOf(read(in, file.series));
}

} // namespace

bool LoadedSet::unfinished() const {
    const std::vector<double>& times = process.series.times;
    // A programme of one row ends where it begins: its run writes no profile.
    if (!shape || times.size() < 2)
        return false;
    const int profiles = carbon.series.profileCount();
    const bool ran = profiles > 0 || depths.status != FileStatus::Missing ||
                     surface.status != FileStatus::Missing ||
                     hardness.status != FileStatus::Missing || mass.status != FileStatus::Missing ||
                     mean.status != FileStatus::Missing;
    if (!ran)
        return false;
    if (profiles == 0)
        return true;
    // A profile's time carries five significant digits, the programme's six.
    constexpr double timeTolerance = 1e-4; // relative
    const double end = times.back();
    return std::abs(carbon.series.profileTime(profiles - 1) - end) > timeTolerance * std::abs(end);
}

bool LoadedSet::thin() const {
    return shape && kindTraits(*shape).timeUnit == TimeUnit::Seconds;
}

T_XY surfaceCarbon(const LoadedSet& set) {
    const XYSeries& rows = set.surface.series;
    const TWyniki& profiles = set.carbon.series;
    std::vector<std::pair<double, double>> points;
    for (std::size_t row = 0; row < rows.x().size(); ++row)
        points.emplace_back(rows.x()[row], rows.y()[row]);
    const auto written = [&rows](double time) {
        return std::ranges::find(rows.x(), time) != rows.x().end();
    };
    // Only within the rows: a profile beyond the last row (a run cut short) adds no line.
    const double lastRow = rows.x().empty() ? 0 : rows.x().back();
    for (int profile = 0; profile < profiles.profileCount(); ++profile) {
        const double time = profiles.profileTime(profile);
        if (!profiles.profile(profile).empty() && time < lastRow && !written(time))
            points.emplace_back(time, profiles.profile(profile).front());
    }
    std::ranges::stable_sort(points, {}, &std::pair<double, double>::first);
    T_XY drawn;
    for (const auto& [time, carbon] : points)
        drawn.append(time, carbon);
    return drawn;
}

T_New_XY meanCarbonContent(const LoadedSet& set) {
    const XYSeries& increase = set.mean.series.series;
    const double steelCarbon = set.process.series.steelCarbon;
    T_New_XY content;
    for (std::size_t row = 0; row < increase.x().size(); ++row)
        content.append(increase.x()[row], increase.y()[row] + steelCarbon);
    return content;
}

namespace {

std::optional<AsRunRecord> asRunRecordOf(const std::string& setName) {
    const std::optional<std::string> text = fileText(asRunRecordName(setName));
    return text ? readAsRunRecord(*text).record : std::nullopt;
}

} // namespace

LoadedSet loadSet(const std::string& setName) {
    LoadedSet set;
    set.name = setName;
    set.asRun = asRunRecordOf(setName);
    if (const std::optional<std::string> main = fileText(setName)) {
        std::istringstream potential(*main);
        set.process.status = statusOf(readPotentialFile(potential, set.process.series));
        std::istringstream temperature(*main);
        TDane head;
        const ShapeRead shapeRead = readTemperatureFile(temperature, head);
        set.shapeStatus = statusOf(shapeRead.status);
        set.shape = shapeRead.shape;
        std::istringstream carbon(*main);
        const ShapeRead carbonRead = readCarbonFile(carbon, set.carbon.series);
        set.carbon.status = statusOf(carbonRead.status);
        set.thickness = carbonRead.thickness;
        const RowLimit limit = set.asRun ? RowLimit::None : RowLimit::Form;
        if (const HeadReading strict = readProcessHead(*main, limit); strict.head)
            set.settings = strict.head->settings;
        if (set.asRun && set.asRun->rows.size() != set.process.series.times.size())
            set.asRun.reset();
    }
    const auto file = [&setName](const char* extension) {
        return resultFileName(setName, extension);
    };
    loadFile(file("gru"), set.depths,
             [](std::istream& in, TGrubosc& depths) { return readDepthFile(in, depths); });
    loadFile(file("pow"), set.surface, readSurfaceFile);
    loadFile(file("twa"), set.hardness, readHardnessFile);
    loadFile(file("aus"), set.austenite, readHardnessFile);
    loadFile(file("wgl"), set.carbide, readHardnessFile);
    const auto readXY = [](std::istream& in, XYFile& xy) {
        return readXYFile(in, xy.captions, xy.scale, xy.series);
    };
    loadFile(file("mas"), set.mass, readXY);
    loadFile(file("sre"), set.mean, readXY);
    return set;
}

std::vector<ChartKind> setCharts(const LoadedSet& set, SampleShape shape) {
    const std::span<const ChartKind> ofKind = kindTraits(shape).charts;
    std::vector<ChartKind> charts(ofKind.begin(), ofKind.end());
    if (set.austenite.status != FileStatus::Missing)
        charts.push_back(ChartKind::Austenite);
    if (set.carbide.status != FileStatus::Missing)
        charts.push_back(ChartKind::Carbide);
    return charts;
}
