// The process-data dialog: the checks of "Obliczaj...", loading and choosing files, a whole run
// and its files, and the same files on a desktop with a decimal comma.

#include "CalcUiTest.h"

#include "BoxNumbers.h"

#include "FileTable.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TTavrixDialog.h"
#include "TWskDialog.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <clocale>
#include <locale.h> // newlocale (POSIX)

using namespace Qt::StringLiterals;

namespace {

const QString checkData = QStringLiteral("Check data!|");
const QString nameMessage =
    QStringLiteral("Error!|Output file must have ending 'tav' for instance: \n   1)   stal20.tav "
                   "\n   2)   c:\\tavrix\\20HMN.tav");
const QString sizeMessage =
    checkData +
    QStringLiteral("You must enter radius for cylinder and thickness for plate or foil");
const QString foilMessage =
    checkData + QStringLiteral(" Thickess for foil must be less then 0.07 mm");
const QString inUseMessage = checkData + QStringLiteral("Filename is already in use");
const QString firstTimeMessage = checkData + QStringLiteral("First time must be set to zero");
const QString secondLineMessage = checkData + QStringLiteral("Enter data to the second line");
const QString row3PartlyMessage =
    checkData + QStringLiteral("Wiersz 3: czas, temperatura i potencjał muszą być wypełnione "
                               "wszystkie albo żaden.");
const QString emptyTableMessage =
    checkData + QStringLiteral("Tabela etapów jest pusta: wpisz czas, temperaturę i potencjał co "
                               "najmniej dwóch wierszy.");
// Row `row`'s time is not after the filled row before it.
QString timesMessage(int row, const QString& time, int before, const QString& timeBefore) {
    return checkData +
           QStringLiteral("Wiersz %1: czas %2 nie jest późniejszy niż w wierszu %3 (%4).")
               .arg(row)
               .arg(time)
               .arg(before)
               .arg(timeBefore);
}
const QString alloyMessage = checkData + QStringLiteral("The contents of Cr, Ni, Mo, Mn and Si "
                                                        "must all be entered, and none may exceed "
                                                        "5.0 %");
const QString improperFile = QStringLiteral("Error!|You want to load improper type of file");

// Steel data that pass every check; row 1's time is 0 from the start.
const QStringList steel = {QStringLiteral("edit208=0.2"), QStringLiteral("edit207=2e-5"),
                           QStringLiteral("edit203=0"),   QStringLiteral("edit206=0"),
                           QStringLiteral("edit237=0"),   QStringLiteral("edit238=0"),
                           QStringLiteral("edit239=0")};
const QStringList firstRow = {QStringLiteral("edit204=920"), QStringLiteral("edit218=1")};
QStringList secondRow(const QString& time) {
    return {QStringLiteral("edit235=") + time, QStringLiteral("edit227=920"),
            QStringLiteral("edit217=1")};
}
QStringList thirdRow(const QString& time) {
    return {QStringLiteral("edit234=") + time, QStringLiteral("edit226=920"),
            QStringLiteral("edit216=1")};
}
QStringList fourthRow(const QString& time) {
    return {QStringLiteral("edit233=") + time, QStringLiteral("edit225=920"),
            QStringLiteral("edit215=1")};
}
const QStringList valid = steel + firstRow + secondRow(QStringLiteral("1"));

// A foil of 0.05 mm for 60 s, typed partly with decimal commas.
const QStringList shortFoil = {
    QStringLiteral("edit208=0,2"), QStringLiteral("edit207=2e-5"), QStringLiteral("edit203=0"),
    QStringLiteral("edit206=0"),   QStringLiteral("edit237=0"),    QStringLiteral("edit238=0"),
    QStringLiteral("edit239=0"),   QStringLiteral("edit204=920"),  QStringLiteral("edit218=1"),
    QStringLiteral("edit235=60"),  QStringLiteral("edit227=920"),  QStringLiteral("edit217=1,0"),
    QStringLiteral("edit243=0,05")};
const QByteArray shortFoilHead = "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                                 "0 920 1\r\n60 920 1\r\nFoil\r\n0.05\r\n";

const QByteArray plateFile = "0.2\r\n2e-05\r\n\r\n1\r\n0.2\r\n0.6\r\n0.3\r\n1\r\n\r\n2\r\n"
                             "0 930 1.1\r\n10 930 1.1\r\nPlate\r\n4\r\n";

SampleShape shapeNamed(const QString& name) {
    return shapeFromName(name.toStdString()).value_or(SampleShape::SemiInfinite);
}

QString setFile(const QString& setName, const char* extension) {
    return QString::fromStdString(resultFileName(setName.toStdString(), extension));
}

// The C library's locale for as long as it lives, then the one before.
class DesktopLocale {
public:
    explicit DesktopLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        std::setlocale(LC_ALL, name);
    }
    ~DesktopLocale() { std::setlocale(LC_ALL, before_.constData()); }
    DesktopLocale(const DesktopLocale&) = delete;
    DesktopLocale& operator=(const DesktopLocale&) = delete;

private:
    QByteArray before_;
};

