#pragma once
// What the window tests of tavcalc share: the application they run under, finding and driving
// controls by object name, and keeping the in-use list as it was.

#include "TTavrixApp.h"

#include <QByteArray>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

// The tests run under the program's own application object, so its start-up (the numeric
// locale above all) holds for them as for the program. What the windows keep in the user's
// settings (the language, the form's last values) goes to a folder of the test program's own.
#define TAVCALC_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        const TestSettings settings;                                                               \
        TTavrixApp app(argc, argv);                                                                \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// While alive, the user's settings lie in a temporary folder of the test program's own, and
// Qt's test folder for them: a test never reads or changes the settings of the person who runs
// it, nor of another test program running beside it. Made before the first settings are read.
class TestSettings {
public:
    TestSettings();

private:
    QTemporaryDir folder_;
};

template <class Control = QWidget> Control* control(const QObject* root, const QString& name) {
    return root->findChild<Control*>(name);
}

// Replaces a box's text by typing, so that its character filter applies.
void typeInto(const QObject* root, const QString& box, const QString& text);
// Each entry "edit208=0.2" types the text after "=" into the box named before it.
void typeAll(const QObject* root, const QStringList& entries);
void clickButton(const QObject* root, const QString& button);
// Compares each box named in an entry "edit208=0.200000" with the text after "=".
void compareBoxes(const QObject* root, const QStringList& entries);

// The object names of the controls Tab reaches from `first`, once round the window, as the
// focused control receives the key.
QStringList tabChain(QWidget& window, QWidget* first);
// Whether `expected` comes in `chain` in its order (other controls may lie between).
bool inOrder(const QStringList& chain, const QStringList& expected);

class TTavrixDialog;
// Types `setName` as the output name, presses "Obliczaj...", starts the run and ends its dialog
// with OK; the state text at the end (empty when no run was offered).
QString computeInto(TTavrixDialog& dialog, const QString& setName);

// Does `action` at the next turn of an event loop: inside a modal dialog that is about to
// open, or where a run lets input through. Nothing happens once this has gone out of scope.
class AtNextTurn {
public:
    explicit AtNextTurn(std::function<void()> action);

private:
    QTimer timer_;
};

// "Caption|text" for each message the capture recorded, in order.
class MessageCapture;
QStringList captionsAndTexts(const MessageCapture& capture);

// Restores "pliki.lst" (or its absence) when it goes out of scope. The list is the test
// program's own, in its temporary data folder (TestDataFolder.h).
class InUseListKeeper {
public:
    InUseListKeeper();
    ~InUseListKeeper();
    InUseListKeeper(const InUseListKeeper&) = delete;
    InUseListKeeper& operator=(const InUseListKeeper&) = delete;

    // The content the list had, or nothing when there was no list file.
    const std::optional<QByteArray>& saved() const { return saved_; }
    static std::optional<QByteArray> current();

private:
    std::optional<QByteArray> saved_;
};

QByteArray fileBytes(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);
