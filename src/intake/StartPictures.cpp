#include "intake/StartPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/FontMap.h"

namespace vt {

QPixmap StartBanner() {
    QPixmap banner(900, 283);
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 900, 283);
    sky.setColorAt(0, QColor(16, 42, 92));
    sky.setColorAt(1, QColor(40, 110, 170));
    p.fillRect(banner.rect(), sky);

    // A stylised arch of seven teeth on the right, inside the part of the
    // banner that the start form shows: its picture box starts 40 pixels left
    // of the form, which is 794 pixels wide, so x 40 to 834 is seen.
    constexpr double kShownRight = 834, kMargin = 24;
    constexpr double kToothHalfWidth = 16, kArchHalfSpan = 110;
    constexpr double kArchCentre = kShownRight - kMargin - kToothHalfWidth - kArchHalfSpan;
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 7; ++i) {
        const double t = (i - 3) / 3.0;
        const QPointF c(kArchCentre + kArchHalfSpan * t, 190 - 70 * (1 - t * t));
        p.drawRoundedRect(QRectF(c.x() - kToothHalfWidth, c.y() - 22, 2 * kToothHalfWidth, 44), 10, 10);
    }

    QFont title = FormFont(48, true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(70, 60, 600, 100), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Veltrane"));
    p.setFont(FormFont(16));
    p.setPen(QColor(220, 232, 250));
    p.drawText(QRectF(74, 160, 600, 40),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("교정 진단 분석 · Orthodontic Analysis"));
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(74, 212, 520, 212);
    return banner;
}

QPixmap StartBackground(const QSize& size) {
    QPixmap background(size);
    QPainter p(&background);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(236, 242, 250));
    g.setColorAt(1, QColor(214, 224, 238));
    p.fillRect(background.rect(), g);
    return background;
}

}  // namespace vt
