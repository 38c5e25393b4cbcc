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

// UTF-8, as QT_TRANSLATE_NOOP marks them; the version line follows them.
constexpr const char* creditLines[] = {
    QT_TRANSLATE_NOOP("AboutDlg", "Zespół programu Tavrix!"),
    QT_TRANSLATE_NOOP("AboutDlg", "Model dyfuzji węgla w austenicie i obliczenia różnicowe"),
    QT_TRANSLATE_NOOP("AboutDlg", "Twardość warstwy nawęglonej dla trzynastu gatunków stali"),
    QT_TRANSLATE_NOOP("AboutDlg", "Przeglądarka wykresów i zestawów wyników"),
    QT_TRANSLATE_NOOP("AboutDlg", "Pytania i uwagi: zgłoszenia w repozytorium projektu"),
};

} // namespace

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("O Tavrix!"));

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
    credits->addWidget(new QLabel(tr("Napisane przez:")), 1, 0);
    // The first credit stands beside the label, the others below both, indented.
    credits->addWidget(new QLabel(tr(creditLines[0])), 1, 1);
    QStringList below;
    for (const char* line : std::span(creditLines).subspan(1))
        below.append(tr(line));
    below.append(tr("Wersja %1 dla systemu Linux (Qt 6)").arg(QStringLiteral(TAVRIX_VERSION)));
    int row = 2;
    for (const QString& line : below) {
        auto* credit = new QLabel(line);
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
