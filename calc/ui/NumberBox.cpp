#include "NumberBox.h"

#include "BoxNumbers.h"
#include "CharacterFilter.h"
#include "ClockTime.h"
#include "MessageBox.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <limits>

namespace {

// Wide enough for a long coefficient ("1.23457e-05") to show whole.
constexpr int numberBoxWidth = 84;

// Marks a box that reads "h:mm:ss" as hours.
constexpr const char* clockProperty = "clockTime";

std::optional<double> textNumber(const QLineEdit* box) {
    const std::string text = box->text().trimmed().toStdString();
    if (box->property(clockProperty).toBool() && text.find(':') != std::string::npos)
        return clockHours(text);
    return boxNumber(text);
}

QLineEdit* filteredBox(const QString& objectName, QWidget* parent, const QString& characters) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setValidator(new CharacterFilter(characters, box));
    box->setFixedWidth(numberBoxWidth);
    return box;
}

QString numberFilter() {
    return QString::fromLatin1(numberCharacters.data(), qsizetype(numberCharacters.size()));
}

} // namespace

QLineEdit* newNumberBox(const QString& objectName, QWidget* parent) {
    return filteredBox(objectName, parent, numberFilter());
}

QLineEdit* newClockBox(const QString& objectName, QWidget* parent) {
    QLineEdit* box = filteredBox(objectName, parent, numberFilter() + u':');
    box->setProperty(clockProperty, true);
    return box;
}

double boxValue(const QLineEdit* box) {
    return textNumber(box).value_or(std::numeric_limits<double>::quiet_NaN());
}

bool refuseNotANumber(QWidget* parent, const QList<NamedBox>& boxes) {
    for (const NamedBox& named : boxes) {
        if (!named.box->isEnabled() || textNumber(named.box))
            continue;
        showMessage(parent,
                    QCoreApplication::translate("NumberBox", "%1: '%2' nie jest liczbą")
                        .arg(named.name, named.box->text()),
                    QCoreApplication::translate("FormCheck", "Check data!"),
                    MessageIcon::Exclamation);
        named.box->setFocus();
        named.box->selectAll();
        return true;
    }
    return false;
}
