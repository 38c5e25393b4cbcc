#include "ChartTestSupport.h"

#include "ChartNames.h"
#include "ChartWindows.h"
#include "MessageBox.h"
#include "SetNames.h"
#include "TChartMDIChild.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QDialog>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLegend>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The process data of a three-stage run, then the shape line.
constexpr char semiInfiniteMain[] = "0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n3\r\n"
                                    "0 900 1\r\n4 920 1.1\r\n8 880 0.8\r\n"
                                    "Semi-infinitive sample\r\n"
                                    "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\n"
                                    "\"  1.125\n"
                                    ",    0      1.0000\n"
                                    ",  0.5     0.60000\n"
                                    ",    1     0.30000\n"
                                    "\"  2.50000\n"
                                    ", 0.00000      1.0500\n"
                                    ", 0.500000     0.80000\n"
                                    ", 1.00000      0.50000\n"
                                    ", 1.50000      0.25000\n";

constexpr char semiInfiniteHardness[] = "-\"Rozklad twardosci na przekroju warstwy,  mm  HV\n"
                                        "\"  1.125\n"
                                        ",    0      820\n"
                                        ",  0.5      700\n"
                                        "\"  2.50000\n"
                                        ", 0.00000      800.000\n"
                                        ", 0.500000     750.000\n"
                                        ", 1.00000      500.000\n";

constexpr char semiInfiniteDepths[] =
    "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \n"
    " 3 \n"
    ", 0     0   0   0\n"
    ",         1      0.30      0.40      0.50\n"
    ",         2      0.50      0.60      0.70\n"
    ",         3      0.60      0.70      0.80\n";

constexpr char semiInfiniteSurface[] = "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %\n"
                                       ",            0      0.2000\n"
                                       ",       0.5000      0.8000\n"
                                       ",            2       1.000\n";

constexpr char semiInfiniteMass[] = "Weight gain, g/m^2 Semi-infinitive sample, be=2e-05cm/s\n"
                                    " Carburizing time, h \n"
                                    "\n"
                                    ",0\n,12\n,12 \n,0\n,100\n,10\n"
                                    ",            0           0\n"
                                    ",            1          20\n"
                                    ",            5          60\n";

constexpr char foilMain[] = "0.1\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n2\r\n"
                            "0 900 1\r\n2000 900 1\r\n"
                            "Foil\r\n0.2\r\n"
                            "-\"Rozmieszczenie węgla na przekroju warstwy, mm %\n"
                            "\"  2000\n"
                            ",    0     0.90000\n"
                            ", 0.05     0.70000\n"
                            ",  0.1     0.60000\n";

constexpr char foilSurface[] = "-\"Stężenie węgla na powierzchni w funkcji czasu, s  %\n"
                               ",            0     0.10000\n"
                               ",          500     0.70000\n"
                               ",         2000     0.90000\n";

constexpr char foilMass[] = "Weight gain, g/m^2  Foil, thickness=0.2mm, be=2e-05cm/s\n"
                            "Carburizing time, s  \n"
                            ",0\n,2000\n,10 \n,0\n,10\n,5\n"
                            ",            0           0\n"
                            ",         1000           3\n"
                            ",         2000           4\n";

constexpr char foilMean[] = "Carbon concentration, %\n"
                            "Carburizing time, s\n"
                            "\n"
                            ",0\n,2000\n,10 \n,0\n,1.2\n,12\n"
                            ",            0           0\n"
                            ",          100        0.05\n"
                            ",         2000         0.4\n";

QString pointsText(const QList<QPointF>& points) {
    QStringList texts;
    for (const QPointF& point : points)
        texts.append(u"(%1, %2)"_s.arg(point.x()).arg(point.y()));
    return texts.join(u' ');
}

// Values computed from decimal text differ from the expected literals in the last bits only.
constexpr double pointTolerance = 1e-9;

// A break in a line (NaN) matches a break.
bool near(double actual, double expected) {
    if (std::isnan(expected))
        return std::isnan(actual);
    return std::abs(actual - expected) <= pointTolerance * std::max(1.0, std::abs(expected));
}

} // namespace

SampleSet::SampleSet(Shape shape) {
    if (shape == SemiInfinite) {
        write(QString(), semiInfiniteMain);
        write(u"twa"_s, semiInfiniteHardness);
        write(u"gru"_s, semiInfiniteDepths);
        write(u"pow"_s, semiInfiniteSurface);
        write(u"mas"_s, semiInfiniteMass);
    } else {
        write(QString(), foilMain);
        write(u"pow"_s, foilSurface);
        write(u"mas"_s, foilMass);
        write(u"sre"_s, foilMean);
    }
}

