#include "HardnessReport.h"

#include "HardnessScale.h"
#include "ProcessCheck.h"
#include "ProfileMeasures.h"
#include "RunHardness.h"
#include "SetNames.h"

#include <algorithm>
#include <cstdarg>
#include <optional>

namespace {

constexpr double mmPerInch = 25.4;
constexpr double eutectoidCarbon = 0.8; // % C, the carbon of a carburized surface

// printf-style formatting into a string (the C locale's numbers: the batch never sets another).
[[gnu::format(printf, 2, 3)]] void add(std::string& text, const char* format, ...) {
    char line[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    text += line;
}

void addNotes(std::string& text, const std::string& path, const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        add(text, "%s: note: %s\n", path.c_str(), note.c_str());
}

void addDepth(std::string& text, const std::string& path, const CaseHardness& hardness,
              double limit) {
    std::vector<double> depth(hardness.depth.size());
    std::transform(hardness.depth.begin(), hardness.depth.end(), depth.begin(),
                   [](double micrometres) { return micrometres * 0.001; });
    if (const std::optional<double> chd = hardnessCaseDepth(depth, hardness.hv, limit))
        add(text, "%s: case-hardening depth %.3f mm at %.0f HV\n", path.c_str(), *chd, limit);
    else if (std::none_of(hardness.hv.begin(), hardness.hv.end(),
                          [limit](double hv) { return hv >= limit; }))
        add(text, "%s: no case-hardening depth: the case does not reach %.0f HV\n", path.c_str(),
            limit);
    else
        add(text,
            "%s: no case-hardening depth: the hardness stays at %.0f HV or above to the end of "
            "the case\n",
            path.c_str(), limit);
}

} // namespace

std::string hardnessReport(const std::string& path, const CaseHardness& hardness, double limit) {
    std::string text;
    addDepth(text, path, hardness, limit);
    if (!hardness.fromQuench)
        return text;
    if (!hardness.hv.empty() && hardness.coreHv)
        add(text, "%s: surface hardness %.0f HV, core hardness %.0f HV\n", path.c_str(),
            hardness.hv.front(), *hardness.coreHv);
    if (!hardness.austenite.empty())
        add(text, "%s: retained austenite %.1f %% at the surface\n", path.c_str(),
            hardness.austenite.front());
    if (hardness.surfaceMsC)
        add(text, "%s: Ms %.0f °C at the surface\n", path.c_str(), *hardness.surfaceMsC);
    addNotes(text, path, hardness.notes);
    return text;
}

std::string hardenabilityReport(const std::string& path, const SteelChemistry& steel) {
    RangeNotes notes;
    std::string text;
    const double di = idealCriticalDiameter(steel, notes);
    add(text, "%s: ideal critical diameter %.1f mm (%.2f in)\n", path.c_str(), di * mmPerInch, di);
    add(text, "%s: Jominy curve, distance from the quenched end and hardness:\n", path.c_str());
    for (const double mm : jominyDistances) {
        const double hrc = jominyHardness(steel, mm, notes);
        add(text, "  %4g mm  %4.1f HRC  %3.0f HV\n", mm, hrc, hvFromHrc(hrc));
    }
    SteelChemistry surface = steel;
    surface.c = eutectoidCarbon;
    add(text, "%s: Ms of the core %.0f °C, of %.1f %% C %.0f °C\n", path.c_str(),
        martensiteStart(steel, notes), eutectoidCarbon, martensiteStart(surface, notes));
    addNotes(text, path, notes.notes());
    return text;
}

int runHardenabilityCommand(const std::vector<std::string>& words) {
    if (words.size() != 1) {
        std::fputs("tavcalc: --hardenability needs one set: tavcalc --hardenability SET.tav\n",
                   stderr);
        return 2;
    }
    const std::string path = commandLineName(words.front());
    const std::optional<std::string> text = wholeFile(path);
    if (!text) {
        std::fprintf(stderr, "tavcalc: %s: cannot be opened\n", path.c_str());
        return 1;
    }
    const HeadReading reading = readCheckedProcessHead(*text);
    if (!reading.head) {
        std::fprintf(stderr, "tavcalc: %s: %s %s\n", path.c_str(), reading.problem.field.c_str(),
                     reading.problem.rule.c_str());
        return 1;
    }
    const TDane& data = reading.head->data;
    const std::vector<double> sklad(data.alloy.begin(), data.alloy.end());
    const SteelChemistry steel =
        steelChemistry(data.steelCarbon, sklad, reading.head->settings.chemistry);
    std::fputs(hardenabilityReport(path, steel).c_str(), stdout);
    return 0;
}
