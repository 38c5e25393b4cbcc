#pragma once
// The stage table of the process-data dialog: one row per stage row of the programme, with its
// time, temperature and potential. A programme of gas stages needs no more: the table is the
// ten rows it always was. "Warunki etapów" adds the condition of the stage each row ends (gas,
// neutral or boost) and, for a boost, its flux limit J0 (empty: the surface goes to the
// saturation limit at once); the column comes by itself with a programme that has conditions,
// or more than ten rows. The table grows a row at a time ("Dodaj wiersz", or a loaded or
// designed programme) up to maxConditionStages; beyond ten rows it scrolls, its headings staying
// in view. The boxes of the first ten rows carry their resource ids in their object names
// ("edit236"); later rows and the condition column are named by column and row ("time11",
// "condition3", "fluxLimit3").

#include "ProcessFileLoad.h"
#include "ProcessForm.h"

#include <QStringList>
#include <QWidget>

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
    explicit StageTable(QWidget* parent);

    int rowCount() const { return int(rows_.size()); }
    // Grows the table to `count` rows (with the condition column beyond ten), or shrinks it to
    // them and at least ten, dropping what the rows beyond held.
    void setRowCount(int count);
    void setTimeHeading(const QString& heading);
    // Rows given and no more (at least ten), each showing its texts; the condition column shows
    // when the programme has conditions or more than ten rows, and only then.
    void showRows(const std::vector<LoadedBoxes::Row>& rows);

    // The rows into the form's stage cells; cells beyond the table's rows stay empty, and every
    // stage is a gas stage while the condition column is not shown.
    void readInto(ProcessForm& form) const;

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
    };

    void appendRow();
    void showRow(Row& row, const LoadedBoxes::Row& texts);
    // Adds the condition column (every row a gas row), or takes it away with what it held.
    void showConditions(bool shown);
    void addConditionCells(Row& row, int index);
    // A row added by the user: in view, its time box ready for typing.
    void addRowForUser();
    void conditionChosen(const Row& row);
    // Each column as wide in the headings as in the rows, ten rows in view, the scroll bar
    // beside them once there are more.
    void fitToRows();

    std::vector<Row> rows_;
    QLabel* timeHeading_;
    QLabel* conditionHeading_;
    QLabel* fluxLimitHeading_;
    QGridLayout* headings_;
    QGridLayout* grid_;
    QWidget* rowsArea_;
    QScrollArea* scroll_;
    QPushButton* addButton_;
    QCheckBox* conditionsBox_;
};
