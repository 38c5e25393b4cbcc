#include "TTavrixDialog.h"

#include "AtomicFile.h"
#include "BoxNumbers.h"
#include "FileTable.h"
#include "FormCheck.h"
#include "FormMemory.h"
#include "FormWarnings.h"
#include "HardeningPanel.h"
#include "HelpPages.h"
#include "MessageBox.h"
#include "ModelChoice.h"
#include "NumberBox.h"
#include "ProcessFileLoad.h"
#include "ResultStreams.h"
#include "Saturation.h"
#include "SetNames.h"
#include "ShownShape.h"
#include "StageTable.h"
#include "SteelGrades.h"
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

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

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

    // Made in the order they are read, which is the order Tab goes through them.
    QLayout* steel = steelRows();
    auto* columns = new QHBoxLayout;
    stages_ = new StageTable(kindTraits(shape).timeUnit, this);
    // Typed or chosen only, as in every other box.
    connect(stages_, &StageTable::edited, this, [this] { unsaved_ = true; });
    columns->addWidget(stages_);
    columns->addSpacing(16);
    columns->addLayout(compositionColumn());
    columns->addStretch();

    auto* page = new QVBoxLayout;
    page->setContentsMargins(10, 8, 10, 8);
    page->addLayout(steel);
    page->addSpacing(6);
    page->addLayout(columns);
    page->addSpacing(6);
    hardening_ = new HardeningPanel(this);
    connect(hardening_, &HardeningPanel::gradePicked, this, &TTavrixDialog::takeGrade);
    connect(hardening_, &HardeningPanel::edited, this, [this] { unsaved_ = true; });
    page->addWidget(hardening_);
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
    showGrade();
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
        connect(alloy.box, &QLineEdit::textChanged, this, &TTavrixDialog::showGrade);
        ++line;
    }
    grade_ = label(QString(), QStringLiteral("labelGrade"), this);
    grade_->setToolTip(
        tr("Gatunek stali rozpoznany ze składu: jego krzywa daje twardość warstwy."));
    grid->addWidget(grade_, line++, 0, 1, 3);
    grid->setRowMinimumHeight(line++, 8);
    thicknessLabel_ = label(QString(), QStringLiteral("static124"), this);
    thickness_ = numberBox(243);
    thicknessUnit_ = label(QStringLiteral("mm"), QStringLiteral("static119"), this);
    grid->addWidget(thicknessLabel_, line, 0, Qt::AlignRight);
    grid->addWidget(thickness_, line, 1);
    grid->addWidget(thicknessUnit_, line, 2);
    // Under the steel's composition, in the room the stage table leaves: the form keeps its size.
    models_ = new ModelChoice(this);
    connect(models_, &ModelChoice::edited, this, [this] { unsaved_ = true; });
    grid->addWidget(models_, ++line, 0, 1, 3);
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

void TTavrixDialog::showGrade() {
    if (!ni_)
        return;                // still being built
    std::vector<double> sklad; // Cr, Mo, Mn, Si, Ni, as the grade table reads them
    for (const QLineEdit* alloy : {cr_, mo_, mn_, si_, ni_}) {
        const double content = boxValue(alloy);
        if (content == emptyCell || !std::isfinite(content)) {
            grade_->setText(tr("Gatunek: —"));
            return;
        }
        sklad.push_back(content);
    }
    const QString grade = QString::fromUtf8(steelGrade(sklad)).trimmed();
    grade_->setText(tr("Gatunek: %1").arg(grade == u"stal węglowa"_s ? tr("stal węglowa") : grade));
}

QString TTavrixDialog::alloySymbol(const QLineEdit* box) const {
    const QLabel* label = findChild<QLabel*>(u"label"_s + box->objectName().mid(4));
    return label->text().chopped(1);
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
    const auto hardening = hardening_->lines();
    if (const auto* lines = std::get_if<HardeningLines>(&hardening))
        setHardening(form.settings, *lines);
    const std::string grade = hardening_->grade();
    form.settings.grade = grade.empty() ? std::nullopt : std::optional<std::string>(grade);
    models_->readInto(form.settings);
    return form;
}

void TTavrixDialog::takeGrade(const QString& name) {
    const std::optional<CarburizingSteel> steel = carburizingSteel(name.toStdString());
    if (!steel)
        return;
    const auto put = [](QLineEdit* box, double value) {
        box->setText(QString::fromStdString(loadedText(value)));
    };
    put(steelCarbon_, steel->c);
    put(cr_, steel->cr);
    put(mo_, steel->mo);
    put(mn_, steel->mn);
    put(si_, steel->si);
    put(ni_, steel->ni);
    unsaved_ = true;
}

bool TTavrixDialog::hardeningPassesChecks() {
    const auto hardening = hardening_->lines();
    std::optional<std::string> problem;
    if (const auto* broken = std::get_if<BrokenRule>(&hardening))
        problem = broken->rule;
    else
        problem = hardeningProblem(std::get<HardeningLines>(hardening), shape_);
    if (problem)
        showMessage(this, QString::fromStdString(*problem), tr("Check data!"),
                    MessageIcon::Exclamation);
    return !problem;
}

