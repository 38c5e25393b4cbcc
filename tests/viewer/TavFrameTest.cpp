// The frame: its menu, control bar and status-bar hints, and where its commands go.

#include "TavFrame.h"
#include "AboutDlg.h"
#include "ChartWindows.h"
#include "MessageBox.h"
#include "OnScreen.h"
#include "THelpWindow.h"
#include "TavMDIClient.h"
#include "TestSets.h"

#include <QClipboard>
#include <QDir>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// "caption|hint" for every item, "-" for a separator, submenus as "caption>" before their
// items and "<" after them.
QStringList menuLines(const QList<QAction*>& actions) {
    QStringList lines;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            lines.append(u"-"_s);
        else if (action->menu()) {
            lines.append(action->text() + u'>');
            lines += menuLines(action->menu()->actions());
            lines.append(u"<"_s);
        } else
            lines.append(action->text() + u'|' + action->statusTip());
    }
    return lines;
}

} // namespace

class TavFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void menuCaptionsHintsAndOrder();
    void controlBarButtons();
    void chartCommandsNeedAChartWindow();
    void autoFitToggles();
    void copyKeysCopyTheActiveChart_data();
    void copyKeysCopyTheActiveChart();
    void shapeCommandsWithoutTheCalculationProgram_data();
    void shapeCommandsWithoutTheCalculationProgram();
    void helpCommandsOpenTheirPages();
    void aboutIsModal();
    void placedWithinTheScreen_data();
    void placedWithinTheScreen();
    void windowsOpenWithinTheScreen();
    void printCommandPrintsTheActiveChart();
    void windowCommands();
    void exitClosesTheFrame();

private:
    ProgramPlace place() const { return ProgramPlace::at(folder_.path()); }
    QTemporaryDir folder_;
    QString set_;
};

void TavFrameTest::initTestCase() {
    set_ = computeSet(folder_.path(), u"stal.tav"_s, SampleShape::SemiInfinite);
    writeTestFile(place().ListFilePath, "0");
}

void TavFrameTest::cleanup() {
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TavFrameTest::menuCaptionsHintsAndOrder() {
    TTavFrame frame(place());
    const QStringList expected{
        u"&Plik>"_s,
        u"&Otwórz wyniki...|Otwiera plik z wynikami"_s,
        u"&Porównaj wyniki...|Porównuje kilka zestawów wyników"_s,
        u"-"_s,
        u"&Skasuj wyniki...|Kasuje plik z wynikami"_s,
        u"-"_s,
        u"&Drukuj...|Drukuje zawartość aktywnego okna"_s,
        u"Zapisz wykres...|Zapisuje aktywny wykres do pliku PNG, PDF, SVG lub CSV"_s,
        u"-"_s,
        u"Specyfikacja &części...|Wybiera plik wymagań części, z którymi raport porównuje "
        u"aktywny zestaw"_s,
        u"&Raport z wsadu...|Zapisuje raport aktywnego zestawu jako plik PDF, z oceną wymagań "
        u"części"_s,
        u"-"_s,
        u"&Koniec|Kończy działanie programu Tavrix!"_s,
        u"<"_s,
        u"&Edycja>"_s,
        u"&Kopiuj Ctrl+Ins|Kopiuje zawartość aktywnego okna do Clipboardu"_s,
        u"<"_s,
        u"&Skala...|Skaluje osie"_s,
        u"&Dopasuj|Dopasowywuje rozmiar rysunku do rozmiaru okna"_s,
        u"&Obliczenia>"_s,
        u"&Kształt próbki>"_s,
        u"&Próbka półnieskończona...|Obliczenia dla próbki półnieskończonej"_s,
        u"Pły&ta...|Obliczenia dla płyty"_s,
        u"&Folia...|Obliczenia dla folii"_s,
        u"&Walec...|Obliczenia dla walca"_s,
        u"<"_s,
        u"<"_s,
        u"O&pcje>"_s,
        u"&Dopasuj automatycznie|Dopasowywuje rozmiar rysunku do rozmiaru okna automatycznie"_s,
        u"<"_s,
        u"O&kno>"_s,
        u"&Kaskada|Kaskada"_s,
        u"&Sąsiadująco|Sasiadująco"_s,
        u"&Uporządkuj ikony|Uporządkuj ikony"_s,
        u"Zamknij &wszystkie|Zamyka wszystkie okna"_s,
        u"<"_s,
        u"Pomo&c>"_s,
        u"Opis &aplikacji...|Opis aplikacji"_s,
        u"-"_s,
        u"Opis &procesu nawęglania...|Opis procesu nawęglania"_s,
        u"-"_s,
        u"&O...|Informacje o programie"_s,
        u"-"_s,
        u"Język / Language>"_s,
        u"Polski|"_s,
        u"English|"_s,
        u"<"_s,
        u"<"_s,
    };
    QCOMPARE(menuLines(frame.menuBar()->actions()), expected);
    QCOMPARE(frame.windowTitle(), u"Tavrix!"_s);
}

void TavFrameTest::controlBarButtons() {
    TTavFrame frame(place());
    const auto* bar = frame.findChild<QToolBar*>(u"controlBar"_s);
    QVERIFY(bar);
    QStringList layout;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) {
            layout.append(u"|"_s);
            continue;
        }
        layout.append(action->objectName());
        QVERIFY(!action->icon().pixmap(QSize(20, 20)).isNull());
    }
    QCOMPARE(layout, (QStringList{u"button206"_s, u"button217"_s, u"|"_s, u"|"_s, u"button208"_s,
                                  u"|"_s, u"button203"_s, u"|"_s, u"|"_s, u"button200"_s, u"|"_s,
                                  u"|"_s, u"button207"_s}));
    // A button says what its command says, and gives the command.
    QAction* openButton = bar->findChild<QAction*>(u"button206"_s);
    QCOMPARE(openButton->statusTip(), u"Otwiera plik z wynikami"_s);
    QSignalSpy opened(frame.command(Command::Open), &QAction::triggered);
    MessageCapture capture;
    openButton->trigger();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(capture.fileDialogTitles().size(), 1);
    // The menu shows captions, not the buttons' pictures.
    for (Command id : {Command::Scale, Command::Fit, Command::Open})
        QVERIFY(frame.command(id)->icon().isNull());
}

