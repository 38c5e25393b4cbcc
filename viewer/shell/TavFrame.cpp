#include "TavFrame.h"

#include "AboutDlg.h"
#include "ChartWindows.h"
#include "Companions.h"
#include "InterfaceLanguage.h"
#include "MessageBox.h"
#include "OnScreen.h"
#include "Pictures.h"
#include "ProcessData.h"
#include "THelpWindow.h"
#include "TSummaryMDIChild.h"
#include "TavMDIClient.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <functional>
#include <utility>

TTavFrame::TTavFrame(const ProgramPlace& place, QWidget* parent)
    : QMainWindow(parent), place_(place), client_(new TTavMDIClient),
      sets_(*client_, place.ListFilePath), documents_(*client_), records_(*client_),
      commands_(this) {
    setObjectName(QStringLiteral("frame"));
    setWindowTitle(tr("Tavrix!"));
    setWindowIcon(frameIcon());
    setCentralWidget(client_);
    buildMenu();
    buildControlBar();
    statusBar()->setSizeGripEnabled(true);
    connectCommands();
    updateCommandEnabling();
    resize(1024, 720);
    keepOnScreen(*this);
}

TTavFrame::~TTavFrame() {
    // The client closes its windows while QWidget destroys it, after the commands are gone.
    disconnect(client_, nullptr, this, nullptr);
}

void TTavFrame::buildMenu() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(tr("&Plik"));
    file->addAction(command(Command::Open));
    file->addAction(command(Command::Compare));
    file->addSeparator();
    file->addAction(command(Command::Delete));
    file->addSeparator();
    file->addAction(command(Command::Print));
    file->addAction(command(Command::SaveChart));
    file->addSeparator();
    file->addAction(command(Command::PartSpecification));
    file->addAction(command(Command::LoadRecord));
    file->addSeparator();
    file->addAction(command(Command::Exit));

    bar->addMenu(tr("&Edycja"))->addAction(command(Command::Copy));
    bar->addAction(command(Command::Scale));
    bar->addAction(command(Command::Fit));

    QMenu* shapes = bar->addMenu(tr("&Obliczenia"))->addMenu(tr("&Kształt próbki"));
    for (Command shape : {Command::SemiInfinite, Command::Plate, Command::Foil, Command::Cylinder})
        shapes->addAction(command(shape));

    QAction* autoFit = command(Command::AutoFit);
    autoFit->setCheckable(true);
    autoFit->setChecked(client_->autoFit());
    bar->addMenu(tr("O&pcje"))->addAction(autoFit);

    QMenu* windows = bar->addMenu(tr("O&kno"));
    for (Command arrange :
         {Command::Cascade, Command::Tile, Command::ArrangeIcons, Command::CloseAll})
        windows->addAction(command(arrange));

    QMenu* help = bar->addMenu(tr("Pomo&c"));
    help->addAction(command(Command::ApplicationHelp));
    help->addSeparator();
    help->addAction(command(Command::ProcessHelp));
    help->addSeparator();
    help->addAction(command(Command::About));
    help->addSeparator();
    buildLanguageMenu(*help);
}

// Named in both languages, so that whoever cannot read the one shown still finds it. A language
// is the programs' at their start (InterfaceLanguage.h): the choice is kept for the next one.
void TTavFrame::buildLanguageMenu(QMenu& help) {
    QMenu* languages = help.addMenu(QStringLiteral("Język / Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto* choices = new QActionGroup(languages);
    const std::pair<InterfaceLanguage, QString> names[] = {
        {InterfaceLanguage::Polish, QStringLiteral("Polski")},
        {InterfaceLanguage::English, QStringLiteral("English")}};
    for (const auto& [language, name] : names) {
        QAction* choice = languages->addAction(name);
        choice->setObjectName(QStringLiteral("language_") + languageCode(language));
        choice->setCheckable(true);
        choice->setChecked(language == currentLanguage());
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, language] {
            keepLanguage(language);
            if (language != currentLanguage())
                showMessage(this, tr("Język zmieni się przy następnym uruchomieniu programów."),
                            QStringLiteral("Tavrix!"), MessageIcon::Information);
        });
    }
}

