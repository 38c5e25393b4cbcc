#include "TSummaryMDIChild.h"

#include "CompareSets.h"
#include "TChartMDIChild.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {

// Long headers in lines of about this many characters, so that a column is as wide as its
// numbers rather than its header.
constexpr qsizetype headerLine = 12;

QString wrappedHeader(const QString& header) {
    QStringList lines;
    for (const QString& word : header.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.last().size() + 1 + word.size() <= headerLine)
            lines.last() += u' ' + word;
        else
            lines.append(word);
    }
    return lines.join(u'\n');
}

} // namespace

TSummaryMDIChild::TSummaryMDIChild(std::span<const LoadedSet* const> sets, QWidget* parent)
    : QMdiSubWindow(parent), table_(new QTableWidget) {
    setWindowTitle(tr("Porównanie - podsumowanie"));
    setWindowIcon(chartWindowIcon(u"SUMMARY"_s));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    showSets(sets);
    setWidget(table_);
    setAttribute(Qt::WA_DeleteOnClose);
}

void TSummaryMDIChild::showSets(std::span<const LoadedSet* const> sets) {
    rows_ = summaryTable(sets);
    const std::vector<QStringList> shown = summaryTable(sets, SummaryNumbers::Shown);
    const QStringList& header = shown.front();
    table_->clear();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setRowCount(static_cast<int>(shown.size()) - 1);
    QStringList wrapped;
    for (const QString& title : header)
        wrapped.append(wrappedHeader(title));
    table_->setHorizontalHeaderLabels(wrapped);
    for (int row = 1; row < static_cast<int>(shown.size()); ++row)
        for (int column = 0; column < header.size(); ++column) {
            auto* item = new QTableWidgetItem(shown[row].value(column));
            // Numbers line up on their decimal point; names read from the left.
            if (column >= firstNumberColumn && column != steelColumn && column != lawColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row - 1, column, item);
        }
    table_->resizeColumnsToContents();
}

QSize TSummaryMDIChild::sizeHint() const {
    // Every column and row in view, with the window's frame and title bar round the table.
    int width = table_->verticalHeader()->width() + 2 * table_->frameWidth();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->columnWidth(column);
    int height = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row)
        height += table_->rowHeight(row);
    const QSize frame = QMdiSubWindow::sizeHint() - table_->sizeHint();
    return QSize(width, height) + frame.expandedTo(QSize(0, 0));
}

QString TSummaryMDIChild::tabSeparatedText() const {
    QString text;
    for (const QStringList& row : rows_)
        text += row.join(u'\t') + u"\r\n"_s;
    return text;
}

QString TSummaryMDIChild::csv() const {
    return csvTable(rows_);
}

void TSummaryMDIChild::copyToClipboard() const {
    QApplication::clipboard()->setText(tabSeparatedText());
}
