// The MDI client: opening and deleting result sets, the in-use refusals, printing and icons.

#include "TavMDIClient.h"
#include "ChartWindows.h"
#include "DocumentCommands.h"
#include "LineChart.h"
#include "MessageBox.h"
#include "ResultSet.h"
#include "SetCommands.h"
#include "TestSets.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(SampleShape)
Q_DECLARE_METATYPE(ChartKind)

using namespace Qt::StringLiterals;

class TavMDIClientTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensTheWindowsOfASet_data();
    void opensTheWindowsOfASet();
    void eachWindowReadsItsOwnFile();
    void everyKindOpensItsWindowsAndEachReadsItsFile_data();
    void everyKindOpensItsWindowsAndEachReadsItsFile();
    void cancelOpensNothing();
    void refusesASetInUse_data();
    void refusesASetInUse();
    void opensASetOnceItIsNoLongerInUse();
    void unreadableSetStillOpensItsWindows();
    void refusesAFileThatIsNoSet_data();
    void refusesAFileThatIsNoSet();
    void missingFileIsNamedOnTheClientsWindow();
    void unfinishedSetIsToldOnceAndShownOnRequest_data();
    void unfinishedSetIsToldOnceAndShownOnRequest();
    void openingTwiceGivesASecondGroup();
    void deleteRemovesTheSetAndLeavesItsWindows();
    void deleteNamesAFileThatStays();
    void cancelDeletesNothing();
    void deleteAsksNamingTheFiles_data();
    void deleteAsksNamingTheFiles();
    void deleteDialogSaysWhatItDoes();
    void printsTheActiveChart();
    void arrangesMinimisedWindowsAlongTheBottom();
    void newSetShowsEveryTitleBar();
    void cascadeKeepsTheOpeningSize();
    void setOpenedOverAMaximisedWindowFollowsIt();

private:
    QString listFile() const { return folder_.filePath(u"pliki.lst"_s); }
    QStringList titles(const TTavMDIClient& client) const;
    // A copy of a computed set under another name, for tests that delete it.
    QString copyOfSet(const QString& setName, const QString& copyName);
    // A copy of the plate set as a run killed in its last stage leaves it: the main file ends
    // before its last profile, the other files mid-row.
    QString unfinishedSet();

    QTemporaryDir folder_;
    QString plate_;
    QString foil_;
};

void TavMDIClientTest::initTestCase() {
    QVERIFY(folder_.isValid());
    plate_ = computeSet(folder_.path(), u"stal20.tav"_s, SampleShape::Plate);
    foil_ = computeSet(folder_.path(), u"folia.tav"_s, SampleShape::Foil);
}

void TavMDIClientTest::init() {
    writeTestFile(listFile(), "0");
}

void TavMDIClientTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QStringList TavMDIClientTest::titles(const TTavMDIClient& client) const {
    QStringList titles;
    for (const QMdiSubWindow* window : client.subWindowList(QMdiArea::CreationOrder))
        titles.append(window->windowTitle());
    return titles;
}

QString TavMDIClientTest::copyOfSet(const QString& setName, const QString& copyName) {
    const QString copy = folder_.filePath(copyName);
    for (std::string_view extension : {"tav", "pow", "mas", "gru", "twa", "sre"}) {
        const QString from = setFileName(setName, extension);
        QFile::remove(setFileName(copy, extension));
        if (QFile::exists(from) && !QFile::copy(from, setFileName(copy, extension)))
            qFatal("cannot copy a test set");
    }
    return copy;
}

void TavMDIClientTest::opensTheWindowsOfASet_data() {
    QTest::addColumn<QString>("setName");
    QTest::addColumn<bool>("foil");
    QTest::addColumn<QStringList>("kinds");

    // In the order the windows are shown: the temperature window last.
    QTest::newRow("plate") << plate_ << false << QStringList{u"HV"_s,  u"G"_s,    u"C"_s, u"Pow"_s,
                                                             u"Pot"_s, u"Masa"_s, u"T"_s};
    QTest::newRow("foil") << foil_ << true << QStringList{u"C"_s,    u"Pow"_s,     u"Pot"_s,
                                                          u"Masa"_s, u"Średnia"_s, u"T"_s};
}

