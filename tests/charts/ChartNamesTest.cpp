// The captions and legends as a chart draws them: the file's texts kept for the CSV, shown in
// one format, without what belongs to no axis. No translation is installed, so a translated
// phrase reads as its source.

#include "ChartNames.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class ChartNamesTest : public QObject {
    Q_OBJECT
private slots:
    void legendIsShownInOneFormat_data();
    void legendIsShownInOneFormat();
    void captionIsShownWithoutWhatBelongsToNoAxis_data();
    void captionIsShownWithoutWhatBelongsToNoAxis();
    void comparisonsAreNamedByQuantity();
};

void ChartNamesTest::legendIsShownInOneFormat_data() {
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("shown");
    QTest::newRow("carbon profile, hours") << u"3.00h"_s << u"3.00 h"_s;
    QTest::newRow("hardness profile, hours") << u"3.00 h"_s << u"3.00 h"_s;
    QTest::newRow("hours to two decimals") << u"10.126h"_s << u"10.13 h"_s;
    QTest::newRow("whole seconds") << u"120.00s"_s << u"120 s"_s;
    QTest::newRow("seconds with a part") << u"12.50s"_s << u"12.50 s"_s;
    QTest::newRow("case-depth level") << u"g - 0.40% C"_s << u"0.40 % C"_s;
    QTest::newRow("a set's file") << u"walk1.tav"_s << u"walk1.tav"_s;
    QTest::newRow("a word before a time") << u"set 3.00h"_s << u"set 3.00h"_s;
}

void ChartNamesTest::legendIsShownInOneFormat() {
    QFETCH(QString, legend);
    QFETCH(QString, shown);
    QCOMPARE(shownLegend(legend), shown);
}

void ChartNamesTest::captionIsShownWithoutWhatBelongsToNoAxis_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("mass, semi-infinite")
        << u"Weight gain, g/m^2 Semi-infinitive sample, be=1.5e-05cm/s"_s
        << u"Weight gain, g/m^2"_s;
    QTest::newRow("mass, plate") << u"Weight gain, g/m^2 Plate, thickness=4mm,  be=2e-05 cm/s"_s
                                 << u"Weight gain, g/m^2"_s;
    QTest::newRow("depth at a level keeps it")
        << u"Thickness of the case at 0.35% C, mm"_s << u"Thickness of the case at 0.35% C, mm"_s;
    QTest::newRow("indented time")
        << u"     Carburizing time, h"_s << u"     Carburizing time, h"_s;
    QTest::newRow("a caption of no phrase") << u"Mean carbon"_s << u"Mean carbon"_s;
}

void ChartNamesTest::captionIsShownWithoutWhatBelongsToNoAxis() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(shownCaption(caption), shown);
}

// The windows of a comparison are titled by what they draw, not by the file codes.
void ChartNamesTest::comparisonsAreNamedByQuantity() {
    QStringList names;
    for (ChartKind kind : comparedKinds)
        names.append(chartQuantity(kind));
    QCOMPARE(names,
             (QStringList{u"Temperatura"_s, u"Potencjał węglowy"_s, u"Węgiel na powierzchni"_s,
                          u"Masa przyrostu"_s, u"Głębokość warstwy"_s, u"Profil węgla"_s,
                          u"Twardość"_s, u"Średnia zawartość węgla"_s, u"Austenit szczątkowy"_s,
                          u"Cementyt (udział masowy)"_s}));
}

QTEST_MAIN(ChartNamesTest)
#include "ChartNamesTest.moc"
