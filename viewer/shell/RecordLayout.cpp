#include "RecordLayout.h"

#include "ChartExport.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <numeric>

namespace {

constexpr qreal bodyPoints = 9.5;
constexpr qreal cellPadding = 0.25; // of a line's height, around a cell's text
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont sized(QFont font, qreal points, bool bold) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

RecordLayout::RecordLayout(QPainter& painter, QPagedPaintDevice& device, bool drawing,
                           int pageCount)
    : painter_(painter), device_(device), drawing_(drawing), pageCount_(pageCount),
      body_(sized(painter.font(), bodyPoints, false)) {
    const QRectF page = painter.viewport();
    area_ = QRectF(page.left(), page.top(), page.width(), page.height() - 2 * lineHeight(body_));
    top_ = area_.top();
}

qreal RecordLayout::lineHeight(const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).height();
}

void RecordLayout::numberPage() {
    if (!drawing_)
        return;
    painter_.setFont(body_);
    painter_.setPen(Qt::black);
    const QRectF foot(area_.left(), area_.bottom() + lineHeight(body_), area_.width(),
                      lineHeight(body_));
    painter_.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                      QStringLiteral("%1 / %2").arg(page_).arg(pageCount_));
}

void RecordLayout::makeRoom(qreal height) {
    if (top_ + height <= area_.bottom() || top_ == area_.top())
        return;
    newPage();
}

void RecordLayout::newPage() {
    if (top_ == area_.top())
        return;
    numberPage();
    if (drawing_)
        device_.newPage();
    ++page_;
    top_ = area_.top();
}

void RecordLayout::textBlock(const QString& text, const QFont& font) {
    const QFontMetricsF metrics(font, painter_.device());
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, area_.width(), 1e6), textFlags, text);
    makeRoom(bounds.height());
    if (drawing_) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(area_.left(), top_, area_.width(), bounds.height()), textFlags,
                          text);
    }
    top_ += bounds.height();
}

void RecordLayout::title(const QString& text) {
    textBlock(text, sized(body_, 16, true));
    space(0.4);
}

void RecordLayout::heading(const QString& text, qreal keepShare) {
    space(0.6);
    const QFont font = sized(body_, 12, true);
    makeRoom(lineHeight(font) * 1.5 + std::max(lineHeight(body_) * 5, area_.height() * keepShare));
    textBlock(text, font);
    space(0.3);
}

void RecordLayout::paragraph(const QString& text, bool bold) {
    textBlock(text, sized(body_, bodyPoints, bold));
}

void RecordLayout::space(qreal lines) {
    top_ += lineHeight(body_) * lines;
}

qreal RecordLayout::rowHeight(const QStringList& row, const std::vector<qreal>& shares,
                              const QFont& font) {
    const QFontMetricsF metrics(font, painter_.device());
    const qreal padding = lineHeight(font) * cellPadding;
    qreal height = metrics.height();
    for (qsizetype i = 0; i < row.size(); ++i) {
        const qreal width = area_.width() * shares[std::size_t(i)] - 2 * padding;
        height = std::max(
            height, metrics.boundingRect(QRectF(0, 0, width, 1e6), textFlags, row[i]).height());
    }
    return height + 2 * padding;
}

void RecordLayout::drawRow(const QStringList& row, const std::vector<qreal>& shares,
                           const QFont& font, qreal height) {
    if (!drawing_)
        return;
    painter_.setFont(font);
    // A chart drawn before leaves its own pen and brush.
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::NoBrush);
    const qreal padding = lineHeight(font) * cellPadding;
    qreal left = area_.left();
    for (qsizetype i = 0; i < row.size(); ++i) {
        const qreal width = area_.width() * shares[std::size_t(i)];
        const QRectF cell(left, top_, width, height);
        painter_.drawRect(cell);
        painter_.drawText(cell.adjusted(padding, padding, -padding, -padding), textFlags, row[i]);
        left += width;
    }
}

void RecordLayout::table(const std::vector<QStringList>& rows, const std::vector<qreal>& shares) {
    if (rows.empty())
        return;
    const QFont titles = sized(body_, bodyPoints, true);
    const qreal titleHeight = rowHeight(rows.front(), shares, titles);
    for (std::size_t i = 1; i < rows.size() || i == 1; ++i) {
        const qreal height = i < rows.size() ? rowHeight(rows[i], shares, body_) : 0;
        const int before = page_;
        makeRoom((i == 1 ? titleHeight : 0) + height);
        if (i == 1 || page_ != before) {
            drawRow(rows.front(), shares, titles, titleHeight);
            top_ += titleHeight;
        }
        if (i < rows.size()) {
            drawRow(rows[i], shares, body_, height);
            top_ += height;
        }
    }
}

void RecordLayout::chart(const ChartDescription& chart, const QString& caption, qreal share) {
    const qreal height = area_.height() * share;
    makeRoom(height);
    if (drawing_)
        paintChartPage(chart, painter_, QRectF(area_.left(), top_, area_.width(), height),
                       {caption});
    top_ += height;
}

void RecordLayout::finish() {
    numberPage();
}