void TavMDIClientTest::opensTheWindowsOfASet() {
    QFETCH(QString, setName);
    QFETCH(bool, foil);
    QFETCH(QStringList, kinds);

    TTavMDIClient client;
    SetCommands sets(client, listFile());
    client.setFoilSample(!foil);
    client.resize(900, 700);
    client.show();
    QVERIFY(QTest::qWaitForWindowActive(&client));
    MessageCapture capture;
    capture.answerFileDialogs({setName});

    sets.openResults();

    QStringList expected;
    for (const QString& kind : kinds)
        expected.append(setName + u" - "_s + kind);
    QCOMPARE(titles(client), expected);
    QCOMPARE(client.activeSubWindow()->windowTitle(), setName + u" - T"_s);
    QCOMPARE(client.foilSample(), foil);
    QVERIFY(client.openFileName().isEmpty());
    // The open dialog has the system's own title.
    QCOMPARE(capture.fileDialogTitles(), QStringList{QString()});
    QCOMPARE(capture.messages().size(), 0);
}

void TavMDIClientTest::eachWindowReadsItsOwnFile() {
    TTavMDIClient client;
    const auto windows = client.openSet(plate_);
    QStringList read;
    for (const auto& [kind, window] : windows)
        read.append(QFileInfo(window->fileName()).fileName());
    QCOMPARE(read, (QStringList{u"stal20.twa"_s, u"stal20.gru"_s, u"stal20.tav"_s, u"stal20.pow"_s,
                                u"stal20.tav"_s, u"stal20.mas"_s, u"stal20.tav"_s}));
}

void TavMDIClientTest::everyKindOpensItsWindowsAndEachReadsItsFile_data() {
    QTest::addColumn<SampleShape>("shape");
    QTest::addColumn<QList<ChartKind>>("kinds"); // in the order the windows are shown
    QTest::addColumn<bool>("seconds");

    const QList<ChartKind> thick{ChartKind::Hardness,   ChartKind::CaseDepth, ChartKind::Carbon,
                                 ChartKind::Surface,    ChartKind::Potential, ChartKind::Mass,
                                 ChartKind::Temperature};
    const QList<ChartKind> thin{ChartKind::Carbon, ChartKind::Surface, ChartKind::Potential,
                                ChartKind::Mass,   ChartKind::Mean,    ChartKind::Temperature};
    QTest::newRow("semi-infinite") << SampleShape::SemiInfinite << thick << false;
    QTest::newRow("plate") << SampleShape::Plate << thick << false;
    QTest::newRow("foil") << SampleShape::Foil << thin << true;
    QTest::newRow("cylinder") << SampleShape::Cylinder << thick << false;
    QTest::newRow("wire") << SampleShape::Wire << thin << true;
}

void TavMDIClientTest::everyKindOpensItsWindowsAndEachReadsItsFile() {
    QFETCH(SampleShape, shape);
    QFETCH(QList<ChartKind>, kinds);
    QFETCH(bool, seconds);
    const QString setName = computeSet(folder_.path(), u"kind-%1.tav"_s.arg(int(shape)), shape);

    TTavMDIClient client;
    client.resize(900, 700);
    MessageCapture capture;
    const auto windows = client.openSet(setName);

    QList<ChartKind> opened;
    for (const auto& [kind, window] : windows) {
        opened.append(kind);
        window->draw();
        const ChartDescription& chart = window->chart().description();
        QVERIFY2(!chart.series.isEmpty(), qPrintable(window->windowTitle()));
        for (const QList<QPointF>& line : chart.series)
            QVERIFY2(line.size() > 1, qPrintable(window->windowTitle()));
    }
    QCOMPARE(opened, kinds);
    QCOMPARE(capture.messages().size(), 0);
    QCOMPARE(client.foilSample(), seconds);
    const TChartMDIChild* temperature = windows.back().second;
    QCOMPARE(temperature->chart().description().xCaption,
             seconds ? u"     Carburizing time, s"_s : u"     Carburizing time, h"_s);
}

