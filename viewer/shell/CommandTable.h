#pragma once
// The viewer's commands with their menu captions and status-bar hints. A command's number is
// also the name of its control-bar picture, so one key finds the caption, hint and button.

#include <QHash>

class QAction;
class QObject;

enum class Command {
    Copy = 200,
    ProcessHelp = 202,
    Scale = 203,
    SemiInfinite = 204,
    ApplicationHelp = 205,
    Open = 206,
    About = 207,
    Fit = 208,
    Delete = 209,
    Cylinder = 210,
    Foil = 211,
    Plate = 212,
    Print = 213,
    AutoFit = 214,
    SaveChart = 216,
    Compare = 217,
    LoadRecord = 218,
    PartSpecification = 219,
    Exit = 24310,
    Cascade = 24361,
    Tile = 24362,
    ArrangeIcons = 24364,
    CloseAll = 24365,
};

// One action per command, owned by the given object; the actions carry no behaviour here.
class CommandTable {
public:
    explicit CommandTable(QObject* owner);

    QAction* operator[](Command id) const { return actions_.value(id); }

private:
    QHash<Command, QAction*> actions_;
};
