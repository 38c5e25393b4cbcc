#include "TDesignDialog.h"

#include "ClockTime.h"

#include "BoxNumbers.h"
#include "CommandNotice.h"
#include "MessageBox.h"
#include "ProcessForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString shown(double value) {
    return QString::number(value, 'g', 6);
}

// The value a box filled with its shown text reads: what "Wstaw" writes is what the user saw.
double asShown(double value) {
    return shown(value).toDouble();
}

// Lines the programme area holds: the heading, five stage rows, a blank line, depth, surface, the
// total time and the trial count.
constexpr int programmeLines = 11;
// Lines of warnings shown before they scroll: one per stage row at most is usual.
constexpr int warningLines = 4;

} // namespace

TDesignDialog::TDesignDialog(const ProcessRecord& steel, QWidget* parent)
    : TTrialDialog(parent), steel_(steel) {
    setObjectName(QStringLiteral("designDialog"));
    setWindowTitle(tr("Projekt procesu"));
    makeBoxes();
    auto* columns = new QHBoxLayout;
    columns->addLayout(targetsLayout());
    columns->addSpacing(12);
    columns->addLayout(resultArea(), 1);
    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetMinimumSize);
    page->addLayout(columns);
    page->addLayout(gaugeRow());
    page->addLayout(buttonRow());

    keepEntries();
    chooseLowPressure(lowPressure_->isChecked());
    connect(lowPressure_, &QCheckBox::toggled, this, &TDesignDialog::chooseLowPressure);
    startFromFirstRow(steel.data);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &TDesignDialog::markStale);
    for (QCheckBox* box : {surfaceWanted_, hardeningWanted_, chdWanted_, lowPressure_})
        connect(box, &QCheckBox::toggled, this, &TDesignDialog::markStale);
}

void TDesignDialog::makeBoxes() {
    temperature_ = numberBox(QStringLiteral("designTemperature"), shown(920));
    boost_ = numberBox(QStringLiteral("designBoost"), shown(1.15));
    depth_ = numberBox(QStringLiteral("designDepth"));
    level_ = numberBox(QStringLiteral("designLevel"), QStringLiteral("0.35"));
    chdWanted_ = new QCheckBox(tr("lub przy twardości (CHD), HV:"), this);
    chdWanted_->setObjectName(QStringLiteral("designChdWanted"));
    chdLimit_ = numberBox(QStringLiteral("designChdLimit"), QStringLiteral("550"));
    chdLimit_->setEnabled(false);
    connect(chdWanted_, &QCheckBox::toggled, this, [this](bool on) {
        chdLimit_->setEnabled(on);
        level_->setEnabled(!on);
    });
    surfaceWanted_ = new QCheckBox(tr("Węgiel na powierzchni, %:"), this);
    surfaceWanted_->setObjectName(QStringLiteral("designSurfaceWanted"));
    surface_ = numberBox(QStringLiteral("designSurface"), QStringLiteral("0.8"));
    diffuse_ = numberBox(QStringLiteral("designDiffuse"));
    diffuse_->setPlaceholderText(tr("= powierzchnia"));
    hardeningWanted_ = new QCheckBox(tr("Podchładzanie do hartowania, C:"), this);
    hardeningWanted_->setObjectName(QStringLiteral("designHardeningWanted"));
    hardening_ = numberBox(QStringLiteral("designHardening"), QStringLiteral("850"));
    hardeningTime_ = numberBox(QStringLiteral("designHardeningTime"), QStringLiteral("0.5"));
    step_ = numberBox(QStringLiteral("designStep"), QStringLiteral("0.01"));
    lowPressure_ = new QCheckBox(tr("Nawęglanie próżniowe (impulsy)"), this);
    lowPressure_->setObjectName(QStringLiteral("designLowPressure"));
    minBoost_ = numberBox(QStringLiteral("designMinBoost"), shown(30));
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
    // Wide enough for the placeholder, and every box as wide, so that they line up.
    const int boxWidth =
        std::max(diffuse_->width(),
                 diffuse_->fontMetrics().horizontalAdvance(diffuse_->placeholderText()) + 16);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setFixedWidth(boxWidth);
}

QLayout* TDesignDialog::targetsLayout() {
    auto* targets = new QFormLayout;
    targets->addRow(tr("Temperatura nawęglania, C:"), temperature_);
    targets->addRow(tr("Potencjał nawęglania, %:"), boost_);
    targets->addRow(tr("Grubość warstwy, mm:"), depth_);
    targets->addRow(tr("przy zawartości węgla, %:"), level_);
    targets->addRow(chdWanted_, chdLimit_);
    targets->addRow(surfaceWanted_, surface_);
    targets->addRow(tr("Potencjał dyfuzji, %:"), diffuse_);
    targets->addRow(hardeningWanted_, hardening_);
    targets->addRow(tr("Czas podchładzania, h:"), hardeningTime_);
    targets->addRow(tr("Krok zegara pieca, h:"), step_);
    targets->addRow(lowPressure_);
    targets->addRow(tr("Najkrótsze nasycanie, s:"), minBoost_);
    return targets;
}

