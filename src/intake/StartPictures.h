#pragma once
// The start form's two pictures, drawn by the program itself.

#include <QBrush>
#include <QImage>
#include <QWidget>
#include <future>

class QPainter;
class QRegion;

namespace vt {

// The banner across the upper part of the start form, 900 x 283 pixels, its
// text at `dpi` (that of a pixmap on the primary screen). It draws on an
// image, so it may be drawn on any thread.
QImage StartBanner(int dpi);

// The banner as the start form shows it. It is drawn on a worker thread from
// the moment the view is made, while the form builds its controls and its
// window; the first paint waits for it.
class StartBannerView : public QWidget {
public:
    explicit StartBannerView(QWidget* parent);
    ~StartBannerView() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& banner();

    std::future<QImage> drawing_;
    QImage banner_;
};

// The form's background brush, for a form of the given height.
QBrush StartBackground(int height);
// Paints `region` of the form with that brush, as Qt fills a window's
// background, but without handing the fill to Qt's thread pool.
void PaintStartBackground(QPainter& painter, const QRegion& region, const QBrush& background);

}  // namespace vt
