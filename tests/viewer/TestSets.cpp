#include "TestSets.h"

#include "Computation.h"
#include "KindTraits.h"
#include "TestProcess.h"

#include <QFile>

namespace {

class NoProgress : public RunObserver {
public:
    void setProgress(int) override {}
};

// Two stages, short enough to compute in a moment: hours for the thick shapes, seconds for a
// foil or a wire.
ProcessRecord shortProgramme(SampleShape shape) {
    const bool thin = kindTraits(shape).thin;
    const double stage = thin ? 60.0 : 1.0;
    return stagedProcess(0.2, 2e-5, {{0, 925, 1.1}, {stage, 925, 1.1}, {2 * stage, 925, 0.8}},
                         shape, thin ? 0.1 : 10);
}

QString computed(const QString& folder, const QString& name, const ProcessRecord& process) {
    const QString setName = folder + u'/' + name;
    const std::string path = setName.toStdString();
    if (!writeProcessData(path, process))
        qFatal("cannot write the process data of a test set");
    NoProgress progress;
    if (runComputation(path, progress).status != RunStatus::Finished)
        qFatal("the test set was not computed");
    return setName;
}

} // namespace

QString computeSet(const QString& folder, const QString& name, SampleShape shape) {
    return computed(folder, name, shortProgramme(shape));
}

QString computeLowPressureSet(const QString& folder, const QString& name) {
    const StageCondition boost{SurfaceCondition::Boost, std::nullopt};
    const StageCondition neutral{SurfaceCondition::Neutral, std::nullopt};
    // Each row's condition is that of the stage it ends: gas to 0.5 h, a boost to 1 h, a
    // diffusion to 1.5 h, a boost to 2 h, a diffusion to 2.5 h.
    return computed(folder, name,
                    stagedProcess(0.2, 2e-5,
                                  {{0, 925, 1.1},
                                   {0.5, 925, 1.1},
                                   {1, 925, 1.1, boost},
                                   {1.5, 925, 1.1, neutral},
                                   {2, 925, 1.1, boost},
                                   {2.5, 925, 1.1, neutral}}));
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
