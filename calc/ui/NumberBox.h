#pragma once
// A numeric box of the process-data dialog: the characters a number may be typed with, and a
// width that shows a loaded temperature ("925.000000") whole.

class QLineEdit;
class QString;
class QWidget;

QLineEdit* newNumberBox(const QString& objectName, QWidget* parent);

// The value of a box as the form holds it: emptyCell when the box is empty.
double boxValue(const QLineEdit* box);
