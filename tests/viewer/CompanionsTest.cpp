// Starting the calculation program beside the viewer.

#include "Companions.h"
#include "ProcessData.h"
#include "ProgramPlace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class CompanionsTest : public QObject {
    Q_OBJECT
private slots:
    void calculationProgramGetsTheShape_data();
    void calculationProgramGetsTheShape();
};

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
    // It speaks the viewer's language, Polish where the test installed no other.
    QCOMPARE(QString::fromUtf8(arguments.readAll()), u"--lang\npl\n"_s + shape + u'\n');
}

QTEST_MAIN(CompanionsTest)
#include "CompanionsTest.moc"