void TavFrameTest::chartCommandsNeedAChartWindow() {
    TTavFrame frame(place());
    frame.show();
    const auto* bar = frame.findChild<QToolBar*>(u"controlBar"_s);
    const Command chartCommands[] = {Command::Print, Command::Copy, Command::Scale, Command::Fit};
    auto expectEnabled = [&](bool enabled) {
        for (Command id : chartCommands) {
            QCOMPARE(frame.command(id)->isEnabled(), enabled);
            if (id == Command::Print)
                continue;
            QAction* button = bar->findChild<QAction*>(u"button%1"_s.arg(static_cast<int>(id)));
            QCOMPARE(button->isEnabled(), enabled);
            QCOMPARE(bar->widgetForAction(button)->isEnabled(), enabled);
        }
        for (Command id : {Command::Open, Command::Delete, Command::About, Command::AutoFit})
            QVERIFY(frame.command(id)->isEnabled());
    };

    expectEnabled(false);
    frame.client().openSet(set_);
    expectEnabled(true);
    // With a chart window active, printing needs a printer to be chosen; declining does nothing.
    frame.documents().setPrinterChoice([](QPrinter&, QWidget*) { return false; });
    frame.command(Command::Print)->trigger();
    QCOMPARE(frame.client().subWindowList().size(), 7);

    frame.command(Command::CloseAll)->trigger();
    QTRY_VERIFY(frame.client().subWindowList().isEmpty());
    expectEnabled(false);
}

void TavFrameTest::autoFitToggles() {
    TTavFrame frame(place());
    QAction* autoFit = frame.command(Command::AutoFit);
    QVERIFY(autoFit->isCheckable());
    QVERIFY(autoFit->isChecked());
    QVERIFY(frame.client().autoFit());

    autoFit->trigger();
    QVERIFY(!autoFit->isChecked());
    QVERIFY(!frame.client().autoFit());

    autoFit->trigger();
    QVERIFY(autoFit->isChecked());
    QVERIFY(frame.client().autoFit());
}

void TavFrameTest::copyKeysCopyTheActiveChart_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl+Ins") << int(Qt::Key_Insert);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C);
}

void TavFrameTest::copyKeysCopyTheActiveChart() {
    QFETCH(int, key);
    TTavFrame frame(place());
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->clear();
    QTest::keyClick(&frame, Qt::Key(key), Qt::ControlModifier);
    QVERIFY(clipboard->image().isNull()); // no chart window, nothing to copy

    frame.client().openSet(set_);
    QTest::keyClick(frame.client().activeSubWindow(), Qt::Key(key), Qt::ControlModifier);
    QVERIFY(!clipboard->image().isNull());
    // The menu shows the keys once, in the caption.
    QCOMPARE(frame.command(Command::Copy)->shortcut(), QKeySequence());
}

void TavFrameTest::shapeCommandsWithoutTheCalculationProgram_data() {
    QTest::addColumn<Command>("shape");
    QTest::newRow("semi-infinite") << Command::SemiInfinite;
    QTest::newRow("plate") << Command::Plate;
    QTest::newRow("foil") << Command::Foil;
    QTest::newRow("cylinder") << Command::Cylinder;
}

void TavFrameTest::shapeCommandsWithoutTheCalculationProgram() {
    QFETCH(Command, shape);
    // The test's folder has no tavcalc in it.
    TTavFrame frame(place());
    MessageCapture capture;
    frame.command(shape)->trigger();
    QCOMPARE(capture.messages().size(), 1);
    const MessageRecord& message = capture.messages().first();
    QCOMPARE(message.text, u"Can't run subprogram"_s);
    QCOMPARE(message.caption, u"Error!"_s);
    QCOMPARE(message.icon, MessageIcon::Stop);
}

