// The About box.

#include "AboutDlg.h"

#include <QLabel>
#include <QtTest>

using namespace Qt::StringLiterals;

class AboutDlgTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void showsPictureNameAndCredits();
};

void AboutDlgTest::showsPictureNameAndCredits() {
    AboutDlg about;
    QCOMPARE(about.windowTitle(), u"O Tavrix!"_s);

    QStringList texts;
    const QLabel* picture = nullptr;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull())
            picture = label;
        else
            texts.append(label->text());
    }
    QVERIFY(picture);
    QCOMPARE(picture->pixmap().size(), QSize(150, 100));
    QVERIFY(texts.contains(u"Tavrix!"_s));
    QVERIFY(texts.contains(u"Napisane przez:"_s));
    // The product line, the label and six credit lines.
    QCOMPARE(texts.size(), 8);
    QVERIFY(!texts.contains(QString()));
}

QTEST_MAIN(AboutDlgTest)
#include "AboutDlgTest.moc"
