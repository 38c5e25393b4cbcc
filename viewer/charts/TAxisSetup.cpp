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

QString limitText(double value) {
    return QString::asprintf("%f", value);
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
    xStart_ = addField(*this, *xForm, tr("X początkowe:"), u"xStart"_s, limitText(scale.xStart));
    xEnd_ = addField(*this, *xForm, tr("X końcowe:"), u"xEnd"_s, limitText(scale.xEnd));
    if (withXDivisions)
        xDivisions_ = addField(*this, *xForm, tr("Podział:"), u"xDivisions"_s,
                               QString::number(scale.xDivisions));
    yStart_ = addField(*this, *yForm, tr("Y początkowe:"), u"yStart"_s, limitText(scale.yStart));
    yEnd_ = addField(*this, *yForm, tr("Y końcowe:"), u"yEnd"_s, limitText(scale.yEnd));
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
