#pragma once
// Writes a run's result files from its sample at the points the run controller reaches: the
// headers and first rows at the start, a row when a change test finds the surface or the mass
// moved, the case depths at every output instant, a profile at every stage end, and the last
// rows at the end. The solver only computes; every format lives here, one recorder class per
// kind of result set, made by the solver (Gruba::recorder) so that no other code asks the kind.
//
// Semi-infinite samples, plates and cylinders write time in hours, foils and wires in seconds.
// A row is ", " followed by each value in a field of fixed width at a given number of
// significant digits; precision and show-point stay in force on a stream until changed.
//
// A trial run records through streams that open nothing (TrialStreams): the same recorder, so
// its values are judged as a run's would be, while nothing reaches the folder.

#include <optional>
#include <string>
#include <vector>

class Gruba;
class ResultStreams;
class Walec;

class ResultRecorder {
public:
    ResultRecorder(const Gruba& sample, std::string fileName, ResultStreams& streams);
    virtual ~ResultRecorder() = default;
    ResultRecorder(const ResultRecorder&) = delete;
    ResultRecorder& operator=(const ResultRecorder&) = delete;

    // Opens the result files and writes their headers and the rows of time t.
    virtual void open(double t);
    // The change tests: a row when the surface carbon (or the mass gain, or the case depth at
    // 0.4 % C) moved by more than 1 % since it was last written. Each returns the step counter
    // the controller restarts from; the counts decide which rows the stored files hold.
    short checkSurface(double t);
    virtual short checkMassDepth(double t);
    // An output instant: the case depths.
    virtual void writeDepths(double t);
    // A stage end: the carbon profile (and the hardness profile of a kind that has one).
    virtual void writeProfile(double t);
    // The end of the programme: the last rows of every file.
    void finish(double t);

protected:
    virtual void writeSurface(double t);
    virtual void writeMass(double t);
    virtual void writeMean(double /*t*/) {}
    virtual void writeMassTitle();

    // Thick samples' headers and first rows.
    void openThick(double t, const char* hardnessHeader, bool emptyMassLine);
    void writeSurfaceRow(double time, int precision);
    // A profile block on the main file: the time line, then the points from the surface on
    // whose carbon exceeds `threshold` (all of them without one).
    void writeProfileBlock(double time, std::optional<double> threshold,
                           const std::vector<double>& X, const std::vector<double>& C);
    // With carbides: the cementite file's header, and its block of the same points as the
    // carbon profile's block (X and C as writeProfileBlock takes them).
    void openCarbides();
    void writeCarbideBlock(double time, std::optional<double> threshold,
                           const std::vector<double>& X, const std::vector<double>& C);
    // The block of `values` at the points of a profile block, on `out`.
    void writeBlock(std::ostream& out, double time, std::optional<double> threshold,
                    const std::vector<double>& X, const std::vector<double>& C,
                    const std::vector<double>& values);

    const Gruba& sample;
    std::string fileName; // the process-data file, base name of the result files
    ResultStreams& streams;
    double lastSurfaceC;  // % C, surface carbon when last written
    double lastMass = 0;  // mass gain when last written, as massGain gives it
    double lastDepth = 0; // µm, depth at 0.4 % C when it last changed by more than 1 %
};

// A plate: the semi-infinite sample's files with the plate's thickness in the mass title.
class PlateRecorder : public ResultRecorder {
public:
    using ResultRecorder::ResultRecorder;

protected:
    void writeMassTitle() override;
};

// A cylinder: mass per metre of length written per square metre of its surface.
class CylinderRecorder : public ResultRecorder {
public:
    CylinderRecorder(const Walec& sample, std::string fileName, ResultStreams& streams);
    void open(double t) override;

protected:
    void writeMassTitle() override;
    void writeMass(double t) override;

    const Walec& cylinder;
};

// Foils and wires: time in seconds, no case depth, every point of the profile, no hardness,
// and the mean carbon increase of the section.
class ThinRecorder : public ResultRecorder {
public:
    using ResultRecorder::ResultRecorder;
    void writeDepths(double /*t*/) override {}
    void writeProfile(double t) override;

protected:
    void writeSurface(double t) override;
    void writeMean(double t) override;
    void writeMeanHeader();
};

class FoilRecorder : public ThinRecorder {
public:
    using ThinRecorder::ThinRecorder;
    void open(double t) override;
    short checkMassDepth(double t) override;

protected:
    void writeMassTitle() override;
    void writeMass(double t) override;
};

class WireRecorder : public ThinRecorder {
public:
    WireRecorder(const Walec& sample, std::string fileName, ResultStreams& streams);
    void open(double t) override;
    short checkMassDepth(double t) override;

protected:
    void writeMassTitle() override;
    void writeMass(double t) override;

    const Walec& wire;
};