constexpr const char* polishLocale = "pl_PL.UTF-8";

bool localeExists(const char* name) {
    const locale_t locale = newlocale(LC_ALL_MASK, name, locale_t{});
    if (locale)
        freelocale(locale);
    return locale != locale_t{};
}

} // namespace

class TTavrixDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void checksReportInOrder_data();
    void checksReportInOrder();
    void boxNotANumberIsFocused();
    void designNamesEveryEmptyBox_data();
    void designNamesEveryEmptyBox();
    void gradeShownAsAlloysAreTyped();
    void loadFillsBoxes_data();
    void loadFillsBoxes();
    void loadedValuesReadBackTheSame_data();
    void loadedValuesReadBackTheSame();
    void loadReportsUnreadableFile();
    void browseChoosesOutputName();
    void runWritesSetAndFreesName();
    void sameFilesOnPolishDesktop();

private:
    // Types the form, starts the run and ends its dialog with OK; the state text at the end.
    QString runThrough(TTavrixDialog& dialog, const QStringList& form, const QString& setName);

    QTemporaryDir folder_;
    InUseListKeeper list_;
    MessageCapture messages_;
};

void TTavrixDialogTest::initTestCase() {
    QVERIFY(folder_.isValid());
    QVERIFY2(localeExists(polishLocale),
             "the Polish locale is missing: tools/install-deps.sh generates it");
}

void TTavrixDialogTest::cleanup() {
    messages_.clear();
    QVERIFY(QApplication::topLevelWindows().isEmpty());
}

