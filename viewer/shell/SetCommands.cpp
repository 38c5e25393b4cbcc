#include "SetCommands.h"

#include "ComparisonGroup.h"
#include "MessageBox.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "TCompareMDIChild.h"
#include "TSummaryMDIChild.h"
#include "TavMDIClient.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

SetCommands::SetCommands(TTavMDIClient& client, const QString& listFilePath)
    : client_(client), listFilePath_(listFilePath) {}

QString SetCommands::chooseUnusedSet(const QString& title, const QString& refusalCaption,
                                     const QString& acceptLabel) {
    // After a refusal the dialog opens again at the file just refused.
    QString lastChoice;
    for (;;) {
        const QString setName = chooseFile(&client_, FileChoice::Open, title, resultSetFilter(),
                                           lastChoice, acceptLabel);
        if (setName.isEmpty() || !isSetInUse(listFilePath_, setName, &client_))
            return setName;
        lastChoice = setName;
        showSetRefusal(refusalCaption);
    }
}

void SetCommands::showSetRefusal(const QString& refusalCaption) {
    showMessage(&client_,
                QCoreApplication::translate("SetCommands", "File name already exist and is in use"),
                refusalCaption, MessageIcon::Exclamation);
}

void SetCommands::openResults() {
    const QString setName = chooseUnusedSet(
        QString(), QCoreApplication::translate("SetCommands", "Choose another file"));
    if (!setName.isEmpty())
        openChosenSet(setName);
}

void SetCommands::openResults(const QString& setName) {
    if (isSetInUse(listFilePath_, setName, &client_))
        showSetRefusal(QCoreApplication::translate("SetCommands", "Choose another file"));
    else
        openChosenSet(setName);
}

void SetCommands::openChosenSet(const QString& setName) {
    const LoadedSet set = loadSet(setName.toStdString());
    // One message for a file that is no set at all, or for an unfinished one, not one from each
    // of its windows.
    const SetProblem problem = resultSetProblem(set);
    if (problem == SetProblem::Unfinished) {
        if (!mayShowUnfinishedSet(&client_, setName))
            return;
    } else if (problem != SetProblem::None) {
        showMessage(&client_, setProblemText(setName, problem),
                    QCoreApplication::translate("SetCommands", "Error!"), MessageIcon::Exclamation);
        return;
    }
    client_.setFileFaultsTold(problem == SetProblem::Unfinished);
    client_.showSet(set);
    client_.setFileFaultsTold(false);
}

QStringList SetCommands::chooseSetsToCompare() {
    // As the open command does: a refused choice brings the dialog back, until the user picks
    // sets that no calculation writes, or cancels.
    for (;;) {
        const QStringList setNames =
            chooseFiles(&client_, QCoreApplication::translate("SetCommands", "Porównaj wyniki"),
                        resultSetFilter());
        QStringList inUse;
        for (const QString& setName : setNames)
            if (isSetInUse(listFilePath_, setName, &client_))
                inUse.append(setName);
        if (inUse.isEmpty())
            return setNames;
        showMessage(
            &client_,
            QCoreApplication::translate("SetCommands", "File name already exist and is in use:\n") +
                inUse.join(u'\n'),
            QCoreApplication::translate("SetCommands", "Choose another file"),
            MessageIcon::Exclamation);
    }
}

void SetCommands::compareResults() {
    if (const QStringList setNames = chooseSetsToCompare(); !setNames.isEmpty())
        compareSets(setNames);
}

