#pragma once
// The models a set's settings lines choose, as the process-data form shows them: the law of the
// carbon diffusivity ("diffusivity:") and whether carbon beyond the saturation limit forms
// cementite ("carbides: on"). The standard law and no carbides are what a file without the
// lines means, so the form writes a line only for a choice that differs, or that the loaded
// file stated.

#include "ProcessSettings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

class ModelChoice : public QWidget {
    Q_OBJECT
public:
    explicit ModelChoice(QWidget* parent);

    void show(const ProcessSettings& settings);
    void readInto(ProcessSettings& settings) const;

signals:
    // The user chose another law or switched carbides.
    void edited();

private:
    QComboBox* law_;
    QCheckBox* carbides_;
};
