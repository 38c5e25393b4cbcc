// The progress dialog: the states of a run, its files, the in-use list, and cancelling.

#include "CalcUiTest.h"

#include "FileTable.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TWskDialog.h"
#include "UnshrinkableFile.h"
#include "ViewerLink.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <future>
#include <new>
#include <optional>
#include <thread>

namespace {

// A foil of 0.05 mm for 60 s: a whole run takes a fraction of a second.
ProcessForm shortFoil() {
    ProcessForm form;
    form.steelCarbon = 0.2;
    form.transferCoefficient = 2e-5;
    form.thickness = 0.05;
    form.cr = form.mo = form.mn = form.si = form.ni = 0;
    form.time[0] = 0;
    form.temperature[0] = 920;
    form.potential[0] = 1.0;
    form.time[1] = 60;
    form.temperature[1] = 920;
    form.potential[1] = 1.0;
    return form;
}

const QStringList everyExtension = {
    QStringLiteral("tav"), QStringLiteral("pow"), QStringLiteral("mas"),
    QStringLiteral("sre"), QStringLiteral("gru"), QStringLiteral("twa"),
    QStringLiteral("ste"), QStringLiteral("grx"), QStringLiteral("roz")};

QString setFile(const QString& setName, const QString& extension) {
    return QString::fromStdString(resultFileName(setName.toStdString(), extension.toStdString()));
}

QStringList existingFiles(const QString& setName) {
    QStringList found;
    for (const QString& extension : everyExtension)
        if (QFile::exists(setFile(setName, extension)))
            found.append(extension);
    return found;
}

bool listed(const QString& setName) {
    TFileTable table;
    readFileTable(listFilePath(), table);
    return table.contains(setName.toStdString());
}

std::vector<std::string> listedNames() {
    TFileTable table;
    readFileTable(listFilePath(), table);
    return table.names();
}

// Runs the dialog modally with `action` done from inside its event loop; a dialog the action
// leaves open is ended with -1, so that a failed check never blocks the test.
int execWith(QDialog& dialog, const std::function<void()>& action) {
    AtNextTurn answer([&] {
        action();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}

} // namespace

class TWskDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void endingBeforeStartRunsNothing();
    void runShowsItsStatesAndFinishes();
    void cancelledRunLeavesNothingAndNextRunFinishes_data();
    void cancelledRunLeavesNothingAndNextRunFinishes();
    void unwritableSetDoesNotRun();
    void failedRunIsReported();
    void setNotClaimedIsLeftAlone_data();
    void setNotClaimedIsLeftAlone();
    void exceptionInTheRunIsReportedAsAFailedRun();
    void setNotPutBackIsReported();
    void earlierResultsGoOnlyWhenTheUserSays_data();
    void earlierResultsGoOnlyWhenTheUserSays();
    void finishedRunWarnsAndOpensInTheRunningViewer();

private:
    QString setName(const QString& file) const { return folder_.filePath(file); }

    QTemporaryDir folder_;
    InUseListKeeper list_;
    MessageCapture messages_;
};

void TWskDialogTest::cleanup() {
    messages_.clear();
    messages_.setAnswer(QMessageBox::Ok);
    QVERIFY(QApplication::topLevelWindows().isEmpty());
}

void TWskDialogTest::endingBeforeStartRunsNothing() {
    const QString set = setName(QStringLiteral("closed.tav"));
    const auto listBefore = InUseListKeeper::current();
    QWidget main;
    main.setWindowTitle(QStringLiteral("Foil"));
    TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
    auto* start = control<QPushButton>(&dialog, QStringLiteral("button900"));
    QVERIFY(start);
    QCOMPARE(start->text(), QStringLiteral("Start!"));
    QVERIFY(!start->isDefault());
    QCOMPARE(control<QLabel>(&dialog, QStringLiteral("static116"))->text(), set);
    QCOMPARE(control<QLabel>(&dialog, QStringLiteral("static117"))->text(), QString());

    const int result = execWith(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });

    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(existingFiles(set), QStringList());
    QCOMPARE(InUseListKeeper::current(), listBefore);
    QCOMPARE(main.windowTitle(), QStringLiteral("Foil"));
}

