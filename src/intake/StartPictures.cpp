#include "intake/StartPictures.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <algorithm>

#include "platform/FontMap.h"

namespace vt {

namespace {

constexpr QSize kBannerSize(900, 283);
constexpr double kMetresPerInch = 0.0254;

// The resolution a pixmap draws text at, which the banner keeps although it
// is drawn on an image.
int PixmapDpi() { return QPixmap(1, 1).logicalDpiY(); }

// Paints `rect` in bands of fewer than 96 rows. Qt hands a fill of more rows
// to its thread pool and waits for it; on a busy machine the pool's threads
// wait longer for a processor than the fill itself takes.
template <class Paint>
void ForEachBand(const QRect& rect, const Paint& paint) {
    constexpr int kBandRows = 64;
    for (int top = rect.top(); top <= rect.bottom(); top += kBandRows)
        paint(QRect(rect.left(), top, rect.width(), std::min(kBandRows, rect.bottom() + 1 - top)));
}

// The brush is anchored to the painter, so the bands meet seamlessly.
void FillInBands(QPainter& p, const QRect& rect, const QBrush& brush) {
    ForEachBand(rect, [&](const QRect& band) { p.fillRect(band, brush); });
}

}  // namespace

QImage StartBanner(int dpi) {
    QImage banner(kBannerSize, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / kMetresPerInch);
    banner.setDotsPerMeterX(dotsPerMetre);
    banner.setDotsPerMeterY(dotsPerMetre);
    QPainter p(&banner);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 900, 283);
    sky.setColorAt(0, QColor(16, 42, 92));
    sky.setColorAt(1, QColor(40, 110, 170));
    FillInBands(p, banner.rect(), sky);

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

StartBannerView::StartBannerView(QWidget* parent) : QWidget(parent) {
    // When no thread can be started, it is drawn at the first paint instead.
    drawing_ = std::async(std::launch::async | std::launch::deferred, StartBanner, PixmapDpi());
    // The drawing must not outlive the application it draws with.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { banner(); });
}

StartBannerView::~StartBannerView() { banner(); }

const QImage& StartBannerView::banner() {
    if (drawing_.valid()) banner_ = drawing_.get();
    return banner_;
}

void StartBannerView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, banner());
}

QBrush StartBackground(int height) {
    // The gradient runs from top to bottom only, so a narrow strip of it,
    // tiled across, paints the same pixels as a window-wide picture. It stays
    // a picture brush: the style draws the controls' outlines differently
    // on a gradient brush.
    constexpr int kStripWidth = 64;
    QPixmap strip(kStripWidth, height);
    QPainter p(&strip);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(236, 242, 250));
    g.setColorAt(1, QColor(214, 224, 238));
    FillInBands(p, strip.rect(), g);
    return strip;
}

void PaintStartBackground(QPainter& painter, const QRegion& region, const QBrush& background) {
    // Tiled from the form's top left and smoothly scaled, as Qt draws a
    // picture brush behind a window, so that a scaled screen shows the same.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap tile = background.texture();
    const QRect bounds = region.boundingRect();
    painter.setClipRegion(region);
    ForEachBand(bounds, [&](const QRect& band) { painter.drawTiledPixmap(band, tile, band.topLeft()); });
}

}  // namespace vt
