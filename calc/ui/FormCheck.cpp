#include "FormCheck.h"

#include "ProcessCheck.h"
#include "SetNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

MessageRecord checkData(const QString& text) {
    return MessageRecord{text, QCoreApplication::translate("FormCheck", "Check data!"),
                         MessageIcon::Exclamation};
}

bool namesProcessFile(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), [](char ch) {
        return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    });
    return name.find("tav") != std::string::npos;
}

bool rowIsPartlyFilled(const ProcessForm& form, std::size_t row) {
    const int filled = int(isFilled(form.time[row])) + int(isFilled(form.temperature[row])) +
                       int(isFilled(form.potential[row]));
    return filled != 0 && filled != 3;
}

// Equal times, or a time below an earlier one, among the rows whose time is filled.
bool timesFailToGrow(const ProcessForm& form) {
    for (std::size_t earlier = 0; earlier < form.time.size(); ++earlier)
        for (std::size_t later = earlier + 1; later < form.time.size(); ++later)
            if (isFilled(form.time[earlier]) && isFilled(form.time[later]) &&
                form.time[later] <= form.time[earlier])
                return true;
    return false;
}

bool rowsHaveGap(const ProcessForm& form) {
    for (std::size_t row = 1; row + 1 < form.time.size(); ++row)
        if (!isFilled(form.time[row]) && isFilled(form.time[row + 1]))
            return true;
    return false;
}

bool alloysWithinLimit(const ProcessForm& form) {
    const double contents[] = {form.cr, form.ni, form.mo, form.mn, form.si};
    return std::all_of(std::begin(contents), std::end(contents),
                       [](double content) { return isFilled(content) && content <= maxAlloy; });
}

// What the computation cannot serve; the earlier checks leave the two steel boxes unchecked.
std::optional<QString> computationProblem(const ProcessForm& form, SampleShape shape) {
    if (!isFilled(form.steelCarbon))
        return QCoreApplication::translate(
                   "FormCheck", "Steel carbon content must be entered, from 0 to %1 % C.")
            .arg(maxCarbon);
    if (!isFilled(form.transferCoefficient))
        return QCoreApplication::translate(
            "FormCheck", "Carbon transfer coefficient must be entered, greater than 0 cm/s.");
    const ProcessRecord process = processRecord(form, shape);
    const auto problem = checkProcessValues(process.data, shape, process.thickness);
    if (!problem)
        return std::nullopt;
    QString field = QString::fromStdString(problem->field);
    field[0] = field[0].toUpper();
    return field + u' ' + QString::fromStdString(problem->rule) + u'.';
}

} // namespace

QList<MessageRecord> checkForm(const ProcessForm& form, SampleShape shape,
                               const std::string& outputName, const TFileTable& inUse) {
    QList<MessageRecord> messages;
    const auto failed = [&] { return !messages.isEmpty(); };
    const QString timesMessage = QCoreApplication::translate(
        "FormCheck", "You have entered the same values of time,\nthey don't grow or you "
                     "haven't filled a cell");

    if (!namesProcessFile(outputName))
        messages.append(MessageRecord{
            QCoreApplication::translate(
                "FormCheck", "Output file must have ending 'tav' for instance: \n   1)   "
                             "stal20.tav \n   2)   c:\\tavrix\\20HMN.tav"),
            QCoreApplication::translate("FormCheck", "Error!"), MessageIcon::None});
    const KindTraits& kind = kindTraits(shape);
    if (kind.size != SampleSize::None && !isFilled(form.thickness))
        messages.append(checkData(QCoreApplication::translate(
            "FormCheck", "You must enter radius for cylinder and thickness for plate or foil")));
    if (kind.largestSize && isFilled(form.thickness) && form.thickness > *kind.largestSize)
        messages.append(checkData(QCoreApplication::translate(
            "FormCheck", " Thickess for foil must be less then 0.07 mm")));
    if (inUse.contains(completeName(outputName)))
        messages.append(
            checkData(QCoreApplication::translate("FormCheck", "Filename is already in use")));
    if (form.time[0] != 0.0)
        messages.append(
            checkData(QCoreApplication::translate("FormCheck", "First time must be set to zero")));
    if (!isFilled(form.time[1]))
        messages.append(
            checkData(QCoreApplication::translate("FormCheck", "Enter data to the second line")));
    if (!failed())
        for (std::size_t row = 0; row < form.time.size(); ++row)
            if (rowIsPartlyFilled(form, row)) {
                messages.append(checkData(QCoreApplication::translate(
                    "FormCheck",
                    "You have to provide all data:\ntime, temperature and potencjał")));
                break;
            }
    if (timesFailToGrow(form))
        messages.append(checkData(timesMessage));
    if (!failed() && rowsHaveGap(form))
        messages.append(checkData(timesMessage));
    if (!failed() && !alloysWithinLimit(form))
        messages.append(checkData(QCoreApplication::translate(
            "FormCheck", "The contents of Cr, Ni, Mo, Mn and Si must all "
                         "be entered, and none may exceed 5.0 %")));
    if (!failed())
        if (const auto problem = computationProblem(form, shape))
            messages.append(checkData(*problem));
    return messages;
}
