#include "ExportSet.h"

#include "ChartWindows.h"
#include "LoadedSet.h"
#include "MessageBox.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "SetWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The windows of a set drawn without a client: they read only the set, never the screen.
class ExportContext : public ChartContext {
public:
    explicit ExportContext(const LoadedSet& set)
        : set_(set), name_(QString::fromStdString(set.name)), foil_(set.thin()) {}

    bool autoFit() const override { return false; }
    bool foilSample() const override { return foil_; }
    void setFoilSample(bool foil) override { foil_ = foil; }
    QString openFileName() const override { return name_; }
    const LoadedSet* openSet() const override { return &set_; }

private:
    const LoadedSet& set_;
    QString name_;
    bool foil_;
};

} // namespace

int exportSet(const QString& folder, const QString& setName, QTextStream& errors) {
    const QString fullName = QString::fromStdString(commandLineName(setName.toStdString()));
    const LoadedSet set = loadSet(fullName.toStdString());
    // A set never computed still has its programme's charts; each missing file is told below.
    if (const SetProblem problem = resultSetProblem(set);
        problem != SetProblem::None && problem != SetProblem::NoResults) {
        errors << "tavrix: cannot read the result set " << setName;
        if (problem != SetProblem::Unreadable)
            errors << ": " << setProblemReason(problem);
        errors << Qt::endl;
        return 2;
    }
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        errors << "tavrix: cannot make the folder " << folder << Qt::endl;
        return 2;
    }

    // The windows report unreadable files in message boxes, which nobody could answer here;
    // the set's read status names the files instead.
    const MessageCapture reports;
    ExportContext context(set);
    const std::vector<SetWindow> windows =
        buildSetWindows(context, nullptr, fullName, kindTraits(*set.shape).charts);

    int failures = 0;
    for (const auto& [kind, window] : windows) {
        if (chartKindTraits(kind).status(set) != FileStatus::Whole) {
            errors << "tavrix: cannot read " << chartSourceFile(fullName, kind) << Qt::endl;
            ++failures;
        }
        window->draw();
        const QString stem = chartFileBase(target.path(), fullName, kind);
        const QString problem = window->exportTo(stem + QStringLiteral(".png"),
                                                 stem + QStringLiteral(".csv"), exportSize);
        if (!problem.isEmpty()) {
            errors << "tavrix: " << problem << Qt::endl;
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
