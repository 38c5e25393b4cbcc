#include "FormCheck.h"

#include "BoxNumbers.h"
#include "ProcessCheck.h"
#include "SetNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <optional>

using namespace Qt::StringLiterals;

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

// Nothing typed into the table: row 1 holds its time at most.
bool tableIsEmpty(const ProcessForm& form) {
    if (isFilled(form.temperature[0]) || isFilled(form.potential[0]))
        return false;
    for (std::size_t row = 1; row < form.time.size(); ++row)
        if (isFilled(form.time[row]) || isFilled(form.temperature[row]) ||
            isFilled(form.potential[row]))
            return false;
    return true;
}

// A time as a message shows it: the digits it needs, a true minus sign, the table's unit.
QString timeText(double time, SampleShape shape) {
    QString number = QString::fromStdString(loadedText(time));
    number.replace(u'-', QChar(0x2212));
    return number + (kindTraits(shape).timeUnit == TimeUnit::Seconds ? u" s"_s : u" h"_s);
}

// One message holding a line for each row a check found, or none.
void appendLines(QList<MessageRecord>& messages, const QStringList& lines) {
    if (!lines.isEmpty())
        messages.append(checkData(lines.join(u'\n')));
}

QStringList partlyFilledRows(const ProcessForm& form) {
    QStringList lines;
    for (std::size_t row = 0; row < form.time.size(); ++row)
        if (rowIsPartlyFilled(form, row))
            lines.append(QCoreApplication::translate(
                             "FormCheck", "Wiersz %1: czas, temperatura i potencjał muszą być "
                                          "wypełnione wszystkie albo żaden.")
                             .arg(row + 1));
    return lines;
}

// Each filled time that is not after the filled one before it: times that rise from row to row
// rise over every pair of rows.
QStringList timesNotGrowing(const ProcessForm& form, SampleShape shape) {
    QStringList lines;
    std::optional<std::size_t> previous;
    for (std::size_t row = 0; row < form.time.size(); ++row) {
        if (!isFilled(form.time[row]))
            continue;
        if (previous && !(form.time[row] > form.time[*previous]))
            lines.append(QCoreApplication::translate(
                             "FormCheck", "Wiersz %1: czas %2 nie jest późniejszy niż w wierszu "
                                          "%3 (%4).")
                             .arg(row + 1)
                             .arg(timeText(form.time[row], shape))
                             .arg(*previous + 1)
                             .arg(timeText(form.time[*previous], shape)));
        previous = row;
    }
    return lines;
}

QStringList rowGaps(const ProcessForm& form) {
    QStringList lines;
    for (std::size_t row = 1; row + 1 < form.time.size(); ++row)
        if (!isFilled(form.time[row]) && isFilled(form.time[row + 1]))
            lines.append(QCoreApplication::translate(
                             "FormCheck", "Wiersz %1 jest pusty, a wiersz %2 nie: etapy idą w "
                                          "tabeli bez przerw.")
                             .arg(row + 1)
                             .arg(row + 2));
    return lines;
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
    if (tableIsEmpty(form))
        messages.append(checkData(QCoreApplication::translate(
            "FormCheck", "Tabela etapów jest pusta: wpisz czas, temperaturę i potencjał co "
                         "najmniej dwóch wierszy.")));
    else if (!isFilled(form.time[1]))
        messages.append(
            checkData(QCoreApplication::translate("FormCheck", "Enter data to the second line")));
    if (!failed())
        appendLines(messages, partlyFilledRows(form));
    appendLines(messages, timesNotGrowing(form, shape));
    if (!failed())
        appendLines(messages, rowGaps(form));
    if (!failed() && !alloysWithinLimit(form))
        messages.append(checkData(QCoreApplication::translate(
            "FormCheck", "The contents of Cr, Ni, Mo, Mn and Si must all "
                         "be entered, and none may exceed 5.0 %")));
    if (!failed())
        if (const auto problem = computationProblem(form, shape))
            messages.append(checkData(*problem));
    return messages;
}
