#include "CommandNotice.h"

#include "MessageBox.h"

#include <QCoreApplication>
#include <QString>

namespace {

// The command line's lead words, as a window says them.
QString windowText(CommandStatus status, const QString& reason) {
    switch (status) {
    case CommandStatus::Refused:
        return QCoreApplication::translate("CommandNotice", "Wrong input: %1").arg(reason);
    case CommandStatus::Unreachable:
        return QCoreApplication::translate("CommandNotice", "The targets cannot be met: %1")
            .arg(reason);
    default:
        return reason;
    }
}

} // namespace

void tellCommandEnd(QWidget* parent, CommandStatus status, const std::string& reason) {
    const WindowNotice notice = statusEntry(status).notice;
    if (notice == WindowNotice::None)
        return;
    const QString text = windowText(status, QString::fromStdString(reason));
    if (notice == WindowNotice::CheckData)
        showMessage(parent, text, QCoreApplication::translate("CommandNotice", "Check data!"),
                    MessageIcon::Exclamation);
    else
        showMessage(parent, text, QCoreApplication::translate("CommandNotice", "Error!"),
                    MessageIcon::Stop);
}
