// Process design and the foil test in the calculation window: the commands per shape, a design
// inserted into the stage rows, refusals and Cancel, the fitted coefficient in its box, and the
// form's saturation warning.

#include "CalcUiTest.h"

#include "FileTable.h"
#include "FormCheck.h"
#include "MessageBox.h"
#include "TDesignDialog.h"
#include "TFoilTestDialog.h"
#include "THelpWindow.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"
#include "TWskDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

Q_DECLARE_METATYPE(SampleShape)

using namespace Qt::StringLiterals;

namespace {

// Steel data that pass every check, for a part of 20 mm where a size is asked for.
const QStringList steel = {QStringLiteral("edit208=0.2"), QStringLiteral("edit207=2e-5"),
                           QStringLiteral("edit203=1.1"), QStringLiteral("edit206=0"),
                           QStringLiteral("edit237=1.2"), QStringLiteral("edit238=0.25"),
                           QStringLiteral("edit239=0"),   QStringLiteral("edit243=20")};

ProcessForm steelForm(double thickness) {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.cr = 1.1, form.mo = 0, form.mn = 1.2, form.si = 0.25, form.ni = 0;
    form.thickness = thickness;
    form.time[0] = 0, form.temperature[0] = 920, form.potential[0] = 1.15;
    return form;
}

template <class Dialog> Dialog* openModal() {
    return qobject_cast<Dialog*>(QApplication::activeModalWidget());
}

} // namespace

class TDesignDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void commandsFitTheShape_data();
    void commandsFitTheShape();
    void designIsInsertedIntoTheStageRows();
    void lowPressurePulsesBecomeRowsWithConditions();
    void refusedTargetsKeepInsertShut_data();
    void refusedTargetsKeepInsertShut();
    void boxesAreRefusedByName_data();
    void boxesAreRefusedByName();
    void cancelStopsTheDesign();
    void changedInputMakesTheResultStale();
    void targetsStayForTheNextOpening();
    void helpOpensTheDialogsSection_data();
    void helpOpensTheDialogsSection();
    void foilTestFillsTheTransferCoefficient_data();
    void foilTestFillsTheTransferCoefficient();
    void formWarnsOfSaturationAndMayGoOn_data();
    void formWarnsOfSaturationAndMayGoOn();
    // Last: the dialog keeps its choice of target for the next opening.
    void caseHardeningDepthTakesThePlaceOfTheLevel();

private:
    MessageCapture messages_;
    InUseListKeeper keeper_;
};

void TDesignDialogTest::cleanup() {
    messages_.clear();
    messages_.setAnswer(QMessageBox::Ok);
}

void TDesignDialogTest::commandsFitTheShape_data() {
    QTest::addColumn<SampleShape>("shape");
    QTest::addColumn<QString>("command"); // the one of the two the menu holds
    QTest::newRow("semi-infinite") << SampleShape::SemiInfinite << QStringLiteral("command250");
    QTest::newRow("plate") << SampleShape::Plate << QStringLiteral("command250");
    QTest::newRow("cylinder") << SampleShape::Cylinder << QStringLiteral("command250");
    QTest::newRow("foil") << SampleShape::Foil << QStringLiteral("command251");
}

void TDesignDialogTest::commandsFitTheShape() {
    QFETCH(SampleShape, shape);
    QFETCH(QString, command);
    TTavrixFrame frame(shape);
    int found = 0;
    for (const QString& name : {QStringLiteral("command250"), QStringLiteral("command251")})
        if (auto* action = frame.findChild<QAction*>(name)) {
            QCOMPARE(name, command);
            QVERIFY(!action->statusTip().isEmpty());
            ++found;
        }
    QCOMPARE(found, 1);
}

