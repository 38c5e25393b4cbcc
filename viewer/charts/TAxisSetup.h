#pragma once
// The scale dialogs of the chart windows. Each edits the `TSkala` of the window that opened it
// and stores nothing until the user's ranges pass the check on OK; Cancel leaves the record as
// it was.
//
// `TAxisSetup` serves the node charts, whose X axis follows the node grid, so it asks for the
// Y divisions only; `TAxisSetup2` serves the time charts and asks for the X divisions too.

#include "ChartPoints.h"
#include "TSkala.h"

#include <QDialog>

class QLineEdit;

class TAxisSetup : public QDialog {
    Q_OBJECT
public:
    TAxisSetup(QWidget* parent, TSkala& scale);

    // The limits as the chart draws its axes, which a node axis or a zoom lays out otherwise
    // than the record says; OK stores what the fields then hold, Cancel nothing.
    void showDrawnLimits(const ChartAxis& x, const ChartAxis& y);

    void accept() override;

protected:
    TAxisSetup(QWidget* parent, TSkala& scale, bool withXDivisions);

private:
    TSkala& scale_;
    QLineEdit* xStart_ = nullptr;
    QLineEdit* xEnd_ = nullptr;
    QLineEdit* xDivisions_ = nullptr; // only in `TAxisSetup2`
    QLineEdit* yStart_ = nullptr;
    QLineEdit* yEnd_ = nullptr;
    QLineEdit* yDivisions_ = nullptr;
};

class TAxisSetup2 : public TAxisSetup {
    Q_OBJECT
public:
    TAxisSetup2(QWidget* parent, TSkala& scale);
};
