#include "LineChart.h"

#include <QChart>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// More labels than this run into each other on a window of ordinary size; a node axis asks
// for one division per node, so beyond it only every few divisions is labelled.
constexpr int maxLabelledDivisions = 20;
constexpr int maxDecimals = 6;

bool isWhole(double value) {
    return std::abs(value - std::round(value)) <= 1e-6 * std::max(1.0, std::abs(value));
}

// Enough decimals to write every label start + i * step exactly, but no more than about
// three significant digits of the step: a resampled grid step such as 0.05231 mm does not
// deserve six decimals on every label.
int labelDecimals(double start, double step) {
    const int cap = std::clamp(2 - static_cast<int>(std::floor(std::log10(step))), 0, maxDecimals);
    for (int decimals = 0; decimals < cap; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (isWhole(start * scale) && isWhole(step * scale))
            return decimals;
    }
    return cap;
}

// The axis as it can be shown: a record may hold an empty or inverted range, and the
// description keeps what the window asked for.
ChartAxis shownAxis(ChartAxis axis) {
    if (!std::isfinite(axis.start))
        axis.start = 0;
    axis.divisions = std::max(axis.divisions, 1);
    if (!std::isfinite(axis.step) || axis.step <= 0 || !std::isfinite(axis.end()))
        axis.step = 1.0 / axis.divisions;
    return axis;
}

void setUpAxis(QValueAxis& valueAxis, const ChartAxis& asked, const QString& caption) {
    const ChartAxis axis = shownAxis(asked);
    valueAxis.setTitleText(caption);
    valueAxis.setRange(axis.start, axis.end());
    valueAxis.setMinorTickCount(0);
    double labelledStep = axis.step;
    if (axis.divisions <= maxLabelledDivisions) {
        valueAxis.setTickType(QValueAxis::TicksFixed);
        valueAxis.setTickCount(axis.divisions + 1);
    } else {
        const int every = (axis.divisions + maxLabelledDivisions - 1) / maxLabelledDivisions;
        labelledStep = axis.step * every;
        valueAxis.setTickType(QValueAxis::TicksDynamic);
        valueAxis.setTickAnchor(axis.start);
        valueAxis.setTickInterval(labelledStep);
    }
    valueAxis.setLabelFormat(QStringLiteral("%.%1f").arg(labelDecimals(axis.start, labelledStep)));
}

std::unique_ptr<QChart> buildChart(const ChartDescription& description) {
    auto chart = std::make_unique<QChart>();
    // Every drawing builds the chart anew; an animation would replay at each resize.
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setTitle(description.middleCaption);

    auto* xAxis = new QValueAxis;
    auto* yAxis = new QValueAxis;
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    for (qsizetype line = 0; line < description.lines.size(); ++line) {
        auto* series = new QLineSeries;
        // One replace, not an append per point: a long file would redraw per point.
        series->replace(description.lines[line]);
        if (line < description.legends.size())
            series->setName(description.legends[line]);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }
    // Attaching a series fits the axes to its data; the window's ranges are set after it.
    setUpAxis(*xAxis, description.xAxis, description.xCaption);
    setUpAxis(*yAxis, description.yAxis, description.yCaption);

    chart->legend()->setVisible(!description.legends.isEmpty());
    chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

} // namespace

ChartAxis ChartAxis::spanning(double start, double end, int divisions) {
    const int count = std::max(divisions, 1);
    return ChartAxis{start, (end - start) / count, count};
}

LineChart::LineChart(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
}

void LineChart::setLineCount(int count) {
    description_.lines = QList<QList<QPointF>>(std::max(count, 0));
    description_.legends.clear();
}

void LineChart::setXAxis(const ChartAxis& axis) {
    description_.xAxis = axis;
}

void LineChart::setYAxis(const ChartAxis& axis) {
    description_.yAxis = axis;
}

void LineChart::setCaptions(const QString& xCaption, const QString& middleCaption,
                            const QString& yCaption) {
    description_.xCaption = xCaption;
    description_.middleCaption = middleCaption;
    description_.yCaption = yCaption;
}

void LineChart::setLegend(int line, const QString& text) {
    if (line < 0 || line >= description_.lines.size())
        return;
    if (description_.legends.size() <= line)
        description_.legends.resize(description_.lines.size());
    description_.legends[line] = text;
}

void LineChart::addPoint(int line, QPointF point) {
    if (line >= 0 && line < description_.lines.size())
        description_.lines[line].append(point);
}

void LineChart::draw() {
    QChart* old = chart();
    setChart(buildChart(description_).release());
    delete old;
}

void LineChart::copyToClipboard() const {
    QGuiApplication::clipboard()->setImage(image(size()));
}

QImage LineChart::image(QSize size, qreal pixelRatio) const {
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderTo(painter, QRectF(QPointF(0, 0), size));
    return picture;
}

void LineChart::renderTo(QPainter& painter, const QRectF& target) const {
    QGraphicsScene scene;
    QChart* chart = buildChart(description_).release();
    scene.addItem(chart); // the scene owns the chart from here
    chart->setGeometry(QRectF(QPointF(0, 0), target.size()));
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, target, chart->geometry());
}
