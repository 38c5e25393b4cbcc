#include "ChartExport.h"

#include "AtomicFile.h"
#include "ChartRender.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QSvgGenerator>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Charts are laid out as on a screen of this resolution and scaled onto other devices.
constexpr qreal screenDpi = 96;

// Classic notation whatever the locale, with the digits the result files carry and more. A
// break in a line (lineBreak) is an empty field.
QString csvNumber(double value) {
    return std::isnan(value) ? QString() : QString::number(value, 'g', 10);
}

} // namespace

QString csvField(const QString& text) {
    const QString field = text.trimmed();
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

namespace {

// The titles of an x and a y column of their own: "<name>: <caption>".
QStringList pairedTitles(const ChartDescription& description, const QString& name) {
    return {csvField(name + u": "_s + description.xCaption.trimmed()),
            csvField(name + u": "_s + description.yCaption.trimmed())};
}

// A point's x and y in columns of their own; empty fields past the last point.
QStringList pairedFields(const QList<QPointF>& points, qsizetype row) {
    if (row >= points.size())
        return {QString(), QString()};
    return {csvNumber(points[row].x()), csvNumber(points[row].y())};
}

} // namespace

QString csvText(const ChartDescription& description) {
    QStringList header{csvField(description.xCaption)};
    for (qsizetype line = 0; line < description.series.size(); ++line)
        header.append(csvField(line < description.legends.size() ? description.legends[line]
                                                                 : description.yCaption));
    const qsizetype lineRows = description.series.isEmpty() ? 0 : description.series.first().size();
    qsizetype rows = lineRows;
    for (const MeasuredPoints& measured : description.measurements) {
        header.append(pairedTitles(description, measured.name));
        rows = std::max(rows, measured.points.size());
    }
    QString text = header.join(u',') + u'\n';
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList fields;
        if (row < lineRows) {
            fields.append(csvNumber(description.series.first()[row].x()));
            for (const QList<QPointF>& line : description.series)
                fields.append(row < line.size() ? csvNumber(line[row].y()) : QString());
        } else {
            for (qsizetype field = 0; field <= description.series.size(); ++field)
                fields.append(QString());
        }
        for (const MeasuredPoints& measured : description.measurements)
            fields.append(pairedFields(measured.points, row));
        text += fields.join(u',') + u'\n';
    }
    return text;
}

QString pairedCsvText(const ChartDescription& description) {
    QStringList header;
    qsizetype rows = 0;
    for (qsizetype line = 0; line < description.series.size(); ++line) {
        header.append(pairedTitles(description, line < description.legends.size()
                                                    ? description.legends[line]
                                                    : description.yCaption));
        rows = std::max(rows, description.series[line].size());
    }
    for (const MeasuredPoints& measured : description.measurements) {
        header.append(pairedTitles(description, measured.name));
        rows = std::max(rows, measured.points.size());
    }
    QString text = header.join(u',') + u"\r\n"_s;
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList fields;
        for (const QList<QPointF>& line : description.series)
            fields.append(pairedFields(line, row));
        for (const MeasuredPoints& measured : description.measurements)
            fields.append(pairedFields(measured.points, row));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text;
}

std::optional<ChartFileFormat> chartFileFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png"_s)
        return ChartFileFormat::Png;
    if (suffix == u"pdf"_s)
        return ChartFileFormat::Pdf;
    if (suffix == u"svg"_s)
        return ChartFileFormat::Svg;
    if (suffix == u"csv"_s)
        return ChartFileFormat::Csv;
    return std::nullopt;
}

void paintChartPage(const ChartDescription& chart, QPainter& painter, const QRectF& page,
                    const QStringList& heading) {
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
    if (!heading.isEmpty())
        top += QFontMetricsF(font, painter.device()).height() * 0.5;
    const QRectF room(page.left(), top, page.width(), page.bottom() - top);
    const qreal toScreen = screenDpi / painter.device()->logicalDpiX();
    renderChart(chart, painter, room, room.size() * toScreen);
}

namespace {

// The file's bytes, drawn into `out` under the `heading` lines; false when the drawing could not
// be made.
bool drawChartFile(const ChartDescription& chart, const QString& csv, QIODevice& out,
                   ChartFileFormat format, QSize size, const QStringList& heading) {
    switch (format) {
    case ChartFileFormat::Png: {
        QImage picture(size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        paintChartPage(chart, painter, QRectF(QPointF(0, 0), size), heading);
        painter.end();
        return picture.save(&out, "PNG");
    }
    case ChartFileFormat::Pdf: {
        QPdfWriter pdf(&out);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(heading.join(u" - "_s));
        QPainter painter(&pdf);
        if (!painter.isActive())
            return false;
        // The whole page, within its margins.
        paintChartPage(chart, painter, painter.viewport(), heading);
        return painter.end();
    }
    case ChartFileFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setSize(size);
        // The file gives its size in millimetres; Qt's SVG reader takes 90 of them an inch,
        // so the drawing opens in Qt at the size asked for.
        svg.setResolution(90);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(heading.isEmpty() ? chart.middleCaption : heading.join(u" - "_s));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        paintChartPage(chart, painter, QRectF(QPointF(0, 0), size), heading);
        return painter.end();
    }
    case ChartFileFormat::Csv:
        return out.write(csv.toUtf8()) >= 0;
    }
    return false;
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    const std::optional<std::string> problem =
        AtomicFile(QFile::encodeName(path).toStdString())
            .replace(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return problem ? QString::fromLocal8Bit(*problem) : QString();
}

QString writeChartFile(const ChartDescription& chart, const QString& csv, const QString& path,
                       ChartFileFormat format, QSize size, const QStringList& heading) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!drawChartFile(chart, csv, bytes, format, size, heading))
        return u"cannot draw the chart for "_s + path;
    return writeWholeFile(path, bytes.data());
}
