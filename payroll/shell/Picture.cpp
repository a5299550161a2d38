#include "Picture.h"

#include "Controls.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    AnswerClick(this, [this] { Q_EMIT clicked(); });
}

QPixmap KestrovaLogo(int size) {
    QPixmap logo(size, size);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
    QLinearGradient fill(disc.topLeft(), disc.bottomRight());
    fill.setColorAt(0, QColor(0x2e, 0x6d, 0xa4));
    fill.setColorAt(1, QColor(0x13, 0x35, 0x5a));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0xd4, 0xaf, 0x37), size * 0.05));
    painter.drawEllipse(disc);
    QFont letter(QStringLiteral("DejaVu Serif"));
    letter.setPixelSize(qMax(1, int(size * 0.58)));
    letter.setBold(true);
    painter.setFont(letter);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, QStringLiteral("K"));
    return logo;
}