QList<NamedBox> TTavrixDialog::namedBoxes() const {
    QList<NamedBox> boxes{{steelCarbon_, tr("Zawartość węgla w stali")},
                          {transferCoefficient_, tr("Współczynnik przenoszenia węgla")}};
    boxes.append(stages_->namedBoxes());
    // The elements' symbols, as their labels show them.
    for (QLineEdit* alloy : {cr_, mo_, mn_, si_, ni_})
        boxes.append({alloy, alloySymbol(alloy)});
    if (thickness_->isEnabled())
        boxes.append({thickness_, kindTraits(shape_).size == SampleSize::Diameter ? tr("Średnica")
                                                                                  : tr("Grubość")});
    return boxes;
}

bool TTavrixDialog::boxesHoldNumbers() {
    return !refuseNotANumber(this, namedBoxes());
}

void TTavrixDialog::compute() {
    if (!boxesHoldNumbers() || !hardeningPassesChecks())
        return;
    const ProcessForm form = readForm();
    const std::string outputName = pathBytes(outputName_->text());
    TFileTable inUse;
    readFileTable(listFilePath(), inUse);
    const QList<MessageRecord> problems = checkForm(form, shape_, outputName, inUse);
    for (const MessageRecord& problem : problems)
        showMessage(this, problem.text, problem.caption, problem.icon);
    if (!problems.isEmpty() || !goesOnDespiteWarnings(form))
        return;

    keepValues();
    const std::string setName = completeName(outputName);
    {
        TWskDialog progress(form, shape_, pathText(setName), this);
        progress.exec();
        // Whatever became of the run, the set is no longer being computed.
        progress.releaseSet();
        if (progress.processDataKept())
            unsaved_ = false;
    }
    window()->setWindowTitle(shownShapeName(shape_));
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
    if (boxes.shapeMatches) {
        settings_ = boxes.settings;
        hardening_->show(hardeningLines(settings_), settings_.grade.value_or(std::string()));
        models_->show(settings_);
    }
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

void TTavrixDialog::keepValues() const {
    const QList<NamedBox> boxes = namedBoxes();
    if (std::ranges::any_of(boxes, [](const NamedBox& named) {
            return named.box->isEnabled() && std::isnan(boxValue(named.box));
        }))
        return;
    keepFormText(shape_, processDataText(readForm(), shape_));
}

void TTavrixDialog::showKeptValues() {
    if (const std::optional<LoadedBoxes> kept = keptFormBoxes(shape_))
        showLoaded(*kept);
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

bool TTavrixDialog::goesOnDespiteWarnings(const ProcessForm& form) {
    const QStringList unusual = unusualValueWarnings(form, shape_);
    const std::vector<std::string> saturation =
        saturationWarnings(processRecord(form, shape_).data, {});
    if (unusual.isEmpty() && saturation.empty())
        return true;
    QString text;
    for (const QString& warning : unusual)
        text += warning + u'\n';
    if (saturation.empty()) {
        text += tr("\nLiczyć mimo to?");
    } else {
        if (!text.isEmpty())
            text += u'\n';
        for (const std::string& warning : saturation)
            text += QString::fromStdString(warning) + u'\n';
        text += tr("\nThe computation knows nothing of soot and carbides. Compute anyway?");
    }
    return showMessage(this, text, tr("Warning!"), MessageIcon::Exclamation,
                       QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Cancel;
}

bool TTavrixDialog::steelPassesChecks(const ProcessForm& form) {
    // The design needs the whole steel and size: every empty box is named at once, so that the
    // user need not learn of them one press at a time.
    QStringList empty;
    QLineEdit* firstEmpty = nullptr;
    for (const NamedBox& named : namedBoxes())
        if (!stages_->isAncestorOf(named.box) && named.box->text().trimmed().isEmpty()) {
            empty.append(named.name);
            if (!firstEmpty)
                firstEmpty = named.box;
        }
    if (firstEmpty) {
        showMessage(this, tr("Wypełnij puste pola: %1.").arg(empty.join(u", "_s)),
                    QCoreApplication::translate("FormCheck", "Check data!"),
                    MessageIcon::Exclamation);
        firstEmpty->setFocus();
        return false;
    }
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
    if (!boxesHoldNumbers())
        return;
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
        rows[row] = stageBoxes(programme.times[row], programme.temperatures[row],
                               programme.potentials[row], condition);
    }
    stages_->showRows(rows);
    proposeNewName("-design");
    unsaved_ = true;
}

void TTavrixDialog::proposeNewName(std::string_view suffix) {
    outputName_->setText(pathText(unusedSuffixedName(pathBytes(outputName_->text()), suffix)));
}

void TTavrixDialog::convertReading() {
    TPotentialDialog dialog(stages_->temperatureTexts(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    stages_->setPotential(dialog.row(), QString::fromStdString(loadedText(dialog.potential())));
    unsaved_ = true;
}

void TTavrixDialog::fitTransferCoefficient() {
    if (!boxesHoldNumbers())
        return;
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
    if (!boxesHoldNumbers())
        return;
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
            rows[row] = stageBoxes(fitted.times[row], fitted.temperatures[row],
                                   fitted.potentials[row], condition);
        }
        stages_->showRows(rows);
    }
    proposeNewName("-fit");
    unsaved_ = true;
}
