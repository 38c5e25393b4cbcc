#pragma once
// A chart window of one quantity of several result sets, a line per set in the set's colour.
// The windows of one comparison share a `ComparisonGroup`: a set added to it or dropped from it,
// hidden or shown by a click on its legend, changes every window of the group. The window's
// `TSkala` starts at axes that hold every line and is fitted again when the sets change; the
// scale dialog changes it as in any time chart. The case-depth window shows one carbon level at
// a time, chosen from the window's context menu.

#include "ComparisonGroup.h"
#include "TChartMDIChild.h"

#include <memory>
#include <vector>

class QActionGroup;

class TCompareMDIChild : public TChartMDIChild {
    Q_OBJECT
public:
    using Group = std::shared_ptr<ComparisonGroup>;

    TCompareMDIChild(ChartContext& context, Group group, ChartKind quantity,
                     QWidget* parent = nullptr);

    ChartKind quantity() const { return quantity_; }
    ComparisonGroup& group() const { return *group_; }
    // The index in `depthLevels` of the level shown.
    int depthLevel() const { return depthLevel_; }
    void showDepthLevel(int level);
    QString csv() const override;

signals:
    // "Dodaj zestaw...": the user wants more sets in the group.
    void addRequested();

private:
    ChartDescription describe() override;
    // The sets' group decides which lines are hidden.
    bool keepsHiddenLines() const override { return false; }
    // Each shown set's last profile, named by its file.
    std::vector<ComputedProfile> measuredAgainst() const override;
    std::unique_ptr<TAxisSetup> scaleDialog() override;
    void fitScaleToLines();
    void addCommands();
    void fillDropMenu(QMenu& menu);
    void toggleSet(int line, bool visible);

    Group group_;
    ChartKind quantity_;
    int depthLevel_ = 0;
    std::vector<std::size_t> setOfLine_; // of the chart last described
};
