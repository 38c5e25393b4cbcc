#pragma once
// What a part's drawing asks of a load, as a plain text file, one limit a line:
//
//   case-hardening depth: 0.80 .. 1.10 mm at 550 HV
//   case depth: 0.9 .. 1.3 mm at 0.35 % C
//   surface carbon: 0.70 .. 1.00 % C
//   surface hardness: >= 58 HRC
//   core hardness: 30 .. 45 HRC
//   retained austenite: <= 20 %
//   mass gain: 150 .. 250 g/m2
//   class: AMS 2759/7 class 2
//
// A limit is a range "a .. b", ">= a" or "<= b" and its unit; "#" starts a comment, blank lines
// are passed over, CR LF or LF ends a line. Hardness in HRC is converted to HV (HardnessScale.h).
// A case-hardening depth without "at" is taken at 550 HV. A class of AMS 2759/7 stands for the
// limits it sets on surface carbon and retained austenite. Any line the reader does not
// understand refuses the whole file, naming the line.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class LimitQuantity {
    CaseHardeningDepth, // mm, at a hardness (HV)
    CaseDepth,          // mm, at a carbon level (% C)
    SurfaceCarbon,      // % C
    SurfaceHardness,    // HV
    CoreHardness,       // HV
    RetainedAustenite,  // %
    MassGain,           // g/m²
};

// The name requirements line gives the quantity ("case-hardening depth").
std::string_view limitName(LimitQuantity quantity);

struct SpecLimit {
    LimitQuantity quantity = LimitQuantity::SurfaceCarbon;
    std::optional<double> low;   // in the quantity's own unit (HV for hardness); none: no floor
    std::optional<double> high;  // none: no ceiling
    std::optional<double> level; // HV of a case-hardening depth, % C of a case depth
    std::size_t line = 0;        // 1-based line of the file that sets it
    std::string written;         // the limit as the line writes it, after the name
    std::string source;          // the class that implies it; empty for a limit of its own
};

struct SpecReading {
    std::optional<std::vector<SpecLimit>> limits; // in file order; none when refused
    std::size_t line = 0;                         // the refused line; 0 for the whole file
    std::string problem;                          // "line 3: ..." when refused
};

SpecReading parsePartSpecification(std::string_view text);
// A file that cannot be opened is refused like a bad line.
SpecReading readPartSpecification(const std::filesystem::path& path);

// Whether the limit holds for `value` (in the quantity's unit).
bool limitHolds(const SpecLimit& limit, double value);