void TavMDIClientTest::cancelOpensNothing() {
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture;
    sets.openResults();
    QVERIFY(client.subWindowList().isEmpty());
    QCOMPARE(capture.fileDialogTitles().size(), 1);
}

void TavMDIClientTest::refusesASetInUse_data() {
    QTest::addColumn<bool>("deleting");
    QTest::addColumn<QByteArray>("listedAs");
    QTest::addColumn<QString>("caption");

    const QString openCaption = u"Choose another file"_s;
    const QString deleteCaption = u"That file cannot be removed - choose another"_s;
    const QByteArray upper = plate_.toUpper().toUtf8();
    const QByteArray lower = plate_.toLower().toUtf8();
    QTest::newRow("open, listed upper-cased") << false << upper << openCaption;
    QTest::newRow("open, listed lower-cased") << false << lower << openCaption;
    QTest::newRow("delete, listed upper-cased") << true << upper << deleteCaption;
    QTest::newRow("delete, listed lower-cased") << true << lower << deleteCaption;
}

void TavMDIClientTest::refusesASetInUse() {
    QFETCH(bool, deleting);
    QFETCH(QByteArray, listedAs);
    QFETCH(QString, caption);

    writeTestFile(listFile(), "1\r\n" + listedAs + "\r\n");
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture;
    // Refused, then the dialog comes again and the user cancels it.
    capture.answerFileDialogs({plate_});
    deleting ? sets.deleteResults() : sets.openResults();

    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& refusal = capture.messages().first();
    QCOMPARE(refusal.text, u"File name already exist and is in use"_s);
    QCOMPARE(refusal.caption, caption);
    QCOMPARE(refusal.icon, MessageIcon::Exclamation);
    QCOMPARE(capture.fileDialogTitles().size(), 2);
    QVERIFY(client.subWindowList().isEmpty());
    QVERIFY(QFile::exists(plate_));
}

void TavMDIClientTest::opensASetOnceItIsNoLongerInUse() {
    writeTestFile(listFile(), "1\r\n" + plate_.toUpper().toUtf8() + "\r\n");
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture;
    // The user tries the set in use, then another one.
    capture.answerFileDialogs({plate_, foil_});
    sets.openResults();
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(client.subWindowList().size(), 6);

    // The calculation has ended and taken the set off the list.
    writeTestFile(listFile(), "0");
    capture.answerFileDialogs({plate_});
    sets.openResults();
    QCOMPARE(client.subWindowList().size(), 6 + 7);
}

void TavMDIClientTest::unreadableSetStillOpensItsWindows() {
    TTavMDIClient client;
    MessageCapture capture;
    client.openSet(foil_);
    const QString missing = folder_.filePath(u"missing.tav"_s);

    // The shape of an unreadable set is unknown: the flag of the last set stays.
    const auto windows = client.openSet(missing);
    QCOMPARE(windows.size(), 6u);
    QVERIFY(client.foilSample());
    QVERIFY(!capture.messages().isEmpty());
    for (const MessageRecord& message : capture.messages()) {
        QVERIFY(message.text.startsWith(u"Cannot open file "_s + missing.chopped(3)));
        QCOMPARE(message.caption, u"File error"_s);
    }
    // The viewer goes on: the windows draw, empty.
    client.resize(600, 400);
    client.show();
    for (const auto& [kind, window] : windows)
        window->draw();
    QCOMPARE(client.subWindowList().size(), 12);
}

void TavMDIClientTest::refusesAFileThatIsNoSet_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("why");

    QTest::newRow("text file") << QByteArray("Notes on the furnace\r\nrun at 920 C\r\n")
                               << u"not a file of process data"_s;
    QTest::newRow("empty file") << QByteArray() << u"not a file of process data"_s;
    QTest::newRow("unknown shape")
        << QByteArray("0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n0 900 1\r\n4 900 1\r\n"
                      "Sphere\r\n")
        << u"not a file of process data"_s;
    QTest::newRow("never computed")
        << QByteArray("0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n0 900 1\r\n4 900 1\r\n"
                      "Plate\r\n10\r\n")
        << u"no results yet: compute the set first"_s;
}

