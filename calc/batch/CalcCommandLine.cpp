#include "CalcCommandLine.h"

#include "CommandUsage.h"
#include "WindowSystem.h"

namespace {

constexpr UsageLine calcUsageLines[] = {
    {"tavcalc SHAPE", "the calculation window for SHAPE: \"Semi-infinitive sample\", \"Plate\", "
                      "\"Foil\" or \"Cylinder\""},
    {"tavcalc --run SET.tav ...",
     "computes process-data files without a window; Ctrl-C cancels; status 0 only when all ran"},
    {"  --chd-limit HV", "the hardness of the case-hardening depth printed after a run (550)"},
    {"tavcalc --design SET.tav --depth MM",
     "designs the furnace programme for a case depth on SET's steel, shape and size"},
    {"  --level PCT  --surface PCT", "carbon that defines the depth (0.35); surface at the end"},
    {"  --chd MM  --chd-limit HV", "instead of --depth: case-hardening depth at 550 HV (or HV)"},
    {"  --diffuse PCT  --boost PCT", "diffuse potential (the surface); boost (SET's first row)"},
    {"  --temperature DEGC  --step H", "carburizing (SET's first row); furnace timer (0.01 h)"},
    {"  --hardening DEGC --hardening-time H", "a last stage down to the hardening temperature"},
    {"  -o OUT.tav", "the programme's file (SET-design.tav); status 2: a target cannot be met"},
    {"tavcalc --design SET.tav --low-pressure --depth MM --surface PCT",
     "designs boost and neutral diffusion pulses of low-pressure carburizing, printed as a table"},
    {"  --min-boost S",
     "the shortest boost (30 s); --level, --temperature, --hardening, -o as above"},
    {"  --limit PCT", "the surface carbon every boost holds (the saturation limit)"},
    {"tavcalc --fit-beta SET.tav --carbon PCT",
     "transfer coefficient of the foil or wire test SET from the carbon measured after it"},
    {"  -o OUT.tav", "writes a copy of SET with that coefficient"},
    {"tavcalc --fit-profile SET.tav",
     "fits SET's transfer coefficient to a profile measured after it"},
    {"  --measured FILE.csv", "the measured carbon or hardness profile (required)"},
    {"  --fit beta|beta,potential", "the coefficient alone (beta), or with a potential offset"},
    {"  -o OUT.tav", "writes a copy of SET with the fitted values"},
    {"tavcalc --hardenability SET.tav",
     "the ideal critical diameter, Jominy curve and Ms of SET's steel (A255, Andrews)"},
    {"tavcalc --potential --temperature DEGC --probe MV",
     "the carbon potential and activity of the furnace gas from an oxygen-probe reading"},
    {"  --dew-point DEGC | --co2 PCT", "instead of --probe: a dew point, or a CO2 content"},
    {"  --carbon PCT", "instead: a carbon potential, printed as probe mV, dew point and CO2"},
    {"  --co PCT  --h2 PCT", "the gas's CO (20) and H2 (40), in %"},
    {"  --process-factor PF", "the probe through a transmitter's process factor (150 usual)"},
    {"  --set SET.tav", "also the surface carbon SET's steel reaches, with its alloy factor"},
    {"tavcalc --replay PLAN.tav --log LOG.csv",
     "the load as the furnace logged it: PLAN's steel and shape, the log's temperature and "
     "potential; planned against as-run, and the time outside ±0.05 % C of the setpoint"},
    {"  -o RUN.tav", "the as-run set (PLAN-asrun.tav), profiles at PLAN's stage ends and the end"},
    {"  --co PCT  --h2 PCT  --process-factor PF",
     "the gas of a probe_mv or dew_point log without those columns"},
    {"tavcalc --help", "prints this text"},
    {"tavcalc --version", "prints the program's version"},
    {"-platform NAME", "the window system for the window, for instance offscreen"},
    {"--lang en|pl", "the language of the windows, whatever the desktop's"},
};

} // namespace

CalcMode calcMode(const std::vector<std::string>& arguments) {
    const std::vector<std::string> own = programArguments(arguments);
    if (own.empty())
        return CalcMode::Window;
    const std::string& first = own.front();
    if (first == "--run")
        return CalcMode::Run;
    if (first == "--design")
        return CalcMode::Design;
    if (first == "--fit-beta")
        return CalcMode::FitBeta;
    if (first == "--fit-profile")
        return CalcMode::FitProfile;
    if (first == "--hardenability")
        return CalcMode::Hardenability;
    if (first == "--potential")
        return CalcMode::Potential;
    if (first == "--replay")
        return CalcMode::Replay;
    if (first == "--help" || first == "-h")
        return CalcMode::Help;
    if (first == "--version")
        return CalcMode::Version;
    if (first.starts_with("-"))
        return CalcMode::UnknownOption;
    return CalcMode::Window;
}

std::string calcUsage() {
    return usageText(calcUsageLines);
}

std::string noDisplayLine() {
    return "tavcalc: no display to show the calculation window on; "
           "tavcalc --run SET.tav computes without one\n";
}
