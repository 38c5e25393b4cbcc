#include "TDesignDialog.h"

#include "BoxNumbers.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString shown(double value) {
    return QString::number(value, 'g', 6);
}

QString startText(double value, double fallback) {
    return shown(value == emptyCell ? fallback : value);
}

MessageIcon iconFor(DesignResult::Status status) {
    return status == DesignResult::Status::Failed ? MessageIcon::Stop : MessageIcon::Exclamation;
}

} // namespace

TDesignDialog::TDesignDialog(const ProcessForm& form, SampleShape shape, QWidget* parent)
    : TTrialDialog(parent), form_(form), shape_(shape) {
    setObjectName(QStringLiteral("designDialog"));
    setWindowTitle(QStringLiteral("Projekt procesu"));
    temperature_ =
        numberBox(QStringLiteral("designTemperature"), startText(form.temperature[0], 920));
    boost_ = numberBox(QStringLiteral("designBoost"), startText(form.potential[0], 1.15));
    depth_ = numberBox(QStringLiteral("designDepth"));
    level_ = numberBox(QStringLiteral("designLevel"), QStringLiteral("0.35"));
    surfaceWanted_ = new QCheckBox(QStringLiteral("Węgiel na powierzchni, %:"), this);
    surfaceWanted_->setObjectName(QStringLiteral("designSurfaceWanted"));
    surface_ = numberBox(QStringLiteral("designSurface"), QStringLiteral("0.8"));
    diffuse_ = numberBox(QStringLiteral("designDiffuse"));
    diffuse_->setPlaceholderText(QStringLiteral("= powierzchnia"));
    hardeningWanted_ = new QCheckBox(QStringLiteral("Podchładzanie do hartowania, C:"), this);
    hardeningWanted_->setObjectName(QStringLiteral("designHardeningWanted"));
    hardening_ = numberBox(QStringLiteral("designHardening"), QStringLiteral("850"));
    hardeningTime_ = numberBox(QStringLiteral("designHardeningTime"), QStringLiteral("0.5"));
    step_ = numberBox(QStringLiteral("designStep"), QStringLiteral("0.01"));
    for (auto [check, boxes] :
         {std::pair{surfaceWanted_, QList<QLineEdit*>{surface_, diffuse_}},
          std::pair{hardeningWanted_, QList<QLineEdit*>{hardening_, hardeningTime_}}}) {
        for (QLineEdit* box : boxes)
            box->setEnabled(false);
        connect(check, &QCheckBox::toggled, this, [boxes](bool on) {
            for (QLineEdit* box : boxes)
                box->setEnabled(on);
        });
    }

    auto* targets = new QFormLayout;
    targets->addRow(QStringLiteral("Temperatura nawęglania, C:"), temperature_);
    targets->addRow(QStringLiteral("Potencjał nawęglania, %:"), boost_);
    targets->addRow(QStringLiteral("Grubość warstwy, mm:"), depth_);
    targets->addRow(QStringLiteral("przy zawartości węgla, %:"), level_);
    targets->addRow(surfaceWanted_, surface_);
    targets->addRow(QStringLiteral("Potencjał dyfuzji, %:"), diffuse_);
    targets->addRow(hardeningWanted_, hardening_);
    targets->addRow(QStringLiteral("Czas podchładzania, h:"), hardeningTime_);
    targets->addRow(QStringLiteral("Krok zegara pieca, h:"), step_);

    programme_ = new QLabel(this);
    programme_->setObjectName(QStringLiteral("designProgramme"));
    programme_->setTextFormat(Qt::PlainText);
    programme_->setFont(QFont(QStringLiteral("monospace")));
    programme_->setMinimumWidth(300);
    programme_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("designWarnings"));
    warnings_->setWordWrap(true);

    auto* compute = new QPushButton(QStringLiteral("Oblicz"), this);
    compute->setObjectName(QStringLiteral("designCompute"));
    compute->setDefault(true);
    insert_ = new QPushButton(QStringLiteral("Wstaw"), this);
    insert_->setObjectName(QStringLiteral("designInsert"));
    insert_->setEnabled(false);
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    close->setObjectName(QStringLiteral("designClose"));
    connect(compute, &QPushButton::clicked, this, &TDesignDialog::design);
    connect(insert_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(targets);
    columns->addSpacing(12);
    auto* right = new QVBoxLayout;
    right->addWidget(programme_, 1);
    right->addWidget(warnings_);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(insert_);
    buttons->addWidget(close);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(gaugeRow());
    page->addLayout(buttons);
}

