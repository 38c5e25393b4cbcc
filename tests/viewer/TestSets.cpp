#include "TestSets.h"

#include "Computation.h"
#include "KindTraits.h"

#include <QFile>

namespace {

class NoProgress : public RunObserver {
public:
    void setProgress(int) override {}
};

// Two stages, short enough to compute in a moment: hours for the thick shapes, seconds for a
// foil or a wire.
ProcessForm shortProgramme(SampleShape shape) {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    const bool foil = kindTraits(shape).thin;
    const double stageEnds[] = {0, foil ? 60.0 : 1.0, foil ? 120.0 : 2.0};
    const double potentials[] = {1.1, 1.1, 0.8};
    for (int row = 0; row < 3; ++row) {
        form.time[row] = stageEnds[row];
        form.temperature[row] = 925;
        form.potential[row] = potentials[row];
    }
    form.thickness = foil ? 0.1 : 10;
    return form;
}

QString computed(const QString& folder, const QString& name, const ProcessForm& form,
                 SampleShape shape) {
    const QString setName = folder + u'/' + name;
    const std::string path = setName.toStdString();
    if (!writeProcessData(path, form, shapeName(shape)))
        qFatal("cannot write the process data of a test set");
    NoProgress progress;
    if (runComputation(path, progress).status != RunStatus::Finished)
        qFatal("the test set was not computed");
    return setName;
}

} // namespace

QString computeSet(const QString& folder, const QString& name, SampleShape shape) {
    return computed(folder, name, shortProgramme(shape), shape);
}

QString computeLowPressureSet(const QString& folder, const QString& name) {
    ProcessForm form = shortProgramme(SampleShape::SemiInfinite);
    const StageCondition gas{};
    const StageCondition boost{SurfaceCondition::Boost, std::nullopt};
    const StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
    // Each row's condition is that of the stage it ends: gas to 0.5 h, a boost to 1 h, a
    // diffusion to 1.5 h, a boost to 2 h, a diffusion to 2.5 h.
    const StageCondition conditions[] = {gas, gas, boost, neutral, boost, neutral};
    for (std::size_t row = 0; row < std::size(conditions); ++row) {
        form.time[row] = 0.5 * static_cast<double>(row);
        form.temperature[row] = 925;
        form.potential[row] = 1.1;
        form.condition[row] = conditions[row];
    }
    return computed(folder, name, form, SampleShape::SemiInfinite);
}

void writeTestFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write a test file");
}

QByteArray readTestFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read a test file");
    return file.readAll();
}
