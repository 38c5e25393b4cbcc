// The main window: caption, size, menu and hints, the client for each shape, closing, help,
// and the refusal of a start without a known shape.

#include "CalcUiTest.h"

#include "MessageBox.h"
#include "SetNames.h"
#include "THelpWindow.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(SampleShape)

class TTavrixFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void frameFitsItsShape_data();
    void frameFitsItsShape();
    void numberBoxesAdmitOnlyNumberCharacters();
    void formKeepsItsArrangementWhenTheWindowGrows();
    void menuHintsShowInStatusBar();
    void endingClosesTheFrame_data();
    void endingClosesTheFrame();
    void typedValuesAreNotLostWithoutAQuestion_data();
    void typedValuesAreNotLostWithoutAQuestion();
    void newWindowShowsTheLastValues();
    void textThatIsNoNumberIsNotKept();
    void headingsStandOnTheirBoxesInTwoLines_data();
    void headingsStandOnTheirBoxesInTwoLines();
    void tabFollowsTheReadingOrder_data();
    void tabFollowsTheReadingOrder();
    void helpOpensTheShippedPage();
    void startNeedsAKnownShape_data();
    void startNeedsAKnownShape();

private:
    MessageCapture messages_;
};

void TTavrixFrameTest::init() {
    // Every test starts as on a first start: no form kept from an earlier window.
    QSettings(u"Tavrix"_s, u"Tavrix"_s).remove(u"form"_s);
}

void TTavrixFrameTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWindows().isEmpty());
}

void TTavrixFrameTest::frameFitsItsShape_data() {
    QTest::addColumn<SampleShape>("shape");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("sizeLabel"); // empty: no size box
    QTest::addColumn<QString>("timeHeading");
    QTest::newRow("semi-infinite")
        << SampleShape::SemiInfinite << QStringLiteral("Semi-infinitive sample") << QString()
        << QStringLiteral("Czas, h");
    QTest::newRow("plate") << SampleShape::Plate << QStringLiteral("Plate")
                           << QStringLiteral("Thick: ") << QStringLiteral("Czas, h");
    QTest::newRow("foil") << SampleShape::Foil << QStringLiteral("Foil")
                          << QStringLiteral("Thick: ") << QStringLiteral("Time, s");
    QTest::newRow("cylinder") << SampleShape::Cylinder << QStringLiteral("Cylinder")
                              << QStringLiteral("Diameter: ") << QStringLiteral("Czas, h");
}

