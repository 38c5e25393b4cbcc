#include "ViewerLink.h"

#include "InterfaceLanguage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// ms: the viewer answers from its event loop, which a chart being drawn may hold for a while.
constexpr int connectTimeout = 1000;
constexpr int answerTimeout = 5000;

const QByteArray taken = QByteArrayLiteral("ok\n");

QString userName() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

QString viewerServerName(const QString& listFilePath) {
    const QByteArray folder = QDir::cleanPath(QFileInfo(listFilePath).absoluteFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("tavrix-viewer-%1-%2")
        .arg(userName(), QString::fromLatin1(hash.left(16)));
}

bool openInRunningViewer(const QString& serverName, const QString& setName) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(connectTimeout))
        return false;
    socket.write(setName.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(connectTimeout))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(answerTimeout))
        answer += socket.readAll();
    return answer == taken;
}

ViewerOpening openInViewer(const QString& serverName, const QString& viewerProgram,
                           const QString& setName) {
    if (openInRunningViewer(serverName, setName))
        return ViewerOpening::InRunningViewer;
    return QProcess::startDetached(viewerProgram, languageArguments() << setName)
               ? ViewerOpening::NewViewer
               : ViewerOpening::Failed;
}

ViewerServer::ViewerServer(QObject* parent) : QObject(parent) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &ViewerServer::answer);
}

bool ViewerServer::listen(const QString& serverName) {
    // A viewer that runs accepts the connection. Listening would take the name from it (Qt
    // replaces a socket file that is there), so it keeps the name; a file left by one that
    // crashed accepts nothing and is replaced.
    QLocalSocket probe;
    probe.connectToServer(serverName);
    if (probe.waitForConnected(connectTimeout))
        return false;
    QLocalServer::removeServer(serverName);
    return server_.listen(serverName);
}

void ViewerServer::answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString setName = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(taken);
            socket->flush();
            socket->disconnectFromServer();
            emit setRequested(setName);
        });
    }
}
