#include "AboutDlg.h"

#include "Pictures.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <span>

namespace {

constexpr int creditIndent = 48; // px

constexpr const char16_t* creditLines[] = {
    u"Zespół programu Tavrix!",
    u"Model dyfuzji węgla w austenicie i obliczenia różnicowe",
    u"Twardość warstwy nawęglonej dla trzynastu gatunków stali",
    u"Przeglądarka wykresów i zestawów wyników",
    u"Pytania i uwagi: zgłoszenia w repozytorium projektu",
    u"Wersja " TAVRIX_VERSION u" dla systemu Linux (Qt 6)",
};

} // namespace

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O Tavrix!"));

    auto* picture = new QLabel;
    picture->setPixmap(tavrixPicture());
    auto* product = new QLabel(QStringLiteral("Tavrix!"));
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    product->setFont(productFont);

    auto* credits = new QGridLayout;
    credits->addWidget(picture, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    credits->addWidget(product, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    credits->addWidget(new QLabel(QStringLiteral("Napisane przez:")), 1, 0);
    // The first credit stands beside the label, the others below both, indented.
    credits->addWidget(new QLabel(QString::fromUtf16(creditLines[0])), 1, 1);
    int row = 2;
    for (const char16_t* line : std::span(creditLines).subspan(1)) {
        auto* credit = new QLabel(QString::fromUtf16(line));
        credit->setIndent(creditIndent);
        credits->addWidget(credit, row++, 0, 1, 2);
    }

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(credits);
    layout->addWidget(rule);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
