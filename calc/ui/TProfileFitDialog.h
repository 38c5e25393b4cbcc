#pragma once
// "Dopasuj do pomiaru": the transfer coefficient, alone or with one offset of every gas
// potential, fitted to a profile measured on a sample of the form's process. The user names the
// measurement file and what to fit; "Oblicz" fits with a gauge and Cancel and shows the values
// with their standard errors, the RMS difference before and after and the trial runs, and a
// note under them for a value the measurement does not determine; "Wstaw" ends the dialog with
// the fitted process, for the form. A result whose inputs have changed since is greyed and
// cannot be inserted until "Oblicz" runs again.

#include "ProcessData.h"
#include "ProfileFit.h"
#include "TTrialDialog.h"

class QCheckBox;
class QLabel;

class TProfileFitDialog : public TTrialDialog {
    Q_OBJECT
public:
    // `process` has passed the form's checks.
    TProfileFitDialog(const ProcessRecord& process, QWidget* parent);

    // After "Wstaw": the fit, its `fitted` process among it.
    const ProfileFitResult& result() const { return result_; }

private:
    // "Pomoc", "Oblicz", "Wstaw" and "Zamknij".
    QLayout* buttonRow();
    void chooseFile(); // "Wybierz..."
    void fit();        // "Oblicz"
    void showResult(MeasuredQuantity quantity);
    void markStale();

    ProcessRecord process_;
    QLineEdit* file_;
    QCheckBox* withOffset_;
    QLabel* values_;
    QPushButton* insert_;
    ProfileFitResult result_;
};
