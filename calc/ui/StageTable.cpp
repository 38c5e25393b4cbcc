#include "StageTable.h"

#include "BoxNumbers.h"
#include "ClockTime.h"
#include "NumberBox.h"
#include "TabOrder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

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
    CeilingColumn,
    columnCount
};

constexpr int rowSpacing = 5;
// Between the columns, in the headings and in the rows alike.
constexpr int columnSpacing = 6;

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

// Lines a heading may take over boxes narrower than it.
constexpr int headingLines = 2;

// A heading breaks into lines between its words over boxes narrower than it: its column is as
// wide as the boxes, or as its heading needs to stand in two lines where that is wider.
int headingWidth(const QLabel& heading, int boxWidth) {
    const int mostHeight =
        headingLines * heading.fontMetrics().lineSpacing() + 2 * heading.margin();
    int width = boxWidth;
    const int oneLine =
        heading.fontMetrics().horizontalAdvance(heading.text()) + 2 * heading.margin();
    while (heading.heightForWidth(width) > mostHeight && width < oneLine)
        ++width;
    return width;
}

// Headings that break into lines, their units whole ("% C", not "%" over "C"), standing on
// their boxes whether they take one line or two.
void wrapHeadings(const QList<QLabel*>& headings) {
    for (QLabel* heading : headings) {
        QString text = heading->text();
        if (const qsizetype comma = text.lastIndexOf(u", "_s); comma >= 0)
            for (qsizetype at = comma + 2; at < text.size(); ++at)
                if (text[at] == u' ')
                    text[at] = QChar::Nbsp;
        heading->setText(text);
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
}

} // namespace

StageTable::StageTable(TimeUnit unit, QWidget* parent) : QWidget(parent), timeUnit_(unit) {
    makeHeadings();
    makeRowsArea();
    makeButtons();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton_);
    buttons->addWidget(conditionsBox_);
    buttons->addWidget(durationsBox_);
    buttons->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(rowSpacing);
    page->addLayout(headings_);
    page->addWidget(scroll_);
    page->addLayout(buttons);
    page->addStretch();

    for (int row = 0; row < maxStages; ++row)
        appendRow();
    // The table keeps the room of its condition column and of a scroll bar beside it, so that
    // neither "Warunki etapów" nor a row more moves or resizes the form around it. The height
    // too: a minimum of our own replaces the layout's, and a form squeezed below it would lay
    // the buttons over the tenth row.
    showConditions(true);
    const QSize withConditions = sizeHint();
    showConditions(false);
    setMinimumSize(withConditions.width() + scroll_->verticalScrollBar()->sizeHint().width(),
                   std::max(withConditions.height(), sizeHint().height()));
}

void StageTable::makeHeadings() {
    timeHeading_ = newLabel(QString(), u"static118"_s, this);
    conditionHeading_ = newLabel(tr("Warunek"), u"labelCondition"_s, this);
    conditionHeading_->setToolTip(
        tr("Co dzieje się na powierzchni w etapie, który kończy wiersz: "
           "gaz (potencjał węglowy atmosfery), atmosfera obojętna (węgiel "
           "nie przechodzi przez powierzchnię) albo nasycanie "
           "(powierzchnia na granicy nasycenia austenitu)."));
    fluxLimitHeading_ = newLabel(tr("J0, g/(m²·s)"), u"labelFluxLimit"_s, this);
    fluxLimitHeading_->setToolTip(tr("Największy strumień węgla etapu nasycania, dopóki "
                                     "powierzchnia nie osiągnie granicy nasycenia; puste: "
                                     "powierzchnia od razu na granicy."));
    ceilingHeading_ = newLabel(tr("Pułap, % C"), u"labelCeiling"_s, this);
    ceilingHeading_->setToolTip(tr("Węgiel na powierzchni, przy którym nasycanie ją trzyma; "
                                   "puste: granica nasycenia austenitu."));

    headings_ = new QGridLayout;
    headings_->setContentsMargins(0, 0, 0, 0);
    headings_->setHorizontalSpacing(columnSpacing);
    // An empty column would get no spacing after it, and the headings would stand off their
    // boxes.
    headings_->addWidget(new QLabel(this), 0, NumberColumn);
    headings_->addWidget(timeHeading_, 0, TimeColumn);
    QLabel* temperatureHeading = newLabel(tr("Temperatura, C"), u"labelTemperature"_s, this);
    QLabel* potentialHeading = newLabel(tr("Potencjał węglowy, %"), u"labelPotential"_s, this);
    wrapHeadings({timeHeading_, temperatureHeading, potentialHeading, conditionHeading_,
                  fluxLimitHeading_, ceilingHeading_});
    headings_->addWidget(temperatureHeading, 0, TemperatureColumn);
    headings_->addWidget(potentialHeading, 0, PotentialColumn);
    headings_->addWidget(conditionHeading_, 0, ConditionColumn);
    headings_->addWidget(fluxLimitHeading_, 0, FluxLimitColumn);
    headings_->addWidget(ceilingHeading_, 0, CeilingColumn);
    headings_->setColumnStretch(CeilingColumn + 1, 1);
}

