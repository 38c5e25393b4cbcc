#pragma once
// The common part of the dialogs that search over trial runs (process design, foil test): a
// gauge, and a Cancel that stops the search while it runs, a help button, and entries that stay
// from one opening to the next while the program runs. Esc and the close box stop a running
// search too, but leave the dialog open until the search has returned.

#include <QDialog>

#include <functional>
#include <optional>

class QBoxLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class RunObserver;
class THelpWindow;

class TTrialDialog : public QDialog {
    Q_OBJECT
public:
    explicit TTrialDialog(QWidget* parent);

    void reject() override;

protected:
    // A numeric box with the form's filter, named `name`, optionally starting with `text`.
    QLineEdit* numberBox(const QString& name, const QString& text = QString());
    // The gauge and the Cancel button, for the dialog's layout.
    QBoxLayout* gaugeRow();
    // "Pomoc": opens the section `section` of the help page `page`.
    QPushButton* helpButton(const QString& section,
                            const QString& page = QStringLiteral("designhelp.html"));
    // Called once the dialog's boxes and check boxes exist: they show what they held when the
    // dialog was last closed, and keep what they hold when it closes now.
    void keepEntries();
    // Runs `search` with the gauge; the dialog's other buttons are disabled meanwhile.
    void runSearch(const std::function<void(RunObserver&)>& search);
    bool running() const { return running_; }

private:
    void restoreEntries();
    void saveEntries() const;

    QProgressBar* gauge_;
    QPushButton* cancel_;
    THelpWindow* helpWindow_ = nullptr; // once help was asked for
    bool running_ = false;
    bool cancelled_ = false; // Cancel was pressed during the running search
};

// A box's number as the form reads it; empty when the box is empty or holds no number.
std::optional<double> filledBoxValue(const QLineEdit* box);
