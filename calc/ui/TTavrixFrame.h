#pragma once
// The main window of tavcalc: a frame with a menu and a status bar around the process-data
// dialog of the one shape the program serves. Closing the dialog ("Koniec") closes the frame.

#include "ProcessData.h"

#include <QMainWindow>

class TTavrixDialog;

class TTavrixFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TTavrixFrame(SampleShape shape);

    TTavrixDialog* client() const { return client_; }

protected:
    // The close box and "&Koniec": the form's values are not lost without a word.
    void closeEvent(QCloseEvent* event) override;

private:
    TTavrixDialog* client_;
};
