#pragma once
// The stage table of the process-data dialog: one row per stage row of the programme, with its
// time, temperature and potential and the condition of the stage the row ends: gas, neutral or
// boost, and for a boost its flux limit J0 (empty: the surface goes to the saturation limit at
// once). The table holds the ten rows of a programme of gas stages and grows a row at a time
// ("Dodaj wiersz", or a loaded or designed programme) up to maxConditionStages; beyond ten rows
// it scrolls, its headings staying in view. The boxes of the first ten rows carry their
// resource ids in their object names ("edit236"); later rows and the condition column are named
// by column and row ("time11", "condition3", "fluxLimit3").

#include "ProcessData.h"
#include "ProcessFileLoad.h"

#include <QWidget>

#include <array>
#include <vector>

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
    // Grows the table to `count` rows, or shrinks it to them and at least ten, dropping what the
    // rows beyond held.
    void setRowCount(int count);
    void setTimeHeading(const QString& heading);
    // Row `row` (from 0) from loaded or designed texts.
    void showRow(int row, const LoadedBoxes::Row& texts);
    // Rows given and no more (at least ten), each showing its texts.
    void showRows(const std::vector<LoadedBoxes::Row>& rows);

    // The rows into the form's stage cells; cells beyond the table's rows stay empty.
    void readInto(ProcessForm& form) const;

signals:
    // The user typed into a box or chose a condition.
    void edited();

private:
    struct Row {
        QLabel* number;
        QLineEdit* time;
        QLineEdit* temperature;
        QLineEdit* potential;
        QComboBox* condition;
        QLineEdit* fluxLimit;

        // Every widget of the row, left to right.
        std::array<QWidget*, 6> cells() const;
    };

    void appendRow();
    // A row added by the user: in view, its time box ready for typing.
    void addRowForUser();
    void conditionChosen(const Row& row);
    // Ten rows in view, the scroll bar beside them once there are more.
    void fitToRows();

    std::vector<Row> rows_;
    QLabel* timeHeading_;
    QGridLayout* headings_;
    QGridLayout* grid_;
    QWidget* rowsArea_;
    QScrollArea* scroll_;
    QPushButton* addButton_;
};
