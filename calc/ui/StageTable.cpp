#include "StageTable.h"

#include "NumberBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// The resource ids of the first ten rows' boxes.
constexpr std::array<int, maxStages> timeIds = {236, 235, 234, 233, 232, 231, 230, 229, 202, 121};
constexpr std::array<int, maxStages> temperatureIds = {204, 227, 226, 225, 224,
                                                       223, 222, 221, 220, 219};
constexpr std::array<int, maxStages> potentialIds = {218, 217, 216, 215, 214,
                                                     213, 212, 211, 210, 209};

enum Column {
    NumberColumn,
    TimeColumn,
    TemperatureColumn,
    PotentialColumn,
    ConditionColumn,
    FluxLimitColumn,
    columnCount
};

constexpr int rowSpacing = 5;
// Between the columns, in the headings and in the rows alike.
constexpr int columnSpacing = 6;

// The conditions in the order of the choice, with the words the form shows for them.
struct ConditionChoice {
    SurfaceCondition condition;
    const char16_t* text;
};
constexpr ConditionChoice conditionChoices[] = {
    {SurfaceCondition::Gas, u"gaz"},
    {SurfaceCondition::Neutral, u"obojętna"},
    {SurfaceCondition::Boost, u"nasycanie"},
};

int choiceOf(SurfaceCondition condition) {
    const auto* found = std::ranges::find(conditionChoices, condition, &ConditionChoice::condition);
    return int(found - std::begin(conditionChoices));
}

QLabel* newLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QString rowBoxName(const std::array<int, maxStages>& ids, const char16_t* column, int row) {
    return row < maxStages ? u"edit%1"_s.arg(ids[std::size_t(row)])
                           : QString::fromUtf16(column) + QString::number(row + 1);
}

QString rowNumberName(int row) {
    // The tenth row's number is a control of the dialog resource.
    return row + 1 == maxStages ? u"static122"_s : u"labelRow%1"_s.arg(row + 1);
}

void showText(QLineEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
}

} // namespace

StageTable::StageTable(QWidget* parent) : QWidget(parent) {
    timeHeading_ = newLabel(QString(), u"static118"_s, this);
    auto* condition = newLabel(u"Warunek"_s, u"labelCondition"_s, this);
    condition->setToolTip(u"Co dzieje się na powierzchni w etapie, który kończy wiersz: gaz "
                          u"(potencjał węglowy atmosfery), atmosfera obojętna (węgiel nie "
                          u"przechodzi przez powierzchnię) albo nasycanie (powierzchnia na "
                          u"granicy nasycenia austenitu)."_s);
    auto* fluxLimit = newLabel(u"J0, g/(m²·s)"_s, u"labelFluxLimit"_s, this);
    fluxLimit->setToolTip(u"Największy strumień węgla etapu nasycania, dopóki powierzchnia nie "
                          u"osiągnie granicy nasycenia; puste: powierzchnia od razu na granicy."_s);

    headings_ = new QGridLayout;
    headings_->setContentsMargins(0, 0, 0, 0);
    headings_->setHorizontalSpacing(columnSpacing);
    // An empty column would get no spacing after it, and the headings would stand off their
    // boxes.
    headings_->addWidget(new QLabel(this), 0, NumberColumn);
    headings_->addWidget(timeHeading_, 0, TimeColumn);
    headings_->addWidget(newLabel(u"Temperatura, C"_s, u"labelTemperature"_s, this), 0,
                         TemperatureColumn);
    headings_->addWidget(newLabel(u"Potencjał węglowy, %"_s, u"labelPotential"_s, this), 0,
                         PotentialColumn);
    headings_->addWidget(condition, 0, ConditionColumn);
    headings_->addWidget(fluxLimit, 0, FluxLimitColumn);

    rowsArea_ = new QWidget;
    grid_ = new QGridLayout(rowsArea_);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(rowSpacing);
    grid_->setHorizontalSpacing(columnSpacing);
    grid_->setSizeConstraint(QLayout::SetMinimumSize);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(u"stageScroll"_s);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(rowsArea_);

    addButton_ = new QPushButton(u"Dodaj wiersz"_s, this);
    addButton_->setObjectName(u"buttonAddRow"_s);
    addButton_->setToolTip(u"Jeszcze jeden etap; program z etapami obojętnymi lub nasycania może "
                           u"mieć do %1 wierszy."_s.arg(maxConditionStages));
    addButton_->setAutoDefault(false);
    connect(addButton_, &QPushButton::clicked, this, &StageTable::addRowForUser);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(rowSpacing);
    page->addLayout(headings_);
    page->addWidget(scroll_);
    page->addWidget(addButton_, 0, Qt::AlignLeft);
    page->addStretch();

    for (int row = 0; row < maxStages; ++row)
        appendRow();

    // The headings and the rows are two grids, one of them scrolling: each column as wide in
    // both, as its heading or its boxes need (a box of fixed width, not as wide as it would like).
    for (int column = 0; column < columnCount; ++column) {
        int width = grid_->itemAtPosition(0, column)->sizeHint().width();
        if (const QLayoutItem* heading = headings_->itemAtPosition(0, column))
            width = std::max(width, heading->sizeHint().width());
        if (column == NumberColumn)
            width = std::max(width, QLabel(u"%1."_s.arg(maxConditionStages)).sizeHint().width());
        headings_->setColumnMinimumWidth(column, width);
        grid_->setColumnMinimumWidth(column, width);
    }
    headings_->setColumnStretch(columnCount, 1);
    grid_->setColumnStretch(columnCount, 1);
    fitToRows();
}

