#pragma once
// The calculation window's part for the steel's grade and its hardening: a picker of named
// carburizing steels, which fills the form's composition, and a group that opens to the quench,
// tempering, sub-zero treatment and further elements. Closed, the group means no hardening
// lines: the hardness then comes from the grade curves.
//
// The boxes hold the values as typed; `lines()` reads them through the settings lines' own
// readers, so the form refuses what a file would.

#include "CarburizingSteels.h"
#include "HardeningSettings.h"

#include <QGroupBox>
#include <QWidget>

#include <optional>
#include <string>
#include <variant>

class QComboBox;
class QLineEdit;

class HardeningPanel : public QWidget {
    Q_OBJECT
public:
    explicit HardeningPanel(QWidget* parent);

    // The grade shown: empty when none is named.
    std::string grade() const;
    // The hardening lines the boxes give, or the first rule a box broke ("quench: ...").
    std::variant<HardeningLines, BrokenRule> lines() const;
    // Shows what a file gave: the group is open when it has a quench.
    void show(const HardeningLines& lines, const std::string& grade);

signals:
    // A steel was picked: the form takes its composition.
    void gradePicked(const QString& name);
    // A box was typed into or a choice made.
    void edited();

private:
    QLayout* quenchRows();
    QLineEdit* box(const char* name);

    QComboBox* grade_;
    QGroupBox* group_;
    QComboBox* medium_ = nullptr;
    QLineEdit *bath_ = nullptr, *severity_ = nullptr, *section_ = nullptr;
    QLineEdit *temperC_ = nullptr, *temperHours_ = nullptr, *cryo_ = nullptr;
    QLineEdit* chemistry_ = nullptr;
};
