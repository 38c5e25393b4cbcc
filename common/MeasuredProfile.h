#pragma once
// A profile measured on a real sample: carbon (% C) or hardness (HV) over depth (mm).
//
// The file is what a spreadsheet exports: an optional header of "#" lines (free text: steel,
// sample, method), a line naming the quantity ("depth_mm,carbon" or "depth_mm,hardness_HV"),
// then one row of two numbers per point. Fields are separated by a comma, a semicolon or a tab,
// the one the quantity line uses; where the separator is not a comma a decimal comma is read as
// a decimal point. Blank lines, a UTF-8 byte-order mark and CR LF line ends are accepted. A file
// with any row the reader refuses gives no profile at all, so a half-read measurement is never
// shown or fitted.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr double minMeasuredHardness = 50.0;   // HV; below any steel's hardness
inline constexpr double maxMeasuredHardness = 1200.0; // HV; above any martensite's

enum class MeasuredQuantity { Carbon, Hardness };

struct MeasuredProfile {
    MeasuredQuantity quantity = MeasuredQuantity::Carbon;
    std::vector<std::string> header; // the "#" lines without their "#"
    std::vector<double> depth;       // mm, in file order
    std::vector<double> value;       // % C or HV, one per depth
};

struct MeasuredReading {
    std::optional<MeasuredProfile> profile;
    std::size_t line = 0; // 1-based line of the refusal; 0 when it concerns the whole file
    std::string problem;  // set when `profile` is empty; names the line
};

// Reads a measurement from the text of its file.
MeasuredReading parseMeasuredProfile(std::string_view text);

// Reads a measurement file; a file that cannot be read is refused like a bad row.
MeasuredReading readMeasuredProfile(const std::filesystem::path& path);