QLayout* TDesignDialog::buttonRow() {
    auto* compute = new QPushButton(tr("Oblicz"), this);
    compute->setObjectName(QStringLiteral("designCompute"));
    compute->setDefault(true);
    insert_ = new QPushButton(tr("Wstaw"), this);
    insert_->setObjectName(QStringLiteral("designInsert"));
    insert_->setEnabled(false);
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setObjectName(QStringLiteral("designClose"));
    connect(compute, &QPushButton::clicked, this, &TDesignDialog::design);
    connect(insert_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(helpButton(QStringLiteral("design")));
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(insert_);
    buttons->addWidget(close);
    return buttons;
}

void TDesignDialog::startFromFirstRow(const TDane& first) {
    if (!first.times.empty() && first.temperatures[0] != emptyCell)
        temperature_->setText(shown(first.temperatures[0]));
    if (!first.times.empty() && first.potentials[0] != emptyCell)
        boost_->setText(shown(first.potentials[0]));
}

QLayout* TDesignDialog::resultArea() {
    programme_ = new QLabel(this);
    programme_->setObjectName(QStringLiteral("designProgramme"));
    programme_->setTextFormat(Qt::PlainText);
    programme_->setFont(QFont(QStringLiteral("monospace")));
    programme_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    warnings_ = new QLabel(this);
    warnings_->setObjectName(QStringLiteral("designWarnings"));
    warnings_->setWordWrap(true);
    warnings_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    warningArea_ = new QScrollArea(this);
    warningArea_->setObjectName(QStringLiteral("designWarningArea"));
    warningArea_->setWidget(warnings_);
    warningArea_->setWidgetResizable(true);
    warningArea_->setFrameShape(QFrame::NoFrame);
    warningArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    warningArea_->setFixedHeight(warnings_->fontMetrics().lineSpacing() * warningLines + 4);

    // A low-pressure programme of many pulses is longer than the area: it scrolls.
    auto* programmeArea = new QScrollArea(this);
    programmeArea->setObjectName(QStringLiteral("designProgrammeArea"));
    programmeArea->setWidget(programme_);
    programmeArea->setWidgetResizable(true);
    programmeArea->setFrameShape(QFrame::NoFrame);
    programmeArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The area, not the text, has a least size: a text of its own least size would never grow
    // past it, and never scroll.
    const QFontMetrics metrics = programme_->fontMetrics();
    // The widest line is the surface line with its target.
    programmeArea->setMinimumSize(
        metrics.horizontalAdvance(tr("Węgiel na powierzchni:  0.800 %  (cel 0.8 %)")) + 8 +
            programmeArea->verticalScrollBar()->sizeHint().width(),
        metrics.lineSpacing() * programmeLines);
    auto* area = new QVBoxLayout;
    area->addWidget(programmeArea, 1);
    area->addWidget(warningArea_);
    return area;
}

void TDesignDialog::markStale() {
    programme_->setEnabled(false);
    warnings_->setEnabled(false);
    insert_->setEnabled(false);
}

QList<NamedBox> TDesignDialog::namedBoxes() const {
    return {{temperature_, tr("Temperatura nawęglania")},
            {boost_, tr("Potencjał nawęglania")},
            {depth_, tr("Grubość warstwy")},
            {level_, tr("Zawartość węgla na granicy warstwy")},
            {chdLimit_, tr("Twardość na granicy warstwy")},
            {surface_, tr("Węgiel na powierzchni")},
            {diffuse_, tr("Potencjał dyfuzji")},
            {hardening_, tr("Temperatura hartowania")},
            {hardeningTime_, tr("Czas podchładzania")},
            {step_, tr("Krok zegara pieca")},
            {minBoost_, tr("Najkrótsze nasycanie")}};
}

std::optional<DesignOptions> TDesignDialog::options() {
    const QList<NamedBox> boxes = namedBoxes();
    if (refuseNotANumber(this, boxes))
        return std::nullopt;
    // A disabled box is one the design does not read; the diffuse potential may stay empty.
    for (const NamedBox& named : boxes) {
        if (!named.box->isEnabled() || named.box == diffuse_ || filledBoxValue(named.box))
            continue;
        QString name = named.name;
        name[0] = name[0].toLower();
        showMessage(this, tr("Podaj: %1").arg(name), tr("Check data!"), MessageIcon::Exclamation);
        named.box->setFocus();
        return std::nullopt;
    }
    const auto read = [](const QLineEdit* box) {
        return box->isEnabled() ? filledBoxValue(box) : std::nullopt;
    };
    DesignOptions o;
    o.temperature = read(temperature_);
    o.boost = read(boost_);
    (chdWanted_->isChecked() ? o.chd : o.depth) = read(depth_);
    o.level = read(level_);
    o.chdLimit = read(chdLimit_);
    o.surface = read(surface_);
    o.diffuse = read(diffuse_);
    o.hardening = read(hardening_);
    o.hardeningTime = read(hardeningTime_);
    o.step = read(step_);
    o.lowPressure = lowPressure_->isChecked();
    o.minBoost = read(minBoost_);
    return o;
}

void TDesignDialog::chooseLowPressure(bool lowPressure) {
    // Pulses end at the surface target, at the saturation limit's pace: the boost potential, a
    // diffusion potential and the timer step of gas programmes do not apply.
    if (lowPressure)
        surfaceWanted_->setChecked(true);
    surfaceWanted_->setEnabled(!lowPressure);
    for (QLineEdit* box : {boost_, step_})
        box->setEnabled(!lowPressure);
    diffuse_->setEnabled(!lowPressure && surfaceWanted_->isChecked());
    minBoost_->setEnabled(lowPressure);
    // The pulse design aims at a carbon level only.
    if (lowPressure)
        chdWanted_->setChecked(false);
    chdWanted_->setEnabled(!lowPressure);
}

void TDesignDialog::design() {
    const std::optional<DesignOptions> wanted = options();
    if (!wanted)
        return;
    const DesignCommand command = designCommand(*wanted, steel_);
    insert_->setEnabled(false);
    programme_->clear();
    warnings_->clear();
    DesignOutcome outcome;
    runSearch([&](RunObserver& observer) { outcome = runDesign(command, observer); });
    result_ = outcome.gas;
    result_.status = command.lowPressure ? outcome.pulses.status : outcome.gas.status;
    result_.reason = outcome.reason;
    if (outcome.status != CommandStatus::Done)
        tellCommandEnd(this, outcome.status, outcome.reason);
    else if (command.lowPressure)
        showPulses(command.pulses, outcome.pulses);
    else
        showResult(command.gas);
}

void TDesignDialog::showPulses(const LowPressureRequest& wanted,
                               const LowPressureResult& designed) {
    result_.programme = designed.process;
    TDane& programme = result_.programme.data;
    for (auto* column : {&programme.times, &programme.temperatures, &programme.potentials})
        for (double& value : *column)
            value = asShown(value);
    result_.depth = designed.depth;
    result_.surface = designed.surface;
    result_.trials = designed.trials;
    // What the programme achieves first: a table of forty pulses scrolls.
    QString text = tr("Grubość warstwy:  %1 mm  (cel %2 mm)\n")
                       .arg(QString::number(designed.depth, 'f', 3), shown(wanted.depth));
    text += tr("Węgiel na powierzchni:  %1 %  (cel %2 %)\n")
                .arg(QString::number(designed.surface, 'f', 3), shown(wanted.surface));
    text += tr("Granica nasycenia:  %1 %\n").arg(designed.limit, 0, 'f', 3);
    text += totalTimeLine(programme) + u'\n';
    text += tr("Obliczeń próbnych: %1\n\n").arg(designed.trials);
    text += tr("Impuls  nasycanie, s  dyfuzja, s");
    for (std::size_t pulse = 0; pulse < designed.pulses.size(); ++pulse)
        text += QStringLiteral("\n%1. %2 %3")
                    .arg(pulse + 1, 5)
                    .arg(shown(designed.pulses[pulse].boost), 13)
                    .arg(shown(designed.pulses[pulse].diffusion), 11);
    programme_->setText(text);
    programme_->setEnabled(true);
    insert_->setEnabled(true);
}

QString TDesignDialog::totalTimeLine(const TDane& programme) {
    const double hours = programme.times.back();
    return tr("Czas procesu:  %1 h  (%2)")
        .arg(shown(hours), QString::fromStdString(clockText(hours)));
}

void TDesignDialog::showResult(const DesignRequest& wanted) {
    TDane& programme = result_.programme.data;
    QString text = tr("    Czas, h  Temp., C  Potencjał, %\n");
    for (std::size_t row = 0; row < programme.times.size(); ++row) {
        for (double* value :
             {&programme.times[row], &programme.temperatures[row], &programme.potentials[row]})
            *value = asShown(*value);
        text += QStringLiteral("%1. %2 %3 %4\n")
                    .arg(row + 1, 2)
                    .arg(shown(programme.times[row]), 7)
                    .arg(shown(programme.temperatures[row]), 9)
                    .arg(shown(programme.potentials[row]), 13);
    }
    text += tr("\n%1:  %2 mm  (cel %3 mm)\n")
                .arg(wanted.hardnessLimit ? tr("CHD przy %1 HV").arg(shown(*wanted.hardnessLimit))
                                          : tr("Grubość warstwy"),
                     QString::number(result_.depth, 'f', 3), shown(wanted.depth));
    text += tr("Węgiel na powierzchni:  %1 %").arg(result_.surface, 0, 'f', 3);
    if (wanted.surface)
        text += tr("  (cel %1 %)").arg(shown(*wanted.surface));
    text += u'\n' + totalTimeLine(programme);
    text += tr("\nObliczeń próbnych: %1").arg(result_.trials);
    programme_->setText(text);
    programme_->setEnabled(true);
    QStringList warnings;
    for (const std::string& warning : result_.warnings)
        warnings.append(tr("Warning: %1.").arg(QString::fromStdString(warning)));
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setEnabled(true);
    if (!result_.shortfall.empty()) {
        tellCommandEnd(this, CommandStatus::Unreachable, result_.shortfall);
        return;
    }
    insert_->setEnabled(true);
}