void TTavrixDialogTest::checksReportInOrder_data() {
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("name");   // typed into the output-name box; empty: "default.tav"
    QTest::addColumn<QString>("listed"); // a name put on the in-use list first
    QTest::addColumn<QStringList>("form");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("runOffered");

    const QString semi = QStringLiteral("Semi-infinitive sample");
    const QString plate = QStringLiteral("Plate");
    const QString foil = QStringLiteral("Foil");
    const QString cylinder = QStringLiteral("Cylinder");
    const QStringList none;
    const QString keep;

    QTest::newRow("fresh form") << semi << keep << keep << none << QStringList{emptyTableMessage}
                                << false;
    QTest::newRow("first row only")
        << semi << keep << keep << steel + firstRow << QStringList{secondLineMessage} << false;
    QTest::newRow("valid form") << semi << keep << keep << valid << none << true;
    QTest::newRow("equal times") << semi << keep << keep
                                 << steel + firstRow + secondRow(QStringLiteral("0"))
                                 << QStringList{timesMessage(2, u"0 h"_s, 1, u"0 h"_s)} << false;
    QTest::newRow("times not growing")
        << semi << keep << keep
        << steel + firstRow + secondRow(QStringLiteral("2")) + thirdRow(QStringLiteral("1"))
        << QStringList{timesMessage(3, u"1 h"_s, 2, u"2 h"_s)} << false;
    QTest::newRow("negative time")
        << semi << keep << keep
        << steel + firstRow + secondRow(QStringLiteral("3")) + thirdRow(QStringLiteral("-1"))
        << QStringList{timesMessage(3, u"\u22121 h"_s, 2, u"3 h"_s)} << false;
    QTest::newRow("gap at row 3") << semi << keep << keep
                                  << steel + firstRow + secondRow(QStringLiteral("1")) +
                                         fourthRow(QStringLiteral("2"))
                                  << QStringList{checkData +
                                                 u"Wiersz 3 jest pusty, a wiersz 4 nie: "
                                                 "etapy idą w tabeli bez przerw."_s}
                                  << false;
    QTest::newRow("row filled in part")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit234=2")}
        << QStringList{row3PartlyMessage} << false;
    QTest::newRow("first time not zero")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit236=0.5")}
        << QStringList{firstTimeMessage} << false;
    QTest::newRow("foil of 0.07 mm")
        << foil << keep << keep << valid + QStringList{QStringLiteral("edit243=0.07")} << none
        << true;
    QTest::newRow("foil of 0.071 mm")
        << foil << keep << keep << valid + QStringList{QStringLiteral("edit243=0.071")}
        << QStringList{foilMessage} << false;
    QTest::newRow("plate without thickness")
        << plate << keep << keep << valid << QStringList{sizeMessage} << false;
    QTest::newRow("name ending .TAV")
        << semi << QStringLiteral("WYNIK.TAV") << keep << valid << none << true;
    QTest::newRow("name without tav") << semi << QStringLiteral("wynik.txt") << keep << valid
                                      << QStringList{nameMessage} << false;
    QTest::newRow("name in use, other letter case")
        << semi << QStringLiteral("Stal20.TAV") << QStringLiteral("STAL20.tav") << valid
        << QStringList{inUseMessage} << false;
    QTest::newRow("several at once")
        << plate << QStringLiteral("wynik.txt") << keep << QStringList{QStringLiteral("edit236=")}
        << QStringList{nameMessage, sizeMessage, firstTimeMessage, emptyTableMessage} << false;
    QTest::newRow("times checked after a failure")
        << plate << keep << keep << steel + firstRow + secondRow(QStringLiteral("0"))
        << QStringList{sizeMessage, timesMessage(2, u"0 h"_s, 1, u"0 h"_s)} << false;
    QTest::newRow("alloy missing")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit239=")}
        << QStringList{alloyMessage} << false;
    QTest::newRow("alloy above 5 %")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit203=5.1")}
        << QStringList{alloyMessage} << false;
    // Accepted; but 5 % Cr lowers the saturation limit below the potential: a warning, and
    // the run goes on when the user does.
    const QString stageAbove = QStringLiteral("the potential 1.00 % C exceeds the saturation "
                                              "limit of austenite, 0.81 % C at 920 °C: soot and "
                                              "carbides are to be expected\n");
    QTest::newRow("alloy of 5 %")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit203=5")}
        << QStringList{QStringLiteral("Warning!|stage 1: ") + stageAbove +
                       QStringLiteral("stage 2: ") + stageAbove +
                       QStringLiteral("\nThe computation knows nothing of soot and carbides. "
                                      "Compute anyway?")}
        << true;
    QTest::newRow("steel carbon empty")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit208=")}
        << QStringList{checkData +
                       QStringLiteral("Steel carbon content must be entered, from 0 to 4.3 % C.")}
        << false;
    QTest::newRow("transfer coefficient empty")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit207=")}
        << QStringList{checkData + QStringLiteral("Carbon transfer coefficient must be entered, "
                                                  "greater than 0 cm/s.")}
        << false;
    QTest::newRow("temperature below 700")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit227=650")}
        << QStringList{checkData +
                       QStringLiteral("Stage 2 temperature must be from 700 to 1200 °C.")}
        << false;
    QTest::newRow("decimal comma counts")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit218=4,4")}
        << QStringList{checkData + QStringLiteral("Stage 1 potential must be from 0 to 4.3 % C.")}
        << false;
    QTest::newRow("every character counts")
        << semi << keep << keep << valid + QStringList{QStringLiteral("edit204=1200.00001")}
        << QStringList{checkData +
                       QStringLiteral("Stage 1 temperature must be from 700 to 1200 °C.")}
        << false;
    const auto notANumber = [&](const QString& box, const QString& text) {
        return QStringList{checkData + u"%1: '%2' nie jest liczbą"_s.arg(box, text)};
    };
    QTest::newRow("range in steel carbon")
        << semi << keep << keep << valid + QStringList{u"edit208=0.2-0.3"_s}
        << notANumber(u"Zawartość węgla w stali"_s, u"0.2-0.3"_s) << false;
    QTest::newRow("exponent without digits")
        << semi << keep << keep << valid + QStringList{u"edit207=0.2e"_s}
        << notANumber(u"Współczynnik przenoszenia węgla"_s, u"0.2e"_s) << false;
    QTest::newRow("exponent without its number")
        << semi << keep << keep << valid + QStringList{u"edit207=e-5"_s}
        << notANumber(u"Współczynnik przenoszenia węgla"_s, u"e-5"_s) << false;
    QTest::newRow("first box in the form's order")
        << plate << keep << keep
        << valid + QStringList{u"edit243=4-"_s, u"edit203=1..1"_s, u"edit226=9,2,0"_s}
        << notANumber(u"Wiersz 3, temperatura"_s, u"9,2,0"_s) << false;
    QTest::newRow("size not a number")
        << cylinder << keep << keep << valid + QStringList{u"edit243=4-"_s}
        << notANumber(u"Średnica"_s, u"4-"_s) << false;
    const QString anyway = u"\nLiczyć mimo to?"_s;
    QTest::newRow("coefficient without its exponent")
        << semi << keep << keep << valid + QStringList{u"edit207=1.5"_s}
        << QStringList{u"Warning!|Współczynnik przenoszenia węgla 1.5 cm/s leży poza zwykłym "
                       "zakresem 1e-6…1e-3 cm/s (czy nie brakuje \"e-5\"?).\n"_s +
                       anyway}
        << true;
    QTest::newRow("unusual temperature")
        << semi << keep << keep
        << valid + QStringList{u"edit204=1150"_s, u"edit218=0.8"_s, u"edit217=0.8"_s}
        << QStringList{u"Warning!|Wiersz 1: temperatura 1150 °C leży poza zwykłym zakresem "
                       "nawęglania 780–1100 °C.\n"_s +
                       anyway}
        << true;
    QTest::newRow("cylinder diameter below 0")
        << cylinder << keep << keep << valid + QStringList{QStringLiteral("edit243=-1")}
        << QStringList{checkData + QStringLiteral("Diameter must be greater than 0 mm.")} << false;
}

