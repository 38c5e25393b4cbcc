#include "ChartExport.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QSvgGenerator>

using namespace Qt::StringLiterals;

namespace {

// Classic notation whatever the locale, with the digits the result files carry and more.
QString csvNumber(double value) {
    return QString::number(value, 'g', 10);
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

QString csvText(const ChartDescription& description) {
    QStringList header{csvField(description.xCaption)};
    for (qsizetype line = 0; line < description.series.size(); ++line)
        header.append(csvField(line < description.legends.size() ? description.legends[line]
                                                                 : description.yCaption));
    QString text = header.join(u',') + u'\n';
    const qsizetype rows = description.series.isEmpty() ? 0 : description.series.first().size();
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList fields{csvNumber(description.series.first()[row].x())};
        for (const QList<QPointF>& line : description.series)
            fields.append(row < line.size() ? csvNumber(line[row].y()) : QString());
        text += fields.join(u',') + u'\n';
    }
    return text;
}

QString pairedCsvText(const ChartDescription& description) {
    QStringList header;
    qsizetype rows = 0;
    for (qsizetype line = 0; line < description.series.size(); ++line) {
        const QString name =
            line < description.legends.size() ? description.legends[line] : description.yCaption;
        header.append(csvField(name + u": "_s + description.xCaption.trimmed()));
        header.append(csvField(name + u": "_s + description.yCaption.trimmed()));
        rows = std::max(rows, description.series[line].size());
    }
    QString text = header.join(u',') + u"\r\n"_s;
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList fields;
        for (const QList<QPointF>& line : description.series) {
            fields.append(row < line.size() ? csvNumber(line[row].x()) : QString());
            fields.append(row < line.size() ? csvNumber(line[row].y()) : QString());
        }
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

namespace {

// The file's bytes, drawn into `out`; false when the drawing could not be made.
bool renderChart(const LineChart& chart, const QString& csv, QIODevice& out, ChartFileFormat format,
                 QSize size) {
    switch (format) {
    case ChartFileFormat::Png:
        return chart.image(size).save(&out, "PNG");
    case ChartFileFormat::Pdf: {
        QPdfWriter pdf(&out);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&pdf);
        if (!painter.isActive())
            return false;
        // Laid out at `size`, so that text keeps its size beside the lines, then scaled up to
        // fill the page.
        const QSize fitted = size.scaled(painter.viewport().size(), Qt::KeepAspectRatio);
        chart.renderTo(painter, QRectF(QPointF(0, 0), fitted), size);
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
        svg.setTitle(chart.description().middleCaption);
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        chart.renderTo(painter, QRectF(QPointF(0, 0), size), size);
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

QString writeChartFile(const LineChart& chart, const QString& csv, const QString& path,
                       ChartFileFormat format, QSize size) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    if (!renderChart(chart, csv, bytes, format, size))
        return u"cannot draw the chart for "_s + path;
    return writeWholeFile(path, bytes.data());
}
