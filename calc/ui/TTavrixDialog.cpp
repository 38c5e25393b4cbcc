#include "TTavrixDialog.h"

#include "AtomicFile.h"
#include "BoxNumbers.h"
#include "FileTable.h"
#include "FormCheck.h"
#include "HelpPages.h"
#include "MessageBox.h"
#include "NumberBox.h"
#include "ProcessFileLoad.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "SetNames.h"
#include "StageTable.h"
#include "TDesignDialog.h"
#include "TFoilTestDialog.h"
#include "THelpWindow.h"
#include "TPotentialDialog.h"
#include "TProfileFitDialog.h"
#include "TWskDialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString fileFilter() {
    return QCoreApplication::translate("TTavrixDialog", "Files from Tavrix! (*.tav)");
}

QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* created = new QLabel(text, parent);
    created->setObjectName(name);
    return created;
}

QPushButton* button(const QString& text, int id, QWidget* parent) {
    auto* created = new QPushButton(text, parent);
    created->setObjectName(QStringLiteral("button%1").arg(id));
    return created;
}

QString pathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

void showText(QLineEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
}

} // namespace

TTavrixDialog::TTavrixDialog(SampleShape shape, QWidget* parent) : QDialog(parent), shape_(shape) {
    // A client of the frame, not a window of its own.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("dialog101"));

    auto* columns = new QHBoxLayout;
    stages_ = new StageTable(this);
    // Typed or chosen only, as in every other box.
    connect(stages_, &StageTable::edited, this, [this] { unsaved_ = true; });
    columns->addWidget(stages_);
    columns->addSpacing(16);
    columns->addLayout(compositionColumn());
    columns->addStretch();

    auto* page = new QVBoxLayout;
    page->setContentsMargins(10, 8, 10, 8);
    page->addLayout(steelRows());
    page->addSpacing(6);
    page->addLayout(columns);
    page->addSpacing(12);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    page->addWidget(rule);
    page->addLayout(fileRows());
    // A larger window gives the form room around it, not between its rows and columns: the
    // table's headings stay on their boxes.
    auto* centred = new QGridLayout(this);
    centred->setContentsMargins(0, 0, 0, 0);
    centred->addLayout(page, 1, 1);
    centred->setRowStretch(0, 1);
    centred->setRowStretch(2, 1);
    centred->setColumnStretch(0, 1);
    centred->setColumnStretch(2, 1);

    const KindTraits& kind = kindTraits(shape);
    const bool hasSize = kind.size != SampleSize::None;
    for (QWidget* sizeControl :
         {static_cast<QWidget*>(thickness_), static_cast<QWidget*>(thicknessLabel_),
          static_cast<QWidget*>(thicknessUnit_)}) {
        sizeControl->setEnabled(hasSize);
        sizeControl->setVisible(hasSize);
    }
    // The computation halves the size for every shape, so a cylinder's size is its diameter.
    thicknessLabel_->setText(kind.size == SampleSize::Diameter ? tr("Diameter: ") : tr("Thick: "));
    stages_->setTimeHeading(kind.timeUnit == TimeUnit::Seconds ? tr("Time, s") : tr("Czas, h"));
    LoadedBoxes::Row start;
    start.time = "0";
    stages_->showRows({start});
}

QLineEdit* TTavrixDialog::numberBox(int id) {
    QLineEdit* box = newNumberBox(QStringLiteral("edit%1").arg(id), this);
    // Typed only: text the form shows from a file it loaded is in that file already.
    connect(box, &QLineEdit::textEdited, this, [this] { unsaved_ = true; });
    return box;
}

QLayout* TTavrixDialog::steelRows() {
    auto* rows = new QGridLayout;
    steelCarbon_ = numberBox(208);
    transferCoefficient_ = numberBox(207);
    rows->addWidget(label(tr("Zawartość węgla w stali, % :"), QStringLiteral("label208"), this), 0,
                    0);
    rows->addWidget(steelCarbon_, 0, 1);
    rows->addWidget(
        label(tr("Współczynnik przenoszenia węgla, cm/s: "), QStringLiteral("label207"), this), 1,
        0);
    rows->addWidget(transferCoefficient_, 1, 1);
    rows->setColumnStretch(2, 1);
    return rows;
}

