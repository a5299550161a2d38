#pragma once

#include <QLabel>
#include <QPixmap>

class QMouseEvent;

// A picture the user can click, as the logos of the start-up screens are.
class ClickablePicture : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget* parent = nullptr);
    // Acts as a click of the user's.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The program's logo, drawn rather than shipped as an image file.
QPixmap KestrovaLogo(int size);
