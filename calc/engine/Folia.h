#pragma once
// A foil: a plate thin enough to be gridded whole from the first step. Its programme is given
// in seconds, it has no case depth and it reports the mean carbon increase of its section.

#include "Plyta.h"

class Folia : public Plyta {
public:
    Folia(std::string fileName, const Parametry& parametry, ResultStreams& streams);

    void obl(const Furnace& furnace) override;
    double oblGrub(double level) const override;
    void writeSurface(double t) override;
    void writeDepths(double t) override;
    short checkMassDepth(double t) override;
    void writeProfile(double t) override;
    std::optional<double> meanCarbon() const override;
    void writeMass(double t) override;
    void writeMean(double t) override;
    void openResults(double t) override;

protected:
    void writeMassTitle() override;
};
