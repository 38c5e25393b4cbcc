#pragma once
// The process parameters of one run, read from a process-data file and converted to the units
// of the computation. Lives only until the run controller has been built from it.

#include "ProcessData.h"

#include <optional>
#include <string>
#include <vector>

struct Parametry {
    // Read from the file, strictly as to its form: a file that is not a process-data head
    // gives a record of no kind.
    explicit Parametry(const std::string& fileName);
    // The process converted; `fileName` only names the result files.
    Parametry(const ProcessRecord& process, const std::string& fileName);

    std::vector<double> sklad;           // %: Cr, Mo, Mn, Si, Ni
    std::vector<double> czas;            // s, stage times (the first is 0)
    std::vector<double> temperatura;     // K, stage temperatures
    std::vector<double> potencjal;       // % C, stage carbon potentials
    std::vector<StageCondition> warunki; // surface condition of the stage each row ends
    ProcessSettings settings;            // the models and treatments the file's settings choose
    std::string fileName;                // the process-data file, base name of the result files
    double ck = 0;                       // % C, carbon content of the steel
    double be = 0;                       // µm/s, carbon transfer coefficient
    double grub = 0;    // µm, half-thickness of a plate or foil, radius of a cylinder
    double h1 = 30.0;   // µm, width of the surface cell
    double h1Limit = 0; // µm, first estimate of h1 (foil and wire grids)
    short N = 12;       // index of the node at the sample centre
    short n = 12;       // cells of the initial grid
    double q = 1.1;     // ratio of successive cell widths

    // Per row, whether it ends a stage: a profile is written there and the change tests restart.
    // Empty: every row does. The rows of a furnace log only shape the furnace's path between
    // the few that end stages.
    std::vector<bool> stageEnds;

    // Empty when the file could not be read.
    std::optional<SampleShape> kind() const { return shape; }

private:
    void convert(const ProcessRecord& process);

    std::optional<SampleShape> shape;
};

// Grid sizing, run while the record is built: the surface cell from the diffusion length; for
// the finite shapes the centre node N and the surface cell refitted so that node N lies at the
// centre; foil and wire grids complete from the start (n = N).
void sizeGrid(Parametry& parametry, SampleShape kind);
