#pragma once
// The progress dialog ("Obliczenia") through which one computation is started, watched and,
// if need be, cancelled.
//
// "Start!" claims the set in the in-use list, writes the process-data file and runs the
// computation to its end inside the button's handler; the one action button then reads
// "Cancel" and finally "OK". A set that another run has claimed is refused before anything of
// it is written. While the run lasts, every way of ending the dialog (Cancel, Esc, the close
// box) asks the run to stop, so no run goes on behind a closed dialog. The owner releases the
// set when the dialog has ended. A finished run shows its results (case-hardening depth, case
// depth, surface carbon, mass gain, total time) with the gauge full, where its surface carbon
// went above the saturation limit, and "Pokaż wyniki" opens the set in the viewer.

#include "FileTable.h"
#include "ProcessForm.h"
#include "RunCommand.h"

#include "Computation.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

struct RunOutcome;
class QLabel;
class QProgressBar;
class QPushButton;

class TWskDialog : public QDialog {
    Q_OBJECT
public:
    // `form` and `shape` are the owner's; `setName` is the completed output name.
    TWskDialog(const ProcessForm& form, SampleShape shape, const QString& setName, QWidget* parent);

    void reject() override;
    // Takes the set off the in-use list, reporting a list that cannot be updated.
    void releaseSet();
    // Whether the form's process data are in the set's file now: written by "Start!" and not
    // deleted with a cancelled run.
    bool processDataKept() const { return processDataKept_; }

private:
    enum class Action { Start, Cancel, Ok };

    void act();
    void start();
    bool mayReplaceResults();
    void showAction(Action action);
    void showResults(const RunOutcome& outcome);
    void showRunWarnings(const RunOutcome& outcome);
    // As wide as the dialog already is: a text under the gauge wraps rather than widens it.
    void showBelowGauge(QLabel* text);
    RunRefusal layProcessData(const std::string& path, const std::string& processData);
    void refuseRun(const SetRunOutcome& run);
    void showEnd(const SetRunOutcome& run);
    void reportLeftFiles(const std::optional<std::string>& problem);
    void showInViewer(); // "Pokaż wyniki"
    QWidget* mainWindow() const;

    ProcessForm form_;
    SampleShape shape_;
    QString setName_;
    QProgressBar* gauge_;
    QLabel* stateText_;
    QPushButton* actionButton_;
    QPushButton* viewButton_;
    QLabel* results_;
    QLabel* warnings_;
    Action action_ = Action::Start;
    bool running_ = false;
    bool cancelled_ = false; // Cancel was pressed while the run went on
    bool processDataKept_ = false;
    std::optional<SetClaim> claim_;
};