void TDesignDialogTest::designIsInsertedIntoTheStageRows() {
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, steel);
    typeAll(&form, {QStringLiteral("edit204=920"), QStringLiteral("edit218=1.15"),
                    QStringLiteral("edit231=7"), QStringLiteral("edit223=900"),
                    QStringLiteral("edit213=1")}); // a row 6 the programme must clear
    QString programme;
    AtNextTurn operate([&] {
        auto* design = openModal<TDesignDialog>();
        QVERIFY(design);
        typeInto(design, QStringLiteral("designDepth"), QStringLiteral("0.6"));
        control<QCheckBox>(design, QStringLiteral("designSurfaceWanted"))->setChecked(true);
        control<QCheckBox>(design, QStringLiteral("designHardeningWanted"))->setChecked(true);
        clickButton(design, QStringLiteral("designCompute"));
        auto* shown = control<QLabel>(design, QStringLiteral("designProgramme"));
        programme = shown->text();
        // Nothing of the result is cut at the size the dialog opened with.
        QVERIFY(shown->height() >= shown->sizeHint().height());
        QVERIFY(shown->width() >= shown->sizeHint().width());
        if (!control<QPushButton>(design, QStringLiteral("designInsert"))->isEnabled()) {
            design->reject();
            return;
        }
        QCOMPARE(design->result().programme.data.times.size(), 5u);
        // The programme passes the form's checks as it stands.
        QVERIFY(checkForm(formOf(design->result().programme), SampleShape::SemiInfinite, "x.tav",
                          TFileTable())
                    .isEmpty());
        clickButton(design, QStringLiteral("designInsert"));
    });
    form.designProcess();
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY2(programme.contains(QStringLiteral("(cel 0.6 mm)")), qPrintable(programme));
    // The designed programme is a new set, proposed beside the one the form named.
    const QString proposed = control<QLineEdit>(&form, QStringLiteral("edit241"))->text();
    QVERIFY2(QRegularExpression(QStringLiteral("^default-design(-\\d+)?\\.tav$"))
                 .match(proposed)
                 .hasMatch(),
             qPrintable(proposed));
    // Each inserted value is the one the dialog showed (six significant digits), not the sum of
    // stage lengths with its floating-point noise: the box shows those digits and no more.
    const QRegularExpression sixDigits(QStringLiteral("^(0|[1-9]\\d*)(\\.\\d+)?$"));
    for (const QString& box :
         {QStringLiteral("edit236"), QStringLiteral("edit235"), QStringLiteral("edit234"),
          QStringLiteral("edit233"), QStringLiteral("edit232")}) {
        const QString time = control<QLineEdit>(&form, box)->text();
        QString digits = time;
        digits.remove(u'.');
        while (digits.size() > 1 && digits.startsWith(u'0'))
            digits.remove(0, 1);
        QVERIFY2(sixDigits.match(time).hasMatch() && digits.size() <= 6,
                 qPrintable(box + u'=' + time));
    }
    compareBoxes(&form, {QStringLiteral("edit236=0"), QStringLiteral("edit204=920"),
                         QStringLiteral("edit218=1.15"), QStringLiteral("edit217=1.15"),
                         QStringLiteral("edit216=0.8"), QStringLiteral("edit224=850"),
                         QStringLiteral("edit231="), QStringLiteral("edit223="),
                         QStringLiteral("edit213=")});
}

