// The windows of a set as they are built: who owns them.

#include "SetWindows.h"

#include "ChartTestSupport.h"
#include "MessageBox.h"
#include "TChartMDIChild.h"

#include <QMdiArea>
#include <QPointer>
#include <QtTest>

class SetWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowsBelongToTheAreaThatHoldsThem();
};

// A chart window deletes itself when closed (and with the area it is a child of): the list that
// hands the windows over must never delete one as well.
void SetWindowsTest::windowsBelongToTheAreaThatHoldsThem() {
    MessageCapture capture;
    OpenSet set(SampleSet::SemiInfinite);
    const ChartKind charts[] = {ChartKind::Surface, ChartKind::Temperature};
    QPointer<TChartMDIChild> temperature;
    {
        const std::vector<SetWindow> windows =
            buildSetWindows(set.context, &set.area, set.files.mainFile(), charts);
        QCOMPARE(windows.size(), std::size_t(2));
        QCOMPARE(windows.back().kind, ChartKind::Temperature); // last, to be the active one
        temperature = windows.back().window;
    }
    QVERIFY2(temperature, "the list deleted a window it handed over");
    QCOMPARE(set.area.findChildren<TChartMDIChild*>().size(), 2);
    temperature->close();
    QTRY_VERIFY(!temperature);
    QCOMPARE(set.area.findChildren<TChartMDIChild*>().size(), 1);
    QVERIFY(capture.messages().isEmpty());
}

QTEST_MAIN(SetWindowsTest)
#include "SetWindowsTest.moc"