void TTavFrame::buildControlBar() {
    QToolBar* bar = addToolBar(tr("Control bar"));
    bar->setObjectName(QStringLiteral("controlBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // Buttons are actions of their own that stand for a command: a menu bar would show a
    // command's icon in place of its caption.
    auto addButton = [this, bar](Command id) {
        QAction* command = this->command(id);
        QAction* button = bar->addAction(buttonIcon(static_cast<int>(id)), command->iconText());
        button->setObjectName(QStringLiteral("button%1").arg(static_cast<int>(id)));
        button->setStatusTip(command->statusTip());
        button->setEnabled(command->isEnabled());
        connect(button, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QAction::setEnabled);
    };
    addButton(Command::Open);
    addButton(Command::Compare);
    bar->addSeparator();
    bar->addSeparator();
    addButton(Command::Fit);
    bar->addSeparator();
    addButton(Command::Scale);
    bar->addSeparator();
    bar->addSeparator();
    addButton(Command::Copy);
    bar->addSeparator();
    bar->addSeparator();
    addButton(Command::About);
}

void TTavFrame::connectCommands() {
    auto on = [this](Command id, auto handler) {
        connect(command(id), &QAction::triggered, this, handler);
    };
    // Chart commands go to the active chart window; with none they are disabled anyway.
    auto onChart = [this, &on](Command id, auto handler) {
        on(id, [this, handler] {
            if (TChartMDIChild* chart = client_->activeChart())
                std::invoke(handler, chart);
        });
    };

    on(Command::Open, [this] { sets_.openResults(); });
    on(Command::Compare, [this] { sets_.compareResults(); });
    on(Command::Delete, [this] { sets_.deleteResults(); });
    on(Command::Print, [this] { documents_.print(); });
    on(Command::SaveChart, [this] { documents_.save(); });
    on(Command::PartSpecification, [this] { records_.chooseSpecification(); });
    on(Command::LoadRecord, [this] { records_.writeRecord(); });
    on(Command::Exit, &QWidget::close);
    on(Command::Copy, [this] { documents_.copy(); });
    // The caption names "Ctrl+Ins" itself, so its keys are bound apart from the menu item, which
    // would show them a second time; Ctrl+C is what today's desktops copy with.
    auto* copyKeys = new QAction(this);
    copyKeys->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_C)});
    addAction(copyKeys);
    connect(copyKeys, &QAction::triggered, command(Command::Copy), &QAction::trigger);
    onChart(Command::Scale, &TChartMDIChild::scaleAxes);
    onChart(Command::Fit, &TChartMDIChild::fit);
    on(Command::SemiInfinite, [this] { startCalculationFor(semiInfiniteShapeName); });
    on(Command::Plate, [this] { startCalculationFor(plateShapeName); });
    on(Command::Foil, [this] { startCalculationFor(foilShapeName); });
    on(Command::Cylinder, [this] { startCalculationFor(cylinderShapeName); });
    connect(command(Command::AutoFit), &QAction::toggled, client_, &TTavMDIClient::setAutoFit);
    on(Command::Cascade, [this] { client_->cascadeSubWindows(); });
    on(Command::Tile, [this] { client_->tileSubWindows(); });
    on(Command::ArrangeIcons, [this] { client_->arrangeIcons(); });
    on(Command::CloseAll, [this] { client_->closeAllSubWindows(); });
    on(Command::ApplicationHelp, [this] { showHelp(applicationHelpPage); });
    on(Command::ProcessHelp, [this] { showHelp(processHelpPage); });
    on(Command::About, &TTavFrame::showAbout);

    connect(client_, &QMdiArea::subWindowActivated, this, &TTavFrame::updateCommandEnabling);
}

void TTavFrame::updateCommandEnabling() {
    const bool chart = client_->activeChart() != nullptr;
    for (Command id : {Command::Print, Command::Scale, Command::Fit})
        command(id)->setEnabled(chart);
    // A record is of one set: a comparison's windows show several.
    const bool set = records_.activeSet().has_value();
    for (Command id : {Command::PartSpecification, Command::LoadRecord})
        command(id)->setEnabled(set);
    // A comparison's summary is copied and saved as a table.
    const bool table = chart || client_->activeSummary() != nullptr;
    for (Command id : {Command::SaveChart, Command::Copy})
        command(id)->setEnabled(table);
}

void TTavFrame::startCalculationFor(std::string_view shape) {
    if (!startCalculation(place_, shape))
        showMessage(this, tr("Can't run subprogram"), tr("Error!"), MessageIcon::Stop);
}

void TTavFrame::showHelp(const QString& page) {
    if (!helpWindow_)
        helpWindow_ = new THelpWindow(this);
    // A page that is not there is passed over, as the help commands always have.
    helpWindow_->showPage(place_.helpPage(page));
}

void TTavFrame::showAbout() {
    AboutDlg dialog(this);
    dialog.exec();
}