void TDesignDialogTest::lowPressurePulsesBecomeRowsWithConditions() {
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, steel);
    typeAll(&form, {QStringLiteral("edit204=920"), QStringLiteral("edit218=1.15")});
    QString programme;
    int rows = 0;
    AtNextTurn operate([&] {
        auto* design = openModal<TDesignDialog>();
        QVERIFY(design);
        auto* lowPressure = control<QCheckBox>(design, QStringLiteral("designLowPressure"));
        QTest::mouseClick(lowPressure, Qt::LeftButton, Qt::NoModifier,
                          QPoint(4, lowPressure->height() / 2));
        // Pulses end at the surface target; a gas programme's boost and timer step do not
        // apply.
        QVERIFY(control<QCheckBox>(design, QStringLiteral("designSurfaceWanted"))->isChecked());
        QVERIFY(!control<QLineEdit>(design, QStringLiteral("designBoost"))->isEnabled());
        QVERIFY(control<QLineEdit>(design, QStringLiteral("designMinBoost"))->isEnabled());
        typeInto(design, QStringLiteral("designDepth"), QStringLiteral("0.5"));
        typeInto(design, QStringLiteral("designSurface"), QStringLiteral("0.7"));
        clickButton(design, QStringLiteral("designCompute"));
        programme = control<QLabel>(design, QStringLiteral("designProgramme"))->text();
        if (!control<QPushButton>(design, QStringLiteral("designInsert"))->isEnabled()) {
            design->reject();
            return;
        }
        rows = static_cast<int>(design->result().programme.data.times.size());
        QVERIFY(checkForm(formOf(design->result().programme), SampleShape::SemiInfinite, "x.tav",
                          TFileTable())
                    .isEmpty());
        clickButton(design, QStringLiteral("designInsert"));
        // The next opening is a gas design again.
        lowPressure->setChecked(false);
    });
    form.designProcess();
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY2(programme.startsWith(QStringLiteral("Grubość warstwy:")) &&
                 programme.contains(QStringLiteral("(cel 0.5 mm)")) &&
                 programme.contains(QStringLiteral("Impuls  nasycanie, s  dyfuzja, s\n    1.")),
             qPrintable(programme));
    // A boost, then a neutral diffusion, in the rows of the condition column.
    QVERIFY(rows >= 3);
    QCOMPARE(control<QComboBox>(&form, QStringLiteral("condition2"))->currentText(),
             QStringLiteral("nasycanie"));
    QCOMPARE(control<QComboBox>(&form, QStringLiteral("condition3"))->currentText(),
             QStringLiteral("obojętna"));
    QCOMPARE(control<QLineEdit>(&form, QStringLiteral("fluxLimit2"))->text(), QString());
}

void TDesignDialogTest::caseHardeningDepthTakesThePlaceOfTheLevel() {
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, steel);
    typeAll(&form, {QStringLiteral("edit204=920"), QStringLiteral("edit218=1.15")});
    QString programme;
    bool levelShut = false;
    AtNextTurn operate([&] {
        auto* design = openModal<TDesignDialog>();
        QVERIFY(design);
        // A gas design: the pulse design aims at a carbon level only.
        auto* lowPressure = control<QCheckBox>(design, QStringLiteral("designLowPressure"));
        if (lowPressure->isChecked())
            QTest::mouseClick(lowPressure, Qt::LeftButton, {},
                              QPoint(4, lowPressure->height() / 2));
        typeInto(design, QStringLiteral("designDepth"), QStringLiteral("0.7"));
        auto* chd = control<QCheckBox>(design, QStringLiteral("designChdWanted"));
        QTest::mouseClick(chd, Qt::LeftButton, {}, QPoint(4, chd->height() / 2));
        levelShut = !control<QLineEdit>(design, QStringLiteral("designLevel"))->isEnabled() &&
                    control<QLineEdit>(design, QStringLiteral("designChdLimit"))->isEnabled();
        typeInto(design, QStringLiteral("designChdLimit"), QStringLiteral("513"));
        clickButton(design, QStringLiteral("designCompute"));
        programme = control<QLabel>(design, QStringLiteral("designProgramme"))->text();
        if (!control<QPushButton>(design, QStringLiteral("designInsert"))->isEnabled()) {
            design->reject();
            return;
        }
        clickButton(design, QStringLiteral("designInsert"));
    });
    form.designProcess();
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY(levelShut);
    QVERIFY2(programme.contains(QStringLiteral("CHD przy 513 HV:")), qPrintable(programme));
    QVERIFY2(programme.contains(QStringLiteral("(cel 0.7 mm)")), qPrintable(programme));
    QVERIFY(!control<QLineEdit>(&form, QStringLiteral("edit235"))->text().isEmpty());
}