void TTavrixFrameTest::frameFitsItsShape() {
    QFETCH(SampleShape, shape);
    QFETCH(QString, caption);
    QFETCH(QString, sizeLabel);
    QFETCH(QString, timeHeading);
    TTavrixFrame frame(shape);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QCOMPARE(frame.windowTitle(), caption);
    // 590 × 512, or as large as the form needs with its condition column, which it keeps room
    // for so that showing the column resizes nothing, and its hardening and model rows.
    const QSize needed = frame.minimumSizeHint();
    QCOMPARE(frame.size(), QSize(std::max(590, needed.width()), std::max(512, needed.height())));
    const QSize clientSize = frame.client()->size();
    auto* conditions = control<QCheckBox>(&frame, QStringLiteral("checkConditions"));
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(conditions, Qt::LeftButton, {}, QPoint(4, conditions->height() / 2));
        const bool shown = control(&frame, QStringLiteral("condition2")) != nullptr;
        QCOMPARE(shown, click == 0);
        QCOMPARE(frame.client()->size(), clientSize);
    }
    QCOMPARE(frame.centralWidget(), frame.client());
    QVERIFY(!frame.client()->isWindow());

    const bool hasSize = !sizeLabel.isEmpty();
    for (const QString& sizeControl :
         {QStringLiteral("edit243"), QStringLiteral("static124"), QStringLiteral("static119")}) {
        QWidget* widget = control(&frame, sizeControl);
        QVERIFY(widget);
        QCOMPARE(widget->isVisible(), hasSize);
        QCOMPARE(widget->isEnabled(), hasSize);
    }
    if (hasSize)
        QCOMPARE(control<QLabel>(&frame, QStringLiteral("static124"))->text(), sizeLabel);
    QCOMPARE(control<QLabel>(&frame, QStringLiteral("static118"))->text(), timeHeading);

    // Every box of the form, empty but the first time and the output name; the hardening group
    // (its own test) proposes its bath, and the grade picker's box starts empty.
    int numberBoxes = 0;
    const QWidget* hardening = control(&frame, QStringLiteral("hardeningGroup"));
    QVERIFY(hardening);
    for (const QLineEdit* box : frame.findChildren<QLineEdit*>()) {
        if (hardening->isAncestorOf(box))
            continue;
        if (box->objectName() == QStringLiteral("edit241"))
            QCOMPARE(box->text(), QStringLiteral("default.tav"));
        else if (box->objectName() == QStringLiteral("edit236"))
            QCOMPARE(box->text(), QStringLiteral("0"));
        else
            QCOMPARE(box->text(), QString());
        ++numberBoxes;
    }
    QCOMPARE(numberBoxes, 30 + 2 + 5 + 1 + 1 + 1);
    const QStringList buttons = {
        QStringLiteral("button201|Obliczaj..."), QStringLiteral("button240|Załaduj..."),
        QStringLiteral("button242|Przeglądaj..."), QStringLiteral("button205|Koniec")};
    for (const QString& entry : buttons) {
        const QStringList nameAndText = entry.split(u'|');
        auto* button = control<QPushButton>(&frame, nameAndText.at(0));
        QVERIFY(button);
        QCOMPARE(button->text(), nameAndText.at(1));
    }
    QCOMPARE(control<QLabel>(&frame, QStringLiteral("static122"))->text(), QStringLiteral("10."));
    QVERIFY(!control<QLabel>(&frame, QStringLiteral("picture120"))->pixmap().isNull());

    // The tenth row is seen whole: inside the rows' view and above the button below it.
    const QWidget* tenth = control(&frame, QStringLiteral("edit121"));
    const QWidget* view = control<QScrollArea>(&frame, QStringLiteral("stageScroll"))->viewport();
    const QWidget* addRow = control(&frame, QStringLiteral("buttonAddRow"));
    const QRect tenthBox(tenth->mapTo(&frame, QPoint(0, 0)), tenth->size());
    QVERIFY(QRect(view->mapTo(&frame, QPoint(0, 0)), view->size()).contains(tenthBox));
    QCOMPARE_LE(tenthBox.bottom(), addRow->mapTo(&frame, QPoint(0, 0)).y());
}

void TTavrixFrameTest::numberBoxesAdmitOnlyNumberCharacters() {
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    // The hardening boxes and the grade picker take words too; their test is their own.
    const QWidget* hardening = control(&frame, QStringLiteral("hardeningGroup"));
    const QWidget* grade = control(&frame, QStringLiteral("gradePicker"));
    for (const QLineEdit* box : frame.findChildren<QLineEdit*>()) {
        if (hardening->isAncestorOf(box) || grade->isAncestorOf(box))
            continue;
        const QString name = box->objectName();
        typeInto(&frame, name, QStringLiteral("x1,5 e-3.Ea+"));
        const QString expected = name == QStringLiteral("edit241") ? QStringLiteral("x1,5 e-3.Ea+")
                                                                   : QStringLiteral("1,5e-3.E");
        QCOMPARE(box->text(), expected);
    }
}

void TTavrixFrameTest::formKeepsItsArrangementWhenTheWindowGrows() {
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    // Each control's place and size, measured from the first time box.
    const auto arrangement = [&frame] {
        const QWidget* anchor = control(&frame, QStringLiteral("edit236"));
        QStringList places;
        for (const QWidget* widget : frame.client()->findChildren<QWidget*>()) {
            if (widget->objectName().isEmpty() || !widget->isVisible())
                continue;
            const QPoint at = widget->mapTo(&frame, QPoint()) - anchor->mapTo(&frame, QPoint());
            places.append(QStringLiteral("%1 at %2,%3 size %4x%5")
                              .arg(widget->objectName())
                              .arg(at.x())
                              .arg(at.y())
                              .arg(widget->width())
                              .arg(widget->height()));
        }
        return places;
    };
    const QStringList normal = arrangement();
    QVERIFY(normal.size() > 40);

    frame.resize(1800, 1300);
    QTRY_COMPARE(frame.client()->size().height() > 1100, true);

    QCOMPARE(arrangement(), normal);
}

