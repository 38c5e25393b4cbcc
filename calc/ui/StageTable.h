#pragma once
// The stage table of the process-data dialog: one row per stage row of the programme, with its
// time, temperature and potential. A programme of gas stages needs no more: the table is the
// ten rows it always was. "Warunki etapów" adds the condition of the stage each row ends (gas,
// neutral or boost) and, for a boost, its flux limit J0 (empty: the surface goes to the
// saturation limit at once) and its ceiling (empty: the saturation limit); the column comes by
// itself with a programme that has conditions, or more than ten rows. The table grows a row at a
// time ("Dodaj wiersz", or a loaded or designed programme) up to maxConditionStages; beyond ten
// rows it scrolls, its headings staying in view. "Czasy etapów" shows how long each stage lasts
// instead of the time it ends at (the form still receives the times it ends at); a table in
// hours also reads a time typed as "h:mm:ss", and shows the short stages of a programme with
// conditions so where that keeps the digits the file holds. The boxes of the first ten rows
// carry their resource ids in their object names ("edit236"); later rows and the condition
// column are named by column and row ("time11", "condition3", "fluxLimit3", "ceiling3").

#include "NumberBox.h"
#include "ProcessFileLoad.h"
#include "ProcessForm.h"

#include <QStringList>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

class StageTable : public QWidget {
    Q_OBJECT
public:
    // `unit`: of the times, as the sample kind has them.
    StageTable(TimeUnit unit, QWidget* parent);

    int rowCount() const { return int(rows_.size()); }
    // Grows the table to `count` rows (with the condition column beyond ten), or shrinks it to
    // them and at least ten, dropping what the rows beyond held.
    void setRowCount(int count);
    // The heading of the times the rows end at; the durations have their own.
    void setTimeHeading(const QString& heading);
    // Rows given and no more (at least ten), each showing its texts; the condition column shows
    // when the programme has conditions or more than ten rows, and only then.
    void showRows(const std::vector<LoadedBoxes::Row>& rows);

    // The rows into the form's stage cells; cells beyond the table's rows stay empty, and every
    // stage is a gas stage while the condition column is not shown.
    void readInto(ProcessForm& form) const;
    // Every number box of the rows, row by row, named by its row and column.
    QList<NamedBox> namedBoxes() const;

    // The temperature boxes' texts, one per row; a potential put into a row's box.
    QStringList temperatureTexts() const;
    void setPotential(int row, const QString& text);

signals:
    // The user typed into a box or chose a condition.
    void edited();

private:
    struct Row {
        QLabel* number;
        QLineEdit* time;
        QLineEdit* temperature;
        QLineEdit* potential;
        QComboBox* condition = nullptr; // while the condition column is shown
        QLineEdit* fluxLimit = nullptr;
        QLineEdit* ceiling = nullptr;
    };

    // The constructor's parts: the column headings, the scrolled rows, the buttons below.
    void makeHeadings();
    void makeRowsArea();
    void makeButtons();
    void appendRow();
    void showRow(Row& row, const LoadedBoxes::Row& texts);
    // Adds the condition column (every row a gas row), or takes it away with what it held.
    void showConditions(bool shown);
    void addConditionCells(Row& row, int index);
    // A row added by the user: in view, its time box ready for typing.
    void addRowForUser();
    void conditionChosen(const Row& row);
    // The time column between the times the rows end at and the stages' durations; a box
    // whose text is no number keeps it.
    void showDurations(bool durations);
    // `time` as h:mm:ss, in a programme with conditions in hours where that reads back to the
    // digits the file keeps.
    std::optional<QString> clockTextOf(double time) const;
    // The text a time box shows for `time`: its clock text, else the digits it needs.
    QString timeText(double time) const;
    // Each column as wide in the headings as in the rows, ten rows in view, the scroll bar
    // beside them once there are more.
    void fitToRows();

    std::vector<Row> rows_;
    QLabel* timeHeading_;
    QLabel* conditionHeading_;
    QLabel* fluxLimitHeading_;
    QLabel* ceilingHeading_;
    QGridLayout* headings_;
    QGridLayout* grid_;
    QWidget* rowsArea_;
    QScrollArea* scroll_;
    QPushButton* addButton_;
    QCheckBox* conditionsBox_;
    QCheckBox* durationsBox_;
    TimeUnit timeUnit_;
    QString endHeading_; // the heading of the times the rows end at
};
