#pragma once
// A solver driven through its programme by the run controller itself, one step at a time, so
// that a check can look at the profile between steps. Header-only: the benchmarks use it too,
// to count the nodes a run steps over.

#include "Gruba.h"
#include "Parametry.h"
#include "ProcessData.h"
#include "ResultStreams.h"
#include "Steruj.h"
#include "TestProcess.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using SolverFactory = std::unique_ptr<Gruba> (*)(const Parametry&);

template <class Solver> std::unique_ptr<Gruba> makeSolver(const Parametry& parametry) {
    return std::make_unique<Solver>(parametry);
}

// A process-data file in a folder of its own; the folder and whatever a run wrote into it go
// with the object.
class ScratchSet {
public:
    explicit ScratchSet(const ProcessRecord& process) {
        static std::atomic<int> made{0};
        folder_ = std::filesystem::temp_directory_path() /
                  ("tavrix-physics-" + std::to_string(::getpid()) + "-" + std::to_string(made++));
        std::filesystem::create_directories(folder_);
        file_ = (folder_ / "set.tav").string();
        written_ = writeProcessData(file_, process);
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
    // Trial streams: no file is opened, written or deleted, and every row is still judged.
    DrivenSample(const std::string& fileName, SolverFactory make)
        : parametry_(fileName), solver_(make(parametry_).release()),
          controller_(parametry_, std::unique_ptr<Gruba>(solver_), fileName, streams_) {
        controller_.start();
    }

    // One step of the run controller; false, with nothing done, once the programme has ended.
    bool step() {
        surfaceBefore_ = solver_->carbon()[1];
        nodesBefore_ = solver_->carbon().size();
        return controller_.step(observer_);
    }

    Gruba& solver() { return *solver_; }
    const Gruba& solver() const { return *solver_; }
    const Parametry& parametry() const { return parametry_; }
    const Furnace& furnace() const { return controller_.furnaceNow(); }
    double time() const { return controller_.time(); } // s
    // Carbon of the surface node and count of nodes (ghost included) when the last step began.
    double surfaceBefore() const { return surfaceBefore_; } // % C
    std::size_t nodesBefore() const { return nodesBefore_; }

private:
    struct Unwatched : RunObserver {
        void setProgress(int /*percent*/) override {}
    };

    Parametry parametry_;
    TrialStreams streams_;
    Gruba* solver_; // owned by the controller
    Steruj controller_;
    Unwatched observer_;
    double surfaceBefore_ = 0; // % C
    std::size_t nodesBefore_ = 0;
};
