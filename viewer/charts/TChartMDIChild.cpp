#include "TChartMDIChild.h"

#include "ChartExport.h"
#include "ChartRender.h"
#include "LineChart.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TAxisSetup.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

QString kindFileName(const QString& setName, const QString& extension) {
    if (setName.isEmpty() || extension.isEmpty())
        return setName;
    return QString::fromStdString(resultFileName(setName.toStdString(), extension.toStdString()));
}

// The chart area has no size of its own to suggest (the chart is placed in it by hand, so that
// it keeps its size while automatic fitting is off): a new window opens at this size.
constexpr QSize openingSize(520, 400);

} // namespace

QIcon chartWindowIcon(const QString& name) {
    QIcon icon;
    icon.addFile(u":/charts/%1_16.png"_s.arg(name), QSize(16, 16));
    icon.addFile(u":/charts/%1_20.png"_s.arg(name), QSize(20, 20));
    return icon;
}

TChartMDIChild::TChartMDIChild(ChartContext& context, const QString& title,
                               const QString& extension, const QString& icon, QWidget* parent)
    : QMdiSubWindow(parent), context_(context),
      fileName_(kindFileName(context.openFileName(), extension)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(chartWindowIcon(icon));
    auto* area = new QWidget;
    chart_ = new LineChart(area);
    setWidget(area);
    resize(openingSize);
}

TChartMDIChild::~TChartMDIChild() = default;

QSize TChartMDIChild::sizeHint() const {
    return openingSize;
}

std::shared_ptr<const LoadedSet> TChartMDIChild::openedSet() const {
    std::shared_ptr<const LoadedSet> set = context_.openSet();
    return set ? set : std::make_shared<const LoadedSet>();
}

bool TChartMDIChild::takeFile(FileStatus status) {
    if (status != FileStatus::Whole && !context_.fileFaultsTold())
        showMessage(this, (tr("Cannot open file ") + fileName_).trimmed(), tr("File error"),
                    MessageIcon::Exclamation);
    return status != FileStatus::Missing;
}

void TChartMDIChild::draw() {
    if (isMinimized())
        return;
    chart_->setGeometry(widget()->rect());
    ChartDescription described = describe();
    addMeasurements(described, measurements_, measuredAgainst());
    // Once drawn, the lines are those the user chose to show; the first drawing shows those
    // the description chose.
    if (keepsHiddenLines() && !chart_->description().lines.isEmpty())
        described.hiddenLines = chart_->description().hiddenLines;
    chart_->setDescription(std::move(described));
    chart_->draw();
    emit drawn();
}

void TChartMDIChild::fit() {
    chart_->forgetZoom();
    draw();
}

void TChartMDIChild::copyToClipboard() const {
    chart_->copyToClipboard();
}

void TChartMDIChild::scaleAxes() {
    const std::unique_ptr<TAxisSetup> dialog = scaleDialog();
    dialog->showDrawnLimits(drawableAxis(chart_->shownXAxis()), drawableAxis(chart_->shownYAxis()));
    dialog->exec();
    fit();
}

void TChartMDIChild::print(QPrinter& printer, const QStringList& heading) const {
    QPainter painter(&printer);
    if (painter.isActive())
        paintPage(painter, painter.viewport(), heading);
}

void TChartMDIChild::paintPage(QPainter& painter, const QRectF& page,
                               const QStringList& heading) const {
    paintChartPage(chart_->shownDescription(), painter, page, heading);
}

QString TChartMDIChild::exportTo(const QString& pngPath, const QString& csvPath, QSize size) const {
    const QString problem = saveTo(pngPath, ChartFileFormat::Png, size);
    return problem.isEmpty() ? saveTo(csvPath, ChartFileFormat::Csv, size) : problem;
}

QString TChartMDIChild::saveTo(const QString& path, ChartFileFormat format, QSize size,
                               const QStringList& heading) const {
    return writeChartFile(chart_->shownDescription(), csv(), path, format, size, heading);
}

QString TChartMDIChild::csv() const {
    return csvText(chart_->description());
}

void TChartMDIChild::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    draw();
}

void TChartMDIChild::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    if (context_.autoFit() && isVisible())
        draw();
}

void TChartMDIChild::addMeasurementCommands(ChartKind kind) {
    measuredChart_ = kind;
    QWidget* area = widget();
    area->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* add = new QAction(tr("Dodaj pomiar..."), this);
    connect(add, &QAction::triggered, this, &TChartMDIChild::chooseMeasurement);
    area->addAction(add);

    auto* remove = new QAction(tr("Usuń pomiar"), this);
    auto* removeMenu = new QMenu(this);
    remove->setMenu(removeMenu);
    connect(removeMenu, &QMenu::aboutToShow, this,
            [this, removeMenu] { fillRemoveMenu(*removeMenu); });
    area->addAction(remove);
}

void TChartMDIChild::chooseMeasurement() {
    const QString path = chooseFile(this, FileChoice::Open, tr("Dodaj pomiar"),
                                    tr("Pomiary (*.csv *.txt);;Wszystkie pliki (*)"));
    if (!path.isEmpty())
        addMeasurement(path);
}

bool TChartMDIChild::addMeasurement(const QString& path) {
    if (!measuredChart_)
        return false;
    MeasurementReading reading =
        readMeasurement(path, *measuredChart_, measurementColour(measurementColours_));
    if (!reading.measurement) {
        showMessage(this, reading.problem, tr("Pomiar"), MessageIcon::Exclamation);
        return false;
    }
    ++measurementColours_;
    measurements_.append(std::move(*reading.measurement));
    draw();
    return true;
}

void TChartMDIChild::removeMeasurement(qsizetype index) {
    if (index < 0 || index >= measurements_.size())
        return;
    measurements_.removeAt(index);
    draw();
}

void TChartMDIChild::fillRemoveMenu(QMenu& menu) {
    menu.clear();
    for (qsizetype index = 0; index < measurements_.size(); ++index) {
        QAction* remove = menu.addAction(measurements_[index].name);
        connect(remove, &QAction::triggered, this, [this, index] { removeMeasurement(index); });
    }
    if (measurements_.isEmpty())
        menu.addAction(tr("(brak pomiarów)"))->setEnabled(false);
}
