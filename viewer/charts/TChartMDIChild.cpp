#include "TChartMDIChild.h"

#include "ChartExport.h"
#include "LineChart.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TAxisSetup.h"

#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

QString kindFileName(const QString& setName, const QString& extension) {
    if (setName.isEmpty() || extension.isEmpty())
        return setName;
    return QString::fromStdString(resultFileName(setName.toStdString(), extension.toStdString()));
}

QIcon chartIcon(const QString& name) {
    QIcon icon;
    icon.addFile(u":/charts/%1_16.png"_s.arg(name), QSize(16, 16));
    icon.addFile(u":/charts/%1_20.png"_s.arg(name), QSize(20, 20));
    return icon;
}

// The chart area has no size of its own to suggest (the chart is placed in it by hand, so that
// it keeps its size while automatic fitting is off): a new window opens at this size.
constexpr QSize openingSize(520, 400);

// A printed chart is laid out as on a screen of this resolution and scaled onto the paper,
// so that its text keeps the proportions it has on screen.
constexpr qreal screenDpi = 96;

} // namespace

TChartMDIChild::TChartMDIChild(ChartContext& context, const QString& title,
                               const QString& extension, const QString& icon, QWidget* parent)
    : QMdiSubWindow(parent), context_(context),
      fileName_(kindFileName(context.openFileName(), extension)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowIcon(chartIcon(icon));
    auto* area = new QWidget;
    chart_ = new LineChart(area);
    setWidget(area);
    resize(openingSize);
}

TChartMDIChild::~TChartMDIChild() = default;

QSize TChartMDIChild::sizeHint() const {
    return openingSize;
}

const LoadedSet& TChartMDIChild::openedSet() const {
    static const LoadedSet none;
    const LoadedSet* set = context_.openSet();
    return set ? *set : none;
}

bool TChartMDIChild::takeFile(FileStatus status) {
    if (status != FileStatus::Whole && !context_.fileFaultsTold())
        showMessage(this, (u"Cannot open file "_s + fileName_).trimmed(), u"File error"_s,
                    MessageIcon::Exclamation);
    return status != FileStatus::Missing;
}

void TChartMDIChild::widenScaleToHold(const ValueRange& xValues, const ValueRange& yValues) {
    const AxisSpan x = widenedToHold({scale_.xStart, scale_.xEnd, scale_.xDivisions}, xValues);
    const AxisSpan y = widenedToHold({scale_.yStart, scale_.yEnd, scale_.yDivisions}, yValues);
    scale_.xStart = x.start;
    scale_.xEnd = x.end;
    scale_.xDivisions = x.divisions;
    scale_.yStart = y.start;
    scale_.yEnd = y.end;
    scale_.yDivisions = y.divisions;
}

void TChartMDIChild::draw() {
    if (isMinimized())
        return;
    chart_->setGeometry(widget()->rect());
    describe(*chart_);
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
    QFont font = painter.font();
    font.setPointSizeF(11);
    font.setBold(true); // the first line, the set's name
    qreal top = page.top();
    for (const QString& line : heading) {
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        painter.drawText(QRectF(page.left(), top, page.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line, Qt::ElideMiddle, page.width()));
        top += metrics.height() * 1.2;
        font.setBold(false);
    }
    top += QFontMetricsF(font, painter.device()).height();

    // The chart at its size on screen, scaled to the room under the heading.
    const QRectF room(page.left(), top, page.width(), page.bottom() - top);
    const qreal toScreen = screenDpi / painter.device()->logicalDpiX();
    const QSizeF screenSize =
        chart_->size().isEmpty() ? QSizeF(openingSize) : QSizeF(chart_->size());
    const QSizeF fitted = screenSize.scaled(room.size(), Qt::KeepAspectRatio);
    chart_->renderTo(painter, QRectF(room.topLeft(), fitted), fitted * toScreen);
}

QString TChartMDIChild::exportTo(const QString& pngPath, const QString& csvPath, QSize size) const {
    const QString problem = saveTo(pngPath, ChartFileFormat::Png, size);
    return problem.isEmpty() ? saveTo(csvPath, ChartFileFormat::Csv, size) : problem;
}

QString TChartMDIChild::saveTo(const QString& path, ChartFileFormat format, QSize size) const {
    return writeChartFile(*chart_, csv(), path, format, size);
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