void TTavrixDialogTest::checksReportInOrder() {
    QFETCH(QString, shape);
    QFETCH(QString, name);
    QFETCH(QString, listed);
    QFETCH(QStringList, form);
    QFETCH(QStringList, expected);
    QFETCH(bool, runOffered);

    TTavrixDialog dialog(shapeNamed(shape), nullptr);
    dialog.show();
    typeAll(&dialog, form);
    if (!name.isEmpty())
        typeInto(&dialog, QStringLiteral("edit241"), name);
    std::optional<SetClaim> running;
    if (!listed.isEmpty())
        running = SetClaim::claim(listFilePath(), completeName(listed.toStdString()));

    bool offered = false;
    AtNextTurn answer([&] {
        if (auto* progress = qobject_cast<TWskDialog*>(QApplication::activeModalWidget())) {
            offered = true;
            progress->reject();
        }
    });
    clickButton(&dialog, QStringLiteral("button201"));
    running.reset();

    QCOMPARE(captionsAndTexts(messages_), expected);
    for (const MessageRecord& message : messages_.messages())
        QCOMPARE(message.icon, message.caption == QStringLiteral("Check data!") ||
                                       message.caption == QStringLiteral("Warning!")
                                   ? MessageIcon::Exclamation
                                   : MessageIcon::None);
    QCOMPARE(offered, runOffered);
}

