// A result set on disk: the in-use check, the shape of a set, and deleting its files.

#include "ResultSet.h"
#include "MessageBox.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class ResultSetTest : public QObject {
    Q_OBJECT
private slots:
    void inUseInAnyLetterCase_data();
    void inUseInAnyLetterCase();
    void missingListIsReportedAndTakenAsEmpty();
    void deleteRemovesTheSetAndPassesOverMissingFiles();

private:
    QString writeFile(const QString& name, const QByteArray& content);
    QTemporaryDir folder_;
};

QString ResultSetTest::writeFile(const QString& name, const QByteArray& content) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write a test file");
    return path;
}

void ResultSetTest::inUseInAnyLetterCase_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("inUse");

    const QByteArray listed = "2\r\n/HOME/JAN/STAL20.TAV\r\n/DANE/STAł.TAV\r\n";
    QTest::newRow("as listed") << listed << u"/HOME/JAN/STAL20.TAV"_s << true;
    QTest::newRow("lower case") << listed << u"/home/jan/stal20.tav"_s << true;
    QTest::newRow("mixed case") << listed << u"/Home/Jan/Stal20.Tav"_s << true;
    QTest::newRow("polish letter, other case") << listed << u"/dane/STAŁ.tav"_s << true;
    QTest::newRow("another set") << listed << u"/home/jan/stal21.tav"_s << false;
    QTest::newRow("a prefix only") << listed << u"/home/jan/stal20"_s << false;
    QTest::newRow("empty list") << QByteArray("0") << u"/home/jan/stal20.tav"_s << false;
}

void ResultSetTest::inUseInAnyLetterCase() {
    QFETCH(QByteArray, list);
    QFETCH(QString, chosen);
    QFETCH(bool, inUse);

    MessageCapture capture;
    QCOMPARE(isSetInUse(writeFile(u"pliki.lst"_s, list), chosen, nullptr), inUse);
    QVERIFY(capture.messages().isEmpty());
}

void ResultSetTest::missingListIsReportedAndTakenAsEmpty() {
    MessageCapture capture;
    QVERIFY(!isSetInUse(folder_.filePath(u"nowhere/pliki.lst"_s), u"/a.tav"_s, nullptr));
    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& message = capture.messages().first();
    QCOMPARE(message.text, u"File pliki.lst znajdujący się w katalogu (folderze), w którym został "
                           u"zainstalowany program Tavrix, został zniszczony "_s);
    QCOMPARE(message.caption, u"Error!"_s);
    QCOMPARE(message.icon, MessageIcon::Exclamation);
}

void ResultSetTest::deleteRemovesTheSetAndPassesOverMissingFiles() {
    const QStringList removed{u"A.TAV"_s, u"A.ste"_s, u"A.twa"_s, u"A.gru"_s, u"A.sre"_s};
    // Not the set's: other extensions, another set, and a name that only begins alike.
    const QStringList kept{u"A.grx"_s, u"A.roz"_s, u"B.pow"_s, u"AB.mas"_s, u"A.TAV.bak"_s};
    for (const QString& name : removed + kept)
        writeFile(name, "x");

    deleteResultSet(folder_.filePath(u"A.TAV"_s));

    for (const QString& name : removed)
        QVERIFY2(!QFile::exists(folder_.filePath(name)), qPrintable(name));
    for (const QString& name : kept)
        QVERIFY2(QFile::exists(folder_.filePath(name)), qPrintable(name));
}

QTEST_MAIN(ResultSetTest)
#include "ResultSetTest.moc"
