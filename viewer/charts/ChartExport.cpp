#include "ChartExport.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString csvField(const QString& text) {
    const QString field = text.trimmed();
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

// Classic notation whatever the locale, with the digits the result files carry and more.
QString csvNumber(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

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