void StageTable::makeRowsArea() {
    rowsArea_ = new QWidget;
    grid_ = new QGridLayout(rowsArea_);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setVerticalSpacing(rowSpacing);
    grid_->setHorizontalSpacing(columnSpacing);
    grid_->setSizeConstraint(QLayout::SetMinimumSize);
    grid_->setColumnStretch(CeilingColumn + 1, 1);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(u"stageScroll"_s);
    scroll_->setFrameShape(QFrame::NoFrame);
    // No stop of Tab's own: a box focused in it is scrolled into view.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidget(rowsArea_);
}

void StageTable::makeButtons() {
    addButton_ = new QPushButton(tr("Dodaj wiersz"), this);
    addButton_->setObjectName(u"buttonAddRow"_s);
    addButton_->setToolTip(tr("Jeszcze jeden etap; program z etapami obojętnymi lub nasycania może "
                              "mieć do %1 wierszy.")
                               .arg(maxConditionStages));
    addButton_->setAutoDefault(false);
    connect(addButton_, &QPushButton::clicked, this, &StageTable::addRowForUser);
    conditionsBox_ = new QCheckBox(tr("Warunki etapów"), this);
    conditionsBox_->setObjectName(u"checkConditions"_s);
    conditionsBox_->setToolTip(tr("Etapy w atmosferze obojętnej i etapy nasycania (nawęglanie "
                                  "próżniowe) obok etapów w gazie."));
    connect(conditionsBox_, &QCheckBox::clicked, this, [this](bool shown) {
        showConditions(shown);
        emit edited();
    });

    durationsBox_ = new QCheckBox(tr("Czasy etapów"), this);
    durationsBox_->setObjectName(u"checkDurations"_s);
    durationsBox_->setToolTip(tr("Czas trwania każdego etapu zamiast chwili, w której się kończy; "
                                 "czas w godzinach można też wpisać jako h:mm:ss."));
    connect(durationsBox_, &QCheckBox::clicked, this, &StageTable::showDurations);
}

void StageTable::appendRow() {
    const int index = rowCount();
    Row row{newLabel(u"%1."_s.arg(index + 1), rowNumberName(index), rowsArea_),
            timeUnit_ == TimeUnit::Hours
                ? newClockBox(rowBoxName(timeIds, u"time", index), rowsArea_)
                : newNumberBox(rowBoxName(timeIds, u"time", index), rowsArea_),
            newNumberBox(rowBoxName(temperatureIds, u"temperature", index), rowsArea_),
            newNumberBox(rowBoxName(potentialIds, u"potential", index), rowsArea_)};
    for (QLineEdit* box : {row.time, row.temperature, row.potential})
        connect(box, &QLineEdit::textEdited, this, &StageTable::edited);
    grid_->addWidget(row.number, index, NumberColumn, Qt::AlignRight);
    grid_->addWidget(row.time, index, TimeColumn);
    grid_->addWidget(row.temperature, index, TemperatureColumn);
    grid_->addWidget(row.potential, index, PotentialColumn);
    if (conditionsBox_->isChecked())
        addConditionCells(row, index);
    // Shown now, not at the next turn of the event loop: the layout places shown cells only.
    for (QWidget* cell :
         {static_cast<QWidget*>(row.number), static_cast<QWidget*>(row.time),
          static_cast<QWidget*>(row.temperature), static_cast<QWidget*>(row.potential)})
        cell->show();
    rows_.push_back(row);
}

void StageTable::addConditionCells(Row& row, int index) {
    row.condition = new QComboBox(rowsArea_);
    row.condition->setObjectName(u"condition%1"_s.arg(index + 1));
    for (const ConditionTraits& choice : allConditions)
        row.condition->addItem(tr(choice.formLabel));
    // A row as tall as its boxes, so that ten rows stand as they do without the column.
    row.condition->setFixedHeight(row.time->sizeHint().height());
    // Row 1 starts the programme and ends no stage: it has no condition to choose.
    if (index == 0) {
        row.condition->setCurrentIndex(-1);
        row.condition->setEnabled(false);
    }
    row.fluxLimit = newNumberBox(u"fluxLimit%1"_s.arg(index + 1), rowsArea_);
    row.fluxLimit->setEnabled(false);
    connect(row.fluxLimit, &QLineEdit::textEdited, this, &StageTable::edited);
    row.ceiling = newNumberBox(u"ceiling%1"_s.arg(index + 1), rowsArea_);
    row.ceiling->setEnabled(false);
    connect(row.ceiling, &QLineEdit::textEdited, this, &StageTable::edited);
    connect(row.condition, &QComboBox::activated, this, [this, index] {
        conditionChosen(rows_[std::size_t(index)]);
        emit edited();
    });
    grid_->addWidget(row.condition, index, ConditionColumn);
    grid_->addWidget(row.fluxLimit, index, FluxLimitColumn);
    grid_->addWidget(row.ceiling, index, CeilingColumn);
    row.condition->show();
    row.fluxLimit->show();
    row.ceiling->show();
}

