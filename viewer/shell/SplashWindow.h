#pragma once
// The small untitled window that stands while the frame is being built: the program's picture
// and its name.

#include <QWidget>

class TSplashWindow : public QWidget {
    Q_OBJECT
public:
    TSplashWindow();
};
