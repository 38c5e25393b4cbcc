#pragma once
// A result set read once from its files: the process data and shape of its main file and the
// series of every result file, each with how it read. The set's chart windows, the export and
// the comparison of sets are all views of one of these; none of them opens a file again.

#include "AsRunRecord.h"
#include "ProcessData.h"
#include "TGrubosc.h"
#include "TOpis_XY.h"
#include "TSkala.h"
#include "TWyniki.h"
#include "T_XY.h"

#include <optional>
#include <string>
#include <vector>

enum class FileStatus {
    Whole,   // read to its end
    Damaged, // opened, but damaged, truncated or not this kind of file: what precedes is kept
    Missing, // could not be opened
};

template <class Series> struct FileSeries {
    FileStatus status = FileStatus::Missing;
    Series series;
};

// A "mas" or "sre" file: its captions, the initial axes it brings and its rows.
struct XYFile {
    TOpis_XY captions;
    TSkala scale;
    T_New_XY series;
};

struct LoadedSet {
    std::string name; // the full path of the main file

    // The main file, read three ways: the process-data head alone (potential chart), the head
    // and the shape line (temperature chart), and the carbon profiles after them.
    FileSeries<TDane> process;
    FileStatus shapeStatus = FileStatus::Missing;
    std::optional<SampleShape> shape; // none when the shape line is missing or unknown
    double thickness = 0;             // mm: thickness or diameter; 0 for a semi-infinite sample
    FileSeries<TWyniki> carbon;
    ProcessSettings settings; // the main file's settings lines; none when its head is damaged

    FileSeries<TGrubosc> depths;   // "gru"
    FileSeries<T_XY> surface;      // "pow"
    FileSeries<TWyniki> hardness;  // "twa"
    FileSeries<XYFile> mass;       // "mas"
    FileSeries<XYFile> mean;       // "sre"
    FileSeries<TWyniki> austenite; // "aus": a set whose hardness comes from its quench
    FileSeries<TWyniki> carbide;   // "wgl": a set computed with carbides
    // A logged load's ("run", AsRunRecord.h): its setpoint, burn-off windows and figures. None
    // where the record does not read or does not fit the set's rows.
    std::optional<AsRunRecord> asRun;

    bool mainFileOpened() const { return process.status != FileStatus::Missing; }
    // A run began but did not end: there are results, yet the last carbon profile does not lie
    // at the end of the programme (a run killed halfway). What there is must not pass for the
    // results of the whole programme.
    bool unfinished() const;
    // Time in seconds (foil, wire) rather than hours.
    bool thin() const;
};

// The surface carbon over time as drawn: the rows of "pow", and where a stage ends between two
// of them, the surface value of the carbon profile written at that end. The file gets a row only
// when the surface has changed enough, so a potential switch between rows would otherwise be
// bridged by a straight line across the stage boundary.
T_XY surfaceCarbon(const LoadedSet& set); // % C over time (h, s)

// What a user measures of a thin section, and enters in the foil test: the steel's carbon plus
// the mean increase that the "sre" file holds (the file itself stays as the run wrote it).
T_New_XY meanCarbonContent(const LoadedSet& set); // % C over time (s)
inline constexpr char meanCarbonCaption[] = "Mean carbon content (steel carbon + increase), %";

// The charts the set opens: those of its kind, and the retained austenite and the cementite when
// it has their files.
std::vector<ChartKind> setCharts(const LoadedSet& set, SampleShape shape);

// Reads every file the set can have. Unreadable files are kept as their status says; a "gru"
// file's faults are told on the standard output as its reader does.
LoadedSet loadSet(const std::string& setName);
