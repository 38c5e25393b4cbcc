#include "ChartWindows.h"

using namespace Qt::StringLiterals;

TTempMDIChild::TTempMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, QString(), u"TEMP"_s, parent) {
    const bool opened = readFile([this](std::istream& in) {
        const ShapeRead read = readTemperatureFile(in, data_);
        foil_ = read.foil;
        return read.status;
    });
    if (!opened)
        return;
    setInitialScale(foil_, 15, 800, 950);
}

TTimeChartMDIChild::TimeLine TTempMDIChild::line() const {
    return {data_.times, data_.temperatures, timeCaption(foil_), QString(), u"Temperature, C"_s};
}

TPotMDIChild::TPotMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, QString(), u"POT"_s, parent) {
    if (!readFile([this](std::istream& in) { return readPotentialFile(in, data_); }))
        return;
    setInitialScale(context.foilSample(), 12, 0, 1.2);
}

TTimeChartMDIChild::TimeLine TPotMDIChild::line() const {
    return {data_.times, data_.potentials, timeCaption(context().foilSample()), QString(),
            u"Carbon potential of the atmosphere, %"_s};
}

TWynikiMDIChild::TWynikiMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TProfileMDIChild(context, title, QString(), u"WEGIEL"_s, parent) {
    const bool opened = readFile([this](std::istream& in) {
        const ShapeRead read = readCarbonFile(in, profiles());
        // Only a foil set changes the flag: the open command has already reset it.
        if (read.foil)
            this->context().setFoilSample(true);
        return read.status;
    });
    if (!opened)
        return;
    setInitialScale(2, 6, 1.2);
}

QString TWynikiMDIChild::timeUnit() const {
    return context().foilSample() ? u"s"_s : u"h"_s;
}

QString TWynikiMDIChild::yCaption() const {
    return u"Carbon concentration, %"_s;
}

TGruboscMDIChild::TGruboscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TNodeChartMDIChild(context, title, u"gru"_s, u"GRUB"_s, parent) {
    if (!readFile([this](std::istream& in) { return readDepthFile(in, depths_); }))
        return;
    // The axis ends at the time of the last row.
    setInitialScale(depths_.timeCount() > 0 ? depths_.time(depths_.timeCount() - 1) : 0, 16, 1.6);
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
    return u"Thickness of the case, mm"_s;
}

TPowMDIChild::TPowMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TTimeChartMDIChild(context, title, u"pow"_s, u"POW"_s, parent) {
    if (!readFile([this](std::istream& in) { return readSurfaceFile(in, series_); }))
        return;
    setInitialScale(context.foilSample(), 12, 0, 1.2);
}

TTimeChartMDIChild::TimeLine TPowMDIChild::line() const {
    return {series_.x(), series_.y(), timeCaption(context().foilSample()), QString(),
            u"Carbon concentration on the surface, %"_s};
}

TTwardoscMDIChild::TTwardoscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TProfileMDIChild(context, title, u"twa"_s, u"TWARD"_s, parent) {
    if (!readFile([this](std::istream& in) { return readHardnessFile(in, profiles()); }))
        return;
    setInitialScale(2, 9, 900);
}

QString TTwardoscMDIChild::timeUnit() const {
    return u" h"_s;
}

QString TTwardoscMDIChild::yCaption() const {
    return u"Hardness, HV"_s;
}

namespace {

QString xyIcon(const QString& extension) {
    return extension.compare(u"sre"_s, Qt::CaseInsensitive) == 0 ? u"SREDNIA"_s : u"MASA"_s;
}

} // namespace

TXYMDIChild::TXYMDIChild(ChartContext& context, const QString& title, const QString& extension,
                         QWidget* parent)
    : TTimeChartMDIChild(context, title, extension, xyIcon(extension), parent) {
    // The file brings its axes; a file that cannot be read leaves the window empty.
    readFile(
        [this](std::istream& in) { return readXYFile(in, captions_, scaleRecord(), series_); });
    widenScaleToHoldLine();
}

TTimeChartMDIChild::TimeLine TXYMDIChild::line() const {
    return {series_.x(), series_.y(), QString::fromStdString(captions_.xCaption),
            QString::fromStdString(captions_.middleCaption),
            QString::fromStdString(captions_.yCaption)};
}
