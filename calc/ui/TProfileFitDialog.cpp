#include "TProfileFitDialog.h"

#include "CommandNotice.h"
#include "FitCommands.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lines the result area holds: β, offset, RMS, points, trial runs.
constexpr int resultLines = 5;

QString general(double value, int digits) {
    return QString::number(value, 'g', digits);
}

} // namespace

TProfileFitDialog::TProfileFitDialog(const ProcessRecord& process, QWidget* parent)
    : TTrialDialog(parent), process_(process), file_(new QLineEdit(this)),
      withOffset_(new QCheckBox(tr("także przesunięcie potencjału (błąd sondy)"), this)),
      values_(new QLabel(this)) {
    setObjectName(QStringLiteral("profileFitDialog"));
    setWindowTitle(tr("Dopasuj do pomiaru"));
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("profileFitNote"));
    // What the fit looks for follows the box: with it, the gas stages' potentials move too.
    const auto showFitted = [this, note](bool offset) {
        note->setText(offset ? tr("Proces: program, stal i kształt z formularza; szukane: "
                                  "współczynnik β i jedno przesunięcie\npotencjału wszystkich "
                                  "etapów gazowych (błąd sondy), wstawiane do formularza.")
                             : tr("Proces: program, stal i kształt z formularza; szukany "
                                  "współczynnik β."));
    };
    connect(withOffset_, &QCheckBox::toggled, this, showFitted);
    file_->setObjectName(QStringLiteral("profileFitFile"));
    file_->setMinimumWidth(file_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    auto* choose = new QPushButton(tr("Wybierz..."), this);
    choose->setObjectName(QStringLiteral("profileFitChoose"));
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &TProfileFitDialog::chooseFile);
    withOffset_->setObjectName(QStringLiteral("profileFitOffset"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(choose);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Plik pomiaru:"), fileRow);
    fields->addRow(QString(), withOffset_);

    values_->setObjectName(QStringLiteral("profileFitValues"));
    values_->setTextFormat(Qt::PlainText);
    values_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    values_->setMinimumHeight(values_->fontMetrics().lineSpacing() * resultLines);

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetMinimumSize);
    page->addWidget(note);
    page->addLayout(fields);
    page->addWidget(values_, 1);
    page->addLayout(gaugeRow());
    page->addLayout(buttonRow());
    keepEntries();
    showFitted(withOffset_->isChecked());
    connect(file_, &QLineEdit::textChanged, this, &TProfileFitDialog::markStale);
    connect(withOffset_, &QCheckBox::toggled, this, &TProfileFitDialog::markStale);
}

QLayout* TProfileFitDialog::buttonRow() {
    auto* compute = new QPushButton(tr("Oblicz"), this);
    compute->setObjectName(QStringLiteral("profileFitCompute"));
    compute->setDefault(true);
    insert_ = new QPushButton(tr("Wstaw"), this);
    insert_->setObjectName(QStringLiteral("profileFitInsert"));
    insert_->setEnabled(false);
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setObjectName(QStringLiteral("profileFitClose"));
    connect(compute, &QPushButton::clicked, this, &TProfileFitDialog::fit);
    connect(insert_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton(QStringLiteral("fit"), QStringLiteral("profilehelp.html")));
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(insert_);
    buttons->addWidget(close);
    return buttons;
}

void TProfileFitDialog::chooseFile() {
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("Plik pomiaru"), file_->text(), tr("Pomiary (*.csv *.txt);;Wszystkie pliki (*)"));
    if (!chosen.isEmpty())
        file_->setText(chosen);
}

void TProfileFitDialog::markStale() {
    values_->setEnabled(false);
    insert_->setEnabled(false);
}

