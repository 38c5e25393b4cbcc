#pragma once
// Readers of the result files of a set, one per kind of chart window. Each takes a stream
// opened on the file and positioned at its start, and appends to the series it is given (a
// window passes them empty).
//
// The files are scanned for the marks the computation writes at line starts ("-" a header,
// a double quote a profile block, "," a data row); blanks, line ends (CR LF or LF) and column
// widths do not matter. A damaged file never stops the viewer: the reader keeps what it read
// and says so, and the window decides how to report it.

#include "ProcessData.h"
#include "TGrubosc.h"
#include "TOpis_XY.h"
#include "TSkala.h"
#include "TWyniki.h"
#include "T_XY.h"

#include <iostream>
#include <optional>

enum class ReadStatus {
    Whole,     // the file was read to its end
    Malformed, // damaged, truncated or not this kind of file: what precedes the fault is kept
};

struct ShapeRead {
    ReadStatus status = ReadStatus::Whole;
    bool seconds = false; // the set's kind is timed in seconds (a foil, a wire)
    std::optional<SampleShape> shape;
    double thickness = 0; // mm, read by the carbon-profile reader; 0 for a semi-infinite sample
};

// Temperature chart: the process-data head and the shape line of the main file.
ShapeRead readTemperatureFile(std::istream& in, TDane& data);
// Carbon-potential chart: the process-data head of the main file.
ReadStatus readPotentialFile(std::istream& in, TDane& data);
// Carbon-profile chart: past the head, shape and thickness of the main file, its profile blocks.
// A main file without results yet is Malformed.
ShapeRead readCarbonFile(std::istream& in, TWyniki& profiles);
// Hardness chart: the profile blocks of the "twa" file.
ReadStatus readHardnessFile(std::istream& in, TWyniki& profiles);
// Case-depth chart: the "gru" file. A missing header or a row that does not start with ","
// ends the reading with a "BUG!!!" line on `report`, which the user does not see.
ReadStatus readDepthFile(std::istream& in, TGrubosc& depths, std::ostream& report = std::cout);
// Surface-carbon chart: the "pow" file.
ReadStatus readSurfaceFile(std::istream& in, T_XY& series);
// Mass-gain and mean-carbon charts: the captions, the initial axes and the rows of a "mas" or
// "sre" file.
ReadStatus readXYFile(std::istream& in, TOpis_XY& captions, TSkala& scale, T_New_XY& series);
