#include "THelpWindow.h"

#include "OnScreen.h"

#include <QAction>
#include <QFileInfo>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

THelpWindow::THelpWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);

    QToolBar* bar = addToolBar(tr("Nawigacja"));
    bar->setMovable(false);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Wstecz"),
                                   browser_, &QTextBrowser::backward);
    back->setObjectName(QStringLiteral("helpBack"));
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Dalej"),
                                      browser_, &QTextBrowser::forward);
    forward->setObjectName(QStringLiteral("helpForward"));
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Pomoc") : title);
    });
    resize(760, 640);
    keepOnScreen(*this);
}

bool THelpWindow::showPage(const QString& path, const QString& section) {
    if (!QFileInfo(path).isFile())
        return false;
    QUrl page = QUrl::fromLocalFile(path);
    if (!section.isEmpty())
        page.setFragment(section);
    browser_->setSource(page);
    show();
    raise();
    activateWindow();
    return true;
}