void TTavrixDialogTest::boxNotANumberIsFocused() {
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    typeAll(&dialog, valid + QStringList{u"edit217=1.0-"_s});
    clickButton(&dialog, u"button201"_s);
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{checkData + u"Wiersz 2, potencjał: '1.0-' nie jest liczbą"_s});
    auto* box = control<QLineEdit>(&dialog, u"edit217"_s);
    QCOMPARE(dialog.focusWidget(), box);
    // Selected, so that what is typed next replaces it.
    QCOMPARE(box->selectedText(), u"1.0-"_s);
}

void TTavrixDialogTest::designNamesEveryEmptyBox_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QStringList>("form");
    QTest::addColumn<QString>("expected");
    const QString steelBoxes = u"Zawartość węgla w stali, Współczynnik przenoszenia węgla, Cr, "
                               "Mo, Mn, Si, Ni"_s;
    QTest::newRow("empty form") << int(SampleShape::SemiInfinite) << QStringList()
                                << steelBoxes + u"."_s;
    QTest::newRow("empty cylinder")
        << int(SampleShape::Cylinder) << QStringList() << steelBoxes + u", Średnica."_s;
    QTest::newRow("two boxes left")
        << int(SampleShape::Plate)
        << QStringList{u"edit208=0.2"_s, u"edit207=2e-5"_s, u"edit203=1"_s,
                       u"edit206=0"_s,   u"edit237=1"_s,    u"edit239=0"_s}
        << u"Si, Grubość."_s;
}

void TTavrixDialogTest::designNamesEveryEmptyBox() {
    QFETCH(int, shape);
    QFETCH(QStringList, form);
    QFETCH(QString, expected);
    TTavrixDialog dialog(static_cast<SampleShape>(shape), nullptr);
    dialog.show();
    typeAll(&dialog, form);
    dialog.designProcess();
    QCOMPARE(captionsAndTexts(messages_),
             QStringList{checkData + u"Wypełnij puste pola: "_s + expected});
}

void TTavrixDialogTest::gradeShownAsAlloysAreTyped() {
    TTavrixDialog dialog(SampleShape::SemiInfinite, nullptr);
    dialog.show();
    auto* grade = control<QLabel>(&dialog, u"labelGrade"_s);
    QCOMPARE(grade->text(), u"Gatunek: —"_s);
    typeAll(&dialog, {u"edit203=1.0"_s, u"edit206=0"_s, u"edit237=1.1"_s, u"edit238=0.25"_s});
    QCOMPARE(grade->text(), u"Gatunek: —"_s);
    typeInto(&dialog, u"edit239"_s, u"0"_s);
    QCOMPARE(grade->text(), u"Gatunek: Mn1.1Cr1.0"_s);
    typeAll(&dialog, {u"edit203=0"_s, u"edit237=0"_s});
    QCOMPARE(grade->text(), u"Gatunek: stal węglowa"_s);
}