std::optional<DesignRequest> TDesignDialog::request() {
    DesignRequest r;
    r.steel = form_;
    r.shape = shape_;
    struct Required {
        QLineEdit* box;
        double& value;
        const char* name;
    };
    const bool surface = surfaceWanted_->isChecked();
    const bool hardening = hardeningWanted_->isChecked();
    double surfaceValue = 0, hardeningValue = 0, hardeningTime = 0;
    QList<Required> required{{temperature_, r.celsius, "carburizing temperature"},
                             {boost_, r.boost, "boost potential"},
                             {depth_, r.depth, "case depth"},
                             {level_, r.level, "case depth level"},
                             {step_, r.step, "timer step"}};
    if (surface)
        required.append({surface_, surfaceValue, "surface carbon"});
    if (hardening) {
        required.append({hardening_, hardeningValue, "hardening temperature"});
        required.append({hardeningTime_, hardeningTime, "hardening time"});
    }
    for (const Required& box : required) {
        const std::optional<double> value = filledBoxValue(box.box);
        if (!value) {
            showMessage(this, QStringLiteral("Enter the %1").arg(QLatin1String(box.name)),
                        QStringLiteral("Check data!"), MessageIcon::Exclamation);
            box.box->setFocus();
            return std::nullopt;
        }
        box.value = *value;
    }
    if (surface) {
        r.surface = surfaceValue;
        r.diffuse = filledBoxValue(diffuse_);
    }
    if (hardening)
        r.hardening = HardeningStage{hardeningValue, hardeningTime};
    return r;
}

void TDesignDialog::design() {
    const std::optional<DesignRequest> wanted = request();
    if (!wanted)
        return;
    insert_->setEnabled(false);
    programme_->clear();
    warnings_->clear();
    runSearch([&](RunObserver& observer) { result_ = designProgramme(*wanted, observer); });
    switch (result_.status) {
    case DesignResult::Status::Designed:
        showResult(*wanted);
        return;
    case DesignResult::Status::Cancelled:
        return;
    case DesignResult::Status::Refused:
    case DesignResult::Status::Failed:
        showMessage(this,
                    QStringLiteral("The targets cannot be met: %1")
                        .arg(QString::fromStdString(result_.reason)),
                    result_.status == DesignResult::Status::Failed ? QStringLiteral("Error!")
                                                                   : QStringLiteral("Check data!"),
                    iconFor(result_.status));
        return;
    }
}

void TDesignDialog::showResult(const DesignRequest& wanted) {
    QString text = QStringLiteral("    Czas, h  Temp., C  Potencjał, %\n");
    for (std::size_t row = 0; row < static_cast<std::size_t>(result_.rows); ++row)
        text += QStringLiteral("%1. %2 %3 %4\n")
                    .arg(row + 1, 2)
                    .arg(shown(result_.form.time[row]), 7)
                    .arg(shown(result_.form.temperature[row]), 9)
                    .arg(shown(result_.form.potential[row]), 13);
    text += QStringLiteral("\nGrubość warstwy:  %1 mm  (cel %2 mm)\n")
                .arg(QString::number(result_.depth, 'f', 3), shown(wanted.depth));
    if (wanted.surface)
        text += QStringLiteral("Węgiel na powierzchni:  %1 %  (cel %2 %)\n")
                    .arg(QString::number(result_.surface, 'f', 3), shown(*wanted.surface));
    text += QStringLiteral("Obliczeń próbnych: %1").arg(result_.trials);
    programme_->setText(text);
    QStringList warnings;
    for (const std::string& warning : result_.warnings)
        warnings.append(QStringLiteral("Warning: %1.").arg(QString::fromStdString(warning)));
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    if (!result_.depthMet || !result_.surfaceMet) {
        showMessage(this,
                    QStringLiteral("The timer step of %1 h is too coarse for the %2 target: "
                                   "choose a finer step.")
                        .arg(shown(wanted.step), result_.depthMet ? QStringLiteral("surface carbon")
                                                                  : QStringLiteral("case depth")),
                    QStringLiteral("Check data!"), MessageIcon::Exclamation);
        return;
    }
    insert_->setEnabled(true);
}
