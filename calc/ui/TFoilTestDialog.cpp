#include "TFoilTestDialog.h"

#include "CommandNotice.h"
#include "FitCommands.h"
#include "MessageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFoilTestDialog::TFoilTestDialog(const ProcessRecord& test, QWidget* parent)
    : TTrialDialog(parent), test_(test), measured_(numberBox(QStringLiteral("foilMeasured"))) {
    setObjectName(QStringLiteral("foilTestDialog"));
    setWindowTitle(tr("Współczynnik z próby"));
    auto* note = new QLabel(tr("Próba: program, stal i grubość z formularza."), this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Zawartość węgla po próbie, %:"), measured_);

    auto* compute = new QPushButton(tr("Oblicz"), this);
    compute->setObjectName(QStringLiteral("foilCompute"));
    compute->setDefault(true);
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setObjectName(QStringLiteral("foilClose"));
    connect(compute, &QPushButton::clicked, this, &TFoilTestDialog::fit);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton(QStringLiteral("foil")));
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(close);

    auto* page = new QVBoxLayout(this);
    page->addWidget(note);
    page->addLayout(fields);
    page->addLayout(gaugeRow());
    page->addLayout(buttons);
    keepEntries();
}

void TFoilTestDialog::fit() {
    const std::optional<double> measured = filledBoxValue(measured_);
    if (!measured) {
        showMessage(this, tr("Enter the carbon content measured after the test"), tr("Check data!"),
                    MessageIcon::Exclamation);
        return;
    }
    FoilFitOutcome outcome;
    runSearch([&](RunObserver& observer) { outcome = runFoilFit(test_, *measured, observer); });
    result_ = outcome.result;
    if (outcome.status == CommandStatus::Done)
        accept();
    else
        tellCommandEnd(this, outcome.status, result_.reason);
}
