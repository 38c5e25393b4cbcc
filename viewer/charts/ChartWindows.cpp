#include "ChartWindows.h"

#include "ChartNames.h"
#include "InitialScale.h"

using namespace Qt::StringLiterals;

TTempMDIChild::TTempMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, QString(), u"TEMP"_s, parent) {
    const LoadedSet& set = openedSet();
    data_ = set.process.series;
    foil_ = set.thin();
    if (!takeFile(set.shapeStatus))
        return;
    setInitialScale(ChartKind::Temperature, foil_);
}

TTimeChartMDIChild::TimeLine TTempMDIChild::line() const {
    return {data_.times, data_.temperatures, timeCaption(foil_), QString(),
            chartYCaption(ChartKind::Temperature)};
}

TPotMDIChild::TPotMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, QString(), u"POT"_s, parent), foil_(context.foilSample()) {
    data_ = openedSet().process.series;
    if (!takeFile(openedSet().process.status))
        return;
    setInitialScale(ChartKind::Potential, foil_);
}

TTimeChartMDIChild::TimeLine TPotMDIChild::line() const {
    return {data_.times, data_.potentials, timeCaption(foil_), QString(),
            chartYCaption(ChartKind::Potential)};
}

TWynikiMDIChild::TWynikiMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TProfileMDIChild(context, title, QString(), u"WEGIEL"_s, parent) {
    const LoadedSet& set = openedSet();
    profiles() = set.carbon.series;
    // Only a set timed in seconds changes the flag: the open command has already reset it.
    if (set.thin())
        this->context().setFoilSample(true);
    foil_ = this->context().foilSample();
    if (!takeFile(set.carbon.status))
        return;
    setInitialScale(initialScale(ChartKind::Carbon, TimeUnit::Hours));
}

QString TWynikiMDIChild::timeUnit() const {
    return foil_ ? u"s"_s : u"h"_s;
}

QString TWynikiMDIChild::yCaption() const {
    return chartYCaption(ChartKind::Carbon);
}

TGruboscMDIChild::TGruboscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TNodeChartMDIChild(context, title, u"gru"_s, u"GRUB"_s, parent) {
    depths_ = openedSet().depths.series;
    if (!takeFile(openedSet().depths.status))
        return;
    // The axis ends at the time of the last row.
    TSkala initial = initialScale(ChartKind::CaseDepth, TimeUnit::Hours);
    initial.xEnd = depths_.timeCount() > 0 ? depths_.time(depths_.timeCount() - 1) : 0;
    setInitialScale(initial);
}

int TGruboscMDIChild::lineCount() const {
    return depths_.seriesCount();
}

QString TGruboscMDIChild::legend(int line) const {
    static const QStringList levels{u"g - 0.40% C"_s, u"g - 0.35% C"_s, u"g - 0.30% C"_s};
    return line < levels.size() ? levels[line] : QString();
}

std::span<const double> TGruboscMDIChild::grid() const {
    return depths_.times();
}

double TGruboscMDIChild::value(int node, int line) {
    return depths_.depth(line, node);
}

QString TGruboscMDIChild::xCaption() const {
    return u"     Carburizing time, h"_s;
}

QString TGruboscMDIChild::yCaption() const {
    return chartYCaption(ChartKind::CaseDepth);
}

TPowMDIChild::TPowMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, u"pow"_s, u"POW"_s, parent), foil_(context.foilSample()) {
    series_ = surfaceCarbon(openedSet());
    if (!takeFile(openedSet().surface.status))
        return;
    setInitialScale(ChartKind::Surface, foil_);
}

TTimeChartMDIChild::TimeLine TPowMDIChild::line() const {
    return {series_.x(), series_.y(), timeCaption(foil_), QString(),
            chartYCaption(ChartKind::Surface)};
}

TTwardoscMDIChild::TTwardoscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TProfileMDIChild(context, title, u"twa"_s, u"TWARD"_s, parent) {
    profiles() = openedSet().hardness.series;
    if (!takeFile(openedSet().hardness.status))
        return;
    setInitialScale(initialScale(ChartKind::Hardness, TimeUnit::Hours));
}

QString TTwardoscMDIChild::timeUnit() const {
    return u" h"_s;
}

QString TTwardoscMDIChild::yCaption() const {
    return chartYCaption(ChartKind::Hardness);
}

namespace {

bool isMeanFile(const QString& extension) {
    return extension.compare(u"sre"_s, Qt::CaseInsensitive) == 0;
}

QString xyIcon(const QString& extension) {
    return isMeanFile(extension) ? u"SREDNIA"_s : u"MASA"_s;
}

} // namespace

TXYMDIChild::TXYMDIChild(ChartContext& context, const QString& title, const QString& extension,
                         QWidget* parent)
    : TTimeChartMDIChild(context, title, extension, xyIcon(extension), parent) {
    // The file brings its axes; a file that cannot be read leaves the window empty.
    const FileSeries<XYFile>& file = isMeanFile(extension) ? openedSet().mean : openedSet().mass;
    captions_ = file.series.captions;
    scaleRecord() = file.series.scale;
    series_ = file.series.series;
    if (isMeanFile(extension)) {
        // The file holds the increase over the steel's carbon; a user reads the content.
        series_ = meanCarbonContent(openedSet());
        captions_.yCaption = meanCarbonCaption;
    }
    takeFile(file.status);
    widenScaleToHoldLine();
}

TTimeChartMDIChild::TimeLine TXYMDIChild::line() const {
    return {series_.x(), series_.y(), QString::fromStdString(captions_.xCaption),
            QString::fromStdString(captions_.middleCaption),
            QString::fromStdString(captions_.yCaption)};
}