std::array<QWidget*, 6> StageTable::Row::cells() const {
    return {number, time, temperature, potential, condition, fluxLimit};
}

void StageTable::appendRow() {
    const int row = rowCount();
    Row cells{newLabel(u"%1."_s.arg(row + 1), rowNumberName(row), rowsArea_),
              newNumberBox(rowBoxName(timeIds, u"time", row), rowsArea_),
              newNumberBox(rowBoxName(temperatureIds, u"temperature", row), rowsArea_),
              newNumberBox(rowBoxName(potentialIds, u"potential", row), rowsArea_),
              new QComboBox(rowsArea_),
              newNumberBox(u"fluxLimit%1"_s.arg(row + 1), rowsArea_)};
    cells.condition->setObjectName(u"condition%1"_s.arg(row + 1));
    for (const ConditionChoice& choice : conditionChoices)
        cells.condition->addItem(QString::fromUtf16(choice.text));
    // A row as tall as its boxes, so that ten rows stand as they always have.
    cells.condition->setFixedHeight(cells.time->sizeHint().height());
    cells.fluxLimit->setEnabled(false);
    for (QLineEdit* box : {cells.time, cells.temperature, cells.potential, cells.fluxLimit})
        connect(box, &QLineEdit::textEdited, this, &StageTable::edited);
    connect(cells.condition, &QComboBox::activated, this, [this, cells] {
        conditionChosen(cells);
        emit edited();
    });

    grid_->addWidget(cells.number, row, NumberColumn, Qt::AlignRight);
    grid_->addWidget(cells.time, row, TimeColumn);
    grid_->addWidget(cells.temperature, row, TemperatureColumn);
    grid_->addWidget(cells.potential, row, PotentialColumn);
    grid_->addWidget(cells.condition, row, ConditionColumn);
    grid_->addWidget(cells.fluxLimit, row, FluxLimitColumn);
    // Shown now, not at the next turn of the event loop: the layout places shown cells only.
    for (QWidget* cell : cells.cells())
        cell->show();
    rows_.push_back(cells);
}

void StageTable::conditionChosen(const Row& row) {
    const bool boost = row.condition->currentIndex() == choiceOf(SurfaceCondition::Boost);
    row.fluxLimit->setEnabled(boost);
    // A flux limit belongs to a boost only: no other row keeps one out of sight.
    if (!boost)
        row.fluxLimit->clear();
}

void StageTable::addRowForUser() {
    setRowCount(rowCount() + 1);
    QLineEdit* time = rows_.back().time;
    // The new row's place in the scrolled rows is known once they are laid out again: now,
    // rather than at the next turn of the event loop.
    grid_->activate();
    scroll_->ensureWidgetVisible(time);
    time->setFocus();
    emit edited();
}

void StageTable::setRowCount(int count) {
    count = std::clamp(count, maxStages, maxConditionStages);
    while (rowCount() < count)
        appendRow();
    while (rowCount() > count) {
        for (QWidget* cell : rows_.back().cells())
            delete cell;
        rows_.pop_back();
    }
    fitToRows();
}

void StageTable::fitToRows() {
    const int visible = std::min(rowCount(), maxStages);
    const int rowHeight = rows_.front().time->sizeHint().height();
    scroll_->setFixedHeight(visible * rowHeight + (visible - 1) * rowSpacing);
    const bool scrolls = rowCount() > maxStages;
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollBar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    scroll_->setFixedWidth(grid_->sizeHint().width() + scrollBar);
    addButton_->setEnabled(rowCount() < maxConditionStages);
}

void StageTable::setTimeHeading(const QString& heading) {
    timeHeading_->setText(heading);
}

void StageTable::showRow(int row, const LoadedBoxes::Row& texts) {
    const Row& cells = rows_[std::size_t(row)];
    showText(cells.time, texts.time);
    showText(cells.temperature, texts.temperature);
    showText(cells.potential, texts.potential);
    cells.condition->setCurrentIndex(choiceOf(texts.condition));
    conditionChosen(cells);
    showText(cells.fluxLimit, texts.fluxLimit);
}

void StageTable::showRows(const std::vector<LoadedBoxes::Row>& rows) {
    setRowCount(int(rows.size()));
    for (int row = 0; row < rowCount(); ++row)
        showRow(row, std::size_t(row) < rows.size() ? rows[std::size_t(row)] : LoadedBoxes::Row{});
}

void StageTable::readInto(ProcessForm& form) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const Row& cells = rows_[row];
        form.time[row] = boxValue(cells.time);
        form.temperature[row] = boxValue(cells.temperature);
        form.potential[row] = boxValue(cells.potential);
        StageCondition& condition = form.condition[row];
        condition.kind = conditionChoices[std::size_t(cells.condition->currentIndex())].condition;
        if (condition.kind == SurfaceCondition::Boost && !cells.fluxLimit->text().isEmpty())
            condition.fluxLimit = boxValue(cells.fluxLimit);
        else
            condition.fluxLimit.reset();
    }
}
