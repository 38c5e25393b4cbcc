#pragma once
// The viewer's main window, "Tavrix!": the menu, the control bar and the status bar around the
// MDI client. It routes each command to the active chart window, the client, or a companion
// program, and keeps the commands that need a chart window disabled while there is none.

#include "CommandTable.h"
#include "DocumentCommands.h"
#include "ProgramPlace.h"
#include "RecordCommands.h"
#include "SetCommands.h"

#include <QMainWindow>

#include <string_view>

class TTavMDIClient;
class QMenu;
class THelpWindow;

class TTavFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TTavFrame(const ProgramPlace& place, QWidget* parent = nullptr);
    ~TTavFrame() override;

    TTavMDIClient& client() const { return *client_; }
    SetCommands& sets() { return sets_; }
    DocumentCommands& documents() { return documents_; }
    RecordCommands& records() { return records_; }
    QAction* command(Command id) const { return commands_[id]; }
    // The help window, once a help command has opened it.
    THelpWindow* helpWindow() const { return helpWindow_; }

private:
    void buildMenu();
    void buildLanguageMenu(QMenu& help);
    void buildControlBar();
    void connectCommands();
    void updateCommandEnabling();
    void startCalculationFor(std::string_view shape);
    void showAbout();
    void showHelp(const QString& page);

    ProgramPlace place_;
    TTavMDIClient* client_;
    SetCommands sets_;
    DocumentCommands documents_;
    RecordCommands records_;
    CommandTable commands_;
    THelpWindow* helpWindow_ = nullptr;
};
