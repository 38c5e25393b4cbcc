#include "CalcUiTest.h"

#include "MessageBox.h"
#include "SetNames.h"
#include "TTavrixDialog.h"
#include "TWskDialog.h"
#include "TestDataFolder.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Every window test computes in a data folder of its own.
[[maybe_unused]] const bool ownDataFolder = (useTestDataFolder(), true);

QString listPath() {
    return QString::fromStdString(listFilePath());
}

} // namespace

void typeInto(const QObject* root, const QString& box, const QString& text) {
    auto* edit = control<QLineEdit>(root, box);
    QVERIFY2(edit, qPrintable(box));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void typeAll(const QObject* root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype split = entry.indexOf(u'=');
        typeInto(root, entry.left(split), entry.mid(split + 1));
    }
}

void clickButton(const QObject* root, const QString& button) {
    auto* pushButton = control<QPushButton>(root, button);
    QVERIFY2(pushButton, qPrintable(button));
    QTest::mouseClick(pushButton, Qt::LeftButton);
}

void compareBoxes(const QObject* root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const qsizetype split = entry.indexOf(u'=');
        auto* box = control<QLineEdit>(root, entry.left(split));
        QVERIFY2(box, qPrintable(entry));
        QCOMPARE(box->text(), entry.mid(split + 1));
    }
}

QString computeInto(TTavrixDialog& dialog, const QString& setName) {
    typeInto(&dialog, QStringLiteral("edit241"), setName);
    QString stateAtEnd;
    AtNextTurn answer([&] {
        auto* progress = qobject_cast<TWskDialog*>(QApplication::activeModalWidget());
        if (!progress)
            return;
        clickButton(progress, QStringLiteral("button900"));
        stateAtEnd = control<QLabel>(progress, QStringLiteral("static117"))->text();
        if (progress->isVisible())
            progress->accept();
    });
    clickButton(&dialog, QStringLiteral("button201"));
    return stateAtEnd;
}

AtNextTurn::AtNextTurn(std::function<void()> action) {
    timer_.setSingleShot(true);
    timer_.callOnTimeout(std::move(action));
    timer_.start(0);
}

QStringList captionsAndTexts(const MessageCapture& capture) {
    QStringList shown;
    for (const MessageRecord& message : capture.messages())
        shown.append(message.caption + u'|' + message.text);
    return shown;
}

InUseListKeeper::InUseListKeeper() : saved_(current()) {}

InUseListKeeper::~InUseListKeeper() {
    if (saved_)
        writeFile(listPath(), *saved_);
    else
        QFile::remove(listPath());
}

std::optional<QByteArray> InUseListKeeper::current() {
    if (!QFile::exists(listPath()))
        return std::nullopt;
    return fileBytes(listPath());
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

TestSettings::TestSettings() {
    QStandardPaths::setTestModeEnabled(true);
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder_.path());
}

QStringList tabChain(QWidget& window, QWidget* first) {
    first->setFocus();
    QStringList reached{first->objectName()};
    for (int step = 0; step < 400; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused == first || !window.isAncestorOf(focused))
            break;
        reached.append(focused->objectName());
    }
    return reached;
}

bool inOrder(const QStringList& chain, const QStringList& expected) {
    qsizetype at = 0;
    for (const QString& name : expected) {
        at = chain.indexOf(name, at);
        if (at < 0)
            return false;
    }
    return true;
}
