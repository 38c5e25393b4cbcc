#pragma once
// A plate carburized from both faces; half of it is modelled, from the surface (node 1) to the
// mid-plane (node N, at depth grub). Until the grid reaches the mid-plane the plate behaves
// exactly as a semi-infinite sample, growing its grid; from then on the last node is a plane
// of symmetry and the grid stays as it is.

#include "Gruba.h"

class Plyta : public Gruba {
public:
    explicit Plyta(const Parametry& parametry);

    void obl(const Furnace& furnace) override;
    std::unique_ptr<ResultRecorder> recorder(const std::string& fileName,
                                             ResultStreams& streams) const override;

protected:
    // The complete grid: interior balances up to node N − 1, mirrored balance at node N.
    void symmetricStep(const Furnace& furnace);

    short N; // index of the mid-plane node
};
