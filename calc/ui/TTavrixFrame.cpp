#include "TTavrixFrame.h"

#include "ProgrammeDesign.h"
#include "ShownShape.h"
#include "TTavrixDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace {

constexpr QSize windowSize(590, 512);
constexpr int frameTop = 20; // pixels below the top of the screen

QAction* command(QMenuBar* menu, const QString& text, const QString& hint, int id) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setStatusTip(hint);
    return action;
}

} // namespace

TTavrixFrame::TTavrixFrame(SampleShape shape) : client_(new TTavrixDialog(shape, this)) {
    setWindowTitle(shownShapeName(shape));
    setWindowIcon(QIcon(QStringLiteral(":/calc/tavcalc.png")));
    setCentralWidget(client_);
    statusBar()->setObjectName(QStringLiteral("statusBar"));

    QAction* quit = command(menuBar(), tr("&Koniec"), tr("Zamyka okno dialogowe"), 24310);
    QAction* help = command(menuBar(), tr("Pomo&c"), tr("Informacje o programie"), 110);
    if (kindTraits(shape).foilTest) {
        QAction* foilTest =
            command(menuBar(), tr("&Współczynnik z próby..."),
                    tr("Wyznacza współczynnik przenoszenia węgla z próby foliowej"), 251);
        connect(foilTest, &QAction::triggered, client_, &TTavrixDialog::fitTransferCoefficient);
    } else if (kindTraits(shape).design) {
        QAction* design = command(menuBar(), tr("&Projekt procesu..."),
                                  tr("Projektuje program pieca dla zadanej warstwy"), 250);
        connect(design, &QAction::triggered, client_, &TTavrixDialog::designProcess);
    }
    QAction* profileFit =
        command(menuBar(), tr("&Dopasuj do pomiaru..."),
                tr("Dopasowuje współczynnik przenoszenia węgla do zmierzonego profilu"), 252);
    connect(profileFit, &QAction::triggered, client_, &TTavrixDialog::fitMeasuredProfile);
    QAction* converter = command(
        menuBar(), tr("&Przelicz odczyt..."),
        tr("Przelicza odczyt sondy tlenowej, punktu rosy lub CO2 na potencjał węglowy etapu"), 253);
    connect(converter, &QAction::triggered, client_, &TTavrixDialog::convertReading);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    connect(help, &QAction::triggered, client_, &TTavrixDialog::help);
    connect(client_, &QDialog::finished, this, &QWidget::close);

    client_->showKeptValues();
    resize(windowSize);
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.x() + (screenArea.width() - windowSize.width()) / 2, screenArea.y() + frameTop);
}

void TTavrixFrame::closeEvent(QCloseEvent* event) {
    if (!client_->mayClose()) {
        event->ignore();
        return;
    }
    client_->keepValues();
    QMainWindow::closeEvent(event);
}
