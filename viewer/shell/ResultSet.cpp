#include "ResultSet.h"

#include "FileTable.h"
#include "LoadedSet.h"
#include "MessageBox.h"
#include "ProcessData.h"
#include "SetNames.h"

#include <QCoreApplication>
#include <QFile>

QString resultSetFilter() {
    return QCoreApplication::translate("ResultSet", "Files from Tavrix! (*.tav)");
}

QString setFileName(const QString& setName, std::string_view extension) {
    return QString::fromStdString(resultFileName(setName.toStdString(), extension));
}

bool isSetInUse(const QString& listFilePath, const QString& setName, QWidget* parent) {
    TFileTable table;
    if (!readFileTable(listFilePath.toStdString(), table)) {
        showMessage(parent,
                    QCoreApplication::translate(
                        "ResultSet",
                        "File pliki.lst znajdujący się w katalogu (folderze), w którym "
                        "został zainstalowany program Tavrix, został zniszczony "),
                    QCoreApplication::translate("ResultSet", "Error!"), MessageIcon::Exclamation);
        return false;
    }
    return table.contains(setName.toStdString());
}

SetProblem resultSetProblem(const LoadedSet& set) {
    if (!set.mainFileOpened())
        return SetProblem::Unreadable;
    if (!set.shape)
        return SetProblem::NotProcessData;
    if (set.unfinished())
        return SetProblem::Unfinished;
    return set.carbon.series.profileCount() > 0 ? SetProblem::None : SetProblem::NoResults;
}

QString setProblemReason(SetProblem problem) {
    switch (problem) {
    case SetProblem::None:
        break;
    case SetProblem::Unreadable:
        return QCoreApplication::translate("ResultSet", "it cannot be opened");
    case SetProblem::NotProcessData:
        return QCoreApplication::translate(
            "ResultSet", "it is not a file of process data: it does not begin with the "
                         "process data and the shape of a sample");
    case SetProblem::NoResults:
        return QCoreApplication::translate("ResultSet",
                                           "it has no results yet: compute the set first");
    case SetProblem::Unfinished:
        return QCoreApplication::translate(
            "ResultSet", "the computation of this set did not finish: its files end before "
                         "the end of its programme");
    }
    return {};
}

QString setProblemText(const QString& setName, SetProblem problem) {
    return QStringLiteral("%1\n%2.").arg(setName, setProblemReason(problem));
}

bool mayShowUnfinishedSet(QWidget* parent, const QString& setName) {
    return showMessage(parent,
                       setProblemText(setName, SetProblem::Unfinished) +
                           QCoreApplication::translate("ResultSet", "\n\nShow what there is?"),
                       QCoreApplication::translate("ResultSet", "Unfinished computation"),
                       MessageIcon::Question,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QStringList resultSetFiles(const QString& setName) {
    QStringList files{setName};
    for (std::string_view extension : deletedSetFileExtensions)
        files.append(setFileName(setName, extension));
    files.removeIf([](const QString& file) { return !QFile::exists(file); });
    return files;
}

std::optional<QString> deleteResultSet(const QString& setName) {
    if (const std::optional<std::string> problem =
            deleteSetFiles(setName.toStdString(), deletedSetFileExtensions))
        return QString::fromStdString(*problem);
    return std::nullopt;
}
