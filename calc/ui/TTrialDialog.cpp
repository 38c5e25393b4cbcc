#include "TTrialDialog.h"

#include "BoxNumbers.h"
#include "CharacterFilter.h"
#include "ProcessData.h"
#include "WindowRunObserver.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

TTrialDialog::TTrialDialog(QWidget* parent)
    : QDialog(parent), gauge_(new QProgressBar(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
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
    auto* box = new QLineEdit(text, this);
    box->setObjectName(name);
    box->setValidator(new CharacterFilter(
        QString::fromLatin1(numberCharacters.data(), qsizetype(numberCharacters.size())), box));
    box->setFixedWidth(84);
    return box;
}

QBoxLayout* TTrialDialog::gaugeRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(gauge_, 1);
    row->addWidget(cancel_);
    return row;
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
    const double value = boxNumber(box->text().trimmed().toStdString());
    if (value == emptyCell)
        return std::nullopt;
    return value;
}