void TTavrixFrameTest::menuHintsShowInStatusBar() {
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QStringList commands = {QStringLiteral("command24310|&Koniec|Zamyka okno dialogowe"),
                                  QStringLiteral("command110|Pomo&c|Informacje o programie")};
    for (const QString& entry : commands) {
        const QStringList parts = entry.split(u'|');
        auto* action = frame.findChild<QAction*>(parts.at(0));
        QVERIFY(action);
        QCOMPARE(action->text(), parts.at(1));
        QVERIFY(frame.menuBar()->actions().contains(action));
        // The pointer resting over the menu command, as the window system reports it.
        const QPointF over = frame.menuBar()->actionGeometry(action).center();
        QMouseEvent move(QEvent::MouseMove, over, frame.menuBar()->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(frame.menuBar(), &move);
        QCOMPARE(frame.statusBar()->currentMessage(), parts.at(2));
    }
}

void TTavrixFrameTest::endingClosesTheFrame_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("menu &Koniec") << QStringLiteral("menu");
    QTest::newRow("button Koniec") << QStringLiteral("button");
}

void TTavrixFrameTest::endingClosesTheFrame() {
    QFETCH(QString, way);
    TTavrixFrame frame(SampleShape::Foil);
    frame.show();
    if (way == QStringLiteral("menu"))
        frame.findChild<QAction*>(QStringLiteral("command24310"))->trigger();
    else
        clickButton(&frame, QStringLiteral("button205"));
    QVERIFY(!frame.isVisible());
}

void TTavrixFrameTest::typedValuesAreNotLostWithoutAQuestion_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveChosen"); // the save dialog is answered, not cancelled
    QTest::addColumn<bool>("closes");
    const int cancel = QMessageBox::Cancel, discard = QMessageBox::Discard;
    const int save = QMessageBox::Save;
    QTest::newRow("nothing typed, Escape") << u"escape"_s << false << cancel << false << true;
    QTest::newRow("nothing typed, close box") << u"close box"_s << false << cancel << false << true;
    QTest::newRow("Escape, Cancel") << u"escape"_s << true << cancel << false << false;
    QTest::newRow("close box, Discard") << u"close box"_s << true << discard << false << true;
    QTest::newRow("menu &Koniec, Save") << u"menu"_s << true << save << true << true;
    QTest::newRow("button Koniec, Save cancelled") << u"button"_s << true << save << false << false;
}

void TTavrixFrameTest::typedValuesAreNotLostWithoutAQuestion() {
    QFETCH(QString, way);
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, closes);
    QTemporaryDir folder;
    const QString saved = folder.filePath(u"kept.tav"_s);
    messages_.setAnswer(QMessageBox::StandardButton(answer));
    messages_.answerFileDialogs(saveChosen ? QStringList{saved} : QStringList{});
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* steelCarbon = control<QLineEdit>(&frame, u"edit208"_s);
    if (typed)
        typeInto(&frame, u"edit208"_s, u"0.3"_s);

    if (way == u"escape"_s)
        QTest::keyClick(steelCarbon, Qt::Key_Escape); // the box passes it on to the form
    else if (way == u"close box"_s)
        frame.windowHandle()->close(); // as the window system asks
    else if (way == u"menu"_s)
        frame.findChild<QAction*>(u"command24310"_s)->trigger();
    else
        clickButton(&frame, u"button205"_s);

    const QStringList asked =
        typed ? QStringList{u"Unsaved data|Zapisać dane procesu?"_s} : QStringList{};
    QCOMPARE(captionsAndTexts(messages_), asked);
    QCOMPARE(frame.isVisible(), !closes);
    QCOMPARE(QFile::exists(saved), saveChosen);
    if (saveChosen)
        QVERIFY(fileBytes(saved).startsWith("0.3\r\n"));
    if (!closes)
        QCOMPARE(steelCarbon->text(), u"0.3"_s);
    messages_.setAnswer(QMessageBox::Ok);
}

namespace {

// Closes the frame with its "Koniec" button, the unsaved values discarded.
void endDiscarding(TTavrixFrame& frame, MessageCapture& messages) {
    messages.setAnswer(QMessageBox::Discard);
    clickButton(&frame, u"button205"_s);
    messages.setAnswer(QMessageBox::Ok);
    QVERIFY(!frame.isVisible());
}

} // namespace

