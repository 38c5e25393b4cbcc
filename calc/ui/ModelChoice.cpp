#include "ModelChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The laws in the order of the choice, with the names the form shows for them.
struct LawChoice {
    DiffusivityModel law;
    const char* text; // UTF-8, as QT_TRANSLATE_NOOP marks it
};
constexpr std::array<LawChoice, 3> lawChoices{{
    {DiffusivityModel::Standard, QT_TRANSLATE_NOOP("ModelChoice", "standardowa")},
    {DiffusivityModel::Tibbetts, QT_TRANSLATE_NOOP("ModelChoice", "Tibbetts")},
    {DiffusivityModel::SlyckeEricsson, QT_TRANSLATE_NOOP("ModelChoice", "Slycke i Ericsson")},
}};

} // namespace

ModelChoice::ModelChoice(QWidget* parent) : QWidget(parent) {
    auto* label = new QLabel(tr("Dyfuzyjność węgla:"), this);
    label->setObjectName(u"labelDiffusivity"_s);
    law_ = new QComboBox(this);
    law_->setObjectName(u"comboDiffusivity"_s);
    for (const LawChoice& choice : lawChoices)
        law_->addItem(tr(choice.text));
    law_->setToolTip(tr("Prawo współczynnika dyfuzji węgla w austenicie; prawa Tibbettsa oraz "
                        "Slycke i Ericssona rosną z zawartością węgla, jak w pomiarach."));
    label->setBuddy(law_);
    carbides_ = new QCheckBox(tr("Węgliki"), this);
    carbides_->setObjectName(u"checkCarbides"_s);
    carbides_->setToolTip(tr("Węgiel ponad granicą nasycenia austenitu tworzy cementyt (reguła "
                             "dźwigni); dyfunduje tylko węgiel rozpuszczony."));
    connect(law_, &QComboBox::activated, this, &ModelChoice::edited);
    connect(carbides_, &QCheckBox::clicked, this, &ModelChoice::edited);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    // Tight, so that the column fits the room the stage table leaves beside it.
    column->setSpacing(0);
    column->addWidget(label);
    column->addWidget(law_);
    column->addWidget(carbides_);
}

void ModelChoice::show(const ProcessSettings& settings) {
    const DiffusivityModel law = settings.diffusivity.value_or(DiffusivityModel::Standard);
    for (std::size_t index = 0; index < lawChoices.size(); ++index)
        if (lawChoices[index].law == law)
            law_->setCurrentIndex(int(index));
    carbides_->setChecked(settings.carbides.value_or(false));
}

void ModelChoice::readInto(ProcessSettings& settings) const {
    const DiffusivityModel law = lawChoices[std::size_t(law_->currentIndex())].law;
    if (law != DiffusivityModel::Standard || settings.diffusivity)
        settings.diffusivity = law;
    if (carbides_->isChecked() || settings.carbides)
        settings.carbides = carbides_->isChecked();
}
