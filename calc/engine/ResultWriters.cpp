// The result files of every sample kind: headers, rows and profile blocks.
//
// Semi-infinite samples, plates and cylinders write time in hours, foils and wires in seconds.
// A row is ", " followed by each value in a field of fixed width at a given number of
// significant digits; precision and show-point stay in force on a stream until changed.

#include "Drut.h"
#include "Folia.h"
#include "Gruba.h"
#include "KindTraits.h"
#include "Plyta.h"
#include "ResultStreams.h"
#include "SteelGrades.h"
#include "Walec.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <optional>

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

// ---- semi-infinite sample (and the inherited versions of plate and cylinder) ----

void Gruba::openResults(double t) {
    openThickResults(t, "-\"Rozklad twardosci na przekroju warstwy,  mm  HV", true);
}

void Gruba::openThickResults(double t, const char* hardnessHeader, bool emptyMassLine) {
    streams.open(fileName, kind);
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %");
    line(streams.twa, hardnessHeader);
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

void Gruba::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Semi-infinitive sample, be=" << transferCmPerS() << "cm/s"
                << lineEnd;
}

void Gruba::writeSurface(double t) {
    writeSurfaceRow(t * hoursPerSecond, 4);
}

void Gruba::writeSurfaceRow(double time, int precision) {
    streams.row(streams.pow, 12, precision, {time, c[1]});
    lastSurfaceC = c[1];
}

void Gruba::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t * hoursPerSecond, lastMass});
}

void Gruba::writeMean(double /*t*/) {}

void Gruba::writeDepths(double t) {
    streams.row(
        streams.gru, 12, 4,
        {t * hoursPerSecond, oblGrub(0.40) * 0.001, oblGrub(0.35) * 0.001, oblGrub(0.30) * 0.001});
}

void Gruba::writeProfile(double t) {
    std::vector<double> X, C;
    resampleProfile(X, C);
    writeProfileBlock(t * hoursPerSecond, ck + 0.005, X, C);
    if (streams.finite({t}))
        hardnessProfile(streams.twa, t, X, C, ck, sklad);
}

std::optional<CaseHardness> Gruba::hardnessNow() const {
    const std::span<const ResultFile> files = kindTraits(kind).resultFiles;
    if (std::ranges::find(files, ResultFile::Hardness) == files.end())
        return std::nullopt;
    std::vector<double> X, C;
    resampleProfile(X, C);
    return caseHardness(X, C, ck, sklad);
}

// Foils and wires: every point of the profile, time in seconds, no hardness.
void Gruba::writeThinProfile(double t) {
    std::vector<double> X, C;
    resampleProfile(X, C);
    writeProfileBlock(t, std::nullopt, X, C);
}

void Gruba::writeMeanRow(double t, double mean) {
    streams.row(streams.sre, 12, 4, {t, mean});
}

void Gruba::writeMeanHeader() {
    line(streams.sre, "Carbon concentration, %");
    line(streams.sre, "Carburizing time, s");
    streams.sre << lineEnd;
    axisLines(streams.sre, {",0", ",2000", ",10 ", ",0", ",1.2", ",12"});
}

// Equally spaced depths from the surface to the last node, d close to the depth of node 2;
// contents interpolated linearly between the enclosing nodes.
void Gruba::resampleProfile(std::vector<double>& X, std::vector<double>& C) const {
    const std::size_t last = c.size() - 1;
    const double farDepth = s[last];
    const double firstStep = s[2];
    const double ratio = farDepth / firstStep;
    // A grid of zero width (a programme without duration) still gives one step.
    const long steps = ratio >= 1 && ratio < 1e9 ? static_cast<long>(std::trunc(ratio)) : 1;
    const double step = farDepth / static_cast<double>(steps);
    const auto points = static_cast<std::size_t>(steps) + 2;
    X.assign(points, 0.0);
    C.assign(points, 0.0);
    X[0] = -step;
    C[0] = c[0];
    X[1] = 0;
    C[1] = c[1];
    std::size_t node = 1;
    for (std::size_t i = 2; i < points; ++i) {
        X[i] = X[i - 1] + step;
        if (i == points - 1) {
            C[i] = c[last];
            break;
        }
        while (node + 1 < last && s[node + 1] <= X[i])
            ++node;
        C[i] = c[node] + (c[node + 1] - c[node]) * (X[i] - s[node]) / (s[node + 1] - s[node]);
    }
}

