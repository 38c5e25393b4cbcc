#include "RestartLoop.h"

#include "MessageBox.h"

#include <QString>

#include <exception>

namespace {

// The end of a program that the user let go after an escaped exception.
constexpr int exceptionResult = 1;

// The report of an abnormal end; true when the user wants the viewer started again.
bool askRestart(const QString& why, const QString& caption) {
    const QString question = QStringLiteral("Uruchomić jeszcze raz?");
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
            why = QStringLiteral("Run returned %1").arg(result);
            caption = QStringLiteral("Niezwykłe zakończenie");
        } catch (const std::exception& error) {
            why = QString::fromLocal8Bit(error.what());
            caption = QStringLiteral("Niezwykłe zakończenie, uncaught xmsg");
        } catch (...) {
            caption = QStringLiteral("Niezwykłe zakończenie, uncaught ...");
        }
        if (!askRestart(why, caption))
            return result;
    }
}
