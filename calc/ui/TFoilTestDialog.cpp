#include "TFoilTestDialog.h"

#include "MessageBox.h"
#include "NumberBox.h"
#include "TabOrder.h"

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
    QPushButton* help = helpButton(QStringLiteral("foil"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(close);

    auto* page = new QVBoxLayout(this);
    page->addWidget(note);
    page->addLayout(fields);
    page->addLayout(gaugeRow());
    page->addLayout(buttons);
    keepEntries();
    setTabOrderAsListed(
        {measured_, findChild<QPushButton*>(QStringLiteral("cancel")), help, compute, close});
}

void TFoilTestDialog::fit() {
    if (refuseNotANumber(this, {{measured_, tr("Zawartość węgla po próbie")}}))
        return;
    const std::optional<double> measured = filledBoxValue(measured_);
    if (!measured) {
        showMessage(this, tr("Enter the carbon content measured after the test"), tr("Check data!"),
                    MessageIcon::Exclamation);
        measured_->setFocus();
        return;
    }
    runSearch([&](RunObserver& observer) {
        result_ = fitTransferCoefficient(test_, *measured, observer);
    });
    switch (result_.status) {
    case FoilFitResult::Status::Fitted:
        accept();
        return;
    case FoilFitResult::Status::Cancelled:
        return;
    case FoilFitResult::Status::Refused:
        showMessage(this, QString::fromStdString(result_.reason), tr("Check data!"),
                    MessageIcon::Exclamation);
        return;
    case FoilFitResult::Status::Failed:
        showMessage(this, QString::fromStdString(result_.reason), tr("Error!"), MessageIcon::Stop);
        return;
    }
}
