#include "TWskDialog.h"

#include "AtomicFile.h"
#include "CommandNotice.h"
#include "Computation.h"
#include "MessageBox.h"
#include "ResultStreams.h"
#include "RunResults.h"
#include "Saturation.h"
#include "SetNames.h"
#include "ViewerLink.h"
#include "WindowRunObserver.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

TWskDialog::TWskDialog(const ProcessForm& form, SampleShape shape, const QString& setName,
                       QWidget* parent)
    : QDialog(parent), form_(form), shape_(shape), setName_(setName),
      gauge_(new QProgressBar(this)), stateText_(new QLabel(this)),
      actionButton_(new QPushButton(this)), viewButton_(new QPushButton(tr("Pokaż wyniki"), this)),
      results_(new QLabel(this)), warnings_(new QLabel(this)) {
    setObjectName(QStringLiteral("dialog115"));
    setWindowTitle(tr("Obliczenia"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture102"));
    picture->setPixmap(QPixmap(QStringLiteral(":/calc/sample.png")));
    auto* nameText = new QLabel(setName, this);
    nameText->setObjectName(QStringLiteral("static116"));
    nameText->setAlignment(Qt::AlignCenter);
    stateText_->setObjectName(QStringLiteral("static117"));
    gauge_->setObjectName(QStringLiteral("gauge101"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    connect(actionButton_, &QPushButton::clicked, this, &TWskDialog::act);
    showAction(Action::Start);
    viewButton_->setObjectName(QStringLiteral("viewResults"));
    viewButton_->setAutoDefault(false);
    viewButton_->setToolTip(tr("Otwiera wyniki w przeglądarce Tavrix!"));
    viewButton_->hide();
    connect(viewButton_, &QPushButton::clicked, this, &TWskDialog::showInViewer);
    results_->setObjectName(QStringLiteral("runResults"));
    results_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results_->hide();
    warnings_->setObjectName(QStringLiteral("runWarnings"));
    warnings_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(viewButton_);
    buttons->addWidget(actionButton_);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(14);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(nameText, 0, 1, 1, 2);
    grid->addWidget(gauge_, 1, 1, 1, 2);
    grid->addWidget(stateText_, 2, 1);
    grid->addLayout(buttons, 2, 2, Qt::AlignRight);
    grid->addWidget(results_, 3, 0, 1, 3);
    grid->addWidget(warnings_, 4, 0, 1, 3);
    grid->setColumnMinimumWidth(1, 260);
}

void TWskDialog::showAction(Action action) {
    action_ = action;
    switch (action) {
    case Action::Start:
        actionButton_->setText(tr("Start!"));
        actionButton_->setObjectName(QStringLiteral("button900"));
        actionButton_->setDefault(false);
        actionButton_->setAutoDefault(false);
        return;
    case Action::Cancel:
        actionButton_->setText(tr("Cancel"));
        actionButton_->setObjectName(QStringLiteral("button902"));
        actionButton_->setDefault(true);
        return;
    case Action::Ok:
        actionButton_->setText(tr("OK"));
        actionButton_->setObjectName(QStringLiteral("button1"));
        actionButton_->setDefault(true);
        return;
    }
}

void TWskDialog::act() {
    switch (action_) {
    case Action::Start:
        start();
        return;
    case Action::Cancel:
        reject();
        return;
    case Action::Ok:
        accept();
        return;
    }
}

void TWskDialog::reject() {
    if (running_)
        cancelled_ = true;
    QDialog::reject();
}

QWidget* TWskDialog::mainWindow() const {
    return parentWidget() ? parentWidget()->window() : nullptr;
}

// A run replaces the results of an earlier one at once, and a cancelled run leaves no file of
// the set: neither goes without the user's word.
bool TWskDialog::mayReplaceResults() {
    if (!hasResultFiles(QFile::encodeName(setName_).toStdString()))
        return true;
    const QString question = tr("The set %1 already holds results.\nA new run replaces them, and a "
                                "cancelled run leaves no file of the set.\n\nReplace them?")
                                 .arg(setName_);
    return showMessage(this, question, tr("Replace results?"), MessageIcon::Question,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TWskDialog::start() {
    if (!mayReplaceResults()) {
        QDialog::reject();
        return;
    }
    showAction(Action::Cancel);
    const std::string processData = processDataText(form_, shape_);
    RunRequest request = runRequest(QFile::encodeName(setName_).toStdString(), {});
    request.cancelled = CancelledInput::Deleted;
    WindowRunObserver observer(*gauge_, cancelled_);
    const RunSteps steps{[&] { return layProcessData(request.path, processData); },
                         [&request] { return Parametry(request.path); }};
    SetRunOutcome run = runSet(request, processData, steps, observer, processResultStreams());
    running_ = false;
    claim_ = std::move(run.claim.claim);
    if (!run.ran) {
        refuseRun(run);
        QDialog::reject();
        return;
    }
    showEnd(run);
}

// The process data written, the run about to start: the dialog says so.
RunRefusal TWskDialog::layProcessData(const std::string& path, const std::string& processData) {
    if (const std::optional<std::string> problem = AtomicFile(path).replace(processData))
        return {CommandStatus::WriteFailed, {}, *problem};
    processDataKept_ = true;
    stateText_->setText(tr("Counting..."));
    if (QWidget* window = mainWindow())
        window->setWindowTitle(tr("Tavrix! - %1").arg(setName_));
    cancelled_ = false;
    running_ = true;
    return {};
}

// A set that another run has, or whose process data could not be written, is left alone.
void TWskDialog::refuseRun(const SetRunOutcome& run) {
    const RunRefusal& refused = run.end;
    if (!run.claim.refusal) {
        releaseSet();
        showMessage(this, tr("Can't open file\n") + QString::fromStdString(refused.reason),
                    tr("Error!"), MessageIcon::Stop);
    } else if (refused.status == CommandStatus::InUse) {
        showMessage(this, tr("Filename is already in use"), tr("Check data!"),
                    MessageIcon::Exclamation);
    } else if (refused.status == CommandStatus::WriteFailed) {
        showListProblem(this, run.claim.listProblem);
    } else {
        tellCommandEnd(this, refused.status, refused.reason);
    }
}

void TWskDialog::showEnd(const SetRunOutcome& run) {
    const RunOutcome& outcome = run.kept.outcome;
    switch (outcome.status) {
    case RunStatus::Finished:
        stateText_->setText(tr("Finished"));
        showAction(Action::Ok);
        showResults(outcome);
        showRunWarnings(outcome);
        viewButton_->show();
        return;
    case RunStatus::Cancelled:
        // Cancel has ended the dialog already; the process data went with the set.
        processDataKept_ = false;
        reportLeftFiles(run.leftFiles);
        return;
    case RunStatus::Failed:
        showMessage(this, QString::fromStdString(outcome.error), tr("Error!"), MessageIcon::Stop);
        reportLeftFiles(run.leftFiles);
        QDialog::reject();
        return;
    }
}

// An unfinished run's files that could not be deleted or put back would be taken for results.
void TWskDialog::reportLeftFiles(const std::optional<std::string>& problem) {
    if (problem)
        showMessage(this,
                    tr("Pliki niedokończonego obliczenia nie zostały uporządkowane:\n%1")
                        .arg(QString::fromStdString(*problem)),
                    tr("Error!"), MessageIcon::Stop);
}

// The programme's own potentials were shown before the run (the form asks about them); what the
// run adds is where the surface it computed went above the limit.
void TWskDialog::showRunWarnings(const RunOutcome& outcome) {
    std::vector<std::string> found =
        surfaceSaturationWarnings(processRecord(form_, shape_).data, outcome.surfaceAtRows);
    if (const auto carbide = carbideWarning(outcome.remainingCarbide))
        found.push_back(*carbide);
    if (found.empty())
        return;
    QStringList lines;
    for (const std::string& warning : found)
        lines.append(tr("Warning: %1.").arg(QString::fromStdString(warning)));
    warnings_->setText(lines.join(u'\n'));
    showBelowGauge(warnings_);
}

void TWskDialog::showResults(const RunOutcome& outcome) {
    // The run ends at the programme's end, whatever the last percentage reported.
    gauge_->setValue(gauge_->maximum());
    const TDane& programme = processRecord(form_, shape_).data;
    results_->setText(runResultsText(outcome, shape_, programme.times.back()));
    showBelowGauge(results_);
}

void TWskDialog::showBelowGauge(QLabel* text) {
    text->setWordWrap(true);
    text->setFixedWidth(width() - layout()->contentsMargins().left() -
                        layout()->contentsMargins().right());
    text->show();
}

void TWskDialog::showInViewer() {
    // The viewer refuses a set that the in-use list still holds.
    releaseSet();
    const QString viewer = QFile::decodeName(QByteArray::fromStdString(programFolders().program)) +
                           QStringLiteral("tavrix");
    switch (
        openInViewer(viewerServerName(QFile::decodeName(QByteArray::fromStdString(listFilePath()))),
                     viewer, setName_)) {
    case ViewerOpening::InRunningViewer:
    case ViewerOpening::NewViewer:
        accept();
        return;
    case ViewerOpening::Failed:
        showMessage(this, tr("Can't run subprogram"), tr("Error!"), MessageIcon::Stop);
        return;
    }
}

void TWskDialog::releaseSet() {
    if (claim_ && !claim_->release())
        showListProblem(parentWidget(), claim_->problem());
    claim_.reset();
}
