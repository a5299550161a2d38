#pragma once

#include <QLabel>
#include <QPixmap>

// A picture the user can click, as the logos of the start-up screens are; Space or
// Enter on it when it has the focus is a click too.
class ClickablePicture : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget* parent = nullptr);
    // Acts as a click of the user's.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();
};

// The program's logo, drawn rather than shipped as an image file.
QPixmap KestrovaLogo(int size);
