#pragma once
// The commands on whole result sets: open, compare, add to a comparison, delete. Each refuses a
// set that a running calculation is still writing (listed in the in-use list); the windows they
// make go to the MDI client, which must outlive this object.

#include <QString>
#include <QStringList>

#include <vector>

class ComparisonGroup;
class TChartMDIChild;
class TTavMDIClient;

class SetCommands {
public:
    SetCommands(TTavMDIClient& client, const QString& listFilePath);

    // "&Otwórz wyniki...": a set chosen in the file dialog, unless a calculation writes it.
    void openResults();
    // The same for a set named when the viewer starts ("tavrix SET.tav"): opened unless a
    // calculation writes it, which the usual message says.
    void openResults(const QString& setName);
    // "&Porównaj wyniki...": several sets chosen at once, unless a calculation writes one.
    void compareResults();
    // A window per quantity the sets share, unless thick and thin sets are mixed; the windows
    // come back in the order they were shown.
    std::vector<TChartMDIChild*> compareSets(const QStringList& setNames);
    // "Dodaj zestaw..." of a comparison window: sets chosen as for "&Porównaj wyniki...",
    // added to every window of its comparison unless refused as the opening ones would be, or
    // because one of them is compared already.
    void addToComparison(ComparisonGroup& group);
    bool addToComparison(ComparisonGroup& group, const QStringList& setNames);
    // "&Skasuj wyniki...": the files of a set chosen in the file dialog, unless in use.
    void deleteResults();

private:
    // Sets chosen together in the file dialog; one in use is refused by name and the dialog
    // comes again; none when the user cancels.
    QStringList chooseSetsToCompare();
    QString chooseUnusedSet(const QString& title, const QString& refusalCaption,
                            const QString& acceptLabel = QString());
    bool confirmDeleting(const QString& setName);
    void showSetRefusal(const QString& refusalCaption);
    // Reads a set chosen to be opened and shows its windows, or says why it cannot.
    void openChosenSet(const QString& setName);

    TTavMDIClient& client_;
    QString listFilePath_;
};
