#pragma once
// "Projekt procesu": the furnace programme for a case the user asks for, on the steel, alloy,
// transfer coefficient and size of the form. "Oblicz" runs the design with a gauge and Cancel
// and shows the programme with what it achieves beside the targets; "Wstaw" ends the dialog
// with the programme, as shown, ready for the form's stage rows. A result whose inputs have
// changed since is greyed and cannot be inserted until "Oblicz" runs again. "Nawęglanie
// próżniowe" designs pulses of saturated boosts and neutral diffusions instead (low-pressure
// carburizing), which the form takes as rows with conditions.

#include "DesignCommand.h"
#include "NumberBox.h"
#include "ProcessData.h"
#include "TTrialDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;

class TDesignDialog : public TTrialDialog {
    Q_OBJECT
public:
    // `steel` has passed the form's checks of steel and size; its first stage row gives the
    // temperature and boost potential to start with.
    TDesignDialog(const ProcessRecord& steel, QWidget* parent);

    // After "Wstaw": the steel with the designed programme in its stage rows, each value as the
    // dialog showed it.
    const DesignResult& result() const { return result_; }

private:
    // The boxes and check boxes, with what each switches on and off.
    void makeBoxes();
    QLayout* targetsLayout();
    QLayout* buttonRow();
    // The form's first stage row, where it is filled, is the programme the user starts from.
    void startFromFirstRow(const TDane& first);
    void design(); // "Oblicz"
    // The boxes the design reads, as the dialog shows them, with their names in messages.
    QList<NamedBox> namedBoxes() const;
    // The design's options from the boxes; a box that holds no number, or an empty one the
    // design needs, is told to the user (the first in the dialog's order) and focused.
    std::optional<DesignOptions> options();
    void showResult(const DesignRequest& request);
    // The boxes a low-pressure design reads, or those of a gas programme.
    void chooseLowPressure(bool lowPressure);
    // The designed pulses as the form's stage rows, and their table beside the targets.
    void showPulses(const LowPressureRequest& wanted, const LowPressureResult& designed);
    // The programme's length, in hours and on the clock.
    static QString totalTimeLine(const TDane& programme);
    // An input changed: the result shown no longer answers the boxes.
    void markStale();
    QLayout* resultArea();

    ProcessRecord steel_;
    QLineEdit* temperature_;
    QLineEdit* boost_;
    QLineEdit* depth_;
    QLineEdit* level_;
    QCheckBox* chdWanted_; // the depth is the case-hardening depth instead of one at `level_`
    QLineEdit* chdLimit_;
    QCheckBox* surfaceWanted_;
    QLineEdit* surface_;
    QLineEdit* diffuse_;
    QCheckBox* hardeningWanted_;
    QLineEdit* hardening_;
    QLineEdit* hardeningTime_;
    QLineEdit* step_;
    QCheckBox* lowPressure_;
    QLineEdit* minBoost_;
    QLabel* programme_;
    QLabel* warnings_;
    QScrollArea* warningArea_;
    QPushButton* insert_;
    DesignResult result_;
};
