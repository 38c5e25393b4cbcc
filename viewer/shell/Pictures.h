#pragma once
// The pictures the viewer carries in its resources.

#include <QIcon>
#include <QPixmap>
#include <QString>

// The carburized bar of the splash window and the About box, 150 x 100.
inline QPixmap tavrixPicture() {
    return QPixmap(QStringLiteral(":/viewer/tavrix.png"));
}

// The frame's icon.
inline QIcon frameIcon() {
    return QIcon(QStringLiteral(":/viewer/icon.png"));
}

// A control-bar button's picture, named by the number of its command; 20 x 20.
inline QIcon buttonIcon(int commandId) {
    return QIcon(QStringLiteral(":/viewer/toolbar/%1.png").arg(commandId));
}
