#pragma once
// The semi-infinite sample, and the base of every solver the run controller drives.
//
// Carbon enters through the surface and diffuses inwards; the profile is advanced by an
// explicit finite-difference scheme on cells whose widths grow by the ratio q with depth. The
// grid starts short and gains one node at its far end whenever carbon arrives there.
//
// Grid: node 0 is a ghost node outside the surface, node 1 lies on the surface (depth 0) and
// the last node is the far node. Cell i is centred on node i with width h[i] = q·h[i−1]. The
// vectors c, h, d and s always have one entry per node; nodes are never removed.

#include "CaseHardness.h"
#include "Furnace.h"
#include "Material.h"
#include "ProcessData.h"
#include "RunHardness.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct Parametry;
class ResultRecorder;
class ResultStreams;

class Gruba : public Material {
public:
    explicit Gruba(const Parametry& parametry);

    // The operations the run controller calls, in the order every solver declares them.
    virtual void obl(const Furnace& furnace);   // one explicit time step
    virtual void c0(const Furnace& furnace);    // surface condition into the ghost node
    virtual void oblKr(Furnace& furnace) const; // time step from the surface cell
    virtual void oblD(const Furnace& furnace);  // diffusivity of every node
    virtual double oblGrub(double level) const; // µm, depth at which carbon falls to `level`
    virtual double massGain() const;            // g/m² (cylinders: g per metre of length)
    // g/m² for every kind, as the mass file writes it.
    virtual double massPerSurface() const { return massGain(); }
    // % C, mean carbon increase of the section for a mass gain as massGain gives it: foils and
    // wires only, a thick sample has none.
    virtual std::optional<double> meanCarbonOf(double /*mass*/) const { return std::nullopt; }
    std::optional<double> meanCarbon() const { return meanCarbonOf(massGain()); }
    // The hardness profile the hardness file would get now; none for kinds without one.
    std::optional<CaseHardness> hardnessNow() const;
    // The hardness model of the run: the grade curves, or the quench's.
    const RunHardness& hardnessModel() const { return *hardness; }

    // The recorder of this kind's result files, reading from this sample.
    virtual std::unique_ptr<ResultRecorder> recorder(const std::string& fileName,
                                                     ResultStreams& streams) const;

    // What the result files are written from.
    SampleShape shape() const { return kind; }
    double steelCarbon() const { return ck; }                  // % C
    const std::vector<double>& alloy() const { return sklad; } // %: Cr, Mo, Mn, Si, Ni
    double halfThickness() const { return grub; }              // µm
    double transferCoefficient() const { return be; }          // µm/s
    double transferCmPerS() const { return be * 1e-4; }        // as the mass file's title names it
    // The profile resampled on equally spaced depths X (µm) with contents C, ghost point first.
    void resampleProfile(std::vector<double>& X, std::vector<double>& C) const;
    // The cementite on the depths X of resampleProfile, as a mass fraction in % by the lever rule
    // at the solubility of the last settleCarbides (all 0 without carbides): at each point the
    // mean over the interval it stands for (half of one at the surface and at the far end).
    void resampleCarbide(std::vector<double>& X, std::vector<double>& F) const;

    // With carbides (the setting "carbides: on"): carbon beyond the saturation limit of
    // austenite at the step's temperature becomes cementite, and cementite dissolves again
    // where the dissolved carbon falls below it. Only the dissolved carbon, `carbon()`,
    // diffuses. Without carbides nothing happens.
    void settleCarbides(const Furnace& furnace);
    bool formsCarbides() const { return carbides; }
    // % C of each node's mass held in cementite beyond the dissolved carbon (empty without
    // carbides): the node holds carbon()[i] + carbideCarbon()[i] in all.
    const std::vector<double>& carbideCarbon() const { return e; }
    // Mass fraction of cementite at node i by the lever rule between austenite saturated at
    // `solubility` % C and cementite at cementiteCarbon.
    double carbideFraction(std::size_t i, double solubility) const;
    // µm, the depth of the deepest node holding cementite; none without any.
    std::optional<double> deepestCarbide() const;
    // % C, the saturation limit the last settleCarbides parted the carbon at.
    double carbideSolubility() const { return settledSolubility; }

    // For tests and benchmarks: the state between steps.
    const std::vector<double>& carbon() const { return c; }
    const std::vector<double>& depths() const { return s; }
    const std::vector<double>& widths() const { return h; }
    const std::vector<double>& diffusivities() const { return d; }

protected:
    // Net carbon flux into interior cell i over a step, divided by its width, with
    // k = fluxFactor·timeStep. Face diffusivities (q·d[i+1] + d[i])/(1 + q) inwards and
    // (q·d[i] + d[i−1])/(1 + q) outwards; node spacings (1 + q)·h[i]/2 and (1 + q)·h[i]/(2q):
    //   Δc_i = k/h_i² · [(q·d_{i+1} + d_i)(c_{i+1} − c_i) − q·(q·d_i + d_{i−1})(c_i − c_{i−1})]
    double balance(std::size_t i, double k) const {
        return k / (h[i] * h[i]) *
               ((q * d[i + 1] + d[i]) * (c[i + 1] - c[i]) -
                q * (q * d[i] + d[i - 1]) * (c[i] - c[i - 1]));
    }

