#pragma once
// One reading of the furnace's instruments, judged and converted: the carbon potential and
// carbon activity it means, and what the other instruments would read in the same gas. The
// command line, the window's converter, the Python module and the log of a load all read
// through `readAtmosphere`, so they refuse the same readings with the same rules.

#include <optional>
#include <string>
#include <string_view>

// What the instrument reads.
enum class ReadingKind {
    Probe,         // oxygen-probe voltage, mV
    DewPoint,      // °C
    CarbonDioxide, // CO2, % by volume
    Carbon,        // the carbon potential wanted, % C: the other way round
};

// The fields of a reading, as refusals name them.
enum class ReadingField {
    Temperature,
    Probe,
    DewPoint,
    CarbonDioxide,
    Carbon,
    CO,
    H2,
    ProcessFactor
};

// The word that names a field on the command line (after "--"): "temperature", "probe",
// "dew-point", "co2", "carbon", "co", "h2", "process-factor".
std::string_view fieldWord(ReadingField field);

inline constexpr double defaultCO = 20; // %, endothermic gas
inline constexpr double defaultH2 = 40; // %

struct FurnaceReading {
    double celsius = 0; // the furnace temperature, °C
    ReadingKind kind = ReadingKind::Probe;
    double value = 0; // in the unit of `kind`
    double co = defaultCO;
    double h2 = defaultH2;
    // A probe read through a transmitter's process factor instead of the gas equilibria.
    std::optional<double> processFactor;
};

// The gas a reading describes.
struct AtmosphereState {
    double kelvin = 0;
    double activity = 0;             // a_C, graphite = 1
    std::optional<double> potential; // % C; nothing: the gas deposits soot (a_C ≥ 1)
    // What the instruments would read in this gas (only where it does not soot).
    double probe = 0;         // mV (through the process factor when the reading was)
    double dewPoint = 0;      // °C
    double carbonDioxide = 0; // %
};

struct ReadingRefusal {
    ReadingField field = ReadingField::Temperature;
    std::string rule; // what the value must be, as "must be 0 to 1500 mV"
};

struct AtmosphereReading {
    std::optional<AtmosphereState> state;
    std::optional<ReadingRefusal> refusal; // when `state` is empty
};

AtmosphereReading readAtmosphere(const FurnaceReading& reading);
// The same without what the other instruments would read (probe, dewPoint, carbonDioxide stay
// 0): the activity and potential alone, which a log's thousands of rows need.
AtmosphereReading readPotential(const FurnaceReading& reading);

// Why a furnace temperature (°C) is refused: outside the 700–1200 °C the diffusion law serves.
std::optional<ReadingRefusal> temperatureRefusal(double celsius);

// The surface carbon a steel of alloy factor `q` reaches in the gas: nothing where it soots.
std::optional<double> steelSurfaceCarbon(const AtmosphereState& state, double q);