void TTavrixDialogTest::loadFillsBoxes_data() {
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("boxes"); // "box=text" after loading; every box held "7"
    QTest::addColumn<QStringList>("expected");

    const QStringList plateHead = {QStringLiteral("edit208=0.2"), QStringLiteral("edit207=2e-05"),
                                   QStringLiteral("edit203=1"),   QStringLiteral("edit206=0.2"),
                                   QStringLiteral("edit237=0.6"), QStringLiteral("edit238=0.3"),
                                   QStringLiteral("edit239=1"),   QStringLiteral("edit236=0"),
                                   QStringLiteral("edit204=930"), QStringLiteral("edit218=1.1"),
                                   QStringLiteral("edit235=10"),  QStringLiteral("edit227=930"),
                                   QStringLiteral("edit217=1.1"), QStringLiteral("edit234="),
                                   QStringLiteral("edit121="),    QStringLiteral("edit209=")};
    const QStringList untouched = {QStringLiteral("edit208=7"), QStringLiteral("edit236=7"),
                                   QStringLiteral("edit233=7"), QStringLiteral("edit243=7")};

    QTest::newRow("plate file") << QStringLiteral("Plate") << plateFile
                                << plateHead + QStringList{QStringLiteral("edit243=4")}
                                << QStringList();
    QTest::newRow("plate file into cylinder")
        << QStringLiteral("Cylinder") << plateFile
        << plateHead + QStringList{QStringLiteral("edit243=7")} << QStringList{improperFile};
    QTest::newRow("count 3 of 4 rows")
        << QStringLiteral("Plate")
        << QByteArray("0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n3\r\n0 900 1\r\n1 900 1\r\n"
                      "2 900 1\r\n3 900 1\r\nPlate\r\n4\r\n")
        << QStringList{QStringLiteral("edit234=2"), QStringLiteral("edit233="),
                       QStringLiteral("edit225="), QStringLiteral("edit243=7")}
        << QStringList{improperFile};
    QTest::newRow("file ending after Cr")
        << QStringLiteral("Plate") << QByteArray("0.2\r\n2e-05\r\n\r\n1\r\n")
        << QStringList{QStringLiteral("edit203=1"), QStringLiteral("edit206="),
                       QStringLiteral("edit239="), QStringLiteral("edit236="),
                       QStringLiteral("edit243=7")}
        << QStringList{improperFile};
    QTest::newRow("alloy value not a number")
        << QStringLiteral("Plate")
        << QByteArray("0.2\r\n2e-05\r\n\r\n1\r\nx\r\n0.6\r\n0.3\r\n1\r\n\r\n2\r\n0 930 1.1\r\n"
                      "10 930 1.1\r\nPlate\r\n4\r\n")
        << untouched
        << QStringList{QStringLiteral("Error!|In the file, the Mo content is \"x\", which is not a "
                                      "number.\nNothing was loaded.")};
    QTest::newRow("stage value not a number")
        << QStringLiteral("Plate")
        << QByteArray(plateFile).replace("\r\n10 930 1.1\r\n", "\r\n0 930 abc\r\n") << untouched
        << QStringList{QStringLiteral("Error!|In the file, the potential of stage 2 is \"abc\", "
                                      "which is not a number.\nNothing was loaded.")};
    QTest::newRow("stage count not a number")
        << QStringLiteral("Plate") << QByteArray(plateFile).replace("\r\n2\r\n", "\r\ntwo\r\n")
        << untouched
        << QStringList{QStringLiteral("Error!|In the file, the number of process stages is "
                                      "\"two\", which is not a number.\nNothing was loaded.")};
    QTest::newRow("the digits each value needs")
        << QStringLiteral("Semi-infinitive sample")
        << QByteArray("0.2\r\n1.25e-06\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n0 925 1\r\n"
                      "1 925 1.2345678\r\nSemi-infinitive sample\r\n")
        << QStringList{QStringLiteral("edit207=1.25e-06"), QStringLiteral("edit204=925"),
                       QStringLiteral("edit217=1.2345678"), QStringLiteral("edit208=0.2"),
                       QStringLiteral("edit243=7")}
        << QStringList();
    QTest::newRow("count above 10")
        << QStringLiteral("Plate") << QByteArray(plateFile).replace("\r\n2\r\n", "\r\n11\r\n")
        << untouched
        << QStringList{QStringLiteral("Error!|The file lists 11 process stages; the table holds "
                                      "at most 10.\nNothing was loaded.")};
    QTest::newRow("fewer rows than the count")
        << QStringLiteral("Plate") << QByteArray(plateFile).replace("\r\n2\r\n", "\r\n5\r\n")
        << untouched
        << QStringList{QStringLiteral("Error!|The file lists 5 process stages but holds only "
                                      "2.\nNothing was loaded.")};
}