void TavMDIClientTest::refusesAFileThatIsNoSet() {
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    const QString file = folder_.filePath(u"wrong.tav"_s);
    writeTestFile(file, content);
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    client.resize(900, 700);
    client.show();
    MessageCapture capture;
    capture.answerFileDialogs({file});

    sets.openResults();

    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& refusal = capture.messages().first();
    QVERIFY2(refusal.text.contains(file) && refusal.text.contains(why), qPrintable(refusal.text));
    QCOMPARE(refusal.caption, u"Error!"_s);
    QCOMPARE(refusal.icon, MessageIcon::Exclamation);
    QVERIFY(client.subWindowList().isEmpty());
    QCOMPARE(QFile(file).size(), qint64(content.size()));
}

void TavMDIClientTest::missingFileIsNamedOnTheClientsWindow() {
    const QString partial = copyOfSet(plate_, u"partial.tav"_s);
    QVERIFY(QFile::remove(setFileName(partial, "pow")));
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    client.resize(900, 700);
    client.show();
    MessageCapture capture;
    capture.answerFileDialogs({partial});

    sets.openResults();

    QCOMPARE(client.subWindowList().size(), 7);
    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& report = capture.messages().first();
    QCOMPARE(report.text, u"Cannot open file "_s + setFileName(partial, "pow"));
    QCOMPARE(report.caption, u"File error"_s);
    // Centred on the window the set opens in, not on a window not yet shown.
    QVERIFY(capture.parents().first());
    QCOMPARE(capture.parents().first()->window(), &client);
}

QString TavMDIClientTest::unfinishedSet() {
    const QString set = copyOfSet(plate_, u"killed.tav"_s);
    const QByteArray main = readTestFile(set);
    writeTestFile(set, main.left(main.lastIndexOf("\"  ")));
    for (std::string_view extension : {"pow", "mas", "gru", "twa"}) {
        const QByteArray file = readTestFile(setFileName(set, extension));
        writeTestFile(setFileName(set, extension), file.left(file.size() * 2 / 3));
    }
    return set;
}

void TavMDIClientTest::unfinishedSetIsToldOnceAndShownOnRequest_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("windows");
    QTest::newRow("show what there is") << int(QMessageBox::Yes) << 7;
    QTest::newRow("do not") << int(QMessageBox::No) << 0;
}

void TavMDIClientTest::unfinishedSetIsToldOnceAndShownOnRequest() {
    QFETCH(int, answer);
    QFETCH(int, windows);
    const QString set = unfinishedSet();
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    client.resize(900, 700);
    client.show();
    MessageCapture capture{QMessageBox::StandardButton(answer)};
    capture.answerFileDialogs({set});

    sets.openResults();

    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& told = capture.messages().first();
    QVERIFY2(told.text.contains(set) && told.text.contains(u"did not finish"_s),
             qPrintable(told.text));
    QCOMPARE(told.icon, MessageIcon::Question);
    QCOMPARE(client.subWindowList().size(), windows);
}

void TavMDIClientTest::openingTwiceGivesASecondGroup() {
    TTavMDIClient client;
    client.openSet(plate_);
    const QStringList first = titles(client);
    client.openSet(plate_);
    QCOMPARE(titles(client), first + first);
}

void TavMDIClientTest::deleteRemovesTheSetAndLeavesItsWindows() {
    const QString doomed = copyOfSet(plate_, u"doomed.tav"_s);
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    client.openSet(doomed);
    MessageCapture capture(QMessageBox::Yes);
    capture.answerFileDialogs({doomed});

    sets.deleteResults();

    QCOMPARE(capture.fileDialogTitles(), QStringList{u"Choose file with data to remove"_s});
    QCOMPARE(capture.messages().size(), 1);
    for (std::string_view extension : {"tav", "pow", "mas", "gru", "twa"})
        QVERIFY(!QFile::exists(setFileName(doomed, extension)));
    QVERIFY(QFile::exists(plate_));
    QCOMPARE(client.subWindowList().size(), 7);
}