void TDesignDialogTest::refusedTargetsKeepInsertShut_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty depth") << QStringList{}
                                 << QStringLiteral("Check data!|Podaj: grubość warstwy");
    QTest::newRow("surface above boost")
        << QStringList{QStringLiteral("designDepth=1"), QStringLiteral("designSurfaceWanted=on"),
                       QStringLiteral("designSurface=1.2")}
        << QStringLiteral("Check data!|The targets cannot be met: surface target 1.2 % C: at or "
                          "above the boost potential 1.15 % C");
    QTest::newRow("beyond the radius")
        << QStringList{QStringLiteral("designDepth=11")}
        << QStringLiteral("Check data!|The targets cannot be met: case depth 11 mm: beyond the "
                          "radius 10 mm of the cylinder");
    QTest::newRow("timer step of 0")
        << QStringList{QStringLiteral("designDepth=1"), QStringLiteral("designStep=0")}
        << QStringLiteral("Check data!|Wrong input: timer step 0 h: must be greater than 0");
    QTest::newRow("hardening above carburizing")
        << QStringList{QStringLiteral("designDepth=1"), QStringLiteral("designHardeningWanted=on"),
                       QStringLiteral("designHardening=950")}
        << QStringLiteral("Check data!|Wrong input: hardening temperature 950 °C: above the "
                          "carburizing temperature 920 °C");
}

void TDesignDialogTest::refusedTargetsKeepInsertShut() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    TDesignDialog design(processRecord(steelForm(20), SampleShape::Cylinder), nullptr);
    design.show();
    // The dialog keeps what an earlier one was given: each row starts from the same boxes.
    for (QCheckBox* check : design.findChildren<QCheckBox*>())
        check->setChecked(false);
    typeAll(&design, {QStringLiteral("designDepth="), QStringLiteral("designStep=0.01"),
                      QStringLiteral("designHardening=850")});
    for (const QString& entry : boxes) {
        const QString name = entry.section(u'=', 0, 0);
        if (auto* check = control<QCheckBox>(&design, name))
            QTest::mouseClick(check, Qt::LeftButton);
        else
            typeAll(&design, {entry});
    }
    clickButton(&design, QStringLiteral("designCompute"));
    QCOMPARE(captionsAndTexts(messages_).value(0).left(message.size()), message);
    QVERIFY(!control<QPushButton>(&design, QStringLiteral("designInsert"))->isEnabled());
}

void TDesignDialogTest::boxesAreRefusedByName_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("not a number") << QStringList{u"designDepth=1.2-"_s}
                                  << u"Check data!|Grubość warstwy: '1.2-' nie jest liczbą"_s
                                  << u"designDepth"_s;
    QTest::newRow("the first in the dialog's order")
        << QStringList{u"designDepth=1.2-"_s, u"designTemperature=9-2"_s}
        << u"Check data!|Temperatura nawęglania: '9-2' nie jest liczbą"_s << u"designTemperature"_s;
    QTest::newRow("not a number before an empty box")
        << QStringList{u"designTemperature="_s, u"designStep=0.0.1"_s}
        << u"Check data!|Krok zegara pieca: '0.0.1' nie jest liczbą"_s << u"designStep"_s;
    QTest::newRow("empty boxes in order")
        << QStringList{u"designStep="_s, u"designTemperature="_s}
        << u"Check data!|Podaj: temperatura nawęglania"_s << u"designTemperature"_s;
    QTest::newRow("the step after the hardening")
        << QStringList{u"designDepth=1"_s, u"designStep="_s, u"designHardeningWanted=on"_s,
                       u"designHardeningTime="_s}
        << u"Check data!|Podaj: czas podchładzania"_s << u"designHardeningTime"_s;
    QTest::newRow("the hardness limit in place of the level")
        << QStringList{u"designDepth=1"_s, u"designLevel="_s, u"designChdWanted=on"_s,
                       u"designChdLimit=5-5"_s}
        << u"Check data!|Twardość na granicy warstwy: '5-5' nie jest liczbą"_s
        << u"designChdLimit"_s;
    // Pulses read neither the timer step nor the boost potential.
    QTest::newRow("a box the design does not read")
        << QStringList{u"designDepth=1"_s, u"designStep=0.0.1"_s, u"designLowPressure=on"_s,
                       u"designMinBoost="_s}
        << u"Check data!|Podaj: najkrótsze nasycanie"_s << u"designMinBoost"_s;
}

