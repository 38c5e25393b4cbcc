#include "ResultRecorder.h"

#include "CaseHardness.h"
#include "Gruba.h"
#include "ResultStreams.h"
#include "Walec.h"

#include <cmath>
#include <iomanip>
#include <utility>

namespace {

constexpr double hoursPerSecond = 1.0 / 3600;

void line(std::ostream& out, const char* text) {
    out << text << lineEnd;
}

void axisLines(std::ostream& out, std::initializer_list<const char*> items) {
    for (const char* item : items)
        line(out, item);
}

} // namespace

// ---- semi-infinite sample, and what plates and cylinders share with it ----

ResultRecorder::ResultRecorder(const Gruba& recorded, std::string name, ResultStreams& files)
    : sample(recorded), fileName(std::move(name)), streams(files),
      lastSurfaceC(recorded.steelCarbon()) {}

void ResultRecorder::open(double t) {
    openThick(t, "-\"Rozklad twardosci na przekroju warstwy,  mm  HV", true);
}

void ResultRecorder::openThick(double t, const char* hardnessHeader, bool emptyMassLine) {
    lastMass = sample.massGain();
    streams.open(fileName, sample.shape());
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %");
    line(streams.twa, hardnessHeader);
    if (sample.hardnessModel().fromQuench()) {
        streams.openAlso(fileName, ResultFile::Austenite);
        line(streams.aus, "-\"Retained austenite across the case,  mm  %");
    }
    openCarbides();
    line(streams.pow, "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %");
    writeSurface(t);
    writeMassTitle();
    line(streams.mas, " Carburizing time, h ");
    if (emptyMassLine)
        streams.mas << lineEnd;
    axisLines(streams.mas, {",0", ",12", ",12 ", ",0", ",100", ",10"});
    writeMass(t);
    line(streams.gru, "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm ");
    line(streams.gru, " 3 ");
    line(streams.gru, ", 0     0   0   0");
}

void ResultRecorder::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Semi-infinitive sample, be=" << sample.transferCmPerS()
                << "cm/s" << lineEnd;
}

short ResultRecorder::checkSurface(double t) {
    const double surface = sample.carbon()[1];
    if (std::fabs(lastSurfaceC - surface) <= 0.01 * surface)
        return 5;
    writeSurface(t);
    return 0;
}

// Mass and depth are compared in single precision, as every stored file was written.
short ResultRecorder::checkMassDepth(double t) {
    short result = 10;
    const auto mass = static_cast<float>(sample.massGain());
    if (std::fabs(static_cast<double>(mass) - lastMass) > 0.01 * lastMass) {
        lastMass = static_cast<double>(mass);
        writeMass(t);
        writeMean(t);
        result = 20;
    }
    const auto depth = static_cast<float>(sample.oblGrub(0.4));
    if (std::fabs(static_cast<double>(depth) - lastDepth) > 0.01 * lastDepth) {
        lastDepth = static_cast<double>(depth);
        result = 20;
    }
    return result;
}

void ResultRecorder::finish(double t) {
    writeDepths(t);
    writeSurface(t);
    lastMass = sample.massGain();
    writeMean(t);
    writeMass(t);
}

void ResultRecorder::writeSurface(double t) {
    writeSurfaceRow(t * hoursPerSecond, 4);
}

void ResultRecorder::writeSurfaceRow(double time, int precision) {
    lastSurfaceC = sample.carbon()[1];
    streams.row(streams.pow, 12, precision, {time, lastSurfaceC});
}

void ResultRecorder::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t * hoursPerSecond, lastMass});
}

void ResultRecorder::writeDepths(double t) {
    streams.row(streams.gru, 12, 4,
                {t * hoursPerSecond, sample.oblGrub(0.40) * 0.001, sample.oblGrub(0.35) * 0.001,
                 sample.oblGrub(0.30) * 0.001});
}

void ResultRecorder::writeProfile(double t) {
    std::vector<double> X, C;
    sample.resampleProfile(X, C);
    writeProfileBlock(t * hoursPerSecond, sample.steelCarbon() + 0.005, X, C);
    writeCarbideBlock(t * hoursPerSecond, sample.steelCarbon() + 0.005, X, C);
    // A profile that was not written whole gives no hardness profile.
    if (streams.failed())
        return;
    const CaseHardness hardness = sample.hardnessModel().of(X, C);
    writeHardnessBlock(streams.twa, t, hardness.depth, hardness.hv);
    if (sample.hardnessModel().fromQuench())
        writeHardnessBlock(streams.aus, t, hardness.depth, hardness.austenite);
}

void ResultRecorder::writeProfileBlock(double time, std::optional<double> threshold,
                                       const std::vector<double>& X, const std::vector<double>& C) {
    writeBlock(streams.main, time, threshold, X, C, C);
}

void ResultRecorder::openCarbides() {
    if (!sample.formsCarbides())
        return;
    streams.openAlso(fileName, ResultFile::Carbide);
    line(streams.wgl, "-\"Cementite across the case, mass fraction,  mm  %");
}

