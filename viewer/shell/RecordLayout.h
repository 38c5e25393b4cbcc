#pragma once
// Text, tables and charts laid down the pages of a document one after another, a new page
// where the next one does not fit, each page numbered at its foot ("1 / 3"). The same content is
// laid out twice: once to count the pages, once to draw them (`drawing` false, then true), so
// that the first page can already say how many there are.

#include "ChartDescription.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

class RecordLayout {
public:
    // `pageCount` is what the foot of each page names as the total; 0 while it is counted.
    RecordLayout(QPainter& painter, QPagedPaintDevice& device, bool drawing, int pageCount);

    void title(const QString& text);
    // A heading stays on one page with a few lines of what it heads, or with `keepShare` of a
    // page's height (a chart that follows).
    void heading(const QString& text, qreal keepShare = 0);
    void paragraph(const QString& text, bool bold = false);
    // Rows of cells, the first row the column titles, columns `shares` of the width (summing
    // to 1); a row breaks its cells' text over lines as needed, and a table that runs past a
    // page goes on on the next, under its titles again.
    void table(const std::vector<QStringList>& rows, const std::vector<qreal>& shares);
    // The chart under its title, `share` of a page's height.
    void chart(const ChartDescription& chart, const QString& caption, qreal share);
    void space(qreal lines = 0.6);
    void finish();

    int pages() const { return page_; }

private:
    qreal rowHeight(const QStringList& row, const std::vector<qreal>& shares, const QFont& font);
    void drawRow(const QStringList& row, const std::vector<qreal>& shares, const QFont& font,
                 qreal height);
    void textBlock(const QString& text, const QFont& font);
    void makeRoom(qreal height);
    void newPage();
    void numberPage();
    qreal lineHeight(const QFont& font) const;

    QPainter& painter_;
    QPagedPaintDevice& device_;
    bool drawing_;
    int pageCount_;
    QRectF area_; // the page within its margins, the foot line left out
    qreal top_;   // where the next thing goes
    int page_ = 1;
    QFont body_;
};
