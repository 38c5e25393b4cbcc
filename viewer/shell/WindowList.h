#pragma once
// The list of the open windows at the end of the Window menu, as MDI programs have it: one
// entry per window of the client, numbered, the current one checked; choosing one brings it
// forward, out of its icon when minimised. The list is made anew each time the menu opens.

#include <QObject>

class QActionGroup;
class QMdiArea;
class QMenu;

class WindowList : public QObject {
    Q_OBJECT
public:
    // The list follows the actions the menu holds now.
    WindowList(QMenu& menu, QMdiArea& client);

private:
    void fill();

    QMenu& menu_;
    QMdiArea& client_;
    QActionGroup* entries_ = nullptr; // the entries of the last fill, with their separator
};