void TavFrameTest::helpCommandsOpenTheirPages() {
    QDir(folder_.path()).mkpath(u"help"_s);
    writeTestFile(folder_.filePath(u"help/prog.html"_s),
                  "<html><head><title>Opis aplikacji</title></head><body>"
                  "<img src=\"pictures/okno.png\"><p><a href=\"prochelp.html\">Proces</a></p>"
                  "</body></html>");
    writeTestFile(folder_.filePath(u"help/prochelp.html"_s),
                  "<html><head><title>Opis procesu</title></head><body>Nawęglanie</body></html>");
    QDir(folder_.path()).mkpath(u"help/pictures"_s);
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder_.filePath(u"help/pictures/okno.png"_s)));
    const QUrl application = QUrl::fromLocalFile(folder_.filePath(u"help/prog.html"_s));
    const QUrl process = QUrl::fromLocalFile(folder_.filePath(u"help/prochelp.html"_s));

    TTavFrame frame(place());
    frame.show();
    QCOMPARE(frame.helpWindow(), nullptr);
    frame.command(Command::ApplicationHelp)->trigger();
    THelpWindow* help = frame.helpWindow();
    QVERIFY(help && help->isVisible() && help->isWindow());
    // Whole on a screen smaller than its opening size.
    QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTextBrowser* browser = help->browser();
    QCOMPARE(browser->source(), application);
    QCOMPARE(help->windowTitle(), u"Opis aplikacji"_s);
    const QImage shown = browser->document()
                             ->resource(QTextDocument::ImageResource, QUrl(u"pictures/okno.png"_s))
                             .value<QImage>();
    QCOMPARE(shown.size(), QSize(16, 8));

    // The link, as the keyboard follows it; then back and forward.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(browser->source(), process);
    QAction* back = help->findChild<QAction*>(u"helpBack"_s);
    QAction* forward = help->findChild<QAction*>(u"helpForward"_s);
    QVERIFY(back->isEnabled() && !forward->isEnabled());
    back->trigger();
    QCOMPARE(browser->source(), application);
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(browser->source(), process);

    // The other command shows its page in the same window.
    help->close();
    frame.command(Command::ApplicationHelp)->trigger();
    frame.command(Command::ProcessHelp)->trigger();
    QCOMPARE(frame.helpWindow(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(browser->source(), process);
}

void TavFrameTest::aboutIsModal() {
    TTavFrame frame(place());
    frame.show();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<AboutDlg*>(QApplication::activeModalWidget());
        seen = about && about->isVisible() && about->parentWidget() == &frame;
        if (about)
            about->accept();
    });
    frame.command(Command::About)->trigger();
    QVERIFY(seen);
}

void TavFrameTest::printCommandPrintsTheActiveChart() {
    TTavFrame frame(place());
    frame.show();
    frame.client().openSet(set_);
    const QString pdf = folder_.filePath(u"frame.pdf"_s);
    frame.documents().setPrinterChoice([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    frame.command(Command::Print)->trigger();
    QVERIFY(QFileInfo(pdf).size() > 1000);
}

void TavFrameTest::windowCommands() {
    TTavFrame frame(place());
    frame.resize(1000, 800);
    frame.show();
    frame.client().openSet(set_);
    const QList<QMdiSubWindow*> windows = frame.client().subWindowList();

    frame.command(Command::Tile)->trigger();
    // Tiled windows fill the client without overlapping.
    for (const QMdiSubWindow* one : windows)
        for (const QMdiSubWindow* other : windows)
            QVERIFY(one == other || !one->geometry().intersects(other->geometry()));

    frame.command(Command::Cascade)->trigger();
    QCOMPARE(windows.first()->geometry().topLeft(), QPoint(0, 0));
    QVERIFY(windows.last()->geometry().top() > windows.first()->geometry().top());

    frame.command(Command::CloseAll)->trigger();
    QTRY_VERIFY(frame.client().subWindowList().isEmpty());
}

void TavFrameTest::exitClosesTheFrame() {
    TTavFrame frame(place());
    frame.show();
    frame.command(Command::Exit)->trigger();
    QVERIFY(!frame.isVisible());
}

void TavFrameTest::placedWithinTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("placed");
    // A 1280 x 1000 screen under a 30 px panel.
    QTest::newRow("inside stays") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
    QTest::newRow("below the bottom") << QRect(200, 500, 760, 640) << QRect(200, 360, 760, 640);
    QTest::newRow("past the right") << QRect(900, 40, 760, 640) << QRect(520, 40, 760, 640);
    QTest::newRow("under the panel") << QRect(0, 0, 760, 640) << QRect(0, 30, 760, 640);
    QTest::newRow("taller than the screen") << QRect(10, 300, 700, 1100) << QRect(10, 30, 700, 970);
}

void TavFrameTest::placedWithinTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QRect, placed);
    QCOMPARE(placedWithin(frame, QRect(0, 30, 1280, 970)), placed);
}

// The frame and the help window open wholly on the screen, smaller than their opening size
// where the screen is (the headless screen is 800 x 600).
void TavFrameTest::windowsOpenWithinTheScreen() {
    TTavFrame frame(place());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(frame.screen()->availableGeometry().contains(frame.frameGeometry()));
}

QTEST_MAIN(TavFrameTest)
#include "TavFrameTest.moc"