void TProfileFitDialog::fit() {
    if (file_->text().isEmpty()) {
        showMessage(this, tr("Choose the file of the measured profile"), tr("Check data!"),
                    MessageIcon::Exclamation);
        return;
    }
    const MeasuredReading reading =
        readMeasuredProfile(QFile::encodeName(file_->text()).toStdString());
    if (!reading.profile) {
        tellCommandEnd(this, CommandStatus::Unusable, reading.problem);
        return;
    }
    insert_->setEnabled(false);
    values_->clear();
    const FittedValues fitted =
        withOffset_->isChecked() ? FittedValues::BetaAndPotential : FittedValues::Beta;
    ProfileFitOutcome outcome;
    runSearch([&](RunObserver& observer) {
        outcome = runProfileFit(process_, *reading.profile, fitted, observer);
    });
    result_ = outcome.result;
    if (outcome.status == CommandStatus::Done)
        showResult(reading.profile->quantity);
    else
        tellCommandEnd(this, outcome.status, result_.reason);
}

void TProfileFitDialog::showResult(MeasuredQuantity quantity) {
    const bool carbon = quantity == MeasuredQuantity::Carbon;
    const QString unit = carbon ? QStringLiteral("%") : QStringLiteral("HV");
    const int decimals = carbon ? 4 : 1;
    QString text = result_.betaAtLeast
                       ? tr("Współczynnik β:  %1 cm/s (co najmniej %2 cm/s)\n")
                             .arg(general(result_.beta, 4), general(*result_.betaAtLeast, 2))
                       : tr("Współczynnik β:  %1 ± %2 cm/s\n")
                             .arg(general(result_.beta, 4), general(result_.betaUncertainty, 2));
    if (result_.offset && result_.offsetUncertainty)
        text += tr("Przesunięcie potencjału:  %1 ± %2 %\n")
                    .arg(QString::asprintf("%+.4f", *result_.offset),
                         QString::number(*result_.offsetUncertainty, 'f', 4));
    else if (result_.offset)
        text +=
            tr("Przesunięcie potencjału:  %1 %\n").arg(QString::asprintf("%+.4f", *result_.offset));
    text += tr("RMS różnicy:  %1 %3 przed,  %2 %3 po\n")
                .arg(QString::number(result_.rmsBefore, 'f', decimals),
                     QString::number(result_.rmsAfter, 'f', decimals), unit);
    text += tr("Punkty porównane: %1").arg(result_.used);
    if (result_.nearSurface + result_.beyondSample > 0)
        text += tr("  (pominięte: %1 przy powierzchni, %2 poza środkiem próbki)")
                    .arg(result_.nearSurface)
                    .arg(result_.beyondSample);
    text += tr("\nObliczeń próbnych: %1").arg(result_.trials);
    // The values stay the least-squares ones, but one the measurement hardly changes is no
    // finding: a probe error read off it would be wrong.
    if (result_.betaUndetermined)
        text += QStringLiteral("\n\n") +
                tr("Uwaga: pomiar prawie nie zależy od współczynnika β; jego błąd standardowy\n"
                   "jest większy od samej wartości, więc β nie jest wyznaczony.");
    if (result_.offsetUndetermined)
        text += QStringLiteral("\n\n") +
                tr("Uwaga: pomiar prawie nie zależy od przesunięcia potencjału; jego błąd\n"
                   "standardowy przekracza %1 %, więc przesunięcie nie jest wyznaczone i nie\n"
                   "jest błędem sondy. Dopasuj sam współczynnik β.")
                    .arg(undeterminedOffsetError);
    if (result_.betaAtLeast)
        text += QStringLiteral("\n\n") +
                tr("Uwaga: profil wyznacza przesunięcie potencjału, lecz nie β: powierzchnia\n"
                   "nadąża za atmosferą przy każdym β od %1 cm/s wzwyż.")
                    .arg(general(*result_.betaAtLeast, 2));
    values_->setText(text);
    // The lines kept for the values, or more when notes follow them.
    values_->setMinimumHeight(
        std::max(values_->fontMetrics().lineSpacing() * resultLines, values_->sizeHint().height()));
    values_->setEnabled(true);
    insert_->setEnabled(true);
}