void TTavrixDialogTest::loadFillsBoxes() {
    QFETCH(QString, shape);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);

    const QString path = folder_.filePath(QStringLiteral("load.tav"));
    writeFile(path, file);
    TTavrixDialog dialog(shapeNamed(shape), nullptr);
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        box->setText(QStringLiteral("7"));
    messages_.answerFileDialogs({path});
    clickButton(&dialog, QStringLiteral("button240"));

    QCOMPARE(captionsAndTexts(messages_), expected);
    compareBoxes(&dialog, boxes);
    // The next run goes to the loaded set, not to the name the box held; a file that was not
    // loaded whole, or is of another shape, is not proposed.
    QCOMPARE(control<QLineEdit>(&dialog, QStringLiteral("edit241"))->text(),
             expected.isEmpty() ? path : QStringLiteral("7"));
}

void TTavrixDialogTest::loadedValuesReadBackTheSame_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("temperature") << 925.0 << QStringLiteral("925");
    QTest::newRow("coefficient") << 2e-05 << QStringLiteral("2e-05");
    QTest::newRow("coefficient below six decimals") << 1.25e-06 << QStringLiteral("1.25e-06");
    QTest::newRow("typical coefficient") << 1.25e-05 << QStringLiteral("1.25e-05");
    QTest::newRow("six significant digits") << 1.23457e-05 << QStringLiteral("1.23457e-05");
    QTest::newRow("more than six decimals") << 1200.0000001 << QStringLiteral("1200.0000001");
    QTest::newRow("a third") << 1.0 / 3 << QStringLiteral("0.3333333333333333");
    QTest::newRow("negative") << -0.5 << QStringLiteral("-0.5");
    QTest::newRow("smallest") << 5e-324 << QStringLiteral("5e-324");
}

void TTavrixDialogTest::loadedValuesReadBackTheSame() {
    QFETCH(double, value);
    QFETCH(QString, shown);
    const std::string text = loadedText(value);
    QCOMPARE(QString::fromStdString(text), shown);
    QVERIFY(boxNumber(text) == value);
}

void TTavrixDialogTest::loadReportsUnreadableFile() {
    TTavrixDialog dialog(SampleShape::Plate, nullptr);
    const qsizetype earlierDialogs = messages_.fileDialogTitles().size();
    typeInto(&dialog, QStringLiteral("edit208"), QStringLiteral("0.3"));
    messages_.answerFileDialogs({folder_.filePath(QStringLiteral("missing.tav"))});
    clickButton(&dialog, QStringLiteral("button240"));
    QCOMPARE(captionsAndTexts(messages_), QStringList{QStringLiteral("Error!|Can't open file")});
    QCOMPARE(messages_.messages().at(0).icon, MessageIcon::Stop);
    // A cancelled file dialog changes nothing either.
    clickButton(&dialog, QStringLiteral("button240"));
    QCOMPARE(messages_.messages().size(), 1);
    QCOMPARE(messages_.fileDialogTitles().mid(earlierDialogs), (QStringList{QString(), QString()}));
    QCOMPARE(control<QLineEdit>(&dialog, QStringLiteral("edit208"))->text(), QStringLiteral("0.3"));
}

void TTavrixDialogTest::browseChoosesOutputName() {
    TTavrixDialog dialog(SampleShape::Plate, nullptr);
    const qsizetype earlierDialogs = messages_.fileDialogTitles().size();
    const QString chosen = folder_.filePath(QStringLiteral("wybrany.tav"));
    messages_.answerFileDialogs({chosen});
    clickButton(&dialog, QStringLiteral("button242"));
    clickButton(&dialog, QStringLiteral("button242"));
    QCOMPARE(messages_.fileDialogTitles().mid(earlierDialogs),
             (QStringList{QStringLiteral("Output file"), QStringLiteral("Output file")}));
    QCOMPARE(control<QLineEdit>(&dialog, QStringLiteral("edit241"))->text(), chosen);
    QVERIFY(!QFile::exists(chosen));
}