QString SampleSet::mainFile() const {
    return folder_.filePath(u"stal20.tav"_s);
}

QString SampleSet::path(const QString& extension) const {
    if (extension.isEmpty())
        return mainFile();
    return QString::fromStdString(
        resultFileName(mainFile().toStdString(), extension.toStdString()));
}

void SampleSet::write(const QString& extension, const QByteArray& text) const {
    QFile file(path(extension));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        qFatal("cannot write a sample file");
}

void SampleSet::remove(const QString& extension) const {
    QFile::remove(path(extension));
}

OpenSet::OpenSet(SampleSet::Shape shape) : files(shape) {
    context.openFile = files.mainFile();
}

bool noWindowLeft() {
    return QApplication::topLevelWidgets().isEmpty() &&
           QGuiApplication::topLevelWindows().isEmpty();
}

QIcon chartIcon(const QString& name) {
    return QIcon(u":/charts/%1_16.png"_s.arg(name));
}

QImage iconPicture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

std::unique_ptr<TChartMDIChild> makeWindow(ChartKind kind, ChartContext& context,
                                           const QString& title) {
    switch (kind) {
    case ChartKind::Temperature:
        return std::make_unique<TTempMDIChild>(context, title);
    case ChartKind::Potential:
        return std::make_unique<TPotMDIChild>(context, title);
    case ChartKind::Carbon:
        return std::make_unique<TWynikiMDIChild>(context, title);
    case ChartKind::CaseDepth:
        return std::make_unique<TGruboscMDIChild>(context, title);
    case ChartKind::Surface:
        return std::make_unique<TPowMDIChild>(context, title);
    case ChartKind::Hardness:
        return std::make_unique<TTwardoscMDIChild>(context, title);
    case ChartKind::Austenite:
        return std::make_unique<TAustenitMDIChild>(context, title);
    case ChartKind::Carbide:
        return std::make_unique<TCementytMDIChild>(context, title);
    case ChartKind::Mass:
        return std::make_unique<TXYMDIChild>(context, title, u"mas"_s);
    case ChartKind::Mean:
        return std::make_unique<TXYMDIChild>(context, title, u"sre"_s);
    }
    return nullptr;
}

void addFreshWindowColumns() {
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<ChartAxis>("xAxis");
    QTest::addColumn<ChartAxis>("yAxis");
    QTest::addColumn<QString>("xCaption");
    QTest::addColumn<QString>("yCaption");
}

void verifyFreshWindow(const TChartMDIChild& window, const QString& title) {
    QFETCH(QString, icon);
    QFETCH(QString, extension);
    QFETCH(ChartAxis, xAxis);
    QFETCH(ChartAxis, yAxis);
    QFETCH(QString, xCaption);
    QFETCH(QString, yCaption);

    QCOMPARE(window.windowTitle(), title);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(iconPicture(window.windowIcon()), iconPicture(chartIcon(icon)));
    QVERIFY(window.fileName().endsWith(u"stal20."_s + extension));
    const ChartDescription& chart = window.chart().description();
    COMPARE_AXIS(chart.xAxis, xAxis);
    COMPARE_AXIS(chart.yAxis, yAxis);
    QCOMPARE(chart.xCaption, xCaption);
    QCOMPARE(chart.middleCaption, QString());
    QCOMPARE(chart.yCaption, yCaption);
}

void showIn(QMdiArea& area, TChartMDIChild& window) {
    area.resize(800, 600);
    area.show();
    area.addSubWindow(&window);
    window.resize(640, 480);
    window.show();
}

void verifyTemperatureNearThreeHours(const QString& text) {
    const std::optional<ReadOut> readOut = parsedReadOut(text);
    QVERIFY2(readOut, qPrintable(text));
    QCOMPARE(readOut->name, u"Temperature"_s);
    QVERIFY2(std::abs(readOut->x - 3) < 0.03, qPrintable(text));
    // The read-out gives hours to two decimals and degrees whole: the line's value within half a
    // degree and the slope's worth of half a hundredth of an hour.
    QVERIFY2(std::abs(readOut->y - (900 + 5 * readOut->x)) <= 0.5 + 5 * 0.005, qPrintable(text));
}

bool showAtWorkingSize(QMdiArea& area, TChartMDIChild& window) {
    showIn(area, window);
    area.setGeometry(20, 20, 900, 700);
    window.setGeometry(0, 0, 880, 680);
    area.show();
    return QTest::qWaitForWindowExposed(&area);
}