// The cementite file has a block wherever the main file has one, so that the n-th block of
// either is the same stage end.
void ResultRecorder::writeCarbideBlock(double time, std::optional<double> threshold,
                                       const std::vector<double>& X, const std::vector<double>& C) {
    if (!sample.formsCarbides())
        return;
    std::vector<double> depths, cementite;
    sample.resampleCarbide(depths, cementite);
    writeBlock(streams.wgl, time, threshold, X, C, cementite);
}

void ResultRecorder::writeBlock(std::ostream& out, double time, std::optional<double> threshold,
                                const std::vector<double>& X, const std::vector<double>& C,
                                const std::vector<double>& values) {
    if (!streams.admit({time}))
        return;
    out << "\"  " << time << lineEnd;
    out << std::showpoint;
    for (std::size_t i = 1; i < X.size(); ++i) {
        if ((threshold && !(C[i] > *threshold)) || !streams.admit({X[i], values[i]}))
            continue;
        out << ", " << std::setw(4) << X[i] * 0.001 << std::setw(12) << std::setprecision(5)
            << values[i] << lineEnd;
    }
}

// ---- plate ----

void PlateRecorder::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Plate, thickness=" << 2 * sample.halfThickness() * 0.001
                << "mm,  be=" << sample.transferCmPerS() << " cm/s" << lineEnd;
}

// ---- cylinder ----

CylinderRecorder::CylinderRecorder(const Walec& recorded, std::string name, ResultStreams& files)
    : ResultRecorder(recorded, std::move(name), files), cylinder(recorded) {}

void CylinderRecorder::open(double t) {
    openThick(t, "-\"Rozklad twardości na przekroju warstwy,  mm  %ste", false);
}

void CylinderRecorder::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Cylinder, Diameter=" << 2 * sample.halfThickness() * 0.001
                << "mm, be=" << sample.transferCmPerS() << "cm/s" << lineEnd;
}

void CylinderRecorder::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t * hoursPerSecond, cylinder.perSurface(lastMass)});
}

// ---- foils and wires ----

void ThinRecorder::writeSurface(double t) {
    writeSurfaceRow(t, 5);
}

void ThinRecorder::writeProfile(double t) {
    std::vector<double> X, C;
    sample.resampleProfile(X, C);
    writeProfileBlock(t, std::nullopt, X, C);
    writeCarbideBlock(t, std::nullopt, X, C);
}

void ThinRecorder::writeMean(double t) {
    streams.row(streams.sre, 12, 4, {t, *sample.meanCarbonOf(lastMass)});
}

void ThinRecorder::writeMeanHeader() {
    line(streams.sre, "Carbon concentration, %");
    line(streams.sre, "Carburizing time, s");
    streams.sre << lineEnd;
    axisLines(streams.sre, {",0", ",2000", ",10 ", ",0", ",1.2", ",12"});
}

// ---- foil ----

void FoilRecorder::open(double t) {
    lastMass = sample.massGain();
    streams.open(fileName, sample.shape());
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy, mm %");
    openCarbides();
    line(streams.pow, "-\"Stężenie węgla na powierzchni w funkcji czasu, s  %");
    writeSurface(t);
    writeMassTitle();
    line(streams.mas, "Carburizing time, s  ");
    axisLines(streams.mas, {",0", ",2000", ",10 ", ",0", ",10", ",5"});
    writeMass(t);
    writeMeanHeader();
    writeMean(t);
}

short FoilRecorder::checkMassDepth(double t) {
    const auto mass = static_cast<float>(sample.massGain());
    if (std::fabs(static_cast<double>(mass) - lastMass) > 0.01 * lastMass) {
        lastMass = static_cast<double>(mass);
        writeMass(t);
        writeMean(t);
        return 10;
    }
    return 15;
}

void FoilRecorder::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2  Foil, thickness=" << 2 * sample.halfThickness() * 0.001
                << "mm, be=" << sample.transferCmPerS() << "cm/s" << lineEnd;
}

void FoilRecorder::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t, lastMass});
}

// ---- wire ----

WireRecorder::WireRecorder(const Walec& recorded, std::string name, ResultStreams& files)
    : ThinRecorder(recorded, std::move(name), files), wire(recorded) {}

void WireRecorder::open(double t) {
    lastMass = sample.massGain();
    streams.open(fileName, sample.shape());
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %");
    openCarbides();
    writeMassTitle();
    line(streams.mas, " Carburizing time, s ");
    axisLines(streams.mas, {",0", ",2000", ",10 ", ",0", ",5", ",10"});
    writeMass(t);
    writeMeanHeader();
    line(streams.pow, "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %");
    writeSurface(t);
}

// Unlike the other kinds, the wire compares its mass in double precision, and writes the mean
// before the mass.
short WireRecorder::checkMassDepth(double t) {
    const double mass = sample.massGain();
    if (std::fabs(mass - lastMass) > 0.01 * lastMass) {
        lastMass = mass;
        writeMean(t);
        writeMass(t);
        return 10;
    }
    return 15;
}

void WireRecorder::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Wire, Diameter=" << 2 * sample.halfThickness() * 0.001
                << "mm, be=" << sample.transferCmPerS() << "cm/s" << lineEnd;
}

void WireRecorder::writeMass(double t) {
    streams.row(streams.mas, 12, 6, {t, wire.perSurface(lastMass)});
}