QString TTavrixDialogTest::runThrough(TTavrixDialog& dialog, const QStringList& form,
                                      const QString& setName) {
    typeAll(&dialog, form);
    return computeInto(dialog, setName);
}

void TTavrixDialogTest::runWritesSetAndFreesName() {
    writeFile(QString::fromStdString(listFilePath()), "1\r\n/ANOTHER/RUNNING.TAV\r\n");
    const auto listBefore = InUseListKeeper::current();
    const QString set = folder_.filePath(QStringLiteral("przebieg.tav"));
    TTavrixDialog dialog(SampleShape::Foil, nullptr);
    dialog.show();

    QCOMPARE(runThrough(dialog, shortFoil, set), QStringLiteral("Finished"));
    QCOMPARE(messages_.texts(), QStringList());
    for (const char* extension : {"tav", "pow", "mas", "sre"})
        QVERIFY2(QFile::exists(setFile(set, extension)), extension);
    QVERIFY(fileBytes(set).startsWith(shortFoilHead));
    QCOMPARE(InUseListKeeper::current(), listBefore);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Foil"));
    // The run keeps the typed values in the set's file: the form may close without a question.
    QVERIFY(dialog.mayClose());
    QCOMPARE(messages_.texts(), QStringList());

    // The set's file, profiles and all, loads back into the form.
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        box->clear();
    messages_.answerFileDialogs({set});
    clickButton(&dialog, QStringLiteral("button240"));
    QCOMPARE(messages_.texts(), QStringList());
    const QStringList loaded = {QStringLiteral("edit208=0.2"),  QStringLiteral("edit207=2e-05"),
                                QStringLiteral("edit239=0"),    QStringLiteral("edit235=60"),
                                QStringLiteral("edit204=920"),  QStringLiteral("edit217=1"),
                                QStringLiteral("edit243=0.05"), QStringLiteral("edit234=")};
    compareBoxes(&dialog, loaded);
}

void TTavrixDialogTest::sameFilesOnPolishDesktop() {
    const QString plain = folder_.filePath(QStringLiteral("kropka.tav"));
    const QString polish = folder_.filePath(QStringLiteral("przecinek.tav"));
    {
        TTavrixDialog dialog(SampleShape::Foil, nullptr);
        QCOMPARE(runThrough(dialog, shortFoil, plain), QStringLiteral("Finished"));
    }
    QString loadedThickness;
    {
        const QLocale qtLocale;
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        DesktopLocale desktop(polishLocale);
        QCOMPARE(QByteArray(localeconv()->decimal_point), QByteArray(","));
        TTavrixDialog dialog(SampleShape::Foil, nullptr);
        const QString state = runThrough(dialog, shortFoil, polish);
        messages_.answerFileDialogs({polish});
        clickButton(&dialog, QStringLiteral("button240"));
        loadedThickness = control<QLineEdit>(&dialog, QStringLiteral("edit243"))->text();
        QLocale::setDefault(qtLocale);
        QCOMPARE(state, QStringLiteral("Finished"));
    }
    QCOMPARE(messages_.texts(), QStringList());
    QCOMPARE(loadedThickness, QStringLiteral("0.05"));
    QVERIFY(fileBytes(polish).startsWith(shortFoilHead));
    for (const char* extension : {"tav", "pow", "mas", "sre"}) {
        const QByteArray expected = fileBytes(setFile(plain, extension));
        QVERIFY(!expected.isEmpty());
        QVERIFY2(fileBytes(setFile(polish, extension)) == expected, extension);
    }
}

TAVCALC_TEST_MAIN(TTavrixDialogTest)
#include "tst_TTavrixDialog.moc"
