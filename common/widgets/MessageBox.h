#pragma once
// Every message box and file dialog of both programs goes through these functions, so that a
// test can answer them instead of a person (a modal box would block a headless test forever).

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class QWidget;

enum class MessageIcon { None, Exclamation, Stop, Information, Question };

struct MessageRecord {
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
};

// Shows a modal message box and returns the button pressed.
QMessageBox::StandardButton showMessage(QWidget* parent, const QString& text,
                                        const QString& caption, MessageIcon icon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// "Error!" for an in-use list that could not be updated, with the system's reason.
void showListProblem(QWidget* parent, const std::string& problem);

enum class FileChoice { Open, Save };

// A modal file dialog; the filter is in Qt's form ("Files from Tavrix! (*.tav)"). It starts at
// `start` (a file or folder) when one is given; `acceptLabel` names its accept button when the
// dialog does something else than open or save. Returns the chosen path, or an empty text when
// the user cancelled.
QString chooseFile(QWidget* parent, FileChoice kind, const QString& title, const QString& filter,
                   const QString& start = QString(), const QString& acceptLabel = QString());

// A modal file dialog choosing several existing files at once; none when the user cancelled.
// A capture answers it with one of its queued paths holding the names one a line.
QStringList chooseFiles(QWidget* parent, const QString& title, const QString& filter);

// While alive, records every message instead of showing it and answers with `answer`; file
// dialogs are answered from the queue of paths given to answerFileDialogs (empty: cancel).
class MessageCapture {
public:
    explicit MessageCapture(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const QList<MessageRecord>& messages() const { return messages_; }
    // The parent each message was shown with, in order: a box is centred on its parent's window.
    const QList<QPointer<QWidget>>& parents() const { return parents_; }
    QStringList texts() const;
    void clear() {
        messages_.clear();
        parents_.clear();
    }
    void setAnswer(QMessageBox::StandardButton answer) { answer_ = answer; }
    void answerFileDialogs(const QStringList& paths) { fileAnswers_ = paths; }
    // The titles the file dialogs were shown with, in order.
    const QStringList& fileDialogTitles() const { return fileDialogTitles_; }

private:
    friend QMessageBox::StandardButton showMessage(QWidget*, const QString&, const QString&,
                                                   MessageIcon, QMessageBox::StandardButtons);
    friend QStringList chooseFiles(QWidget*, const QString&, const QString&);
    friend QString chooseFile(QWidget*, FileChoice, const QString&, const QString&, const QString&,
                              const QString&);

    QList<MessageRecord> messages_;
    QList<QPointer<QWidget>> parents_;
    QMessageBox::StandardButton answer_;
    QStringList fileAnswers_;
    QStringList fileDialogTitles_;
};
