#include "MessageBox.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {

MessageCapture* activeCapture = nullptr;

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& caption, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons) {
    if (activeCapture) {
        activeCapture->messages_.append(MessageRecord{text, caption, icon});
        activeCapture->parents_.append(parent);
        return activeCapture->answer_;
    }
    QMessageBox box(boxIcon(icon), caption, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void showListProblem(QWidget* parent, const std::string& problem) {
    showMessage(parent,
                QCoreApplication::translate(
                    "MessageBox", "The list of sets in use (pliki.lst) cannot be updated: %1")
                    .arg(QString::fromLocal8Bit(problem)),
                QCoreApplication::translate("MessageBox", "Error!"), MessageIcon::Stop);
}

QString chooseFile(QWidget* parent, FileChoice kind, const QString& title, const QString& filter,
                   const QString& start, const QString& acceptLabel) {
    if (activeCapture) {
        activeCapture->fileDialogTitles_.append(title);
        return activeCapture->fileAnswers_.isEmpty() ? QString()
                                                     : activeCapture->fileAnswers_.takeFirst();
    }
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(kind == FileChoice::Open ? QFileDialog::AcceptOpen
                                                  : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileChoice::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!acceptLabel.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, acceptLabel);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QStringList chooseFiles(QWidget* parent, const QString& title, const QString& filter) {
    if (activeCapture) {
        activeCapture->fileDialogTitles_.append(title);
        if (activeCapture->fileAnswers_.isEmpty())
            return {};
        return activeCapture->fileAnswers_.takeFirst().split(u'\n', Qt::SkipEmptyParts);
    }
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

MessageCapture::MessageCapture(QMessageBox::StandardButton answer) : answer_(answer) {
    activeCapture = this;
}

MessageCapture::~MessageCapture() {
    activeCapture = nullptr;
}

QStringList MessageCapture::texts() const {
    QStringList texts;
    for (const MessageRecord& message : messages_)
        texts.append(message.text);
    return texts;
}