void TDesignDialogTest::boxesAreRefusedByName() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    TDesignDialog design(processRecord(steelForm(20), SampleShape::Cylinder), nullptr);
    design.show();
    QVERIFY(QTest::qWaitForWindowActive(&design));
    for (QCheckBox* check : design.findChildren<QCheckBox*>())
        check->setChecked(false);
    typeAll(&design, {u"designTemperature=920"_s, u"designDepth="_s, u"designLevel=0.35"_s,
                      u"designStep=0.01"_s, u"designHardeningTime=0.5"_s, u"designMinBoost=30"_s});
    for (const QString& entry : boxes) {
        const QString name = entry.section(u'=', 0, 0);
        if (auto* check = control<QCheckBox>(&design, name))
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        else
            typeAll(&design, {entry});
    }
    clickButton(&design, u"designCompute"_s);
    QCOMPARE(captionsAndTexts(messages_), QStringList{message});
    QCOMPARE(design.focusWidget(), control<QLineEdit>(&design, focused));
    QVERIFY(!control<QPushButton>(&design, u"designInsert"_s)->isEnabled());
}

void TDesignDialogTest::cancelStopsTheDesign() {
    TDesignDialog design(processRecord(steelForm(20), SampleShape::Cylinder), nullptr);
    design.show();
    typeInto(&design, QStringLiteral("designDepth"), QStringLiteral("1.5"));
    bool cancelWasOffered = false;
    AtNextTurn cancel([&] {
        auto* button = control<QPushButton>(&design, QStringLiteral("cancel"));
        cancelWasOffered = button->isEnabled();
        button->click();
    });
    clickButton(&design, QStringLiteral("designCompute"));
    QVERIFY(cancelWasOffered);
    QCOMPARE(design.result().status, DesignResult::Status::Cancelled);
    QVERIFY(messages_.messages().isEmpty());
    QVERIFY(!control<QPushButton>(&design, QStringLiteral("designInsert"))->isEnabled());
    QVERIFY(control<QPushButton>(&design, QStringLiteral("designCompute"))->isEnabled());
    QVERIFY(design.isVisible());
}

void TDesignDialogTest::changedInputMakesTheResultStale() {
    TDesignDialog design(processRecord(steelForm(20), SampleShape::Cylinder), nullptr);
    design.show();
    for (QCheckBox* check : design.findChildren<QCheckBox*>())
        check->setChecked(false);
    typeAll(&design, {QStringLiteral("designDepth=0.5"), QStringLiteral("designStep=0.01")});
    auto* programme = control<QLabel>(&design, QStringLiteral("designProgramme"));
    auto* insert = control<QPushButton>(&design, QStringLiteral("designInsert"));
    clickButton(&design, QStringLiteral("designCompute"));
    QVERIFY2(messages_.messages().isEmpty(), qPrintable(captionsAndTexts(messages_).join(u'\n')));
    QVERIFY(insert->isEnabled() && programme->isEnabled());
    // A depth-only programme still tells the surface it gives, with no target beside it, and
    // how long it lasts.
    const QString surfaceLine = programme->text().section(u'\n', -3, -3);
    QVERIFY2(programme->text().section(u'\n', -2, -2).startsWith(u"Czas procesu:  "),
             qPrintable(programme->text()));
    QVERIFY2(surfaceLine.startsWith(u"Węgiel na powierzchni:  1.") && !surfaceLine.contains(u"cel"),
             qPrintable(surfaceLine));

    const auto stale = [&] { return !insert->isEnabled() && !programme->isEnabled(); };
    QTest::mouseClick(control<QCheckBox>(&design, QStringLiteral("designHardeningWanted")),
                      Qt::LeftButton);
    QVERIFY(stale());
    QTest::mouseClick(control<QCheckBox>(&design, QStringLiteral("designHardeningWanted")),
                      Qt::LeftButton);
    QVERIFY2(stale(), "back as it was, the boxes were still not computed");
    clickButton(&design, QStringLiteral("designCompute"));
    QVERIFY(!stale());
    QTest::keyClick(control<QLineEdit>(&design, QStringLiteral("designDepth")), Qt::Key_5);
    QVERIFY(stale());
}

