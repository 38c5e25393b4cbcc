#include "SplashWindow.h"

#include "Pictures.h"

#include <QHBoxLayout>
#include <QLabel>

TSplashWindow::TSplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("splash"));
    auto* picture = new QLabel;
    picture->setPixmap(tavrixPicture());
    auto* name = new QLabel(QStringLiteral("T a v r i x !"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
    name->setFont(nameFont);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
