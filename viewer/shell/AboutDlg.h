#pragma once
// "O Tavrix!": the program's picture, its name and version, and who wrote it. Modal, closed
// by "OK".

#include <QDialog>

class AboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent = nullptr);
};
