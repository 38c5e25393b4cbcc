#include "TCompareMDIChild.h"

#include "ChartExport.h"
#include "ChartNames.h"
#include "LineChart.h"
#include "TAxisSetup.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {

// The depth window's name of a carbon level, in its title and its menu.
QString depthLevelName(int level) {
    return QCoreApplication::translate("TCompareMDIChild", "Głębokość przy %1% C")
        .arg(depthLevels[static_cast<std::size_t>(level)], 0, 'f', 2);
}

QString comparisonTitle(ChartKind quantity, int depthLevel) {
    QString name = chartQuantity(quantity);
    if (quantity == ChartKind::CaseDepth)
        name = depthLevelName(depthLevel);
    return QCoreApplication::translate("TCompareMDIChild", "Porównanie - %1").arg(name);
}

} // namespace

TCompareMDIChild::TCompareMDIChild(ChartContext& context, Group group, ChartKind quantity,
                                   QWidget* parent)
    : TChartMDIChild(context, comparisonTitle(quantity, 0), QString(), u"COMPARE"_s, parent),
      group_(std::move(group)), quantity_(quantity) {
    fitScaleToLines();
    addCommands();
    connect(group_.get(), &ComparisonGroup::changed, this, [this] {
        fitScaleToLines();
        draw();
    });
    connect(&chart(), &LineChart::lineToggled, this, &TCompareMDIChild::toggleSet);
}

void TCompareMDIChild::showDepthLevel(int level) {
    if (quantity_ != ChartKind::CaseDepth || level < 0 ||
        level >= static_cast<int>(depthLevels.size()) || level == depthLevel_)
        return;
    depthLevel_ = level;
    setWindowTitle(comparisonTitle(quantity_, level));
    fitScaleToLines();
    draw();
}

ChartDescription TCompareMDIChild::describe() {
    ComparisonChart comparison = describeComparison(group_->sets(), quantity_, depthLevel_);
    setOfLine_ = std::move(comparison.setOfLine);
    comparison.description.xAxis = xAxisOf(scale());
    comparison.description.yAxis = yAxisOf(scale());
    return comparison.description;
}

std::unique_ptr<TAxisSetup> TCompareMDIChild::scaleDialog() {
    return std::make_unique<TAxisSetup2>(this, scaleRecord());
}

QString TCompareMDIChild::csv() const {
    return pairedCsvText(chart().description());
}

void TCompareMDIChild::fitScaleToLines() {
    const ChartDescription fitted =
        describeComparison(group_->sets(), quantity_, depthLevel_).description;
    scaleRecord() = scaleOf(fitted.xAxis, fitted.yAxis);
}

std::vector<ComputedProfile> TCompareMDIChild::measuredAgainst() const {
    std::vector<ComputedProfile> profiles;
    for (const ComparedSet& compared : group_->sets())
        if (!compared.hidden)
            if (std::optional<ComparedLine> line = comparedLine(*compared.set, quantity_))
                profiles.push_back(
                    {QFileInfo(QString::fromStdString(compared.set->name)).fileName(),
                     std::move(line->x), std::move(line->y)});
    return profiles;
}

void TCompareMDIChild::addCommands() {
    QWidget* area = widget();
    area->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* add = new QAction(tr("Dodaj zestaw..."), this);
    connect(add, &QAction::triggered, this, &TCompareMDIChild::addRequested);
    area->addAction(add);

    auto* drop = new QAction(tr("Usuń zestaw"), this);
    auto* dropMenu = new QMenu(this);
    drop->setMenu(dropMenu);
    connect(dropMenu, &QMenu::aboutToShow, this, [this, dropMenu] { fillDropMenu(*dropMenu); });
    area->addAction(drop);

    if (quantity_ == chartShowing(MeasuredQuantity::Carbon) ||
        quantity_ == chartShowing(MeasuredQuantity::Hardness))
        addMeasurementCommands(quantity_);
    if (quantity_ != ChartKind::CaseDepth)
        return;
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    area->addAction(separator);
    auto* levels = new QActionGroup(this);
    for (int level = 0; level < static_cast<int>(depthLevels.size()); ++level) {
        auto* choice = new QAction(depthLevelName(level), levels);
        choice->setCheckable(true);
        choice->setChecked(level == depthLevel_);
        connect(choice, &QAction::triggered, this, [this, level] { showDepthLevel(level); });
        area->addAction(choice);
    }
}

void TCompareMDIChild::fillDropMenu(QMenu& menu) {
    menu.clear();
    const std::span<const ComparedSet> sets = group_->sets();
    for (std::size_t index = 0; index < sets.size(); ++index) {
        QAction* drop =
            menu.addAction(QFileInfo(QString::fromStdString(sets[index].set->name)).fileName());
        // A comparison keeps at least one set.
        drop->setEnabled(sets.size() > 1);
        connect(drop, &QAction::triggered, group_.get(),
                [group = group_.get(), index] { group->drop(index); });
    }
}

void TCompareMDIChild::toggleSet(int line, bool visible) {
    if (line >= 0 && static_cast<std::size_t>(line) < setOfLine_.size())
        group_->setHidden(setOfLine_[static_cast<std::size_t>(line)], !visible);
}
