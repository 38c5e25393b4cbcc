#pragma once
// The process parameters of one run, read from a process-data file and converted to the units
// of the computation. Lives only until the run controller has been built from it.

#include "ProcessData.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct Parametry {
    explicit Parametry(const std::string& fileName);
    // The same from the text of a process-data file; `fileName` only names the result files.
    Parametry(std::istream& in, const std::string& fileName);

    std::vector<double> sklad;       // %: Cr, Mo, Mn, Si, Ni
    std::vector<double> czas;        // s, stage times (the first is 0)
    std::vector<double> temperatura; // K, stage temperatures
    std::vector<double> potencjal;   // % C, stage carbon potentials
    std::string fileName;            // the process-data file, base name of the result files
    std::string rodzProb;            // "Gruba", "Płyta", "Folia", "Walec" or "Drut"
    double ck = 0;                   // % C, carbon content of the steel
    double be = 0;                   // µm/s, carbon transfer coefficient
    double grub = 0;                 // µm, half-thickness of a plate or foil, radius of a cylinder
    double h1 = 30.0;                // µm, width of the surface cell
    double h1Limit = 0;              // µm, first estimate of h1 (foil and wire grids)
    short N = 12;                    // index of the node at the sample centre
    short n = 12;                    // cells of the initial grid
    double q = 1.1;                  // ratio of successive cell widths

    // Empty when the kind is none the computation knows.
    std::optional<SampleShape> kind() const { return shapeFromLine(rodzProb); }

private:
    void read(std::istream& in);
};

// Grid sizing, run while the record is built: the surface cell from the diffusion length; for
// the finite shapes the centre node N and the surface cell refitted so that node N lies at the
// centre; foil and wire grids complete from the start (n = N).
void sizeGrid(Parametry& parametry, SampleShape kind);
