#include "TPotentialDialog.h"

#include "FurnaceReading.h"
#include "MessageBox.h"
#include "NumberBox.h"
#include "ProcessForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The readings in the order the list offers them.
constexpr ReadingKind readingKinds[] = {ReadingKind::Probe, ReadingKind::DewPoint,
                                        ReadingKind::CarbonDioxide};

QString defaultText(double value) {
    return QString::number(value, 'g', 6);
}

} // namespace

TPotentialDialog::TPotentialDialog(const QStringList& temperatures, QWidget* parent)
    : QDialog(parent), temperatures_(temperatures), row_(new QComboBox(this)),
      kind_(new QComboBox(this)), temperature_(box(QStringLiteral("potentialTemperature"))),
      reading_(box(QStringLiteral("potentialReading"))),
      co_(box(QStringLiteral("potentialCO"), defaultText(defaultCO))),
      h2_(box(QStringLiteral("potentialH2"), defaultText(defaultH2))),
      processFactor_(box(QStringLiteral("potentialProcessFactor"))), result_(new QLabel(this)) {
    setObjectName(QStringLiteral("potentialDialog"));
    setWindowTitle(tr("Przelicz odczyt"));
    row_->setObjectName(QStringLiteral("potentialRow"));
    for (int row = 0; row < temperatures_.size(); ++row)
        row_->addItem(tr("Etap %1").arg(row + 1));
    kind_->setObjectName(QStringLiteral("potentialKind"));
    kind_->addItems({tr("Sonda tlenowa, mV"), tr("Punkt rosy, °C"), tr("CO2, %")});
    result_->setObjectName(QStringLiteral("potentialResult"));
    result_->setWordWrap(true);

    auto* fields = new QFormLayout;
    fields->addRow(tr("Wiersz programu:"), row_);
    fields->addRow(tr("Temperatura, °C:"), temperature_);
    fields->addRow(tr("Odczyt:"), kind_);
    fields->addRow(tr("Wartość:"), reading_);
    fields->addRow(tr("CO, %:"), co_);
    fields->addRow(tr("H2, %:"), h2_);
    fields->addRow(tr("Współczynnik procesu (puste: równowaga gazu):"), processFactor_);

    auto* compute = new QPushButton(tr("Przelicz"), this);
    compute->setObjectName(QStringLiteral("potentialConvert"));
    compute->setDefault(true);
    auto* insert = new QPushButton(tr("Wstaw do etapu"), this);
    insert->setObjectName(QStringLiteral("potentialInsert"));
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setObjectName(QStringLiteral("potentialClose"));
    connect(compute, &QPushButton::clicked, this, &TPotentialDialog::convert);
    connect(insert, &QPushButton::clicked, this, &TPotentialDialog::insert);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(row_, &QComboBox::currentIndexChanged, this, &TPotentialDialog::rowChosen);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(compute);
    buttons->addWidget(insert);
    buttons->addWidget(close);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(result_);
    page->addLayout(buttons);
    rowChosen(0);
}

QLineEdit* TPotentialDialog::box(const QString& name, const QString& text) {
    QLineEdit* edit = newNumberBox(name, this);
    edit->setText(text);
    return edit;
}

int TPotentialDialog::row() const {
    return row_->currentIndex();
}

void TPotentialDialog::rowChosen(int row) {
    if (row >= 0 && row < temperatures_.size() && !temperatures_[row].isEmpty())
        temperature_->setText(temperatures_[row]);
}

bool TPotentialDialog::convert() {
    const auto value = [](const QLineEdit* edit) -> std::optional<double> {
        const double number = boxValue(edit);
        return number == emptyCell ? std::nullopt : std::optional(number);
    };
    const std::optional<double> celsius = value(temperature_), reading = value(reading_),
                                co = value(co_), h2 = value(h2_);
    if (!celsius || !reading || !co || !h2) {
        showMessage(this, tr("Enter the temperature, the reading, CO and H2"), tr("Check data!"),
                    MessageIcon::Exclamation);
        return false;
    }
    const FurnaceReading furnace{
        *celsius, readingKinds[kind_->currentIndex()], *reading, *co, *h2, value(processFactor_)};
    const AtmosphereReading read = readAtmosphere(furnace);
    if (!read.state) {
        showMessage(this,
                    QStringLiteral("%1: %2").arg(QString::fromUtf8(fieldWord(read.refusal->field)),
                                                 QString::fromStdString(read.refusal->rule)),
                    tr("Check data!"), MessageIcon::Exclamation);
        return false;
    }
    converted_ = read.state->potential;
    const QString activity = QString::number(read.state->activity, 'f', 4);
    result_->setText(converted_ ? tr("Potencjał węglowy %1 % C, aktywność węgla %2")
                                      .arg(QString::number(*converted_, 'f', 3), activity)
                                : tr("Atmosfera wydziela sadzę (aktywność węgla %1, nie mniej "
                                     "niż 1): nie ma potencjału węglowego.")
                                      .arg(activity));
    return true;
}

void TPotentialDialog::insert() {
    if (!convert() || !converted_)
        return;
    // The three decimals shown: the instruments read no finer.
    potential_ = QString::number(*converted_, 'f', 3).toDouble();
    accept();
}