std::vector<TChartMDIChild*> SetCommands::compareSets(const QStringList& setNames) {
    // The windows of the comparison share the group; the last window to close frees it.
    auto group = std::make_shared<ComparisonGroup>();
    if (!addToComparison(*group, setNames))
        return {};
    std::vector<TChartMDIChild*> shown;
    for (ChartKind quantity : sharedQuantities(group->loaded())) {
        auto* window = new TCompareMDIChild(client_, group, quantity);
        QObject::connect(window, &TCompareMDIChild::addRequested, window,
                         [this, window] { addToComparison(window->group()); });
        client_.addSubWindow(window);
        window->show();
        shown.push_back(window);
    }
    auto* summary = new TSummaryMDIChild(group->loaded());
    QObject::connect(group.get(), &ComparisonGroup::changed, summary,
                     [summary, sets = group.get()] { summary->showSets(sets->loaded()); });
    client_.addSubWindow(summary);
    summary->show();
    // The comparison's charts as one cascade, over no set's title bars; the summary along the
    // bottom, as wide as its columns, where it covers the lower parts of windows, not their titles.
    client_.placeInCascade(std::vector<QMdiSubWindow*>(shown.begin(), shown.end()));
    const QSize room = client_.viewport()->size();
    QSize summarySize = summary->sizeHint();
    // A client narrower than the table: room for the scroll bar below the last row.
    if (summarySize.width() > room.width())
        summarySize.rheight() += client_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    summarySize = summarySize.boundedTo(room);
    summary->setGeometry(QRect(QPoint(0, room.height() - summarySize.height()), summarySize));
    return shown;
}

void SetCommands::addToComparison(ComparisonGroup& group) {
    if (const QStringList setNames = chooseSetsToCompare(); !setNames.isEmpty())
        addToComparison(group, setNames);
}

bool SetCommands::addToComparison(ComparisonGroup& group, const QStringList& setNames) {
    for (const LoadedSet* compared : group.loaded()) {
        const QString name = QString::fromStdString(compared->name);
        if (std::ranges::any_of(setNames, [compared](const QString& added) {
                return sameSetName(compared->name, added.toStdString());
            })) {
            showMessage(
                &client_,
                QCoreApplication::translate("SetCommands", "%1 is in the comparison already")
                    .arg(name),
                QCoreApplication::translate("SetCommands", "Error!"), MessageIcon::Exclamation);
            return false;
        }
    }
    std::vector<LoadedSet> sets;
    for (const QString& setName : setNames) {
        sets.push_back(loadSet(setName.toStdString()));
        if (sets.back().unfinished() && !mayShowUnfinishedSet(&client_, setName))
            return false;
    }
    if (group.add(std::move(sets)))
        return true;
    showMessage(&client_,
                QCoreApplication::translate(
                    "SetCommands", "Thick samples (times in hours) and thin samples (times in "
                                   "seconds) cannot be compared"),
                QCoreApplication::translate("SetCommands", "Error!"), MessageIcon::Exclamation);
    return false;
}

void SetCommands::deleteResults() {
    const QString setName = chooseUnusedSet(
        QCoreApplication::translate("SetCommands", "Choose file with data to remove"),
        QCoreApplication::translate("SetCommands", "That file cannot be removed - choose another"),
        QCoreApplication::translate("SetCommands", "Skasuj"));
    if (setName.isEmpty() || !confirmDeleting(setName))
        return;
    if (const std::optional<QString> problem = deleteResultSet(setName))
        showMessage(&client_,
                    QCoreApplication::translate(
                        "SetCommands", "Nie wszystkie pliki zestawu %1 zostały skasowane:\n%2")
                        .arg(setName, *problem),
                    QCoreApplication::translate("SetCommands", "Error!"), MessageIcon::Stop);
}

bool SetCommands::confirmDeleting(const QString& setName) {
    // The main file may be a programme never computed, the user's only copy of it.
    QStringList names;
    for (const QString& file : resultSetFiles(setName))
        names.append(QStringLiteral("    ") + QFileInfo(file).fileName());
    const QString text = QCoreApplication::translate(
                             "SetCommands", "Remove the result set %1?\n\nThese files will be "
                                            "deleted:\n%2")
                             .arg(setName, names.join(u'\n'));
    return showMessage(
               &client_, text, QCoreApplication::translate("SetCommands", "Remove result set"),
               MessageIcon::Question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
