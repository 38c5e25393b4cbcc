#pragma once
// The process-data dialog: the one working window of tavcalc, the client of its frame.
//
// The user types or loads the process data for the shape the program was started with,
// chooses the output name and starts a run. The dialog keeps no state between commands but its
// boxes: every "Obliczaj..." reads them afresh. Each control carries its resource id in its
// object name ("edit208", "button201", "static124").

#include "NumberBox.h"
#include "ProcessForm.h"

#include <QDialog>

#include <string_view>

class HardeningPanel;
class ModelChoice;
class QLabel;
class QLayout;
class QLineEdit;
class StageTable;
class THelpWindow;
struct LoadedBoxes;

// The shape's name as the windows show it (the main window's caption).
QString shapeText(SampleShape shape);

class TTavrixDialog : public QDialog {
    Q_OBJECT
public:
    TTavrixDialog(SampleShape shape, QWidget* parent);

    // Command 110 ("Pomo&c"): the program's help page, in the help window.
    void help();
    // "&Projekt procesu..." (thick shapes): designs a programme into the stage rows.
    void designProcess();
    // "&Współczynnik z próby..." (foil): the transfer coefficient from the test in the form.
    void fitTransferCoefficient();
    // "&Dopasuj do pomiaru...": the transfer coefficient (and a potential offset) fitted to a
    // profile measured after the process in the form, inserted into its boxes.
    void fitMeasuredProfile();
    // "&Przelicz odczyt...": a furnace reading converted to the carbon potential of a stage row.
    void convertReading();

    // Escape and "Koniec": the form closes only when its values may go (mayClose()).
    void reject() override;
    // Whether the form may close now. Values typed (or designed) since they were last saved or
    // kept by a run would be lost: the user is asked once whether to save them, drop them or
    // stay. Nothing unsaved: true at once.
    bool mayClose();

    // The values in the boxes kept for the next window of the shape (FormMemory.h), unless a
    // box holds text that is no number; and those kept shown, in a new window.
    void keepValues() const;
    void showKeptValues();

private:
    void compute(); // 201 "Obliczaj..."
    // The form's process data into a file the user chooses; false when nothing was written.
    bool saveForm();
    void load();   // 240 "Załaduj..."
    void browse(); // 242 "Przeglądaj..."

    ProcessForm readForm() const;
    // Every number box of the form in the form's order: the steel, the stage rows, the alloys,
    // the size.
    QList<NamedBox> namedBoxes() const;
    // The form's boxes hold numbers, or one that does not is refused and focused.
    bool boxesHoldNumbers();
    // The grade the hardness model takes the typed alloys for, or a dash while one is missing.
    void showGrade();
    // "Cr" for the Cr box: its label without the colon.
    QString alloySymbol(const QLineEdit* box) const;
    void showLoaded(const LoadedBoxes& boxes);
    // The form's own messages for its steel and size, with a stand-in programme; before them,
    // one that names every empty box of the steel and the size.
    bool steelPassesChecks(const ProcessForm& form);
    // Whether the user goes on despite unusual values (FormWarnings.h) and potentials above the
    // saturation limit; true at once when there are none.
    bool goesOnDespiteWarnings(const ProcessForm& form);

    // A programme inserted from a design or a fit is a new set: the output name becomes the
    // current one with `suffix`, numbered on past the files there are.
    void proposeNewName(std::string_view suffix);

    // A steel picked by name: its composition into the boxes.
    void takeGrade(const QString& name);
    // The hardening boxes' first broken rule, shown; false when there is one.
    bool hardeningPassesChecks();

    QLineEdit* numberBox(int id);
    QLayout* steelRows();
    QLayout* compositionColumn();
    QLayout* fileRows();

    SampleShape shape_;
    QLineEdit* steelCarbon_ = nullptr;
    QLineEdit* transferCoefficient_ = nullptr;
    ModelChoice* models_ = nullptr;
    QLineEdit *cr_ = nullptr, *mo_ = nullptr, *mn_ = nullptr, *si_ = nullptr, *ni_ = nullptr;
    QLabel* grade_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QLabel* thicknessLabel_ = nullptr;
    QLabel* thicknessUnit_ = nullptr;
    StageTable* stages_ = nullptr;
    HardeningPanel* hardening_ = nullptr;
    QLineEdit* outputName_ = nullptr;
    THelpWindow* helpWindow_ = nullptr; // once help was asked for
    bool unsaved_ = false;              // values typed or designed that no file holds yet
    ProcessSettings settings_;          // of the file last loaded, kept for the files it writes
};
