#include "TTrialDialog.h"

#include "BoxNumbers.h"
#include "HelpPages.h"
#include "MessageBox.h"
#include "NumberBox.h"
#include "ProcessForm.h"
#include "THelpWindow.h"
#include "WindowRunObserver.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

TTrialDialog::TTrialDialog(QWidget* parent)
    : QDialog(parent), gauge_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    gauge_->setObjectName(QStringLiteral("gauge"));
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setEnabled(false);
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

void TTrialDialog::reject() {
    if (running_) {
        cancelled_ = true;
        return;
    }
    QDialog::reject();
}

QLineEdit* TTrialDialog::numberBox(const QString& name, const QString& text) {
    QLineEdit* box = newNumberBox(name, this);
    box->setText(text);
    return box;
}

QBoxLayout* TTrialDialog::gaugeRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(gauge_, 1);
    row->addWidget(cancel_);
    return row;
}

QPushButton* TTrialDialog::helpButton(const QString& section, const QString& page) {
    auto* button = new QPushButton(tr("Pomoc"), this);
    button->setObjectName(QStringLiteral("help"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, section, page] {
        const QString path = helpPagePath(page);
        // A window of the dialog's own: the modal dialog would block one of the form's.
        if (!helpWindow_)
            helpWindow_ = new THelpWindow(this);
        if (!helpWindow_->showPage(path, section))
            showMessage(this, tr("Can't open file\n") + path, tr("Error!"), MessageIcon::Stop);
    });
    return button;
}

namespace {

// What the trial dialogs' boxes held when they last closed, by "dialog/box" object names.
QHash<QString, QString>& keptEntries() {
    static QHash<QString, QString> entries;
    return entries;
}

QString entryKey(const QObject* dialog, const QObject* box) {
    return dialog->objectName() + u'/' + box->objectName();
}

} // namespace

void TTrialDialog::keepEntries() {
    restoreEntries();
    connect(this, &QDialog::finished, this, &TTrialDialog::saveEntries);
}

void TTrialDialog::restoreEntries() {
    const QHash<QString, QString>& kept = keptEntries();
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (auto found = kept.find(entryKey(this, box)); found != kept.end())
            box->setText(*found);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        if (auto found = kept.find(entryKey(this, box)); found != kept.end())
            box->setChecked(!found->isEmpty());
}

void TTrialDialog::saveEntries() const {
    QHash<QString, QString>& kept = keptEntries();
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        kept.insert(entryKey(this, box), box->text());
    for (const QCheckBox* box : findChildren<QCheckBox*>())
        kept.insert(entryKey(this, box), box->isChecked() ? QStringLiteral("on") : QString());
}

void TTrialDialog::runSearch(const std::function<void(RunObserver&)>& search) {
    const QList<QPushButton*> buttons = findChildren<QPushButton*>();
    QList<QPushButton*> disabled;
    for (QPushButton* button : buttons)
        if (button != cancel_ && button->isEnabled()) {
            button->setEnabled(false);
            disabled.append(button);
        }
    cancel_->setEnabled(true);
    gauge_->setValue(0);
    WindowRunObserver observer(*gauge_, cancelled_);
    cancelled_ = false;
    running_ = true;
    search(observer);
    running_ = false;
    cancel_->setEnabled(false);
    for (QPushButton* button : disabled)
        button->setEnabled(true);
}

std::optional<double> filledBoxValue(const QLineEdit* box) {
    const std::optional<double> value = boxNumber(box->text().trimmed().toStdString());
    if (value == emptyCell)
        return std::nullopt;
    return value;
}
