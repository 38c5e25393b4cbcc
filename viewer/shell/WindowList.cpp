#include "WindowList.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

WindowList::WindowList(QMenu& menu, QMdiArea& client)
    : QObject(&menu), menu_(menu), client_(client) {
    connect(&menu_, &QMenu::aboutToShow, this, &WindowList::fill);
}

void WindowList::fill() {
    delete entries_;
    entries_ = new QActionGroup(this);
    const QList<QMdiSubWindow*> windows = client_.subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    auto* separator = new QAction(entries_);
    separator->setSeparator(true);
    menu_.addAction(separator);
    for (qsizetype index = 0; index < windows.size(); ++index) {
        QMdiSubWindow* window = windows[index];
        // The first nine are chosen by their digit; an ampersand of a title is no shortcut.
        const QString number = index < 9 ? QStringLiteral("&%1 ").arg(index + 1)
                                         : QStringLiteral("%1 ").arg(index + 1);
        auto* entry = new QAction(
            number + QString(window->windowTitle()).replace(u'&', QStringLiteral("&&")), entries_);
        entry->setCheckable(true);
        entry->setChecked(window == client_.currentSubWindow());
        connect(entry, &QAction::triggered, &client_, [this, window] {
            client_.setActiveSubWindow(window);
            if (window->isMinimized())
                window->showNormal();
        });
        menu_.addAction(entry);
    }
}