void TTavrixFrameTest::newWindowShowsTheLastValues() {
    const QStringList typed{u"edit208=0,18"_s, u"edit207=2e-5"_s, u"edit235=6"_s, u"edit227=920"_s,
                            u"edit217=1.1"_s,  u"edit203=1.1"_s,  u"edit243=5"_s};
    {
        TTavrixFrame frame(SampleShape::Plate);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        typeAll(&frame, typed);
        endDiscarding(frame, messages_);
    }
    TTavrixFrame next(SampleShape::Plate);
    // The values as a loaded file shows them; the boxes left empty stay empty, the output name
    // is the new window's own.
    compareBoxes(&next, {u"edit208=0.18"_s, u"edit207=2e-05"_s, u"edit236=0"_s, u"edit235=6"_s,
                         u"edit227=920"_s, u"edit217=1.1"_s, u"edit203=1.1"_s, u"edit206="_s,
                         u"edit204="_s, u"edit243=5"_s, u"edit241=default.tav"_s});
    // Another shape keeps its own.
    TTavrixFrame cylinder(SampleShape::Cylinder);
    compareBoxes(&cylinder, {u"edit208="_s, u"edit243="_s});
}

void TTavrixFrameTest::textThatIsNoNumberIsNotKept() {
    for (const QString& steelCarbon : {u"0.2"_s, u"0.2-0.3"_s}) {
        TTavrixFrame frame(SampleShape::Plate);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        typeInto(&frame, u"edit208"_s, steelCarbon);
        endDiscarding(frame, messages_);
    }
    TTavrixFrame next(SampleShape::Plate);
    compareBoxes(&next, {u"edit208=0.2"_s});
}

// The headings break into lines over boxes narrower than them, rather than widen the form:
// each stands over its boxes, in two lines at most, and the rows stay clear of the buttons.
void TTavrixFrameTest::headingsStandOnTheirBoxesInTwoLines_data() {
    QTest::addColumn<bool>("conditions");
    QTest::addColumn<QString>("potential"); // the heading, as the English interface has it
    QTest::newRow("gas stages") << false << QString();
    QTest::newRow("conditions") << true << QString();
    QTest::newRow("a longer heading") << false << u"Carbon potential, %\u00a0C"_s;
}

void TTavrixFrameTest::headingsStandOnTheirBoxesInTwoLines() {
    QFETCH(bool, conditions);
    QFETCH(QString, potential);
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    auto* conditionsBox = control<QCheckBox>(&frame, u"checkConditions"_s);
    const auto toggle = [conditionsBox] {
        QTest::mouseClick(conditionsBox, Qt::LeftButton, {},
                          QPoint(4, conditionsBox->height() / 2));
    };
    if (!potential.isEmpty()) {
        // As the English interface has it, its unit kept whole, laid out again.
        control<QLabel>(&frame, u"labelPotential"_s)->setText(potential);
        toggle();
        toggle();
        // As the window opens for a heading it has from the start.
        frame.resize(frame.size().expandedTo(frame.minimumSizeHint()));
        QApplication::processEvents();
    }
    if (conditions)
        toggle();
    const auto left = [&frame](const QString& name) {
        const QWidget* widget = control(&frame, name);
        return widget->mapTo(&frame, QPoint(0, 0)).x();
    };
    const QStringList headingsAndBoxes{
        u"static118=edit235"_s,         u"labelTemperature=edit227"_s,  u"labelPotential=edit217"_s,
        u"labelCondition=condition2"_s, u"labelFluxLimit=fluxLimit2"_s, u"labelCeiling=ceiling2"_s};
    for (const QString& pair : headingsAndBoxes.mid(0, conditions ? 6 : 3)) {
        const QString heading = pair.section(u'=', 0, 0);
        const QString box = pair.section(u'=', 1);
        const auto* label = control<QLabel>(&frame, heading);
        QCOMPARE(left(heading), left(box));
        QVERIFY2(label->heightForWidth(label->width()) <=
                     2 * label->fontMetrics().lineSpacing() + 2 * label->margin(),
                 qPrintable(heading));
        // A unit is never broken over two lines.
        QVERIFY(!label->text().contains(u"% C"_s));
    }
    const QWidget* lastRow = control(&frame, u"edit121"_s);
    const QWidget* addRow = control(&frame, u"buttonAddRow"_s);
    QVERIFY(lastRow->mapTo(&frame, QPoint(0, lastRow->height())).y() <=
            addRow->mapTo(&frame, QPoint(0, 0)).y());
}