void StageTable::showConditions(bool shown) {
    conditionsBox_->setChecked(shown);
    conditionHeading_->setVisible(shown);
    fluxLimitHeading_->setVisible(shown);
    ceilingHeading_->setVisible(shown);
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        Row& row = rows_[index];
        if (shown && !row.condition)
            addConditionCells(row, int(index));
        if (!shown && row.condition) {
            delete row.condition;
            delete row.fluxLimit;
            delete row.ceiling;
            row.condition = nullptr;
            row.fluxLimit = nullptr;
            row.ceiling = nullptr;
        }
    }
    fitToRows();
    orderTabs();
}

void StageTable::conditionChosen(const Row& row) {
    const int choice = row.condition->currentIndex();
    const ConditionTraits* chosen = choice < 0 ? nullptr : &allConditions[std::size_t(choice)];
    // A flux limit and a ceiling belong to the conditions that take them: no other row keeps one
    // out of sight.
    const std::pair<QLineEdit*, bool> boxes[] = {{row.fluxLimit, chosen && chosen->takesFluxLimit},
                                                 {row.ceiling, chosen && chosen->takesCeiling}};
    for (const auto& [box, taken] : boxes) {
        box->setEnabled(taken);
        if (!taken)
            box->clear();
    }
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
    // More than ten rows are a programme with conditions.
    if (count > maxStages && !conditionsBox_->isChecked())
        showConditions(true);
    while (rowCount() < count)
        appendRow();
    while (rowCount() > count) {
        const Row& last = rows_.back();
        delete last.number;
        delete last.time;
        delete last.temperature;
        delete last.potential;
        delete last.condition;
        delete last.fluxLimit;
        delete last.ceiling;
        rows_.pop_back();
    }
    fitToRows();
    orderTabs();
}

void StageTable::orderTabs() {
    QWidget* previous = nullptr;
    for (const Row& row : rows_) {
        setTabOrderAsListed({previous, row.time, row.temperature, row.potential, row.condition,
                             row.fluxLimit, row.ceiling});
        previous = row.ceiling ? static_cast<QWidget*>(row.ceiling) : row.potential;
    }
    setTabOrderAsListed({previous, addButton_, conditionsBox_, durationsBox_});
}

void StageTable::fitToRows() {
    const bool conditions = conditionsBox_->isChecked();
    // The headings and the rows are two grids, one of them scrolling: each column as wide in
    // both, as its heading or its boxes need (a box of fixed width, not as wide as it would
    // like). A column not shown takes no room.
    for (int column = 0; column < columnCount; ++column) {
        const bool shown = conditions || column < ConditionColumn;
        int width = 0;
        if (shown) {
            width = grid_->itemAtPosition(0, column)->sizeHint().width();
            auto* heading = qobject_cast<QLabel*>(headings_->itemAtPosition(0, column)->widget());
            // A label measures its lines at its minimum width at least: the last one set.
            heading->setMinimumWidth(0);
            width = headingWidth(*heading, width);
            // Broken into lines at the column's width, not at the width it would like.
            heading->setFixedWidth(width);
        }
        if (column == NumberColumn)
            width = std::max(width, QLabel(u"%1."_s.arg(maxConditionStages)).sizeHint().width());
        headings_->setColumnMinimumWidth(column, width);
        grid_->setColumnMinimumWidth(column, width);
    }
    const int visible = std::min(rowCount(), maxStages);
    const int rowHeight = rows_.front().time->sizeHint().height();
    scroll_->setFixedHeight(visible * rowHeight + (visible - 1) * rowSpacing);
    const bool scrolls = rowCount() > maxStages;
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollBar = scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0;
    grid_->invalidate();
    scroll_->setFixedWidth(grid_->sizeHint().width() + scrollBar);
    addButton_->setEnabled(rowCount() < maxConditionStages);
}

void StageTable::setTimeHeading(const QString& heading) {
    endHeading_ = heading;
    if (!durationsBox_->isChecked())
        timeHeading_->setText(heading);
}