// A file that cannot be removed (a folder with a file in it stays whoever runs the test) is
// told, named, after the others went.
void TavMDIClientTest::deleteNamesAFileThatStays() {
    const QString doomed = copyOfSet(plate_, u"stuck.tav"_s);
    const QString stuck = setFileName(doomed, "ste");
    QVERIFY(QDir().mkpath(stuck + u"/inside"_s));
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture(QMessageBox::Yes);
    capture.answerFileDialogs({doomed});

    sets.deleteResults();

    QCOMPARE(capture.messages().size(), 2);
    const MessageRecord& told = capture.messages().last();
    QCOMPARE(told.caption, u"Error!"_s);
    QCOMPARE(told.icon, MessageIcon::Stop);
    QCOMPARE(
        told.text,
        u"Nie wszystkie pliki zestawu %1 zostały skasowane:\ncannot delete %2: Directory not empty"_s
            .arg(doomed, stuck));
    for (std::string_view extension : {"tav", "pow", "mas", "gru", "twa"})
        QVERIFY(!QFile::exists(setFileName(doomed, extension)));
    QDir(stuck).removeRecursively();
}

void TavMDIClientTest::cancelDeletesNothing() {
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture;
    const QStringList before = QDir(folder_.path()).entryList(QDir::Files);
    sets.deleteResults();
    QCOMPARE(capture.fileDialogTitles().size(), 1);
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files), before);
}

void TavMDIClientTest::deleteAsksNamingTheFiles_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No);
}

void TavMDIClientTest::deleteAsksNamingTheFiles() {
    QFETCH(int, answer);
    const QString doomed = copyOfSet(foil_, u"asked.tav"_s);
    const QStringList setFiles{u"asked.tav"_s, u"asked.pow"_s, u"asked.mas"_s, u"asked.sre"_s};
    const QStringList before = QDir(folder_.path()).entryList(QDir::Files, QDir::Name);
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    MessageCapture capture(static_cast<QMessageBox::StandardButton>(answer));
    capture.answerFileDialogs({doomed});

    sets.deleteResults();

    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& question = capture.messages().first();
    QCOMPARE(question.icon, MessageIcon::Question);
    QVERIFY(question.text.contains(doomed));
    for (const QString& file : setFiles)
        QVERIFY2(question.text.contains(file), qPrintable(file));
    QVERIFY(!question.text.contains(u"asked.gru"_s));
    QStringList left = before;
    if (answer == QMessageBox::Yes)
        left.removeIf([&](const QString& file) { return setFiles.contains(file); });
    QCOMPARE(QDir(folder_.path()).entryList(QDir::Files, QDir::Name), left);
}

void TavMDIClientTest::deleteDialogSaysWhatItDoes() {
    TTavMDIClient client;
    SetCommands sets(client, listFile());
    QString acceptText;
    // Answers the real file dialog as soon as it is up, so that the test never blocks on it.
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            acceptText = buttons->button(QDialogButtonBox::Open)->text();
        dialog->reject();
    });
    answer.start(0);

    sets.deleteResults();

    QCOMPARE(acceptText, u"Skasuj"_s);
}

void TavMDIClientTest::printsTheActiveChart() {
    TTavMDIClient client;
    DocumentCommands documents(client);
    client.resize(800, 600);
    client.show();
    client.openSet(plate_);
    const QString pdf = folder_.filePath(u"stal20-T.pdf"_s);
    QFile::remove(pdf);
    QString printedTitle;
    QString proposedFile;
    // The user takes the file the dialog proposes.
    documents.setPrinterChoice([&](QPrinter& printer, QWidget*) {
        printedTitle = printer.docName();
        proposedFile = printer.outputFileName();
        return true;
    });

    documents.print();

    QCOMPARE(printedTitle, plate_ + u" - T"_s);
    QCOMPARE(proposedFile, pdf);
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    // Lines and text, no picture of them.
    QVERIFY(!bytes.contains("/Subtype /Image"));
    QVERIFY(bytes.contains("/Font"));
}