void TDesignDialogTest::targetsStayForTheNextOpening() {
    TTavrixDialog form(SampleShape::Plate, nullptr);
    form.show();
    typeAll(&form, steel);
    AtNextTurn give([&] {
        auto* design = openModal<TDesignDialog>();
        QVERIFY(design);
        typeAll(design, {QStringLiteral("designDepth=0.7"), QStringLiteral("designLevel=0.4")});
        control<QCheckBox>(design, QStringLiteral("designSurfaceWanted"))->setChecked(true);
        design->reject();
    });
    form.designProcess();
    QStringList kept;
    AtNextTurn look([&] {
        auto* design = openModal<TDesignDialog>();
        QVERIFY(design);
        for (const QString& box : {QStringLiteral("designDepth"), QStringLiteral("designLevel"),
                                   QStringLiteral("designTemperature")})
            kept.append(control<QLineEdit>(design, box)->text());
        if (control<QCheckBox>(design, QStringLiteral("designSurfaceWanted"))->isChecked())
            kept.append(QStringLiteral("surface"));
        kept.append(QString::number(
            control<QPushButton>(design, QStringLiteral("designInsert"))->isEnabled()));
        design->reject();
    });
    form.designProcess();
    // The form's first row, filled here by nothing, leaves the temperature at its start value.
    QCOMPARE(kept, (QStringList{QStringLiteral("0.7"), QStringLiteral("0.4"), QStringLiteral("920"),
                                QStringLiteral("surface"), QStringLiteral("0")}));
}

void TDesignDialogTest::helpOpensTheDialogsSection_data() {
    QTest::addColumn<bool>("design");
    QTest::addColumn<QString>("section");
    QTest::newRow("design") << true << QStringLiteral("design");
    QTest::newRow("foil test") << false << QStringLiteral("foil");
}

void TDesignDialogTest::helpOpensTheDialogsSection() {
    QFETCH(bool, design);
    QFETCH(QString, section);
    std::unique_ptr<QDialog> dialog;
    if (design)
        dialog = std::make_unique<TDesignDialog>(processRecord(steelForm(20), SampleShape::Plate),
                                                 nullptr);
    else
        dialog = std::make_unique<TFoilTestDialog>(
            processRecord(steelForm(0.05), SampleShape::Foil), nullptr);
    dialog->show();
    clickButton(dialog.get(), QStringLiteral("help"));
    QCOMPARE(messages_.texts(), QStringList());
    auto* help = dialog->findChild<THelpWindow*>();
    QVERIFY(help && help->isVisible() && help->isWindow());
    const QUrl page = help->browser()->source();
    QCOMPARE(page.fileName(), QStringLiteral("designhelp.html"));
    QCOMPARE(page.fragment(), section);
}

void TDesignDialogTest::foilTestFillsTheTransferCoefficient_data() {
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<double>("beta");
    QTest::addColumn<bool>("note"); // a shorter test would tell the coefficient more sharply
    QTest::newRow("well below the potential")
        << QStringLiteral("120") << QStringLiteral("0.6") << 3.239e-5 << false;
    QTest::newRow("near the potential")
        << QStringLiteral("400") << QStringLiteral("0.99") << 6.684e-5 << true;
}