QLayout* TTavrixDialog::compositionColumn() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture120"));
    picture->setPixmap(QPixmap(QStringLiteral(":/calc/sample.png")));

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    grid->addWidget(picture, 0, 0, 1, 3, Qt::AlignLeft);
    grid->setRowMinimumHeight(1, 8);
    struct Alloy {
        QLineEdit*& box;
        int id;
        const char16_t* name;
    };
    const Alloy alloys[] = {{cr_, 203, u"Cr:"},
                            {mo_, 206, u"Mo:"},
                            {mn_, 237, u"Mn:"},
                            {si_, 238, u"Si:"},
                            {ni_, 239, u"Ni:"}};
    int line = 2;
    for (const Alloy& alloy : alloys) {
        alloy.box = numberBox(alloy.id);
        grid->addWidget(
            label(QString::fromUtf16(alloy.name), QStringLiteral("label%1").arg(alloy.id), this),
            line, 0, Qt::AlignRight);
        grid->addWidget(alloy.box, line, 1);
        grid->addWidget(label(QStringLiteral("%"), QStringLiteral("unit%1").arg(alloy.id), this),
                        line, 2);
        ++line;
    }
    grid->setRowMinimumHeight(line++, 8);
    thicknessLabel_ = label(QString(), QStringLiteral("static124"), this);
    thickness_ = numberBox(243);
    thicknessUnit_ = label(QStringLiteral("mm"), QStringLiteral("static119"), this);
    grid->addWidget(thicknessLabel_, line, 0, Qt::AlignRight);
    grid->addWidget(thickness_, line, 1);
    grid->addWidget(thicknessUnit_, line, 2);
    grid->setRowStretch(line + 1, 1);
    return grid;
}

