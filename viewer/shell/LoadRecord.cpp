#include "LoadRecord.h"

#include "ChartExport.h"
#include "ChartNames.h"
#include "Comparison.h"
#include "ExportSet.h"
#include "ProcessSettings.h"
#include "ProfileMeasures.h"
#include "RecordLayout.h"
#include "ReplayReport.h"
#include "ResultSet.h"
#include "SetNames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <span>

using namespace Qt::StringLiterals;

namespace {

// The settings lines of the set's head (its grade, models, treatments), name and value, as the
// file would write them.
QList<std::pair<QString, QString>> settingLines(const ProcessSettings& settings) {
    QList<std::pair<QString, QString>> lines;
    const QString text = QString::fromStdString(settingsText(settings));
    for (const QString& line : text.split(u"\r\n"_s, Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(u':');
        lines.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return lines;
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString general(double value) {
    return QString::number(value, 'g', 6);
}

// What a record says: the set read once, its figures and, with requirements, its checks.
class LoadRecordDocument {
    Q_DECLARE_TR_FUNCTIONS(LoadRecord)

public:
    LoadRecordDocument(const LoadedSet& set, const QList<ShownMeasurement>& measurements,
                       const std::optional<std::vector<LimitCheck>>& checks)
        : set_(set), measurements_(measurements), checks_(checks),
          austenite_(readRetainedAustenite(set.name)), figures_(loadFigures(set, austenite_)),
          summary_(summarize(set)) {}

    void lay(RecordLayout& layout) const {
        head(layout);
        programme(layout);
        results(layout);
        measured(layout);
        requirements(layout);
        charts(layout);
        layout.finish();
    }

    static QString verdictText(const std::vector<LimitCheck>& checks);

private:
    static QString settingLabel(const QString& name);
    static QString quantityName(LimitQuantity quantity);
    static QString unitOf(LimitQuantity quantity);
    static QString labelOf(const SpecLimit& limit);
    QString conditionText(std::size_t row) const;
    QString valueText(LimitQuantity quantity, std::optional<double> value) const;
    QString chdText(double limit) const;
    static QString uncheckedText(Unchecked why);
    static QString comparedName(ComparedFigure figure);

    void head(RecordLayout& layout) const;
    void programme(RecordLayout& layout) const;
    void asRunProgramme(RecordLayout& layout, const AsRunRecord& record) const;
    void results(RecordLayout& layout) const;
    void measured(RecordLayout& layout) const;
    void requirements(RecordLayout& layout) const;
    void charts(RecordLayout& layout) const;

    const LoadedSet& set_;
    const QList<ShownMeasurement>& measurements_;
    const std::optional<std::vector<LimitCheck>>& checks_;
    FileSeries<TWyniki> austenite_;
    LoadFigures figures_;
    SetSummary summary_;
};

// What a settings line chooses, by its name; a setting without a label here by its own name.
QString LoadRecordDocument::settingLabel(const QString& name) {
    if (name == u"grade"_s)
        return tr("Gatunek");
    if (name == u"diffusivity"_s)
        return tr("Model dyfuzji");
    if (name == u"quench"_s)
        return tr("Hartowanie");
    return name;
}

QString LoadRecordDocument::quantityName(LimitQuantity quantity) {
    switch (quantity) {
    case LimitQuantity::CaseHardeningDepth:
        return tr("Głębokość utwardzenia (CHD)");
    case LimitQuantity::CaseDepth:
        return tr("Grubość warstwy nawęglonej");
    case LimitQuantity::SurfaceCarbon:
        return tr("Węgiel na powierzchni");
    case LimitQuantity::SurfaceHardness:
        return tr("Twardość powierzchni");
    case LimitQuantity::CoreHardness:
        return tr("Twardość rdzenia");
    case LimitQuantity::RetainedAustenite:
        return tr("Austenit szczątkowy");
    case LimitQuantity::MassGain:
        return tr("Przyrost masy");
    }
    return {};
}

QString LoadRecordDocument::unitOf(LimitQuantity quantity) {
    switch (quantity) {
    case LimitQuantity::CaseHardeningDepth:
    case LimitQuantity::CaseDepth:
        return QStringLiteral("mm");
    case LimitQuantity::SurfaceCarbon:
        return QStringLiteral("% C");
    case LimitQuantity::SurfaceHardness:
    case LimitQuantity::CoreHardness:
        return QStringLiteral("HV");
    case LimitQuantity::RetainedAustenite:
        return QStringLiteral("%");
    case LimitQuantity::MassGain:
        return QStringLiteral("g/m²");
    }
    return {};
}

QString LoadRecordDocument::labelOf(const SpecLimit& limit) {
    QString label = quantityName(limit.quantity);
    if (limit.quantity == LimitQuantity::CaseHardeningDepth)
        label += tr(" przy %1 HV").arg(general(*limit.level));
    else if (limit.quantity == LimitQuantity::CaseDepth)
        label += tr(" przy %1 % C").arg(general(*limit.level));
    return label;
}

QString LoadRecordDocument::verdictText(const std::vector<LimitCheck>& checks) {
    QStringList failing, unchecked;
    for (const LimitCheck& check : checks) {
        if (check.outcome == Outcome::Fail)
            failing.append(labelOf(check.limit));
        else if (check.outcome == Outcome::NotChecked)
            unchecked.append(labelOf(check.limit));
    }
    QString text = failing.isEmpty() ? tr("Werdykt: wszystkie sprawdzone wymagania spełnione")
                                     : tr("Werdykt: NIE SPEŁNIA: %1").arg(failing.join(u", "));
    if (!unchecked.isEmpty())
        text += tr("; nie sprawdzono: %1").arg(unchecked.join(u", "));
    return text;
}

QString LoadRecordDocument::uncheckedText(Unchecked why) {
    switch (why) {
    case Unchecked::None:
        break;
    case Unchecked::NoHardness:
        return tr("zestaw nie ma profilu twardości");
    case Unchecked::NoRetainedAustenite:
        return tr("zestaw nie ma pliku austenitu szczątkowego (aus)");
    case Unchecked::NoCaseDepth:
        return tr("zestaw nie podaje tej grubości warstwy");
    case Unchecked::NoSurfaceCarbon:
        return tr("zestaw nie ma stężenia węgla na powierzchni");
    case Unchecked::NoMassGain:
        return tr("zestaw nie ma przyrostu masy");
    case Unchecked::HardThroughout:
        return tr("twardość nie spada poniżej granicy w profilu");
    }
    return {};
}

QString LoadRecordDocument::valueText(LimitQuantity quantity, std::optional<double> value) const {
    if (!value)
        return QStringLiteral("—");
    return fixed(*value, shownDecimals(quantity)) + u' ' + unitOf(quantity);
}

// As the calculation program prints it after a run.
QString LoadRecordDocument::chdText(double limit) const {
    const Measure chd = caseHardeningDepthAt(figures_, limit);
    if (chd.value && *chd.value == 0)
        return tr("brak: warstwa nie osiąga %1 HV").arg(general(limit));
    if (chd.value)
        return valueText(LimitQuantity::CaseHardeningDepth, chd.value);
    return uncheckedText(chd.why);
}

QString LoadRecordDocument::conditionText(std::size_t row) const {
    if (row == 0)
        return QStringLiteral("—");
    const StageCondition condition = stageCondition(set_.process.series, row);
    const ConditionTraits& traits = conditionTraits(condition.kind);
    const QString label = QCoreApplication::translate("StageTable", traits.formLabel);
    return traits.takesFluxLimit && condition.fluxLimit
               ? label + QStringLiteral(", J0 = %1 g/(m²·s)").arg(general(*condition.fluxLimit))
               : label;
}

void LoadRecordDocument::head(RecordLayout& layout) const {
    const QFileInfo file(QString::fromStdString(set_.name));
    const TDane& process = set_.process.series;
    layout.title(tr("Raport z wsadu: %1").arg(file.fileName()));
    std::vector<QStringList> rows{
        {tr("Pozycja"), tr("Wartość")},
        {tr("Zestaw wyników"), file.fileName()},
        {tr("Folder"), file.absolutePath()},
        {tr("Data raportu"), QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm")},
        {tr("Program"), QStringLiteral("Tavrix " TAVRIX_VERSION)}};
    rows.push_back({tr("Stal"), tr("%1 % C; Cr %2 %, Mo %3 %, Mn %4 %, Si %5 %, Ni %6 %")
                                    .arg(general(process.steelCarbon), general(process.alloy[0]),
                                         general(process.alloy[1]), general(process.alloy[2]),
                                         general(process.alloy[3]), general(process.alloy[4]))});
    rows.push_back({tr("Krzywa twardości gatunku"), QString::fromStdString(summary_.steelGrade)});
    QString shape = QString::fromStdString(summary_.shape);
    if (summary_.size)
        shape += QStringLiteral(", %1 mm").arg(general(*summary_.size));
    rows.push_back({tr("Kształt i wymiar"), shape});
    rows.push_back({tr("Współczynnik przejmowania β"),
                    QStringLiteral("%1 cm/s").arg(general(process.transferCoefficient))});
    for (const auto& [name, value] : settingLines(set_.settings))
        rows.push_back({settingLabel(name), value});
    layout.table(rows, {0.32, 0.68});
    if (checks_) {
        layout.space();
        layout.paragraph(verdictText(*checks_), true);
    }
}

QString LoadRecordDocument::comparedName(ComparedFigure figure) {
    switch (figure) {
    case ComparedFigure::SurfaceCarbon:
        return tr("Węgiel na powierzchni, % C");
    case ComparedFigure::MeanIncrease:
        return tr("Przyrost średniej zawartości węgla, % C");
    case ComparedFigure::CaseDepth:
        return tr("Grubość warstwy przy %1 % C, mm").arg(fixed(comparedLevel, 2));
    case ComparedFigure::CaseHardeningDepth:
        return tr("Głębokość utwardzenia (CHD) przy %1 HV, mm").arg(defaultHardnessLimit);
    }
    return {};
}

// A logged load's thousands of rows summed up, then the planned case against the as-run one and
// the band report, in the figures tavcalc --replay printed.
void LoadRecordDocument::asRunProgramme(RecordLayout& layout, const AsRunRecord& record) const {
    const TDane& process = set_.process.series;
    const auto [coolest, hottest] = std::ranges::minmax(process.temperatures);
    const auto [lowest, highest] = std::ranges::minmax(process.potentials);
    const QString range = tr("%1 do %2").arg(general(lowest), general(highest));
    layout.table(
        {{tr("Pozycja"), tr("Wartość")},
         {tr("Zapis pieca"), QString::fromStdString(record.logName)},
         {tr("Plan wsadu"), QString::fromStdString(record.planName)},
         {tr("Wiersze zapisu"), QString::number(process.times.size())},
         {tr("Czas zapisu"), general(process.times.back()) + (set_.thin() ? u" s"_s : u" h"_s)},
         {tr("Temperatura"), tr("%1 do %2").arg(general(coolest), general(hottest)) + u" °C"_s},
         {tr("Potencjał (%1)").arg(QString::fromStdString(record.potentialColumn)),
          range + u" % C"_s}},
        {0.32, 0.68});
    layout.heading(tr("Plan a przebieg rzeczywisty"));
    std::vector<QStringList> compared{
        {tr("Wielkość"), tr("Planowany"), tr("Przebieg rzeczywisty")}};
    for (const ComparisonRow& row : comparisonRows(record.planned, record.asRun, set_.thin()))
        compared.push_back({comparedName(row.figure), QString::fromStdString(row.planned),
                            QString::fromStdString(row.asRun)});
    layout.table(compared, {0.5, 0.25, 0.25});
    layout.heading(tr("Potencjał a wartość zadana"));
    for (const std::string& line : bandReportLines(record.band, record.setpointFromPlan))
        layout.paragraph(QString::fromStdString(line));
}

void LoadRecordDocument::programme(RecordLayout& layout) const {
    layout.heading(tr("Program procesu"));
    if (set_.asRun) {
        asRunProgramme(layout, *set_.asRun);
        return;
    }
    const TDane& process = set_.process.series;
    const QString time = set_.thin() ? tr("Czas, s") : tr("Czas, h");
    std::vector<QStringList> rows{
        {tr("Wiersz"), time, tr("Temperatura, °C"), tr("Potencjał, % C"), tr("Warunek etapu")}};
    for (std::size_t row = 0; row < process.times.size(); ++row)
        rows.push_back({QString::number(row + 1), general(process.times[row]),
                        general(process.temperatures[row]), general(process.potentials[row]),
                        conditionText(row)});
    layout.table(rows, {0.1, 0.18, 0.2, 0.2, 0.32});
}

void LoadRecordDocument::results(RecordLayout& layout) const {
    layout.heading(tr("Wyniki"));
    std::vector<QStringList> rows{{tr("Wielkość"), tr("Wartość")}};
    rows.push_back({quantityName(LimitQuantity::SurfaceCarbon),
                    valueText(LimitQuantity::SurfaceCarbon, figures_.surfaceCarbon)});
    if (!summary_.thin) {
        for (std::size_t level = 0; level < depthLevels.size(); ++level)
            rows.push_back({tr("Grubość warstwy przy %1 % C").arg(fixed(depthLevels[level], 2)),
                            valueText(LimitQuantity::CaseDepth, summary_.caseDepth[level])});
        rows.push_back({tr("Głębokość utwardzenia (CHD) przy %1 HV").arg(defaultHardnessLimit),
                        chdText(defaultHardnessLimit)});
    }
    rows.push_back({quantityName(LimitQuantity::MassGain),
                    valueText(LimitQuantity::MassGain, figures_.massGain)});
    if (summary_.meanCarbon)
        rows.push_back({tr("Średnia zawartość węgla"),
                        valueText(LimitQuantity::SurfaceCarbon, summary_.meanCarbon)});
    if (figures_.surfaceHardness) {
        rows.push_back({quantityName(LimitQuantity::SurfaceHardness),
                        valueText(LimitQuantity::SurfaceHardness, figures_.surfaceHardness)});
        rows.push_back({quantityName(LimitQuantity::CoreHardness),
                        valueText(LimitQuantity::CoreHardness, figures_.coreHardness)});
    }
    rows.push_back({tr("Austenit szczątkowy na powierzchni"),
                    figures_.retainedAustenite
                        ? valueText(LimitQuantity::RetainedAustenite, figures_.retainedAustenite)
                        : uncheckedText(Unchecked::NoRetainedAustenite)});
    layout.table(rows, {0.5, 0.5});
}

void LoadRecordDocument::measured(RecordLayout& layout) const {
    if (measurements_.isEmpty())
        return;
    layout.heading(tr("Profile zmierzone"));
    std::vector<QStringList> rows{
        {tr("Plik"), tr("Wielkość"), tr("Punkty porównane"), tr("Poza profilem"), tr("RMS")}};
    for (const ShownMeasurement& measurement : measurements_) {
        const bool carbon = measurement.profile.quantity == MeasuredQuantity::Carbon;
        const std::vector<ComputedProfile> computed =
            lastProfileOf(set_, chartShowing(measurement.profile.quantity));
        const ProfileMisfit misfit =
            computed.empty()
                ? ProfileMisfit{}
                : profileMisfit(measurement.profile, computed.front().x, computed.front().y);
        rows.push_back({measurement.name, carbon ? tr("węgiel, % C") : tr("twardość, HV"),
                        QString::number(misfit.compared), QString::number(misfit.beyond),
                        misfit.rms
                            ? fixed(*misfit.rms, carbon ? 3 : 0) + (carbon ? u" % C"_s : u" HV"_s)
                            : QStringLiteral("—")});
    }
    layout.table(rows, {0.3, 0.18, 0.18, 0.14, 0.2});
}

void LoadRecordDocument::requirements(RecordLayout& layout) const {
    if (!checks_)
        return;
    layout.heading(tr("Wymagania części"));
    std::vector<QStringList> rows{
        {tr("Wymaganie"), tr("Granica"), tr("Wartość obliczona"), tr("Ocena")}};
    for (const LimitCheck& check : *checks_) {
        QString limit = QString::fromStdString(check.limit.written);
        if (!check.limit.source.empty())
            limit += QStringLiteral(" (%1)").arg(QString::fromStdString(check.limit.source));
        const QString outcome =
            check.outcome == Outcome::Pass ? tr("spełnia")
            : check.outcome == Outcome::Fail
                ? tr("NIE SPEŁNIA")
                : tr("nie sprawdzono: %1").arg(uncheckedText(check.measure.why));
        rows.push_back({labelOf(check.limit) + tr(" (wiersz %1)").arg(check.limit.line), limit,
                        valueText(check.limit.quantity, check.measure.value), outcome});
    }
    layout.table(rows, {0.32, 0.26, 0.18, 0.24});
    layout.space();
    layout.paragraph(verdictText(*checks_), true);
}

void LoadRecordDocument::charts(RecordLayout& layout) const {
    constexpr qreal chartShare = 0.46; // of a page: two charts to a page
    // The profiles first, then what the surface reached and was offered, then the rest.
    constexpr ChartKind order[] = {
        ChartKind::Carbon,      ChartKind::Hardness,  ChartKind::Surface, ChartKind::Potential,
        ChartKind::Temperature, ChartKind::CaseDepth, ChartKind::Mass,    ChartKind::Mean};
    const std::span<const ChartKind> charts = kindTraits(*set_.shape).charts;
    layout.heading(tr("Wykresy"), chartShare);
    for (ChartKind kind : order)
        if (std::ranges::count(charts, kind) > 0)
            layout.chart(exportedChart(set_, kind, measurements_),
                         shownCaption(chartYCaption(kind)), chartShare);
}

// The record drawn into `out`: laid out once to count its pages, then drawn.
bool drawRecord(const LoadRecordDocument& document, const QString& title, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(18, 15, 15, 12), QPageLayout::Millimeter);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Tavrix " TAVRIX_VERSION));
    QPainter painter(&pdf);
    if (!painter.isActive())
        return false;
    int pages = 0;
    for (const bool drawing : {false, true}) {
        RecordLayout layout(painter, pdf, drawing, pages);
        document.lay(layout);
        pages = layout.pages();
    }
    return painter.end();
}

RecordResult badInput(const QString& problem) {
    return {RecordResult::Status::BadInput, problem, std::nullopt, {}};
}

} // namespace

RecordResult writeLoadRecord(const QString& pdfPath, const LoadedSet& set,
                             const QList<ShownMeasurement>& measurements,
                             const QString& requirements) {
    std::optional<std::vector<LimitCheck>> checks;
    if (!requirements.isEmpty()) {
        const SpecReading reading =
            readPartSpecification(QFile::encodeName(requirements).toStdString());
        if (!reading.limits)
            return badInput(requirements + u": "_s + QString::fromStdString(reading.problem));
        checks = checkLimits(set, readRetainedAustenite(set.name), *reading.limits);
    }
    const LoadRecordDocument document(set, measurements, checks);
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    const QString title = LoadRecordDocument::tr("Raport z wsadu: %1")
                              .arg(QFileInfo(QString::fromStdString(set.name)).fileName());
    if (!drawRecord(document, title, bytes))
        return {RecordResult::Status::WriteFailed,
                u"cannot draw the record for "_s + pdfPath,
                std::nullopt,
                {}};
    if (const QString problem = writeWholeFile(pdfPath, bytes.data()); !problem.isEmpty())
        return {RecordResult::Status::WriteFailed, problem, std::nullopt, {}};
    if (!checks)
        return {RecordResult::Status::Holds, {}, std::nullopt, {}};
    const Verdict verdict = verdictOf(*checks);
    return {verdict.holds() ? RecordResult::Status::Holds : RecordResult::Status::Fails,
            {},
            verdict,
            LoadRecordDocument::verdictText(*checks)};
}

RecordResult writeLoadRecord(const QString& pdfPath, const RecordRequest& request) {
    const QString fullName = QString::fromStdString(commandLineName(request.setName.toStdString()));
    const LoadedSet set = loadSet(fullName.toStdString());
    if (const SetProblem problem = resultSetProblem(set); problem != SetProblem::None)
        return badInput(fullName + u": "_s +
                        (problem == SetProblem::Unreadable ? u"cannot be opened"_s
                                                           : setProblemReason(problem)));
    QString refusal;
    QTextStream errors(&refusal);
    const std::optional<QList<ShownMeasurement>> measurements =
        measurementsFor(set, request.measured, errors);
    if (!measurements)
        return badInput(refusal.trimmed().remove(QStringLiteral("tavrix: ")));
    return writeLoadRecord(pdfPath, set, *measurements, request.requirements);
}

int reportCommand(const QString& pdfPath, const RecordRequest& request, QTextStream& out,
                  QTextStream& errors) {
    const RecordResult result = writeLoadRecord(pdfPath, request);
    switch (result.status) {
    case RecordResult::Status::BadInput:
        errors << "tavrix: " << result.problem << Qt::endl;
        return 2;
    case RecordResult::Status::WriteFailed:
        errors << "tavrix: " << result.problem << Qt::endl;
        return 1;
    case RecordResult::Status::Holds:
    case RecordResult::Status::Fails:
        break;
    }
    out << "written: " << pdfPath << Qt::endl;
    if (result.verdict)
        out << "verdict: " << QString::fromStdString(verdictLine(*result.verdict)) << Qt::endl;
    return result.status == RecordResult::Status::Holds ? 0 : 3;
}
