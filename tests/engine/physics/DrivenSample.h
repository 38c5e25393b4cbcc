#pragma once
// A solver driven through its programme the way the run controller drives it, one step at a
// time, so that a check can look at the profile between steps. Header-only: the benchmarks use
// it too, to count the nodes a run steps over.
//
// Each step: diffusivities and time step from the previous instant, then the clock advances
// (a step that would cross a stage row ends on it, and takes that row's furnace exactly),
// the furnace follows the programme linearly in between, and the solver steps.

#include "Gruba.h"
#include "Parametry.h"
#include "ProcessData.h"
#include "ResultStreams.h"
#include "RunState.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

// One row of a programme, in the units of the process-data file.
struct StageRow {
    double time;      // h (s for a foil or a wire)
    double celsius;   // °C
    double potential; // % C
};

// Process data for a steel of carbon `ck` (% C) without alloying elements, a transfer
// coefficient in cm/s, a thickness or diameter in mm (ignored by the semi-infinite sample) and
// up to ten programme rows, the first at time 0.
inline ProcessForm processForm(double ck, double transferCmPerS, double thickness,
                               std::initializer_list<StageRow> rows) {
    ProcessForm form;
    form.steelCarbon = ck;
    form.transferCoefficient = transferCmPerS;
    form.thickness = thickness;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    std::size_t row = 0;
    for (const StageRow& stage : rows) {
        form.time[row] = stage.time;
        form.temperature[row] = stage.celsius;
        form.potential[row] = stage.potential;
        ++row;
    }
    return form;
}

using SolverFactory = std::unique_ptr<Gruba> (*)(const std::string&, const Parametry&,
                                                 ResultStreams&);

template <class Solver>
std::unique_ptr<Gruba> makeSolver(const std::string& fileName, const Parametry& parametry,
                                  ResultStreams& streams) {
    return std::make_unique<Solver>(fileName, parametry, streams);
}

// A process-data file in a folder of its own; the folder and whatever a run wrote into it go
// with the object.
class ScratchSet {
public:
    ScratchSet(const ProcessForm& form, std::string_view shape) {
        static std::atomic<int> made{0};
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavrix-physics-" + std::to_string(::getpid()) + "-" + std::to_string(made++));
        std::filesystem::create_directories(folder_);
        file_ = (folder_ / "set.tav").string();
        written_ = writeProcessData(file_, form, shape);
    }
    ~ScratchSet() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchSet(const ScratchSet&) = delete;
    ScratchSet& operator=(const ScratchSet&) = delete;

    const std::string& file() const { return file_; }
    std::string resultFile(std::string_view extension) const {
        return (folder_ / "set.").string() + std::string(extension);
    }
    bool written() const { return written_; }

private:
    std::filesystem::path folder_;
    std::string file_;
    bool written_ = false;
};

class DrivenSample {
public:
    // The streams stay closed: the writers called by a step's change tests take no output.
    DrivenSample(const std::string& fileName, SolverFactory make)
        : parametry_(fileName), solver_(make(fileName, parametry_, streams_)) {
        runState.temperatureK = parametry_.temperatura.front();
        runState.potentialC = parametry_.potencjal.front();
        solver_->oblD();
        solver_->oblKr();
    }

    // One step; false, with nothing done, once the last stage row has been reached.
    bool step() {
        const auto& czas = parametry_.czas;
        while (stage_ + 1 < czas.size() && time_ >= czas[stage_ + 1])
            ++stage_;
        if (stage_ + 1 >= czas.size())
            return false;
        solver_->oblD();
        solver_->oblKr();
        const double t0 = czas[stage_];
        const double t1 = czas[stage_ + 1];
        if (time_ + runState.timeStep >= t1) {
            runState.timeStep = t1 - time_;
            time_ = t1;
        } else {
            time_ += runState.timeStep;
        }
        const double along = (time_ - t0) / (t1 - t0);
        runState.temperatureK = between(parametry_.temperatura, along);
        runState.potentialC = between(parametry_.potencjal, along);
        surfaceBefore_ = solver_->carbon()[1];
        nodesBefore_ = solver_->carbon().size();
        solver_->obl();
        return true;
    }

    Gruba& solver() { return *solver_; }
    const Gruba& solver() const { return *solver_; }
    const Parametry& parametry() const { return parametry_; }
    double time() const { return time_; } // s
    // Carbon of the surface node and count of nodes (ghost included) when the last step began.
    double surfaceBefore() const { return surfaceBefore_; } // % C
    std::size_t nodesBefore() const { return nodesBefore_; }

private:
    // The furnace between stage rows `stage_` and `stage_ + 1`, a fraction `along` of the way.
    double between(const std::vector<double>& rows, double along) const {
        if (along >= 1)
            return rows[stage_ + 1];
        return rows[stage_] + along * (rows[stage_ + 1] - rows[stage_]);
    }

    Parametry parametry_;
    ResultStreams streams_;
    std::unique_ptr<Gruba> solver_;
    std::size_t stage_ = 0;
    double time_ = 0;          // s
    double surfaceBefore_ = 0; // % C
    std::size_t nodesBefore_ = 0;
};