void TTavrixFrameTest::tabFollowsTheReadingOrder_data() {
    QTest::addColumn<bool>("conditions");
    QTest::addColumn<QStringList>("expected");
    const QStringList head{u"edit208"_s, u"edit207"_s, u"edit236"_s, u"edit204"_s,
                           u"edit218"_s, u"edit235"_s, u"edit227"_s, u"edit217"_s};
    const QStringList tail{u"edit121"_s,         u"edit219"_s,  u"edit209"_s,   u"buttonAddRow"_s,
                           u"checkConditions"_s, u"edit203"_s,  u"edit206"_s,   u"edit239"_s,
                           u"edit243"_s,         u"edit241"_s,  u"button242"_s, u"button240"_s,
                           u"button201"_s,       u"button205"_s};
    QTest::newRow("gas stages") << false << head + tail;
    // The condition cells of a row, and a row added, come where they are read.
    QTest::newRow("conditions and an added row")
        << true << head + QStringList{u"condition2"_s,  u"edit234"_s,       u"edit121"_s,
                                      u"edit219"_s,     u"edit209"_s,       u"condition10"_s,
                                      u"time11"_s,      u"temperature11"_s, u"potential11"_s,
                                      u"condition11"_s, u"buttonAddRow"_s,  u"edit203"_s,
                                      u"edit241"_s,     u"button205"_s};
}

void TTavrixFrameTest::tabFollowsTheReadingOrder() {
    QFETCH(bool, conditions);
    QFETCH(QStringList, expected);
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    QApplication::setActiveWindow(&frame);
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    if (conditions) {
        auto* box = control<QCheckBox>(&frame, u"checkConditions"_s);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        clickButton(&frame, u"buttonAddRow"_s);
    }
    const QStringList chain = tabChain(frame, control(&frame, u"edit208"_s));
    QVERIFY2(inOrder(chain, expected), qPrintable(chain.join(u' ')));
    // The rows' scroll area is no stop of its own: its boxes bring it along.
    QVERIFY(!chain.contains(u"stageScroll"_s));
}

void TTavrixFrameTest::helpOpensTheShippedPage() {
    TTavrixFrame frame(SampleShape::Cylinder);
    frame.show();
    frame.findChild<QAction*>(QStringLiteral("command110"))->trigger();

    QCOMPARE(messages_.texts(), QStringList());
    auto* help = frame.findChild<THelpWindow*>();
    QVERIFY(help && help->isVisible() && help->isWindow());
    const QString page = help->browser()->source().toLocalFile();
    QCOMPARE(page, QString::fromStdString(programFolder()) + QStringLiteral("help/calchelp.html"));
    // The Polish page explains what the Polish form asks for a cylinder.
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Średnica:")));
}

void TTavrixFrameTest::startNeedsAKnownShape_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("none") << QString() << false;
    QTest::newRow("unknown") << QStringLiteral("Sphere") << false;
    QTest::newRow("other letter case") << QStringLiteral("plate") << false;
    QTest::newRow("Polish name") << QStringLiteral("Płyta") << false;
    QTest::newRow("Semi-infinitive sample") << QStringLiteral("Semi-infinitive sample") << true;
    QTest::newRow("Cylinder") << QStringLiteral("Cylinder") << true;
}

void TTavrixFrameTest::startNeedsAKnownShape() {
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QCOMPARE(acceptedShape(name).has_value(), accepted);
    if (accepted) {
        QCOMPARE(messages_.texts(), QStringList());
        return;
    }
    QCOMPARE(messages_.messages().size(), 1);
    const QString text = messages_.messages().at(0).text;
    for (const char16_t* shape :
         {u"\"Semi-infinitive sample\"", u"\"Plate\"", u"\"Foil\"", u"\"Cylinder\""})
        QVERIFY2(text.contains(QString::fromUtf16(shape)), qPrintable(text));
    if (!name.isEmpty())
        QVERIFY(text.contains(name));
}

TAVCALC_TEST_MAIN(TTavrixFrameTest)
#include "tst_TTavrixFrame.moc"
