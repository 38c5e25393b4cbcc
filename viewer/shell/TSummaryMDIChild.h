#pragma once
// The summary window of a comparison: a row per set of its final results, as `summaryTable`
// gives them, shown as a person reads them. It copies to the clipboard as tab-separated text, for a
// spreadsheet to paste, and saves as the comma-separated text of `tavrix --compare`'s summary.csv.

#include "Comparison.h"

#include <QMdiSubWindow>
#include <QStringList>

class QTableWidget;

class TSummaryMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TSummaryMDIChild(std::span<const LoadedSet* const> sets, QWidget* parent = nullptr);

    // Rows for these sets in place of the ones shown: a comparison gains and loses sets.
    void showSets(std::span<const LoadedSet* const> sets);

    const QTableWidget& table() const { return *table_; }
    QString tabSeparatedText() const;
    QString csv() const;
    void copyToClipboard() const;

    // The size that shows every column and row.
    QSize sizeHint() const override;

private:
    // Columns of `summaryTable`: the set's name and shape come first, the steel grade and the
    // diffusivity law are names.
    static constexpr int firstNumberColumn = 2;
    static constexpr int steelColumn = 3;
    static constexpr int lawColumn = 13;

    std::vector<QStringList> rows_; // the header row first, numbers exact
    QTableWidget* table_;
};