std::optional<QString> StageTable::clockTextOf(double time) const {
    // An empty row's marker is a number too, but no time of the programme.
    if (timeUnit_ != TimeUnit::Hours || !conditionsBox_->isChecked() || !std::isfinite(time) ||
        time == emptyCell)
        return std::nullopt;
    // The process-data file keeps six significant digits: the clock must keep them too.
    const std::string clock = clockText(time);
    const std::optional<double> read = clockHours(clock);
    if (!read || QString::number(*read, 'g', 6) != QString::number(time, 'g', 6))
        return std::nullopt;
    return QString::fromStdString(clock);
}

QString StageTable::timeText(double time) const {
    // Ten digits hide the noise of a difference (0.25 − 0.2) and keep the file's six.
    return clockTextOf(time).value_or(QString::number(time, 'g', 10));
}

void StageTable::showDurations(bool durations) {
    durationsBox_->setChecked(durations);
    timeHeading_->setText(!durations                       ? endHeading_
                          : timeUnit_ == TimeUnit::Seconds ? tr("Czas etapu, s")
                                                           : tr("Czas etapu, h"));
    // From row 2 on: row 1 starts the programme at its time either way.
    double previous = boxValue(rows_.front().time);
    for (std::size_t index = 1; index < rows_.size(); ++index) {
        QLineEdit* box = rows_[index].time;
        const double value = boxValue(box);
        if (value == emptyCell || !std::isfinite(value) || !std::isfinite(previous))
            continue;
        const double shown = durations ? value - previous : previous + value;
        previous = durations ? value : shown;
        box->setText(timeText(shown));
    }
    emit edited();
}

void StageTable::showRow(Row& row, const LoadedBoxes::Row& texts) {
    const std::optional<double> time = boxNumber(texts.time);
    const std::optional<QString> clock = time ? clockTextOf(*time) : std::nullopt;
    if (clock)
        row.time->setText(*clock);
    else
        showText(row.time, texts.time);
    showText(row.temperature, texts.temperature);
    showText(row.potential, texts.potential);
    if (!row.condition)
        return;
    if (row.condition->isEnabled())
        row.condition->setCurrentIndex(int(texts.condition)); // offered in the table's order
    conditionChosen(row);
    showText(row.fluxLimit, texts.fluxLimit);
    showText(row.ceiling, texts.ceiling);
}

void StageTable::showRows(const std::vector<LoadedBoxes::Row>& rows) {
    // The rows come with the times they end at.
    durationsBox_->setChecked(false);
    timeHeading_->setText(endHeading_);
    showConditions(rows.size() > std::size_t(maxStages) ||
                   std::ranges::any_of(
                       rows, [](const LoadedBoxes::Row& row) { return !isPlain(row.condition); }));
    setRowCount(int(rows.size()));
    for (std::size_t row = 0; row < rows_.size(); ++row)
        showRow(rows_[row], row < rows.size() ? rows[row] : LoadedBoxes::Row{});
}

QStringList StageTable::temperatureTexts() const {
    QStringList texts;
    for (const Row& row : rows_)
        texts.append(row.temperature->text());
    return texts;
}

void StageTable::setPotential(int row, const QString& text) {
    rows_[std::size_t(row)].potential->setText(text);
}

void StageTable::readInto(ProcessForm& form) const {
    double end = 0; // the time the last filled row ends at
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Row& row = rows_[index];
        form.time[index] = boxValue(row.time);
        if (durationsBox_->isChecked() && index > 0 && form.time[index] != emptyCell)
            form.time[index] += end;
        if (form.time[index] != emptyCell)
            end = form.time[index];
        form.temperature[index] = boxValue(row.temperature);
        form.potential[index] = boxValue(row.potential);
        StageCondition& condition = form.condition[index];
        condition = StageCondition{};
        if (!row.condition || row.condition->currentIndex() < 0)
            continue;
        const ConditionTraits& chosen = allConditions[std::size_t(row.condition->currentIndex())];
        condition.kind = chosen.kind;
        if (chosen.takesFluxLimit && !row.fluxLimit->text().isEmpty())
            condition.fluxLimit = boxValue(row.fluxLimit);
        if (chosen.takesCeiling && !row.ceiling->text().isEmpty())
            condition.ceiling = boxValue(row.ceiling);
    }
}

QList<NamedBox> StageTable::namedBoxes() const {
    QList<NamedBox> boxes;
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        const Row& row = rows_[index];
        const int number = int(index) + 1;
        boxes.append({row.time, tr("Wiersz %1, czas").arg(number)});
        boxes.append({row.temperature, tr("Wiersz %1, temperatura").arg(number)});
        boxes.append({row.potential, tr("Wiersz %1, potencjał").arg(number)});
        if (row.fluxLimit)
            boxes.append({row.fluxLimit, tr("Wiersz %1, J0").arg(number)});
    }
    return boxes;
}
