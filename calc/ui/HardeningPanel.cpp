#include "HardeningPanel.h"

#include "NumberBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr QuenchMedium media[] = {QuenchMedium::Oil, QuenchMedium::Water, QuenchMedium::Polymer,
                                  QuenchMedium::Salt, QuenchMedium::Gas};

QString mediumText(QuenchMedium medium) {
    switch (medium) {
    case QuenchMedium::Oil:
        return HardeningPanel::tr("olej");
    case QuenchMedium::Water:
        return HardeningPanel::tr("woda");
    case QuenchMedium::Polymer:
        return HardeningPanel::tr("polimer");
    case QuenchMedium::Salt:
        return HardeningPanel::tr("sól");
    case QuenchMedium::Gas:
        return HardeningPanel::tr("gaz");
    }
    return {};
}

std::string text(const QLineEdit* box) {
    // A decimal comma reads as a point, as in every box of the form.
    return box->text().trimmed().replace(u',', u'.').toStdString();
}

// The line value of optional words: "<word> <box>" when the box holds anything.
std::string optionalWord(const char* word, const QLineEdit* box) {
    const std::string value = text(box);
    return value.empty() ? std::string() : " " + std::string(word) + " " + value;
}

template <class Value>
std::optional<BrokenRule> readInto(std::optional<Value>& field, const char* name,
                                   SettingRead<Value> read) {
    if (auto* broken = std::get_if<BrokenRule>(&read))
        return BrokenRule{std::string(name) + ": " + broken->rule};
    field = std::get<Value>(read);
    return std::nullopt;
}

QString shown(double value) {
    return QString::number(value, 'g', 12);
}

} // namespace

HardeningPanel::HardeningPanel(QWidget* parent)
    : QWidget(parent), grade_(new QComboBox(this)), group_(new QGroupBox(tr("Hartowanie"), this)) {
    grade_->setObjectName(QStringLiteral("gradePicker"));
    grade_->setEditable(true);
    grade_->addItem(QString());
    for (const CarburizingSteel& steel : carburizingSteels())
        grade_->addItem(QString::fromUtf8(steel.name.data(), qsizetype(steel.name.size())));
    connect(grade_, &QComboBox::activated, this, [this](int index) {
        if (index > 0)
            emit gradePicked(grade_->itemText(index));
        emit edited();
    });
    connect(grade_, &QComboBox::editTextChanged, this, &HardeningPanel::edited);

    group_->setObjectName(QStringLiteral("hardeningGroup"));
    group_->setCheckable(true);
    group_->setChecked(false);
    group_->setToolTip(tr("Twardość z hartowności stali, chłodzenia, odpuszczania i austenitu "
                          "szczątkowego zamiast krzywych gatunków"));
    auto* inner = new QWidget(group_);
    inner->setObjectName(QStringLiteral("hardeningFields"));
    inner->setLayout(quenchRows());
    inner->setVisible(false);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->addWidget(inner);
    // Collapsed while unchecked: the form keeps its size for those who do not use it.
    connect(group_, &QGroupBox::toggled, inner, &QWidget::setVisible);
    connect(group_, &QGroupBox::toggled, this, &HardeningPanel::edited);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* gradeRow = new QHBoxLayout;
    auto* gradeLabel = new QLabel(tr("Stal z listy:"), this);
    gradeLabel->setBuddy(grade_);
    gradeRow->addWidget(gradeLabel);
    gradeRow->addWidget(grade_, 1);
    layout->addLayout(gradeRow);
    layout->addWidget(group_);
}

QLineEdit* HardeningPanel::box(const char* name) {
    QLineEdit* created = newNumberBox(QString::fromLatin1(name), this);
    connect(created, &QLineEdit::textEdited, this, &HardeningPanel::edited);
    return created;
}

QLayout* HardeningPanel::quenchRows() {
    medium_ = new QComboBox(this);
    medium_->setObjectName(QStringLiteral("quenchMedium"));
    for (QuenchMedium medium : media)
        medium_->addItem(mediumText(medium));
    connect(medium_, &QComboBox::activated, this, &HardeningPanel::edited);
    bath_ = box("quenchBath");
    bath_->setText(QStringLiteral("25"));
    severity_ = box("quenchSeverity");
    section_ = box("quenchSection");
    temperC_ = box("temperTemperature");
    temperHours_ = box("temperHours");
    cryo_ = box("cryoTemperature");
    chemistry_ = new QLineEdit(this);
    chemistry_->setObjectName(QStringLiteral("chemistry"));
    chemistry_->setPlaceholderText(QStringLiteral("Cu 0.10 V 0.05"));
    connect(chemistry_, &QLineEdit::textEdited, this, &HardeningPanel::edited);

    auto* rows = new QFormLayout;
    rows->addRow(tr("Ośrodek:"), medium_);
    rows->addRow(tr("Temperatura kąpieli, °C:"), bath_);
    rows->addRow(tr("Intensywność H, 1/cal:"), severity_);
    rows->addRow(tr("Przekrój, mm:"), section_);
    rows->addRow(tr("Odpuszczanie, °C:"), temperC_);
    rows->addRow(tr("Czas odpuszczania, h:"), temperHours_);
    rows->addRow(tr("Wymrażanie, °C:"), cryo_);
    rows->addRow(tr("Inne pierwiastki, %:"), chemistry_);
    return rows;
}

std::string HardeningPanel::grade() const {
    return grade_->currentText().trimmed().toStdString();
}

std::variant<HardeningLines, BrokenRule> HardeningPanel::lines() const {
    HardeningLines lines;
    if (!group_->isChecked())
        return lines;
    const std::string medium(mediumName(media[medium_->currentIndex()]));
    const std::string quench = medium + " " + text(bath_) + optionalWord("H", severity_) +
                               optionalWord("section", section_);
    if (auto broken = readInto(lines.quench, "quench", readQuench(quench)))
        return *broken;
    if (!text(temperC_).empty() || !text(temperHours_).empty())
        if (auto broken = readInto(lines.temper, "temper",
                                   readTemper(text(temperC_) + " " + text(temperHours_))))
            return *broken;
    if (!text(cryo_).empty())
        if (auto broken = readInto(lines.cryoC, "cryo", readCryo(text(cryo_))))
            return *broken;
    if (!chemistry_->text().trimmed().isEmpty())
        if (auto broken = readInto(lines.chemistry, "chemistry",
                                   readChemistry(chemistry_->text().toStdString())))
            return *broken;
    return lines;
}

void HardeningPanel::show(const HardeningLines& lines, const std::string& grade) {
    grade_->setEditText(QString::fromStdString(grade));
    group_->setChecked(lines.quench.has_value());
    const QuenchSetting quench = lines.quench.value_or(QuenchSetting{});
    for (int i = 0; i < int(std::size(media)); ++i)
        if (media[i] == quench.medium)
            medium_->setCurrentIndex(i);
    bath_->setText(shown(quench.bathC));
    severity_->setText(quench.severity ? shown(*quench.severity) : QString());
    section_->setText(quench.sectionMm ? shown(*quench.sectionMm) : QString());
    temperC_->setText(lines.temper ? shown(lines.temper->temperatureC) : QString());
    temperHours_->setText(lines.temper ? shown(lines.temper->hours) : QString());
    cryo_->setText(lines.cryoC ? shown(*lines.cryoC) : QString());
    chemistry_->setText(lines.chemistry ? QString::fromStdString(chemistryText(*lines.chemistry))
                                        : QString());
}
