#include "TSummaryMDIChild.h"

#include "CompareSets.h"

#include <QApplication>
#include <QClipboard>
#include <QTableWidget>

using namespace Qt::StringLiterals;

TSummaryMDIChild::TSummaryMDIChild(std::span<const LoadedSet* const> sets, QWidget* parent)
    : QMdiSubWindow(parent), table_(new QTableWidget) {
    setWindowTitle(u"Porównanie - podsumowanie"_s);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    showSets(sets);
    setWidget(table_);
    setAttribute(Qt::WA_DeleteOnClose);
}

void TSummaryMDIChild::showSets(std::span<const LoadedSet* const> sets) {
    rows_ = summaryTable(sets);
    const QStringList& header = rows_.front();
    table_->clear();
    table_->setColumnCount(static_cast<int>(header.size()));
    table_->setRowCount(static_cast<int>(rows_.size()) - 1);
    table_->setHorizontalHeaderLabels(header);
    for (int row = 1; row < static_cast<int>(rows_.size()); ++row)
        for (int column = 0; column < header.size(); ++column)
            table_->setItem(row - 1, column, new QTableWidgetItem(rows_[row].value(column)));
    table_->resizeColumnsToContents();
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