void TWskDialogTest::runShowsItsStatesAndFinishes() {
    const QString set = setName(QStringLiteral("finished.tav"));
    QWidget main;
    TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
    auto* gauge = control<QProgressBar>(&dialog, QStringLiteral("gauge101"));
    auto* state = control<QLabel>(&dialog, QStringLiteral("static117"));
    QSignalSpy gaugeMoves(gauge, &QProgressBar::valueChanged);
    QString captionWhileRunning, stateWhileRunning, buttonWhileRunning;
    bool cancelIsDefault = false, listedWhileRunning = false;
    QString stateAtEnd;

    const int result = execWith(dialog, [&] {
        AtNextTurn look([&] {
            captionWhileRunning = main.windowTitle();
            stateWhileRunning = state->text();
            auto* cancel = control<QPushButton>(&dialog, QStringLiteral("button902"));
            buttonWhileRunning = cancel ? cancel->text() : QString();
            cancelIsDefault = cancel && cancel->isDefault();
            listedWhileRunning = listed(set);
        });
        clickButton(&dialog, QStringLiteral("button900"));
        stateAtEnd = state->text();
        auto* ok = control<QPushButton>(&dialog, QStringLiteral("button1"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QTest::mouseClick(ok, Qt::LeftButton);
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(captionWhileRunning, QStringLiteral("Tavrix! - ") + set);
    QCOMPARE(stateWhileRunning, QStringLiteral("Counting..."));
    QCOMPARE(buttonWhileRunning, QStringLiteral("Cancel"));
    QVERIFY(cancelIsDefault);
    QVERIFY(listedWhileRunning);
    QCOMPARE(stateAtEnd, QStringLiteral("Finished"));
    // The gauge follows the run upwards.
    QVERIFY(gaugeMoves.count() >= 2);
    for (qsizetype k = 1; k < gaugeMoves.count(); ++k)
        QVERIFY(gaugeMoves.at(k).at(0).toInt() > gaugeMoves.at(k - 1).at(0).toInt());
    // The run ends at the programme's end, and the dialog shows what it gave.
    QCOMPARE(gauge->value(), 100);
    const QStringList results =
        control<QLabel>(&dialog, QStringLiteral("runResults"))->text().split(u'\n');
    QCOMPARE(results.size(), 4);
    QVERIFY2(results[0].startsWith(QStringLiteral("Średni przyrost węgla: 0.")),
             qPrintable(results[0]));
    QVERIFY2(results[1].startsWith(QStringLiteral("Węgiel na powierzchni: ")),
             qPrintable(results[1]));
    QVERIFY2(results[2].startsWith(QStringLiteral("Przyrost masy: ")), qPrintable(results[2]));
    QCOMPARE(results[3], QStringLiteral("Czas procesu: 60 s"));
    QCOMPARE(existingFiles(set), (QStringList{QStringLiteral("tav"), QStringLiteral("pow"),
                                              QStringLiteral("mas"), QStringLiteral("sre")}));
}

void TWskDialogTest::cancelledRunLeavesNothingAndNextRunFinishes_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel") << QStringLiteral("button");
    QTest::newRow("Esc") << QStringLiteral("escape");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TWskDialogTest::cancelledRunLeavesNothingAndNextRunFinishes() {
    QFETCH(QString, way);
    const QString set = setName(QStringLiteral("cancelled-%1.tav").arg(way));
    QWidget main;
    QStringList filesWhileRunning;
    {
        TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
        const int result = execWith(dialog, [&] {
            AtNextTurn cancel([&] {
                filesWhileRunning = existingFiles(set);
                if (way == QStringLiteral("button"))
                    clickButton(&dialog, QStringLiteral("button902"));
                else if (way == QStringLiteral("escape"))
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    dialog.close();
            });
            clickButton(&dialog, QStringLiteral("button900"));
        });
        QCOMPARE(result, int(QDialog::Rejected));
    }
    // The run had begun writing its set when it was stopped.
    QVERIFY(filesWhileRunning.contains(QStringLiteral("pow")));
    QCOMPARE(existingFiles(set), QStringList());

    TWskDialog next(shortFoil(), SampleShape::Foil, set, &main);
    QString stateAtEnd;
    const int result = execWith(next, [&] {
        clickButton(&next, QStringLiteral("button900"));
        stateAtEnd = control<QLabel>(&next, QStringLiteral("static117"))->text();
        next.accept();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(stateAtEnd, QStringLiteral("Finished"));
    QVERIFY(existingFiles(set).contains(QStringLiteral("sre")));
}

void TWskDialogTest::unwritableSetDoesNotRun() {
    const QString set = setName(QStringLiteral("no-such-folder/set.tav"));
    const std::vector<std::string> listBefore = listedNames();
    QWidget main;
    main.setWindowTitle(QStringLiteral("Foil"));
    TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);

    const int result = execWith(dialog, [&] { clickButton(&dialog, QStringLiteral("button900")); });

    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(messages_.messages().size(), 1);
    QCOMPARE(messages_.messages().at(0).caption, QStringLiteral("Error!"));
    // The file and the system's reason, under the usual first line.
    QCOMPARE(
        messages_.messages().at(0).text,
        QStringLiteral("Can't open file\ncannot write %1: No such file or directory").arg(set));
    QCOMPARE(messages_.messages().at(0).icon, MessageIcon::Stop);
    QVERIFY(listedNames() == listBefore);
    QCOMPARE(main.windowTitle(), QStringLiteral("Foil"));
}

void TWskDialogTest::failedRunIsReported() {
    // A negative potential leaves the computation no positive time step. The process-data
    // dialog refuses it, so only a form given directly can reach the computation with it.
    ProcessForm form = shortFoil();
    form.potential[0] = form.potential[1] = -1.0;
    const QString set = setName(QStringLiteral("failed.tav"));
    QWidget main;
    TWskDialog dialog(form, SampleShape::Foil, set, &main);

    const int result = execWith(dialog, [&] { clickButton(&dialog, QStringLiteral("button900")); });

    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(messages_.messages().size(), 1);
    QCOMPARE(messages_.messages().at(0).caption, QStringLiteral("Error!"));
    QCOMPARE(messages_.messages().at(0).icon, MessageIcon::Stop);
    QVERIFY2(messages_.messages().at(0).text.startsWith(QStringLiteral("The computation")),
             qPrintable(messages_.messages().at(0).text));
}

void TWskDialogTest::earlierResultsGoOnlyWhenTheUserSays_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No);
}

void TWskDialogTest::earlierResultsGoOnlyWhenTheUserSays() {
    QFETCH(int, answer);
    const QString set =
        setName(QStringLiteral("earlier-%1.tav").arg(QString::fromLatin1(QTest::currentDataTag())));
    const QByteArray earlierMain = "process data of the earlier run\r\n";
    const QByteArray earlierSurface = "-\"surface carbon of the earlier run\r\n, 0 0.2\r\n";
    writeFile(set, earlierMain);
    writeFile(setFile(set, QStringLiteral("pow")), earlierSurface);
    messages_.setAnswer(static_cast<QMessageBox::StandardButton>(answer));
    QWidget main;
    TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);

    const int result = execWith(dialog, [&] {
        clickButton(&dialog, QStringLiteral("button900"));
        if (dialog.isVisible())
            dialog.accept();
    });

    QCOMPARE(messages_.messages().size(), 1);
    QCOMPARE(messages_.messages().first().icon, MessageIcon::Question);
    QVERIFY(messages_.messages().first().text.contains(set));
    if (answer == QMessageBox::No) {
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(existingFiles(set), (QStringList{QStringLiteral("tav"), QStringLiteral("pow")}));
        QCOMPARE(fileBytes(set), earlierMain);
        QCOMPARE(fileBytes(setFile(set, QStringLiteral("pow"))), earlierSurface);
        QVERIFY(!listed(set));
    } else {
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(existingFiles(set).contains(QStringLiteral("sre")));
        QVERIFY(fileBytes(setFile(set, QStringLiteral("pow"))) != earlierSurface);
    }
}

void TWskDialogTest::setNotClaimedIsLeftAlone_data() {
    QTest::addColumn<bool>("claimedElsewhere"); // else the list's lock cannot be taken
    QTest::addColumn<QString>("message");
    QTest::newRow("claimed by another run")
        << true << QStringLiteral("Check data!|Filename is already in use");
    QTest::newRow("list cannot be locked")
        << false << QStringLiteral("Error!|The list of sets in use (pliki.lst) cannot be updated");
}

void TWskDialogTest::setNotClaimedIsLeftAlone() {
    QFETCH(bool, claimedElsewhere);
    QFETCH(QString, message);
    const QString set = setName(QStringLiteral("claimed.tav"));
    const QByteArray earlier = "process data of another run\r\n";
    writeFile(set, earlier);
    std::optional<SetClaim> other;
    const QString lockFile = QString::fromStdString(listFilePath() + ".lock");
    if (claimedElsewhere) {
        other = SetClaim::claim(listFilePath(), set.toStdString());
        QVERIFY(other->claimed());
    } else {
        QFile::remove(lockFile);
        QVERIFY(QDir().mkdir(lockFile));
    }
    QWidget main;
    {
        TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
        const int result =
            execWith(dialog, [&] { clickButton(&dialog, QStringLiteral("button900")); });
        dialog.releaseSet();
        QCOMPARE(result, int(QDialog::Rejected));
    }
    QDir().rmdir(lockFile);
    QCOMPARE(messages_.messages().size(), 1);
    const QString shown = captionsAndTexts(messages_).first();
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QCOMPARE(fileBytes(set), earlier);
    QCOMPARE(existingFiles(set), QStringList{QStringLiteral("tav")});
    // Another run's claim is its own to release.
    QCOMPARE(listed(set), claimedElsewhere);
}

void TWskDialogTest::exceptionInTheRunIsReportedAsAFailedRun() {
    const QString set = setName(QStringLiteral("thrown.tav"));
    const std::string processData = processDataText(shortFoil(), SampleShape::Foil);
    QWidget main;
    {
        TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
        // The gauge is fed from inside the computation: memory running out there.
        connect(control<QProgressBar>(&dialog, QStringLiteral("gauge101")),
                &QProgressBar::valueChanged, [](int percent) {
                    if (percent >= 50)
                        throw std::bad_alloc();
                });
        const int result =
            execWith(dialog, [&] { clickButton(&dialog, QStringLiteral("button900")); });
        dialog.releaseSet();
        QCOMPARE(result, int(QDialog::Rejected));
    }
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{QStringLiteral("Error!|The computation stopped: the memory ran out.")});
    // As a failed batch run leaves it: the process data alone.
    QCOMPARE(fileBytes(set), QByteArray::fromStdString(processData));
    QCOMPARE(existingFiles(set), QStringList{QStringLiteral("tav")});
    QVERIFY(!listed(set));
}

// A failed run's set that cannot be cut back to its process data would be read as a set with
// results: the user is told which file stays and why.
void TWskDialogTest::setNotPutBackIsReported() {
    const QString set = setName(QStringLiteral("unshrinkable.tav"));
    std::optional<UnshrinkableFile> sealed;
    QWidget main;
    {
        TWskDialog dialog(shortFoil(), SampleShape::Foil, set, &main);
        // Halfway through, the main file turns into one that cannot be cut, and the run fails.
        connect(control<QProgressBar>(&dialog, QStringLiteral("gauge101")),
                &QProgressBar::valueChanged, [&](int percent) {
                    if (percent < 50 || sealed)
                        return;
                    QFile::remove(set);
                    sealed.emplace(set.toStdString(),
                                   processDataText(shortFoil(), SampleShape::Foil) +
                                       "\"  30\r\n, 0    0.95000\r\n");
                    throw std::bad_alloc();
                });
        execWith(dialog, [&] { clickButton(&dialog, QStringLiteral("button900")); });
        dialog.releaseSet();
    }
    QCOMPARE(captionsAndTexts(messages_),
             (QStringList{QStringLiteral("Error!|The computation stopped: the memory ran out."),
                          QStringLiteral("Error!|Pliki niedokończonego obliczenia nie zostały "
                                         "uporządkowane:\n%1: Operation not permitted")
                              .arg(set)}));
    QVERIFY(!listed(set));
    QFile::remove(set);
}

void TWskDialogTest::finishedRunWarnsAndOpensInTheRunningViewer() {
    const QString set = setName(QStringLiteral("viewed.tav"));
    ProcessForm form = shortFoil();
    // The foil's surface follows a fast furnace past the saturation limit (1.28 % C at 920 °C).
    form.potential[0] = form.potential[1] = 1.5;
    form.transferCoefficient = 1e-3;
    // A viewer of the same data folder, on a thread of its own, as the viewer's own process
    // would answer while this one waits.
    QString handedOver;
    bool stillListed = true;
    std::promise<bool> listening;
    std::thread answering([&] {
        const QString name = viewerServerName(QString::fromStdString(listFilePath()));
        QLocalSocket probe; // Qt's listen would take the name from a viewer that runs
        probe.connectToServer(name);
        QLocalServer viewer;
        listening.set_value(!probe.waitForConnected(1000) && viewer.listen(name));
        if (!viewer.isListening() || !viewer.waitForNewConnection(60'000))
            return;
        QLocalSocket* socket = viewer.nextPendingConnection();
        while (!socket->canReadLine() && socket->waitForReadyRead(5000)) {
        }
        handedOver = QString::fromUtf8(socket->readLine()).trimmed();
        stillListed = listed(set);
        socket->write("ok\n");
        socket->waitForBytesWritten(5000);
    });
    if (!listening.get_future().get()) {
        answering.join();
        QSKIP("a viewer of the build's data folder is running (another test's?): it would be "
              "handed the set");
    }

    QStringList warnings;
    bool viewOffered = false;
    QWidget main;
    TWskDialog dialog(form, SampleShape::Foil, set, &main);
    QVERIFY(!control<QPushButton>(&dialog, QStringLiteral("viewResults"))->isVisible());
    const int result = execWith(dialog, [&] {
        clickButton(&dialog, QStringLiteral("button900"));
        auto* shown = control<QLabel>(&dialog, QStringLiteral("runWarnings"));
        if (shown->isVisible())
            warnings = shown->text().split(u'\n');
        auto* view = control<QPushButton>(&dialog, QStringLiteral("viewResults"));
        viewOffered = view->isVisible();
        clickButton(&dialog, QStringLiteral("viewResults"));
    });
    answering.join();

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(messages_.texts(), QStringList());
    QVERIFY(!warnings.isEmpty());
    for (const QString& warning : warnings)
        QVERIFY2(warning.contains(u"the computed surface carbon 1.4") ||
                     warning.contains(u"the computed surface carbon 1.5"),
                 qPrintable(warning));
    QVERIFY(viewOffered);
    QCOMPARE(handedOver, set);
    QVERIFY2(!stillListed, "the viewer refuses a set still in use");
}

TAVCALC_TEST_MAIN(TWskDialogTest)
#include "tst_TWskDialog.moc"
