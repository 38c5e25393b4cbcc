#pragma once
// A long cylinder carburized over its surface. The grid runs from the surface (node 1) to the
// axis (node N, at depth grub = the radius) with the widths and depths of the flat grid; every
// cell also carries the radii of its faces, and its balance is taken over its annulus. Until
// the grid reaches the axis it grows as for a semi-infinite sample; then the axis node is a
// disc of half a cell width and the grid stays as it is.
//
// Faces: r[i] is the outer face of cell i and r[i+1] its inner one, so r has one entry more
// than c; r[i] − r[i+1] = h[i], node i sits at r[i] − h[i]/2, the surface node at radius grub,
// and once the axis is reached the last face is 0.

#include "Gruba.h"

class Walec : public Gruba {
public:
    explicit Walec(const Parametry& parametry);

    void obl(const Furnace& furnace) override;
    double massGain() const override; // g per metre of cylinder length
    double massPerSurface() const override { return perSurface(massGain()); }
    std::unique_ptr<ResultRecorder> recorder(const std::string& fileName,
                                             ResultStreams& streams) const override;

    const std::vector<double>& faceRadii() const { return r; }
    // Mass per metre of length (g/m) as mass per square metre of outer surface (g/m²).
    double perSurface(double massPerLength) const;

protected:
    // Change of node i per unit of annulus area, k2 = 2·fluxFactor·timeStep:
    //   Δc_i = k2/h_i · [(q·d_{i+1} + d_i)(c_{i+1} − c_i)·r_{i+1}
    //                    − q·(q·d_i + d_{i−1})(c_i − c_{i−1})·r_i] / (r_i² − r_{i+1}²)
    double annulusBalance(std::size_t i, double k2) const {
        return k2 / h[i] *
               ((q * d[i + 1] + d[i]) * (c[i + 1] - c[i]) * r[i + 1] -
                q * (q * d[i] + d[i - 1]) * (c[i] - c[i - 1]) * r[i]) /
               ((r[i] - r[i + 1]) * (r[i] + r[i + 1]));
    }

    double fluxGhost(double flux) const override;

    // The complete grid: annulus balances up to node N − 1, the axis disc at node N.
    void axisStep(const Furnace& furnace);

    // Radius of the surface node (µm).
    double surfaceRadius() const { return r[1] - h[1] / 2; }
    // A ring's extent, its outer radius squared less its inner (the surface's: from the surface).
    double cellExtent(std::size_t i) const override;

    short N;               // index of the axis node
    std::vector<double> r; // µm, outer face radius of each cell
};