    // Balance of the centre node with its mirror image beyond a plane of symmetry: the flux
    // from node m − 1 counted twice.
    double mirroredBalance(std::size_t m, double k) const {
        return 2 * k / (h[m] * h[m]) * (q * d[m] + d[m - 1]) * (c[m - 1] - c[m]) * q;
    }

    // The ghost node's carbon for a stage that sets the flux through the surface itself,
    // `flux` in % C · µm/s (neutral: none; a limited boost: J0), so that the mass gained changes
    // by exactly that flux.
    virtual double fluxGhost(double flux) const;
    // A boost's surface after a step: `cn[1]` set to the saturation limit (capped, for a
    // limited boost). Every step calls it on the new profile.
    void holdSurface(const Furnace& furnace);
    // % C · µm/s of carbon for a flux in g/(m²·s): the inverse of massGain's conversion.
    double percentMicrometres(double gramsPerSquareMetre) const {
        return gramsPerSquareMetre / (0.01 * density * 1e-6);
    }

    // The far node of a growing grid copies its neighbour in gas stages, as every stored result
    // was computed; it then makes up to growthLimit − ck of carbon over its half cell, and drops
    // it again when the grid grows. Other stages, whose mass balance is their check (a neutral
    // stage gains nothing, a limited boost J0·t), balance it instead.
    static bool conservesCarbon(const Furnace& furnace) {
        return conditionTraits(furnace.condition.kind).boundary != SurfaceBoundary::Atmosphere;
    }

    // The extent of cell i below the far node in the mass sum (massGain): % C times it is the
    // carbon the cell holds. A planar sample's surface cell counts half its width.
    virtual double cellExtent(std::size_t i) const { return i == 1 ? h[1] / 2 : h[i]; }

    // % C of node i in all: dissolved and, with carbides, in cementite.
    double carbonHeld(std::size_t i) const { return e.empty() ? c[i] : c[i] + e[i]; }

    // The semi-infinite step: interior balances, no flux through the far node, and growth.
    void semiInfiniteStep(const Furnace& furnace);

    // The step of a grid that grows, for every geometry whose grid grows as the semi-infinite
    // sample's (the cylinder's until it reaches the axis): the surface condition, the change
    // `interior(i)` of each interior node and `far(m)` of the far node m when it balances
    // (conservesCarbon), the surface held, and growth, after which `grown(m, far, balanced)`
    // sets the far node from the carbon `far` it had. Inlined: the interior loop is the
    // computation's innermost.
    template <class Interior, class Far, class Grown>
    void growingStep(const Furnace& furnace, Interior interior, Far far, Grown grown) {
        c0(furnace);
        cn = c;
        const std::size_t m = c.size() - 1;
        for (std::size_t i = 1; i < m; ++i)
            cn[i] = cn[i] + interior(i);
        const bool balanced = conservesCarbon(furnace);
        cn[m] = balanced ? cn[m] + far(m) : cn[m - 1];
        holdSurface(furnace);
        if (cn[m] > growthLimit) {
            const double farCarbon = cn[m];
            appendNode(m);
            grown(m, farCarbon, balanced);
        }
        c.swap(cn);
    }

    // Lengthens the grid by one node beyond far node m of the new profile `cn`.
    void appendNode(std::size_t m);
    // µm, the mass fraction of cementite integrated over depths [from, to] (µm), each node's
    // cell holding its own.
    double cementiteOver(double from, double to) const;
    // Per-node `values` (one per node) resampled as resampleProfile resamples the carbon.
    void resample(const std::vector<double>& values, std::vector<double>& X,
                  std::vector<double>& V) const;

    std::vector<double> c;        // % C, carbon content of each node
    std::vector<double> h;        // µm, cell widths
    std::vector<double> d;        // µm²/s, diffusivity of each node (filled by oblD)
    std::vector<double> s;        // µm, depth below the surface (s[1] = 0, s[0] < 0)
    std::vector<double> e;        // % C, carbon in cementite of each node (carbides only)
    bool carbides = false;        // carbon beyond the saturation limit forms cementite
    double settledSolubility = 0; // % C, of the last settleCarbides
    SampleShape kind;
    double ck;                 // % C, carbon content of the steel
    double be;                 // µm/s, carbon transfer coefficient
    double growthLimit;        // % C, a far node above this makes the grid grow
    double grub;               // µm, half-thickness of plate or foil, radius of cylinder or wire
    double q;                  // ratio of successive cell widths
    double fluxFactor;         // 2 / (1 + q)²
    std::vector<double> sklad; // %: Cr, Mo, Mn, Si, Ni (hardness model only)
    std::shared_ptr<const RunHardness> hardness; // shared by copies of the sample
    DiffusivityModel law; // of the carbon diffusivity, as the set's settings choose

    std::vector<double> cn; // the profile being built by a step; kept to avoid reallocating
};