void Gruba::writeProfileBlock(double time, std::optional<double> threshold,
                              const std::vector<double>& X, const std::vector<double>& C) {
    if (!streams.finite({time}))
        return;
    std::ostream& out = streams.main;
    out << "\"  " << time << lineEnd;
    out << std::showpoint;
    for (std::size_t i = 1; i < X.size(); ++i) {
        if ((threshold && !(C[i] > *threshold)) || !streams.finite({X[i], C[i]}))
            continue;
        out << ", " << std::setw(4) << X[i] * 0.001 << std::setw(12) << std::setprecision(5) << C[i]
            << lineEnd;
    }
}

// ---- plate ----

void Plyta::openResults(double t) {
    openThickResults(t, "-\"Rozklad twardosci na przekroju warstwy,  mm  HV", true);
}

void Plyta::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Plate, thickness=" << 2 * grub * 0.001
                << "mm,  be=" << transferCmPerS() << " cm/s" << lineEnd;
}

// ---- cylinder ----

void Walec::openResults(double t) {
    openThickResults(t, "-\"Rozklad twardości na przekroju warstwy,  mm  %ste", false);
}

void Walec::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2 Cylinder, Diameter=" << 2 * grub * 0.001
                << "mm, be=" << transferCmPerS() << "cm/s" << lineEnd;
}

void Walec::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t * hoursPerSecond, perSurface(lastMass)});
}

// ---- foil ----

void Folia::openResults(double t) {
    streams.open(fileName, kind);
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy, mm %");
    line(streams.pow, "-\"Stężenie węgla na powierzchni w funkcji czasu, s  %");
    writeSurface(t);
    writeMassTitle();
    line(streams.mas, "Carburizing time, s  ");
    axisLines(streams.mas, {",0", ",2000", ",10 ", ",0", ",10", ",5"});
    writeMass(t);
    writeMeanHeader();
    writeMean(t);
}

void Folia::writeMassTitle() {
    streams.mas << std::setprecision(6)
                << "Weight gain, g/m^2  Foil, thickness=" << 2 * grub * 0.001
                << "mm, be=" << transferCmPerS() << "cm/s" << lineEnd;
}

void Folia::writeSurface(double t) {
    writeSurfaceRow(t, 5);
}

void Folia::writeMass(double t) {
    streams.row(streams.mas, 12, 4, {t, lastMass});
}

void Folia::writeMean(double t) {
    writeMeanRow(t, *meanCarbon());
}

void Folia::writeDepths(double /*t*/) {}

void Folia::writeProfile(double t) {
    writeThinProfile(t);
}

// ---- wire ----

void Drut::openResults(double t) {
    streams.open(fileName, kind);
    line(streams.main, "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %");
    writeMassTitle();
    line(streams.mas, " Carburizing time, s ");
    axisLines(streams.mas, {",0", ",2000", ",10 ", ",0", ",5", ",10"});
    writeMass(t);
    writeMeanHeader();
    line(streams.pow, "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %");
    writeSurface(t);
}

void Drut::writeMassTitle() {
    streams.mas << std::setprecision(6) << "Weight gain, g/m^2 Wire, Diameter=" << 2 * grub * 0.001
                << "mm, be=" << transferCmPerS() << "cm/s" << lineEnd;
}

void Drut::writeSurface(double t) {
    writeSurfaceRow(t, 5);
}

void Drut::writeMass(double t) {
    streams.row(streams.mas, 12, 6, {t, perSurface(lastMass)});
}

void Drut::writeMean(double t) {
    writeMeanRow(t, *meanCarbon());
}

void Drut::writeDepths(double /*t*/) {}

void Drut::writeProfile(double t) {
    writeThinProfile(t);
}
