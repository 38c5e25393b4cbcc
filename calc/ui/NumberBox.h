#pragma once
// A numeric box of the process-data dialog: the characters a number may be typed with, its
// value as the form holds it, and the refusal of a box whose text is not one number.

#include <QList>
#include <QString>

class QLineEdit;
class QWidget;

QLineEdit* newNumberBox(const QString& objectName, QWidget* parent);
// A box of times in hours, which also reads a time typed as "h:mm:ss" ("0:00:30" for 30 s).
QLineEdit* newClockBox(const QString& objectName, QWidget* parent);

// The value of a box as the form holds it: emptyCell when the box is empty, NaN when its text
// is not a number (which every check refuses; refuseNotANumber names such a box first).
double boxValue(const QLineEdit* box);

// A box with the name the form's messages give it ("Steel carbon", "Row 3, time").
struct NamedBox {
    QLineEdit* box;
    QString name;
};

// The first of `boxes` whose text is not a number, told to the user under "Check data!"
// ("Steel carbon: '0.2-0.3' is not a number") and focused with its text selected, so that
// typing replaces it. False when every box holds a number or nothing.
bool refuseNotANumber(QWidget* parent, const QList<NamedBox>& boxes);