QLayout* TTavrixDialog::fileRows() {
    outputName_ = new QLineEdit(QStringLiteral("default.tav"), this);
    outputName_->setObjectName(QStringLiteral("edit241"));
    auto* browseButton = button(tr("Przeglądaj..."), 242, this);
    auto* loadButton = button(tr("Załaduj..."), 240, this);
    auto* computeButton = button(tr("Obliczaj..."), 201, this);
    auto* endButton = button(tr("Koniec"), 205, this);
    computeButton->setDefault(true);
    connect(computeButton, &QPushButton::clicked, this, &TTavrixDialog::compute);
    connect(loadButton, &QPushButton::clicked, this, &TTavrixDialog::load);
    connect(browseButton, &QPushButton::clicked, this, &TTavrixDialog::browse);
    connect(endButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* rows = new QGridLayout;
    rows->addWidget(label(tr("Plik:"), QStringLiteral("static123"), this), 0, 0);
    rows->addWidget(outputName_, 0, 1, 1, 4);
    rows->addWidget(browseButton, 0, 5);
    rows->addWidget(label(tr("Załaduj dane z:"), QStringLiteral("label240"), this), 1, 0, 1, 2);
    rows->addWidget(loadButton, 1, 2);
    rows->setColumnStretch(3, 1);
    rows->addWidget(computeButton, 1, 4);
    rows->addWidget(endButton, 1, 5);
    return rows;
}

QString shapeText(SampleShape shape) {
    const std::string_view name = shapeName(shape);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

ProcessForm TTavrixDialog::readForm() const {
    ProcessForm form;
    form.steelCarbon = boxValue(steelCarbon_);
    form.transferCoefficient = boxValue(transferCoefficient_);
    form.thickness = boxValue(thickness_);
    form.cr = boxValue(cr_);
    form.mo = boxValue(mo_);
    form.mn = boxValue(mn_);
    form.si = boxValue(si_);
    form.ni = boxValue(ni_);
    stages_->readInto(form);
    form.settings = settings_;
    return form;
}

void TTavrixDialog::compute() {
    const ProcessForm form = readForm();
    const std::string outputName = pathBytes(outputName_->text());
    TFileTable inUse;
    readFileTable(listFilePath(), inUse);
    const QList<MessageRecord> problems = checkForm(form, shape_, outputName, inUse);
    for (const MessageRecord& problem : problems)
        showMessage(this, problem.text, problem.caption, problem.icon);
    if (!problems.isEmpty() || !goesOnDespiteSaturation(form))
        return;

    const std::string setName = completeName(outputName);
    {
        TWskDialog progress(form, shape_, pathText(setName), this);
        progress.exec();
        // Whatever became of the run, the set is no longer being computed.
        progress.releaseSet();
        if (progress.processDataKept())
            unsaved_ = false;
    }
    window()->setWindowTitle(shapeText(shape_));
}

void TTavrixDialog::load() {
    const QString path = chooseFile(this, FileChoice::Open, QString(), fileFilter());
    if (path.isEmpty())
        return;
    const std::string_view shape = shapeName(shape_);
    const ProcessFileLoad loaded = loadProcessFile(pathBytes(path), shape);
    switch (loaded.result) {
    case ProcessFileLoad::Result::CannotOpen:
        showMessage(this, tr("Can't open file"), tr("Error!"), MessageIcon::Stop);
        return;
    case ProcessFileLoad::Result::Refused:
        showMessage(this, QString::fromStdString(loaded.problem), tr("Error!"),
                    MessageIcon::Exclamation);
        return;
    case ProcessFileLoad::Result::Loaded:
        showLoaded(loaded.boxes);
        unsaved_ = false;
        if (!loaded.boxes.shapeMatches) {
            showMessage(this, tr("You want to load improper type of file"), tr("Error!"),
                        MessageIcon::Exclamation);
            return;
        }
        // A run then computes the loaded set (asking before it replaces results), instead of
        // overwriting whatever the box named before.
        outputName_->setText(path);
        return;
    }
}

void TTavrixDialog::showLoaded(const LoadedBoxes& boxes) {
    showText(steelCarbon_, boxes.steelCarbon);
    showText(transferCoefficient_, boxes.transferCoefficient);
    showText(cr_, boxes.cr);
    showText(mo_, boxes.mo);
    showText(mn_, boxes.mn);
    showText(si_, boxes.si);
    showText(ni_, boxes.ni);
    stages_->showRows(boxes.rows);
    if (boxes.shapeMatches && kindTraits(shape_).size != SampleSize::None)
        showText(thickness_, boxes.thickness);
    if (boxes.shapeMatches)
        settings_ = boxes.settings;
}

void TTavrixDialog::browse() {
    const QString path = chooseFile(this, FileChoice::Save, tr("Output file"), fileFilter());
    if (!path.isEmpty())
        outputName_->setText(path);
}

void TTavrixDialog::reject() {
    if (mayClose())
        QDialog::reject();
}

bool TTavrixDialog::mayClose() {
    if (!unsaved_)
        return true;
    switch (showMessage(this, tr("Zapisać dane procesu?"), tr("Unsaved data"),
                        MessageIcon::Question,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return saveForm();
    case QMessageBox::Discard:
        unsaved_ = false;
        return true;
    default:
        return false;
    }
}

bool TTavrixDialog::saveForm() {
    const QString path = chooseFile(this, FileChoice::Save, tr("Zapisz dane procesu"), fileFilter(),
                                    outputName_->text());
    if (path.isEmpty())
        return false;
    const std::string file = pathBytes(path);
    TFileTable inUse;
    readFileTable(listFilePath(), inUse);
    // The main file of a set being computed, or of one with results, is no place for a
    // programme alone: the results would be cut off from their process data.
    if (inUse.contains(file) || hasResultFiles(file)) {
        showMessage(this, path + tr("\nholds a result set: choose another file"), tr("Error!"),
                    MessageIcon::Exclamation);
        return false;
    }
    if (const std::optional<std::string> problem =
            AtomicFile(file).replace(processDataText(readForm(), shape_))) {
        showMessage(this, tr("Can't open file\n") + QString::fromStdString(*problem), tr("Error!"),
                    MessageIcon::Stop);
        return false;
    }
    outputName_->setText(path);
    unsaved_ = false;
    return true;
}

void TTavrixDialog::help() {
    const QString page = helpPagePath(QStringLiteral("calchelp.html"));
    if (!helpWindow_)
        helpWindow_ = new THelpWindow(this);
    if (!helpWindow_->showPage(page))
        showMessage(this, tr("Can't open file\n") + page, tr("Error!"), MessageIcon::Stop);
}

bool TTavrixDialog::goesOnDespiteSaturation(const ProcessForm& form) {
    const std::vector<std::string> warnings =
        saturationWarnings(processRecord(form, shape_).data, {});
    if (warnings.empty())
        return true;
    QString text;
    for (const std::string& warning : warnings)
        text += QString::fromStdString(warning) + u'\n';
    text += tr("\nThe computation knows nothing of soot and carbides. Compute anyway?");
    return showMessage(this, text, tr("Warning!"), MessageIcon::Exclamation,
                       QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Cancel;
}

bool TTavrixDialog::steelPassesChecks(const ProcessForm& form) {
    ProcessForm steel = form;
    steel.time.fill(emptyCell);
    steel.temperature.fill(emptyCell);
    steel.potential.fill(emptyCell);
    steel.condition.fill(StageCondition{});
    for (std::size_t row : {0, 1}) {
        steel.time[row] = double(row);
        steel.temperature[row] = 920;
        steel.potential[row] = 1.0;
    }
    const QList<MessageRecord> problems = checkForm(steel, shape_, "default.tav", TFileTable());
    for (const MessageRecord& problem : problems)
        showMessage(this, problem.text, problem.caption, problem.icon);
    return problems.isEmpty();
}

void TTavrixDialog::designProcess() {
    const ProcessForm form = readForm();
    if (!steelPassesChecks(form))
        return;
    TDesignDialog dialog(processRecord(form, shape_), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TDane& programme = dialog.result().programme.data;
    std::vector<LoadedBoxes::Row> rows(programme.times.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const StageCondition condition = stageCondition(programme, row);
        rows[row] = {loadedText(programme.times[row]), loadedText(programme.temperatures[row]),
                     loadedText(programme.potentials[row]), condition.kind,
                     condition.fluxLimit ? loadedText(*condition.fluxLimit) : std::string()};
    }
    stages_->showRows(rows);
    unsaved_ = true;
}

void TTavrixDialog::convertReading() {
    TPotentialDialog dialog(stages_->temperatureTexts(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    stages_->setPotential(dialog.row(), QString::fromStdString(loadedText(dialog.potential())));
    unsaved_ = true;
}

void TTavrixDialog::fitTransferCoefficient() {
    ProcessForm test = readForm();
    // The coefficient is what the test finds: an empty box only means the search starts at a
    // usual furnace's value.
    if (test.transferCoefficient == emptyCell)
        test.transferCoefficient = 2e-5;
    const QList<MessageRecord> problems = checkForm(test, shape_, "default.tav", TFileTable());
    for (const MessageRecord& problem : problems)
        showMessage(this, problem.text, problem.caption, problem.icon);
    if (!problems.isEmpty())
        return;
    TFoilTestDialog dialog(processRecord(test, shape_), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const FoilFitResult& fit = dialog.result();
    // The six significant digits the process-data file keeps.
    const QString beta = QString::number(fit.beta, 'g', 6);
    transferCoefficient_->setText(beta);
    unsaved_ = true;
    QString text = tr("Transfer coefficient %1 cm/s, written into the form.\n"
                      "The uniform-foil formula would give %2 cm/s.")
                       .arg(beta, QString::number(fit.uniformBeta, 'g', 4));
    if (fit.nearSaturation) {
        QString note = QString::fromUtf8(nearSaturationNote);
        note[0] = note[0].toUpper();
        text += QStringLiteral("\n\n%1.").arg(note);
    }
    showMessage(this, text, tr("Foil test"), MessageIcon::Information);
}

void TTavrixDialog::fitMeasuredProfile() {
    const ProcessForm form = readForm();
    const QList<MessageRecord> problems = checkForm(form, shape_, "default.tav", TFileTable());
    for (const MessageRecord& problem : problems)
        showMessage(this, problem.text, problem.caption, problem.icon);
    if (!problems.isEmpty())
        return;
    TProfileFitDialog dialog(asWritten(processRecord(form, shape_)), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ProfileFitResult& fit = dialog.result();
    // The six significant digits the process-data file keeps.
    transferCoefficient_->setText(QString::number(fit.beta, 'g', 6));
    if (fit.offset) {
        // The fitted record holds the form's filled rows in order; the offset moved the
        // potentials its gas stages use.
        const TDane& fitted = fit.fitted.data;
        std::vector<LoadedBoxes::Row> rows(fitted.times.size());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const StageCondition condition = stageCondition(fitted, row);
            rows[row] = {loadedText(fitted.times[row]), loadedText(fitted.temperatures[row]),
                         loadedText(fitted.potentials[row]), condition.kind,
                         condition.fluxLimit ? loadedText(*condition.fluxLimit) : std::string()};
        }
        stages_->showRows(rows);
    }
    unsaved_ = true;
}
