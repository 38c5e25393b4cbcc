#pragma once
// "Przelicz odczyt": what the furnace's instrument reads (an oxygen probe, a dew point or a CO2
// content) at a stage's temperature, as the carbon potential and activity it means; "Wstaw do
// etapu" ends the dialog with that potential for the stage row chosen. A gas that would deposit
// soot has no potential to insert. The conversion is the command line's (FurnaceReading.h).

#include <QDialog>
#include <QStringList>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

class TPotentialDialog : public QDialog {
    Q_OBJECT
public:
    // `temperatures`: the texts of the form's temperature boxes, one per stage row; the chosen
    // row's fills the temperature box.
    TPotentialDialog(const QStringList& temperatures, QWidget* parent);

    // After the dialog was accepted: the stage row (from 0) and its potential, % C.
    int row() const;
    double potential() const { return potential_; }

private:
    void rowChosen(int row);
    // "Przelicz": the result shown; false (with a message) when the reading is refused.
    bool convert();
    void insert(); // "Wstaw do etapu"
    QLineEdit* box(const QString& name, const QString& text = QString());

    QStringList temperatures_;
    QComboBox* row_;
    QComboBox* kind_;
    QLineEdit* temperature_;
    QLineEdit* reading_;
    QLineEdit* co_;
    QLineEdit* h2_;
    QLineEdit* processFactor_;
    QLabel* result_;
    std::optional<double> converted_; // % C of the last conversion; none where the gas soots
    double potential_ = 0;
};
