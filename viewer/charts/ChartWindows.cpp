#include "ChartWindows.h"

#include "TAxisSetup.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString fileExtension(ChartKind kind) {
    const std::optional<ResultFile> file = chartKindTraits(kind).file;
    if (!file)
        return QString();
    const std::string_view text = extension(*file);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

TimeUnit clientTimeUnit(const ChartContext& context) {
    return context.foilSample() ? TimeUnit::Seconds : TimeUnit::Hours;
}

bool isMeanFile(const QString& extension) {
    return extension.compare(u"sre"_s, Qt::CaseInsensitive) == 0;
}

} // namespace

TSetChartMDIChild::TSetChartMDIChild(ChartContext& context, const QString& title, ChartKind kind,
                                     const QString& icon, QWidget* parent)
    : TChartMDIChild(context, title, fileExtension(kind), icon, parent), set_(openedSet()),
      kind_(kind) {
    // Reading the main file tells the client whether the set is timed in seconds; only such a
    // set changes the flag, which the open command has already reset.
    if (kind == ChartKind::Carbon && set_->thin())
        context.setFoilSample(true);
    timeUnit_ = clientTimeUnit(context);
    // A set computed under a law other than the standard one says so on each of its charts.
    if (const std::optional<DiffusivityModel> law = set_->settings.diffusivity;
        law && *law != DiffusivityModel::Standard) {
        const std::string_view word = diffusivityWord(*law);
        setWindowTitle(
            QCoreApplication::translate("TSetChartMDIChild", "%1 (dyfuzyjność: %2)")
                .arg(windowTitle(), QString::fromUtf8(word.data(), qsizetype(word.size()))));
    }
    takeFile(chartKindTraits(kind).status(*set_));
    scaleRecord() = openingScale(*set_, kind, timeUnit_);
    if (kind == chartShowing(MeasuredQuantity::Carbon) ||
        kind == chartShowing(MeasuredQuantity::Hardness))
        addMeasurementCommands(kind);
}

std::vector<ComputedProfile> TSetChartMDIChild::measuredAgainst() const {
    return lastProfileOf(*set_, kind_);
}

ChartDescription TSetChartMDIChild::describe() {
    return describeSetChart(*set_, kind_, scale(), timeUnit_);
}

std::unique_ptr<TAxisSetup> TSetChartMDIChild::scaleDialog() {
    if (isNodeChart(kind_))
        return std::make_unique<TAxisSetup>(this, scaleRecord());
    return std::make_unique<TAxisSetup2>(this, scaleRecord());
}

TTempMDIChild::TTempMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Temperature, u"TEMP"_s, parent) {}

TPotMDIChild::TPotMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Potential, u"POT"_s, parent) {}

TWynikiMDIChild::TWynikiMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Carbon, u"WEGIEL"_s, parent) {}

TGruboscMDIChild::TGruboscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::CaseDepth, u"GRUB"_s, parent) {}

TPowMDIChild::TPowMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Surface, u"POW"_s, parent) {}

TTwardoscMDIChild::TTwardoscMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Hardness, u"TWARD"_s, parent) {}

TAustenitMDIChild::TAustenitMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Austenite, u"TWARD"_s, parent) {}

TCementytMDIChild::TCementytMDIChild(ChartContext& context, const QString& title, QWidget* parent)
    : TSetChartMDIChild(context, title, ChartKind::Carbide, u"WEGIEL"_s, parent) {}

TXYMDIChild::TXYMDIChild(ChartContext& context, const QString& title, const QString& extension,
                         QWidget* parent)
    : TSetChartMDIChild(context, title, isMeanFile(extension) ? ChartKind::Mean : ChartKind::Mass,
                        isMeanFile(extension) ? u"SREDNIA"_s : u"MASA"_s, parent) {}
