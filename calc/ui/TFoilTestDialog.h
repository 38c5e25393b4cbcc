#pragma once
// "Współczynnik z próby": the transfer coefficient from a foil test. The form holds the test as
// it was run; the user enters the carbon measured after it, "Oblicz" fits the coefficient with
// a gauge and Cancel, and the dialog ends with it, for the form's transfer-coefficient box.

#include "FoilFit.h"
#include "ProcessData.h"
#include "TTrialDialog.h"

class TFoilTestDialog : public TTrialDialog {
    Q_OBJECT
public:
    // `test` has passed the form's checks.
    TFoilTestDialog(const ProcessRecord& test, QWidget* parent);

    // After the dialog was accepted: the fitted coefficient and what the uniform formula gives.
    const FoilFitResult& result() const { return result_; }

private:
    void fit(); // "Oblicz"

    ProcessRecord test_;
    QLineEdit* measured_;
    FoilFitResult result_;
};
