// One viewer per user and data folder: handing a set to the viewer that runs, a second viewer
// that leaves the name alone, a name left behind by a crash, and starting a viewer where none
// runs.

#include "ViewerLink.h"
#include "GuardedApplication.h"

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ViewerOpening)

using namespace Qt::StringLiterals;

namespace {

// Hands `setName` over from a thread of its own, as another process would, while this thread's
// event loop lets the server answer.
std::future<bool> handOver(const QString& serverName, const QString& setName) {
    return std::async(std::launch::async, [=] { return openInRunningViewer(serverName, setName); });
}

// A socket file with nobody listening on it, as a viewer that crashed leaves it.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    if (fd < 0 || std::size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::copy(bytes.begin(), bytes.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class ViewerLinkTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void setIsHandedToTheRunningViewer();
    void secondViewerLeavesTheNameToTheFirst();
    void nameLeftByACrashIsTakenOver();
    void namesDifferByDataFolder();
    void noViewerRunningStartsOne_data();
    void noViewerRunningStartsOne();

private:
    QString name_;
    QTemporaryDir folder_;
};

void ViewerLinkTest::initTestCase() {
    QVERIFY(folder_.isValid());
    name_ = viewerServerName(folder_.filePath(u"pliki.lst"_s));
}

void ViewerLinkTest::setIsHandedToTheRunningViewer() {
    ViewerServer viewer;
    QVERIFY(viewer.listen(name_));
    QSignalSpy requested(&viewer, &ViewerServer::setRequested);
    const QString set = u"/dane/stal 20HMN ż.tav"_s;
    std::future<bool> taken = handOver(name_, set);
    QTRY_COMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toString(), set);
    QVERIFY(taken.get());
}

void ViewerLinkTest::secondViewerLeavesTheNameToTheFirst() {
    ViewerServer first;
    QVERIFY(first.listen(name_));
    ViewerServer second;
    QVERIFY(!second.listen(name_));
    QSignalSpy requested(&first, &ViewerServer::setRequested);
    std::future<bool> taken = handOver(name_, u"/a.tav"_s);
    QTRY_COMPARE(requested.count(), 1);
    QVERIFY(taken.get());
}

void ViewerLinkTest::nameLeftByACrashIsTakenOver() {
    QLocalServer::removeServer(name_);
    QVERIFY(leaveStaleSocket(QDir::temp().filePath(name_)));
    QVERIFY(!openInRunningViewer(name_, u"/a.tav"_s));
    ViewerServer viewer;
    QVERIFY(viewer.listen(name_));
    QSignalSpy requested(&viewer, &ViewerServer::setRequested);
    std::future<bool> taken = handOver(name_, u"/a.tav"_s);
    QTRY_COMPARE(requested.count(), 1);
    QVERIFY(taken.get());
}

void ViewerLinkTest::namesDifferByDataFolder() {
    QCOMPARE(viewerServerName(folder_.filePath(u"pliki.lst"_s)), name_);
    QCOMPARE(viewerServerName(folder_.path() + u"/./pliki.lst"_s), name_);
    QVERIFY(viewerServerName(folder_.filePath(u"inny/pliki.lst"_s)) != name_);
}

void ViewerLinkTest::noViewerRunningStartsOne_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<ViewerOpening>("opening");
    QTest::newRow("viewer there") << u"/bin/true"_s << ViewerOpening::NewViewer;
    QTest::newRow("no viewer") << folder_.filePath(u"tavrix"_s) << ViewerOpening::Failed;
}

void ViewerLinkTest::noViewerRunningStartsOne() {
    QFETCH(QString, program);
    QFETCH(ViewerOpening, opening);
    QLocalServer::removeServer(name_);
    QCOMPARE(openInViewer(name_, program, u"/a.tav"_s), opening);
}

int main(int argc, char* argv[]) {
    GuardedApplication application(argc, argv);
    ViewerLinkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewerLinkTest.moc"