void TavMDIClientTest::arrangesMinimisedWindowsAlongTheBottom() {
    TTavMDIClient client;
    client.resize(900, 700);
    client.show();
    const auto windows = client.openSet(plate_);
    QList<QMdiSubWindow*> minimised;
    for (int i : {1, 3, 4}) {
        windows[i].second->showMinimized();
        minimised.append(windows[i].second);
    }

    client.arrangeIcons();

    int left = 0;
    for (const QMdiSubWindow* window : minimised) {
        QCOMPARE(window->geometry().bottom() + 1, client.viewport()->height());
        QCOMPARE(window->geometry().left(), left);
        left = window->geometry().right() + 1;
    }
}

namespace {

// The title bar of a chart window: the strip above the window's own widget.
QRect titleBar(const QMdiSubWindow& window) {
    return QRect(window.geometry().topLeft(), QSize(window.width(), window.widget()->y()));
}

} // namespace

void TavMDIClientTest::newSetShowsEveryTitleBar() {
    TTavMDIClient client;
    client.resize(1000, 760);
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));

    // Each set goes where it hides the start of no title bar, its own or an earlier set's: the
    // third no longer fits below the first two and takes the next column.
    for (const QString& setName : {plate_, foil_, plate_}) {
        client.openSet(setName);
        const QList<QMdiSubWindow*> stacked = client.subWindowList(QMdiArea::StackingOrder);
        for (qsizetype below = 0; below < stacked.size(); ++below) {
            const QRect bar = titleBar(*stacked[below]);
            QVERIFY(bar.height() > 10);
            QVERIFY2(client.viewport()->rect().contains(bar),
                     qPrintable(stacked[below]->windowTitle()));
            const QPoint titleStart = bar.topLeft() + QPoint(20, bar.height() / 2);
            for (qsizetype above = below + 1; above < stacked.size(); ++above)
                QVERIFY2(!stacked[above]->geometry().contains(titleStart),
                         qPrintable(stacked[below]->windowTitle() + u" under "_s +
                                    stacked[above]->windowTitle()));
        }
        QCOMPARE(client.activeSubWindow()->windowTitle(), setName + u" - T"_s);
    }
}

void TavMDIClientTest::cascadeKeepsTheOpeningSize() {
    TTavMDIClient client;
    client.resize(1000, 760);
    client.show();
    const auto windows = client.openSet(plate_);
    QList<QSize> opened;
    for (const auto& [kind, window] : windows)
        opened.append(window->size());

    windows.front().second->resize(300, 200);
    client.cascadeSubWindows();

    for (std::size_t i = 0; i < windows.size(); ++i) {
        QCOMPARE(windows[i].second->size(), opened[static_cast<qsizetype>(i)]);
        QVERIFY(windows[i].second->chart().height() > 200);
    }
}

// A set opened while a window is maximised opens maximised, as its frame and title bar say,
// and its windows go back to the cascade, each with its title bar, when restored.
void TavMDIClientTest::setOpenedOverAMaximisedWindowFollowsIt() {
    TTavMDIClient client;
    client.resize(1000, 760);
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));
    client.openSet(plate_);
    client.activeSubWindow()->showMaximized();

    const auto windows = client.openSet(foil_);
    QMdiSubWindow* active = client.activeSubWindow();
    QVERIFY(
        std::ranges::any_of(windows, [active](const auto& made) { return made.second == active; }));
    QVERIFY(active->isMaximized());
    QCOMPARE(active->geometry(), client.viewport()->rect());
    int maximised = 0;
    for (const QMdiSubWindow* window : client.subWindowList())
        maximised += window->isMaximized() ? 1 : 0;
    QCOMPARE(maximised, 1);

    active->showNormal();
    for (const auto& [kind, window] : windows) {
        QVERIFY(!window->isMaximized());
        QVERIFY(titleBar(*window).height() > 10);
        QVERIFY2(client.viewport()->rect().contains(titleBar(*window)),
                 qPrintable(window->windowTitle()));
        QVERIFY(window->size() != client.viewport()->size());
    }
}

QTEST_MAIN(TavMDIClientTest)
#include "TavMDIClientTest.moc"
