#pragma once
// A wire: a cylinder thin enough to be gridded whole, axis included, from the first step. Its
// programme is given in seconds, it has no case depth and it reports the mean carbon increase
// of its cross-section.

#include "Walec.h"

class Drut : public Walec {
public:
    explicit Drut(const Parametry& parametry);

    void obl(const Furnace& furnace) override;
    double oblGrub(double level) const override;
    std::optional<double> meanCarbonOf(double mass) const override;
    std::unique_ptr<ResultRecorder> recorder(const std::string& fileName,
                                             ResultStreams& streams) const override;
};
