#pragma once
// One viewer per user and data folder, as desktop programs keep one window per user: the viewer
// that runs listens on a local socket whose name comes from the user and the in-use list of its
// data folder, and a set to be opened (from tavcalc's progress dialog, or a second `tavrix SET`
// from a file manager) is handed to it there instead of starting another viewer.
//
// The exchange is one line each way: the set's full name in UTF-8, then "ok" once the viewer
// has taken it (before it opens it, so a message box of the viewer does not keep the sender
// waiting).

#include <QLocalServer>
#include <QObject>
#include <QString>

// The socket name for the viewer of the data folder whose in-use list is `listFilePath`.
QString viewerServerName(const QString& listFilePath);

// Hands `setName` to the viewer listening on `serverName`; false when none took it.
bool openInRunningViewer(const QString& serverName, const QString& setName);

enum class ViewerOpening { InRunningViewer, NewViewer, Failed };

// Opens the set in the running viewer, or else starts `viewerProgram` with the set's name.
ViewerOpening openInViewer(const QString& serverName, const QString& viewerProgram,
                           const QString& setName);

// The viewer's end: receives the sets handed to it.
class ViewerServer : public QObject {
    Q_OBJECT
public:
    explicit ViewerServer(QObject* parent = nullptr);

    // Listens on `serverName`; false when another viewer already does (or the socket cannot be
    // made). A socket left behind by a viewer that crashed is taken over.
    bool listen(const QString& serverName);

signals:
    void setRequested(const QString& setName);

private:
    void answer();

    QLocalServer server_;
};
