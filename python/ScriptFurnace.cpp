#include "ScriptFurnace.h"

#include "Atmosphere.h"
#include "ScriptErrors.h"
#include "ScriptProcess.h"

#include "Interrupt.h"

#include <cstdio>

namespace {

std::string keyword(ReadingField field) {
    std::string word(fieldWord(field));
    for (char& letter : word)
        if (letter == '-')
            letter = '_';
    return word;
}

double fieldValue(const FurnaceReading& reading, ReadingField field) {
    switch (field) {
    case ReadingField::Temperature:
        return reading.celsius;
    case ReadingField::CO:
        return reading.co;
    case ReadingField::H2:
        return reading.h2;
    case ReadingField::ProcessFactor:
        return reading.processFactor.value_or(0);
    case ReadingField::Probe:
    case ReadingField::DewPoint:
    case ReadingField::CarbonDioxide:
    case ReadingField::Carbon:
        break;
    }
    return reading.value;
}

} // namespace

Potential furnacePotential(double temperature, std::optional<double> probe,
                           std::optional<double> dewPoint, std::optional<double> co2,
                           std::optional<double> carbon, double co, double h2,
                           std::optional<double> processFactor, const Process* process) {
    FurnaceReading reading{temperature, ReadingKind::Probe, 0, co, h2, processFactor};
    int given = 0;
    for (const auto& [value, kind] :
         {std::pair{probe, ReadingKind::Probe}, std::pair{dewPoint, ReadingKind::DewPoint},
          std::pair{co2, ReadingKind::CarbonDioxide}, std::pair{carbon, ReadingKind::Carbon}})
        if (value) {
            ++given;
            reading.kind = kind;
            reading.value = *value;
        }
    if (given != 1)
        throw ProcessError("potential() needs one reading: probe, dew_point, co2 or carbon");
    if (processFactor && reading.kind != ReadingKind::Probe && reading.kind != ReadingKind::Carbon)
        throw ProcessError("process_factor goes with probe or carbon");
    const AtmosphereReading read = readAtmosphere(reading);
    if (!read.state) {
        char value[32];
        std::snprintf(value, sizeof value, "%g", fieldValue(reading, read.refusal->field));
        throw ProcessError(keyword(read.refusal->field) + "=" + value + ": " + read.refusal->rule);
    }
    Potential potential{*read.state, std::nullopt, std::nullopt};
    if (process) {
        potential.alloyFactor = alloyFactor(process->record.data.alloy);
        potential.surfaceCarbon = steelSurfaceCarbon(*read.state, *potential.alloyFactor);
    }
    return potential;
}

Replayed replayLoad(const Process& plan, const std::string& logPath, const LogDefaults& defaults) {
    const std::optional<std::string> text = wholeFile(logPath);
    if (!text)
        throw ProcessError(logPath + ": cannot be opened");
    const LogReading reading = readFurnaceLog(*text, defaults);
    if (!reading.log)
        throw ProcessError(logPath + ": " + refusalText(*reading.refusal));
    AsRunBuild build = asRunProcess(plan.record, *reading.log);
    if (!build.asRun)
        throw ProcessError(logPath + ": " + refusalText(*build.refusal));
    const AsRun& asRun = *build.asRun;
    Process asRunProcess(asRun.process);
    Result result = interruptible([&](RunObserver& observer) {
        return runInMemory(asRunProcess, observer, asRun.stageEnds);
    });
    Result planned = interruptible([&](RunObserver& observer) {
        return runInMemory(Process(asWritten(plan.record)), observer);
    });
    return Replayed{std::move(asRunProcess),    std::move(result),      std::move(planned),
                    bandReport(asRun),          asRun.setpointFromPlan, asRun.warnings,
                    reading.log->ignoredColumns};
}
