#pragma once
// The programs' own help window, so that help needs no web browser: it shows the help pages
// that lie beside the programs, follows the links between them, goes back and forward, and shows
// the pages' pictures. Each program keeps one; every help command opens its page in it and
// brings it to the front. Links that leave the help pages go to the desktop's browser.

#include <QMainWindow>

class QTextBrowser;

class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // A window of its own even with a parent, which it closes with.
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the page at `path` (a file), at its anchor `section` when one is given, in front of
    // the other windows; false, and nothing shown, when there is no such page.
    bool showPage(const QString& path, const QString& section = QString());

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};
