#include "PotentialCommand.h"

#include "Atmosphere.h"
#include "CommandOptions.h"
#include "FurnaceReading.h"

#include <array>
#include <cstdio>

namespace {

constexpr int refusedStatus = 2;
constexpr int unusableStatus = 1;

struct ReadingOption {
    const char* name;
    ReadingKind kind;
};

constexpr std::array<ReadingOption, 4> readingOptions = {{{"--probe", ReadingKind::Probe},
                                                          {"--dew-point", ReadingKind::DewPoint},
                                                          {"--co2", ReadingKind::CarbonDioxide},
                                                          {"--carbon", ReadingKind::Carbon}}};

std::string optionName(ReadingField field) {
    return "--" + std::string(fieldWord(field));
}

// The value a field takes when its option is not given (only the gas has defaults).
std::string defaultText(ReadingField field) {
    char text[32];
    std::snprintf(text, sizeof text, "%g (the default)",
                  field == ReadingField::CO ? defaultCO : defaultH2);
    return text;
}

// The reading the options give, or the problem with them (printed with the usage).
std::optional<FurnaceReading> optionReading(const Options& options, std::string& problem) {
    std::optional<double> temperature, co, h2, processFactor;
    if (!numberOption(options, "--temperature", temperature, problem) ||
        !numberOption(options, "--co", co, problem) ||
        !numberOption(options, "--h2", h2, problem) ||
        !numberOption(options, "--process-factor", processFactor, problem))
        return std::nullopt;
    FurnaceReading reading;
    int given = 0;
    for (const ReadingOption& option : readingOptions) {
        std::optional<double> value;
        if (!numberOption(options, option.name, value, problem))
            return std::nullopt;
        if (value) {
            ++given;
            reading.kind = option.kind;
            reading.value = *value;
        }
    }
    if (!temperature)
        problem = "--potential needs --temperature";
    else if (given != 1)
        problem = "--potential needs one reading: --probe, --dew-point, --co2 or --carbon";
    else if (processFactor && reading.kind != ReadingKind::Probe &&
             reading.kind != ReadingKind::Carbon)
        problem = "--process-factor goes with --probe or --carbon";
    if (!problem.empty())
        return std::nullopt;
    reading.celsius = *temperature;
    reading.co = co.value_or(defaultCO);
    reading.h2 = h2.value_or(defaultH2);
    reading.processFactor = processFactor;
    return reading;
}

void printState(const FurnaceReading& reading, const AtmosphereState& state) {
    if (!state.potential) {
        std::printf("carbon activity %.4f\n", state.activity);
        std::printf("soot: the atmosphere deposits soot (carbon activity at or above 1); no "
                    "carbon potential (soot limit %.3f %% C at %g °C)\n",
                    sootLimitCarbon(state.kelvin), reading.celsius);
        return;
    }
    std::printf("carbon potential %.3f %% C\ncarbon activity %.4f\n", *state.potential,
                state.activity);
    if (reading.kind != ReadingKind::Probe)
        std::printf("probe %.1f mV\n", state.probe);
    if (reading.kind != ReadingKind::DewPoint)
        std::printf("dew point %.2f °C\n", state.dewPoint);
    if (reading.kind != ReadingKind::CarbonDioxide)
        std::printf("CO2 %.4f %%\n", state.carbonDioxide);
}

void printSteel(const ReadFile& file, const AtmosphereState& state) {
    const double q = alloyFactor(file.head->data.alloy);
    if (const std::optional<double> carbon = steelSurfaceCarbon(state, q))
        std::printf("surface carbon %.3f %% C in the steel of %s (alloy factor Q %.4f)\n", *carbon,
                    file.path.c_str(), q);
    else
        std::printf("surface carbon: none, the gas soots (alloy factor Q %.4f of %s)\n", q,
                    file.path.c_str());
}

} // namespace

int runPotentialCommand(const std::vector<std::string>& words) {
    const Options options = parseOptions(words,
                                         {"--temperature", "--probe", "--dew-point", "--co2",
                                          "--carbon", "--co", "--h2", "--process-factor", "--set"},
                                         LeadingFile::None);
    if (!options.problem.empty())
        return usageError(options.problem);
    std::string problem;
    const std::optional<FurnaceReading> reading = optionReading(options, problem);
    if (!reading)
        return usageError(problem);
    const AtmosphereReading read = readAtmosphere(*reading);
    if (!read.state) {
        const std::string name = optionName(read.refusal->field);
        const auto given = options.values.find(name);
        const std::string value =
            given != options.values.end() ? given->second : defaultText(read.refusal->field);
        std::fprintf(stderr, "tavcalc: %s %s: %s\n", name.c_str(), value.c_str(),
                     read.refusal->rule.c_str());
        return refusedStatus;
    }
    std::optional<ReadFile> steel;
    if (const auto set = options.values.find("--set"); set != options.values.end()) {
        steel = readHead(set->second);
        if (!steel->head)
            return unusableStatus;
    }
    printState(*reading, *read.state);
    if (steel)
        printSteel(*steel, *read.state);
    return 0;
}
