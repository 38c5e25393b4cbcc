#include "TAxisSetup.h"

#include "CharacterFilter.h"
#include "MessageBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The edit fields have no limit of their own; only this much of each is read.
constexpr qsizetype readLength = 100;

// The longest leading part that reads as a number ("1.2.3" is 1.2), in the classic notation
// whatever the desktop's locale; 0 when there is none.
double numberIn(const QLineEdit& edit) {
    const QByteArray text = edit.text().left(readLength).toLatin1();
    double value = 0;
    std::from_chars(text.constData(), text.constData() + text.size(), value);
    return value;
}

// Cut toward zero ("3.9" is 3); a number past the range of a count is the largest count.
int divisionsIn(const QLineEdit& edit) {
    const double value = std::trunc(numberIn(edit));
    return value >= INT_MAX ? INT_MAX : static_cast<int>(value);
}

QLineEdit* addField(QWidget& dialog, QFormLayout& form, const QString& label, const QString& name,
                    const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    // The decimal point and the digits only: no sign, no exponent, no blank.
    edit->setValidator(new CharacterFilter(u"..1234567890"_s, &dialog));
    form.addRow(label, edit);
    return edit;
}

// A limit with the digits its axis's step needs: a decimal beyond the step's first digit
// (1.72 on steps of 0.2, 12 on steps of 2), the zeros after the last digit dropped; six
// decimals at most.
QString limitText(double value, double step) {
    const int decimals =
        step > 0 ? std::clamp(1 - static_cast<int>(std::floor(std::log10(step))), 0, 6) : 6;
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == u"-0" ? u"0"_s : text;
}

double stepOf(double start, double end, int divisions) {
    return (end - start) / std::max(divisions, 1);
}

QGroupBox* axisGroup(const QString& picture, QFormLayout*& form) {
    auto* group = new QGroupBox;
    auto* column = new QVBoxLayout(group);
    auto* label = new QLabel;
    label->setPixmap(QPixmap(picture));
    column->addWidget(label);
    form = new QFormLayout;
    column->addLayout(form);
    return group;
}

} // namespace

TAxisSetup::TAxisSetup(QWidget* parent, TSkala& scale) : TAxisSetup(parent, scale, false) {}

TAxisSetup::TAxisSetup(QWidget* parent, TSkala& scale, bool withXDivisions)
    : QDialog(parent), scale_(scale) {
    setWindowTitle(tr("Ustawienie osi"));

    QFormLayout* xForm = nullptr;
    QFormLayout* yForm = nullptr;
    QGroupBox* xGroup = axisGroup(u":/charts/AXIS_X.png"_s, xForm);
    QGroupBox* yGroup = axisGroup(u":/charts/AXIS_Y.png"_s, yForm);
    const double xStep = stepOf(scale.xStart, scale.xEnd, scale.xDivisions);
    const double yStep = stepOf(scale.yStart, scale.yEnd, scale.yDivisions);
    xStart_ =
        addField(*this, *xForm, tr("X początkowe:"), u"xStart"_s, limitText(scale.xStart, xStep));
    xEnd_ = addField(*this, *xForm, tr("X końcowe:"), u"xEnd"_s, limitText(scale.xEnd, xStep));
    if (withXDivisions)
        xDivisions_ = addField(*this, *xForm, tr("Podział:"), u"xDivisions"_s,
                               QString::number(scale.xDivisions));
    yStart_ =
        addField(*this, *yForm, tr("Y początkowe:"), u"yStart"_s, limitText(scale.yStart, yStep));
    yEnd_ = addField(*this, *yForm, tr("Y końcowe:"), u"yEnd"_s, limitText(scale.yEnd, yStep));
    yDivisions_ =
        addField(*this, *yForm, tr("Podział:"), u"yDivisions"_s, QString::number(scale.yDivisions));

    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(u"cancel"_s);
    connect(ok, &QPushButton::clicked, this, &TAxisSetup::accept);
    connect(cancel, &QPushButton::clicked, this, &TAxisSetup::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(xGroup);
    groups->addWidget(yGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

void TAxisSetup::showDrawnLimits(const ChartAxis& x, const ChartAxis& y) {
    xStart_->setText(limitText(x.start, x.step));
    xEnd_->setText(limitText(x.end(), x.step));
    yStart_->setText(limitText(y.start, y.step));
    yEnd_->setText(limitText(y.end(), y.step));
}

void TAxisSetup::accept() {
    TSkala read = scale_;
    read.xStart = numberIn(*xStart_);
    read.xEnd = numberIn(*xEnd_);
    read.yStart = numberIn(*yStart_);
    read.yEnd = numberIn(*yEnd_);
    read.yDivisions = divisionsIn(*yDivisions_);
    if (xDivisions_)
        read.xDivisions = divisionsIn(*xDivisions_);
    // A count of 0 would make the chart's division step a division by zero.
    const bool valid = read.xEnd > read.xStart && read.yEnd > read.yStart && read.yDivisions > 0 &&
                       (!xDivisions_ || read.xDivisions > 0);
    if (!valid) {
        showMessage(this, tr("You have provided incorrect data"), tr("Error!"),
                    MessageIcon::Exclamation);
        return;
    }
    scale_ = read;
    QDialog::accept();
}

TAxisSetup2::TAxisSetup2(QWidget* parent, TSkala& scale) : TAxisSetup(parent, scale, true) {}