bool rescale(TChartMDIChild& window, const ScaleTexts& texts, bool ok) {
    bool taken = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no scale dialog to answer");
        for (auto field = texts.cbegin(); field != texts.cend(); ++field)
            dialog->findChild<QLineEdit*>(field.key())->setText(field.value());
        const QString button = ok ? u"ok"_s : u"cancel"_s;
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        taken = ok && !dialog->isVisible();
        if (dialog->isVisible())
            dialog->reject();
    });
    window.scaleAxes();
    return taken;
}

bool samePoints(const QList<QPointF>& actual, const QList<QPointF>& expected, QString& message) {
    bool same = actual.size() == expected.size();
    for (qsizetype i = 0; same && i < actual.size(); ++i)
        same = near(actual[i].x(), expected[i].x()) && near(actual[i].y(), expected[i].y());
    if (!same)
        message = u"points\n  %1\nexpected\n  %2"_s.arg(pointsText(actual), pointsText(expected));
    return same;
}

bool sameLines(const ChartLines& actual, const ChartLines& expected, QString& message) {
    if (actual.size() != expected.size()) {
        message = u"%1 lines, expected %2"_s.arg(actual.size()).arg(expected.size());
        return false;
    }
    for (qsizetype line = 0; line < actual.size(); ++line)
        if (!samePoints(actual[line], expected[line], message)) {
            message = u"line %1: "_s.arg(line) + message;
            return false;
        }
    return true;
}

bool oneMessage(const MessageCapture& messages, const QString& text, const QString& caption,
                QString& message) {
    const bool one = messages.messages().size() == 1 && messages.messages().first().text == text &&
                     messages.messages().first().caption == caption &&
                     messages.messages().first().icon == MessageIcon::Exclamation;
    if (!one)
        message = u"shown: "_s + messages.texts().join(u" | "_s);
    return one;
}

bool sameAxis(const ChartAxis& actual, const ChartAxis& expected) {
    return near(actual.start, expected.start) && near(actual.step, expected.step) &&
           actual.divisions == expected.divisions;
}

QString axisText(const ChartAxis& axis) {
    return u"{start %1, step %2, %3 divisions}"_s.arg(axis.start)
        .arg(axis.step)
        .arg(axis.divisions);
}

QList<QStringList> csvRecords(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record.append(field);
            field.clear();
        } else if (c == u'\n') {
            if (field.endsWith(u'\r'))
                field.chop(1);
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    return records;
}

QPoint legendEntry(const LineChart& chart, int line) {
    const QLegend* legend = chart.chart()->legend();
    // The legend as drawn, which writes the times of profiles in one format.
    const QString text = shownLegend(chart.description().legends.value(line));
    for (QGraphicsItem* item : chart.scene()->items())
        if (const auto* label = dynamic_cast<QGraphicsTextItem*>(item);
            label && legend->isAncestorOf(label) && label->toPlainText() == text)
            return chart.mapFromScene(label->sceneBoundingRect().center());
    return QPoint(-1, -1);
}

QPoint viewPoint(const LineChart& chart, QPointF value) {
    QAbstractSeries* series = chart.chart()->series().first();
    const QPointF inChart = chart.chart()->mapToPosition(value, series);
    return chart.mapFromScene(chart.chart()->mapToScene(inChart));
}

std::optional<ReadOut> parsedReadOut(const QString& text) {
    const QStringList lines = text.split(u'\n');
    if (lines.size() != 3 || !lines[1].startsWith(u"x = "_s) || !lines[2].startsWith(u"y = "_s))
        return std::nullopt;
    bool xRead = false;
    bool yRead = false;
    ReadOut readOut{lines[0], lines[1].mid(4).section(u' ', 0, 0).toDouble(&xRead),
                    lines[2].mid(4).section(u' ', 0, 0).toDouble(&yRead)};
    if (!xRead || !yRead)
        return std::nullopt;
    return readOut;
}

void pickWhenTheMenuOpens(const QStringList& path) {
    auto* timer = new QTimer;
    auto step = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, path, step] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        const QList<QAction*> actions = menu->actions();
        const auto found = std::ranges::find_if(
            actions, [&](const QAction* action) { return action->text() == path[*step]; });
        if (found == actions.end())
            return;
        const QPoint at = menu->actionGeometry(*found).center();
        // A submenu opens under the mouse; a command runs on release.
        if ((*found)->menu())
            QTest::mouseMove(menu, at);
        else
            QTest::mouseClick(menu, Qt::LeftButton, {}, at);
        if (++*step == path.size())
            timer->deleteLater();
    });
    timer->start(10);
}
