// tavcalc in Polish: the frame and form of every shape, named in its caption in Polish, the
// progress dialog and the form's messages show no text that is still an English text of the
// code.

#include "CalcUiTest.h"
#include "InterfaceLanguage.h"
#include "InterfaceTexts.h"
#include "MessageBox.h"
#include "TTavrixFrame.h"
#include "TWskDialog.h"

#include <QApplication>
#include <QLabel>

using namespace Qt::StringLiterals;

class PolishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void frameAndFormOfEveryShape_data();
    void frameAndFormOfEveryShape();
    void formMessages();
    void progressDialog();
};

void PolishWindowsTest::initTestCase() {
    useLanguage(InterfaceLanguage::Polish);
}

void PolishWindowsTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void PolishWindowsTest::frameAndFormOfEveryShape_data() {
    QTest::addColumn<SampleShape>("shape");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("sizeLabel");
    QTest::newRow("semi-infinite")
        << SampleShape::SemiInfinite << u"Próbka półnieskończona"_s << u"Grubość: "_s;
    QTest::newRow("plate") << SampleShape::Plate << u"Płyta"_s << u"Grubość: "_s;
    QTest::newRow("foil") << SampleShape::Foil << u"Folia"_s << u"Grubość: "_s;
    QTest::newRow("cylinder") << SampleShape::Cylinder << u"Walec"_s << u"Średnica: "_s;
}

void PolishWindowsTest::frameAndFormOfEveryShape() {
    QFETCH(SampleShape, shape);
    QFETCH(QString, caption);
    QFETCH(QString, sizeLabel);
    TTavrixFrame frame(shape);
    frame.show();
    EXPECT_POLISH(frame);
    QCOMPARE(frame.windowTitle(), caption);
    QCOMPARE(control<QLabel>(&frame, u"static124"_s)->text(), sizeLabel);
}

// "Obliczaj..." on an empty form: every check that fails says so in Polish.
void PolishWindowsTest::formMessages() {
    InUseListKeeper list;
    MessageCapture messages;
    TTavrixFrame frame(SampleShape::Plate);
    frame.show();
    clickButton(&frame, u"button201"_s);
    QVERIFY(!messages.messages().isEmpty());
    QStringList texts;
    for (const MessageRecord& message : messages.messages())
        texts << message.text << message.caption;
    QCOMPARE(englishTexts(texts), QStringList());
    QVERIFY(texts.contains(u"Podaj średnicę walca albo grubość płyty lub folii"_s));
    QVERIFY(texts.contains(u"Sprawdź dane!"_s));
}

void PolishWindowsTest::progressDialog() {
    QWidget main;
    ProcessForm form;
    TWskDialog dialog(form, SampleShape::Foil, u"/nowhere/polski.tav"_s, &main);
    dialog.show();
    EXPECT_POLISH(dialog);
    QCOMPARE(dialog.windowTitle(), u"Obliczenia"_s);
}

int main(int argc, char** argv) {
    const TestSettings settings;
    QApplication app(argc, argv);
    PolishWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_PolishWindows.moc"
