#include "RestartLoop.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QString>

#include <exception>

namespace {

// The end of a program that the user let go after an escaped exception.
constexpr int exceptionResult = 1;

// The report of an abnormal end; true when the user wants the viewer started again.
bool askRestart(const QString& why, const QString& caption) {
    const QString question = QCoreApplication::translate("RestartLoop", "Uruchomić jeszcze raz?");
    const QString text = why.isEmpty() ? question : why + QStringLiteral("\n\n") + question;
    return showMessage(nullptr, text, caption, MessageIcon::Stop,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

int runWithRestart(const std::function<int()>& run) {
    for (;;) {
        int result = exceptionResult;
        QString why;
        QString caption;
        try {
            result = run();
            if (result == 0)
                return 0;
            why = QCoreApplication::translate("RestartLoop", "Run returned %1").arg(result);
            caption = QCoreApplication::translate("RestartLoop", "Niezwykłe zakończenie");
        } catch (const std::exception& error) {
            why = QString::fromLocal8Bit(error.what());
            caption =
                QCoreApplication::translate("RestartLoop", "Niezwykłe zakończenie, uncaught xmsg");
        } catch (...) {
            caption =
                QCoreApplication::translate("RestartLoop", "Niezwykłe zakończenie, uncaught ...");
        }
        if (!askRestart(why, caption))
            return result;
    }
}
