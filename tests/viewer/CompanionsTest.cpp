// Starting the calculation program beside the viewer, and the help pages.

#include "Companions.h"
#include "ProcessData.h"
#include "ProgramPlace.h"

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace Qt::StringLiterals;

// Stands in for the desktop's browser: records the pages it was asked to show.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void openUrl(const QUrl& url) { urls.append(url); }
};

class CompanionsTest : public QObject {
    Q_OBJECT
private slots:
    void noCalculationProgramBesideTheViewer();
    void calculationProgramGetsTheShape_data();
    void calculationProgramGetsTheShape();
    void helpPagesLieBesideTheViewer();
};

void CompanionsTest::noCalculationProgramBesideTheViewer() {
    QTemporaryDir folder;
    QVERIFY(!startCalculation(ProgramPlace::at(folder.path()), plateShapeName));
}

void CompanionsTest::calculationProgramGetsTheShape_data() {
    QTest::addColumn<QString>("shape");
    for (std::string_view shape :
         {semiInfiniteShapeName, plateShapeName, foilShapeName, cylinderShapeName}) {
        const QString name = QString::fromUtf8(shape.data(), qsizetype(shape.size()));
        QTest::newRow(qPrintable(name)) << name;
    }
}

void CompanionsTest::calculationProgramGetsTheShape() {
    QFETCH(QString, shape);
    QTemporaryDir folder;
    // A stand-in for tavcalc that writes down its arguments, one a line.
    const QString received = folder.filePath(u"received"_s);
    QFile program(folder.filePath(u"tavcalc"_s));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.part\"\n"
                  "mv \"$0.part\" \"$(dirname \"$0\")/received\"\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(startCalculation(ProgramPlace::at(folder.path()), shape.toStdString()));

    QTRY_VERIFY(QFile::exists(received));
    QFile arguments(received);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(arguments.readAll()), shape + u'\n');
}

void CompanionsTest::helpPagesLieBesideTheViewer() {
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(u"file"_s, &browser, "openUrl");
    const ProgramPlace place = ProgramPlace::at(u"/opt/tavrix"_s);
    openHelpPage(place, applicationHelpPage);
    openHelpPage(place, processHelpPage);
    QDesktopServices::unsetUrlHandler(u"file"_s);

    QCOMPARE(browser.urls, (QList<QUrl>{QUrl::fromLocalFile(u"/opt/tavrix/help/prog.html"_s),
                                        QUrl::fromLocalFile(u"/opt/tavrix/help/prochelp.html"_s)}));
}

QTEST_MAIN(CompanionsTest)
#include "CompanionsTest.moc"