void TDesignDialogTest::foilTestFillsTheTransferCoefficient() {
    QFETCH(QString, seconds);
    QFETCH(QString, measured);
    QFETCH(double, beta);
    QFETCH(bool, note);
    TTavrixDialog form(SampleShape::Foil, nullptr);
    form.show();
    typeAll(&form, {QStringLiteral("edit208=0.1"), QStringLiteral("edit203=0"),
                    QStringLiteral("edit206=0"), QStringLiteral("edit237=0"),
                    QStringLiteral("edit238=0"), QStringLiteral("edit239=0"),
                    QStringLiteral("edit243=0.07"), QStringLiteral("edit204=920"),
                    QStringLiteral("edit218=1"), QStringLiteral("edit235=") + seconds,
                    QStringLiteral("edit227=920"), QStringLiteral("edit217=1")});
    control<QLineEdit>(&form, QStringLiteral("edit207"))->clear(); // unknown before the test
    AtNextTurn operate([&] {
        auto* test = openModal<TFoilTestDialog>();
        QVERIFY(test);
        typeInto(test, QStringLiteral("foilMeasured"), measured);
        clickButton(test, QStringLiteral("foilCompute"));
        if (test->isVisible()) // refused: the message says why
            test->reject();
    });
    form.fitTransferCoefficient();
    const double fitted = control<QLineEdit>(&form, QStringLiteral("edit207"))->text().toDouble();
    QVERIFY2(std::abs(fitted - beta) < 0.005 * beta, qPrintable(QString::number(fitted)));
    const QStringList shown = captionsAndTexts(messages_);
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].startsWith(u"Foil test|Transfer coefficient "));
    QCOMPARE(shown[0].contains(u"a shorter test would determine the coefficient more sharply"),
             note);
}

void TDesignDialogTest::formWarnsOfSaturationAndMayGoOn_data() {
    QTest::addColumn<QString>("potential");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<bool>("runOffered");
    QTest::newRow("below the limit") << QStringLiteral("1.1") << QMessageBox::Cancel << 0 << true;
    QTest::newRow("above, go on") << QStringLiteral("1.3") << QMessageBox::Ok << 1 << true;
    QTest::newRow("above, stop") << QStringLiteral("1.3") << QMessageBox::Cancel << 1 << false;
}

void TDesignDialogTest::formWarnsOfSaturationAndMayGoOn() {
    QFETCH(QString, potential);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, warnings);
    QFETCH(bool, runOffered);
    messages_.setAnswer(answer);
    TTavrixDialog form(SampleShape::SemiInfinite, nullptr);
    form.show();
    typeAll(&form, steel);
    typeAll(&form, {QStringLiteral("edit204=920"), QStringLiteral("edit218=") + potential,
                    QStringLiteral("edit235=1"), QStringLiteral("edit227=920"),
                    QStringLiteral("edit217=") + potential});
    bool offered = false;
    AtNextTurn answerProgress([&] {
        if (auto* progress = openModal<TWskDialog>()) {
            offered = true;
            progress->reject();
        }
    });
    clickButton(&form, QStringLiteral("button201"));
    QCOMPARE(messages_.messages().size(), warnings);
    if (warnings > 0) {
        const QString text = captionsAndTexts(messages_)[0];
        QVERIFY2(text.startsWith(u"Warning!|stage 1: the potential 1.30 % C exceeds the saturation "
                                 u"limit of austenite, 1.16 % C at 920 °C"),
                 qPrintable(text));
        QVERIFY(text.contains(u"stage 2: the potential 1.30 % C"));
    }
    QCOMPARE(offered, runOffered);
}

TAVCALC_TEST_MAIN(TDesignDialogTest)
#include "tst_TDesignDialog.moc"
