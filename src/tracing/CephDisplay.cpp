#include "tracing/CephDisplay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#if defined(__SSE2__) && defined(__x86_64__)
#define VT_SSE2_ROWS 1
#include <emmintrin.h>
#endif

#include "platform/Palette.h"
#include "platform/Units.h"

namespace vt {

namespace {

// A scaled copy larger than this (pixels) is not kept; such a picture is
// scaled while drawing instead, slower but within memory.
constexpr double kMaxScaledPixels = 64.0 * 1024 * 1024;

std::int16_t ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

std::int16_t ButtonSum(Qt::MouseButtons buttons) {
    std::int16_t sum = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b) sum = static_cast<std::int16_t>(sum + ButtonNumber(b));
    return sum;
}

// A mouse position in display units from the drawing area's corner; a
// position on the border falls outside the drawing area (ClickMode.h).
QPointF DisplayPosition(const QMouseEvent* event, const QRect& contents) {
    return (event->position() - QPointF(contents.topLeft())) * kTwipsPerPixel;
}

// Qt's smooth scaling (QImage::scaled with Qt::SmoothTransformation) samples
// areas: each destination pixel is a weighted sum of the source pixels under
// it, along x first, then along y, in integers. An 8-bit grey film made
// smaller both ways is scaled here on its one channel, with the same integer
// steps that Qt takes on each of the three equal channels of its 32-bit copy:
// the same pixels, without converting the whole film first.

// The source pixels that one destination pixel covers along one axis:
// `count` from `first`; the first weighs `head`, the last `tail`, each one
// between `mid`. The weights add up to 1 << 14.
struct Span {
    int first = 0;
    int count = 0;
    std::uint32_t head = 0, mid = 0, tail = 0;
    std::uint32_t weight(int i) const { return i == 0 ? head : i == count - 1 ? tail : mid; }
};

// The spans of a `source`-pixel axis shrunk to `target` pixels, in Qt's
// 16.16 fixed point.
std::vector<Span> Spans(int source, int target) {
    std::vector<Span> spans(static_cast<std::size_t>(target));
    const std::int64_t step = (std::int64_t{source} << 16) / target;
    const std::int64_t mid = ((std::int64_t{target} << 14) + source - 1) / source;
    std::int64_t at = 0;
    for (Span& s : spans) {
        s.first = static_cast<int>(at >> 16);
        s.head = static_cast<std::uint32_t>(((0x10000 - (at & 0xffff)) * mid) >> 16);
        s.mid = static_cast<std::uint32_t>(mid);
        std::int64_t rest = (1 << 14) - std::int64_t{s.head};
        s.count = 2;
        for (; rest > mid; rest -= mid) ++s.count;
        s.tail = static_cast<std::uint32_t>(rest);
        at += step;
    }
    return spans;
}

// The spans along x with `width` weights each (zeros padding a shorter span),
// so that each destination pixel reads `width` source pixels from `first`.
struct RowTaps {
    int width = 0;
    std::vector<int> first;
    std::vector<std::int16_t> weights;  // `width` a destination pixel
};

RowTaps MakeRowTaps(int source, int target) {
    const std::vector<Span> spans = Spans(source, target);
    int longest = 0;
    for (const Span& s : spans) longest = std::max(longest, s.count);
    RowTaps taps;
    taps.width = longest <= 4 ? 4 : longest <= 8 ? 8 : longest;  // the vector widths
    taps.first.resize(spans.size());
    taps.weights.assign(spans.size() * static_cast<std::size_t>(taps.width), 0);
    for (std::size_t x = 0; x < spans.size(); ++x) {
        const Span& s = spans[x];
        // Near the right edge the padding goes before the span.
        const int first = std::max(0, std::min(s.first, source - taps.width));
        taps.first[x] = first;
        std::int16_t* w = taps.weights.data() + x * static_cast<std::size_t>(taps.width);
        for (int i = 0; i < s.count; ++i) {
            const int at = std::min(s.first + i, source - 1) - first;
            w[at] = static_cast<std::int16_t>(s.weight(i));
        }
    }
    return taps;
}

// One source row averaged along x, each sum shifted right by 4 as Qt keeps
// it between its two passes.
void AverageRow(const uchar* line, const RowTaps& taps, std::uint32_t* out) {
    const int count = static_cast<int>(taps.first.size());
    const int* first = taps.first.data();
    const std::int16_t* w = taps.weights.data();
    int x = 0;
#if defined(VT_SSE2_ROWS)
    // Weights below 1 << 14 and pixels below 256 multiply exactly in 16 bits
    // into 32-bit sums.
    const __m128i zero = _mm_setzero_si128();
    const auto pixels = [&](int at, int bytes) {
        std::uint64_t v = 0;
        std::memcpy(&v, line + first[at], static_cast<std::size_t>(bytes));
        return v;
    };
    const auto sums = [](__m128i a, __m128i b) {  // lanes 0+1 and 2+3 of a, then of b
        const __m128 even = _mm_shuffle_ps(_mm_castsi128_ps(a), _mm_castsi128_ps(b), _MM_SHUFFLE(2, 0, 2, 0));
        const __m128 odd = _mm_shuffle_ps(_mm_castsi128_ps(a), _mm_castsi128_ps(b), _MM_SHUFFLE(3, 1, 3, 1));
        return _mm_add_epi32(_mm_castps_si128(even), _mm_castps_si128(odd));
    };
    const auto load = [](const std::int16_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
    if (taps.width == 4) {
        for (; x + 4 <= count; x += 4, w += 16) {
            const auto two = [&](int at) {
                const std::uint64_t v = pixels(at, 4) | pixels(at + 1, 4) << 32;
                return _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(v)), zero);
            };
            const __m128i a = _mm_madd_epi16(two(x), load(w));
            const __m128i b = _mm_madd_epi16(two(x + 2), load(w + 8));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_srli_epi32(sums(a, b), 4));
        }
    } else if (taps.width == 8) {
        for (; x + 4 <= count; x += 4, w += 32) {
            const auto one = [&](int at, int i) {
                const __m128i p = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(pixels(at, 8))), zero);
                return _mm_madd_epi16(p, load(w + 8 * i));
            };
            const __m128i a = sums(one(x, 0), one(x + 1, 1));  // x in lanes 0 and 1, x + 1 in 2 and 3
            const __m128i b = sums(one(x + 2, 2), one(x + 3, 3));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_srli_epi32(sums(a, b), 4));
        }
    }
#endif
    for (; x < count; ++x, w += taps.width) {
        const uchar* p = line + first[x];
        std::uint32_t sum = 0;
        for (int i = 0; i < taps.width; ++i) sum += p[i] * static_cast<std::uint32_t>(w[i]);
        out[x] = sum >> 4;
    }
}

// Destination rows [`from`, `to`) of a grey picture shrunk into 32-bit grey.
struct GreyShrink {
    const uchar* source;
    qsizetype sourceStride;
    int sourceHeight;
    RowTaps xs;
    std::vector<Span> ys;
    uchar* target;
    qsizetype targetStride;

    void rows(int from, int to) const {
        const std::size_t width = xs.first.size();
        std::vector<std::uint32_t> averaged(width), kept(width), sum(width);
        int keptRow = -1;  // a row shared with the destination row above
        for (int y = from; y < to; ++y) {
            const Span& s = ys[static_cast<std::size_t>(y)];
            std::fill(sum.begin(), sum.end(), 0u);
            for (int i = 0; i < s.count; ++i) {
                const int row = std::min(s.first + i, sourceHeight - 1);
                const std::uint32_t* line = kept.data();
                if (row != keptRow) {
                    // The last row of a span may open the next one.
                    std::vector<std::uint32_t>& into = i == s.count - 1 ? kept : averaged;
                    AverageRow(source + row * sourceStride, xs, into.data());
                    if (i == s.count - 1) keptRow = row;
                    line = into.data();
                }
                const std::uint32_t w = s.weight(i);
                for (std::size_t x = 0; x < width; ++x) sum[x] += line[x] * w;
            }
            auto* out = reinterpret_cast<QRgb*>(target + y * targetStride);
            for (std::size_t x = 0; x < width; ++x) out[x] = 0xff000000u | (sum[x] >> 24) * 0x010101u;
        }
    }
};

// Runs the jobs on this thread and on the pool's idle threads together.
void RunTogether(const std::vector<std::function<void()>>& jobs) {
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) jobs[i]();
    };
    QThreadPool* pool = QThreadPool::globalInstance();
    QSemaphore finished;
    int helpers = 0;
    // tryStart takes only a thread that is free now: no wait on a busy pool.
    while (helpers + 1 < static_cast<int>(jobs.size()) && pool->tryStart([&] {
        work();
        finished.release();
    }))
        ++helpers;
    work();
    finished.acquire(helpers);
}

// The picture at each of `sizes` in 32-bit colour, as Qt's smooth scaling
// of its 32-bit copy makes it; null where it cannot be held.
std::vector<QImage> ScaledCopies(const QImage& picture, const std::vector<QSize>& sizes) {
    constexpr int kBandRows = 32;  // destination rows a job
    std::vector<QImage> copies(sizes.size());
    std::vector<GreyShrink> shrinks;
    shrinks.reserve(sizes.size());
    std::vector<std::function<void()>> jobs;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QSize size = sizes[i];
        const bool shrinking = size.width() < picture.width() && size.height() < picture.height();
        if (picture.format() != QImage::Format_Grayscale8 || !shrinking || picture.width() < 8) {
            copies[i] = picture.convertToFormat(QImage::Format_RGB32)
                            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            continue;
        }
        copies[i] = QImage(size, QImage::Format_RGB32);
        if (copies[i].isNull()) continue;
        const GreyShrink& shrink = shrinks.emplace_back(GreyShrink{picture.constBits(),
                                                                   picture.bytesPerLine(),
                                                                   picture.height(),
                                                                   MakeRowTaps(picture.width(), size.width()),
                                                                   Spans(picture.height(), size.height()),
                                                                   copies[i].bits(),
                                                                   copies[i].bytesPerLine()});
        for (int from = 0; from < size.height(); from += kBandRows)
            jobs.emplace_back(
                [&shrink, from, to = std::min(from + kBandRows, size.height())] { shrink.rows(from, to); });
    }
    RunTogether(jobs);
    return copies;
}

}  // namespace

CephDisplay::CephDisplay(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("picCeph"));
    // The platform's picture box: a two-pixel sunken border.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

float CephDisplay::outerWidth() const { return PixelsToDisplay(width()); }
float CephDisplay::outerHeight() const { return PixelsToDisplay(height()); }

DrawingArea CephDisplay::drawingArea() const {
    const QRect area = contentsRect();
    return {PixelsToDisplay(area.width()), PixelsToDisplay(area.height())};
}

QColor CephDisplay::background() const { return palette().color(QPalette::Button); }

void CephDisplay::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    fitCanvas();
}

// The drawing follows the drawing area's size, keeping what it shows. A
// hidden widget learns of its size late, so drawing checks it too.
void CephDisplay::fitCanvas() {
    const QSize size = contentsRect().size();
    if (canvas_.size() == size) return;
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(background());
    if (!canvas_.isNull() && !clearPending_) {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(canvas);
    clearPending_ = false;
}

void CephDisplay::setPicture(const QImage* picture) {
    picture_ = picture;
    scaled_ = {};
}

void CephDisplay::clear() {
    fitCanvas();
    clearPending_ = true;
    update();
}

const QImage& CephDisplay::drawing() const {
    applyClear();
    return canvas_;
}

void CephDisplay::applyClear() const {
    if (!clearPending_) return;
    clearPending_ = false;
    canvas_.fill(background());
}

QSize CephDisplay::scaledSize(double zoom) const {
    return {std::max(1, static_cast<int>(std::round(picture_->width() * zoom))),
            std::max(1, static_cast<int>(std::round(picture_->height() * zoom)))};
}

// The first drawing at a zoom makes the picture at both fits at once, so
// that the magnify button finds the other one ready.
const CephDisplay::Scaled& CephDisplay::scaledFor(double zoom) {
    const QSize size = scaledSize(zoom);
    if (scaled_[0].size == size) return scaled_[0];
    if (scaled_[1].size == size) std::swap(scaled_[0], scaled_[1]);
    if (scaled_[0].size == size) return scaled_[0];

    const DisplaySizes sizes{
        outerWidth(), outerHeight(), PixelsToDisplay(picture_->width()), PixelsToDisplay(picture_->height())};
    const QSize other = scaledSize(ToggledZoom(zoom, sizes));
    const auto keepable = [](QSize s) { return double(s.width()) * s.height() <= kMaxScaledPixels; };
    std::vector<QSize> wanted;
    if (keepable(size)) wanted.push_back(size);
    const bool otherKept = scaled_[0].size == other || scaled_[1].size == other;
    if (other != size && !otherKept && keepable(other)) wanted.push_back(other);
    std::vector<QImage> made = ScaledCopies(*picture_, wanted);

    std::array<Scaled, 2> next;
    next[0].size = size;
    if (keepable(size)) next[0].image = std::move(made.front());
    if (other != size) {
        next[1].size = other;
        if (otherKept) {
            next[1] = std::move(scaled_[0].size == other ? scaled_[0] : scaled_[1]);
        } else if (keepable(other)) {
            next[1].image = std::move(made.back());
        }
    }
    scaled_ = std::move(next);
    return scaled_[0];
}

void CephDisplay::draw(const View& view, const std::vector<DisplayLine>& lines) {
    if (!picture_ || picture_->isNull() || !(view.Zoom > 0)) return;
    fitCanvas();
    const Scaled& scaled = scaledFor(view.Zoom);
    // Too large to keep (or to make): scaled while drawing.
    const bool direct = scaled.image.isNull();
    const float W = PixelsToDisplay(picture_->width());
    const float H = PixelsToDisplay(picture_->height());
    const PictureTarget t = PictureTargetOf(view, W, H);
    const QRectF target(
        DisplayToPixels(t.left), DisplayToPixels(t.top), DisplayToPixels(t.width), DisplayToPixels(t.height));

    const QRect drawn =
        direct
            ? target.toAlignedRect()
            : QRect(QPoint(static_cast<int>(std::lround(target.left())), static_cast<int>(std::lround(target.top()))),
                    scaled.image.size());
    // A kept copy covers its whole rectangle; a picture scaled while drawing
    // may leave its edge pixels as they were.
    if (direct) applyClear();
    clearPending_ = false;
    QPainter painter(&canvas_);
    // Clear what the picture does not cover, so nothing drawn there before
    // (a mark past the picture's edge) stays behind.
    const QRect covered = drawn.intersected(canvas_.rect());
    const QColor back = background();
    if (covered.isEmpty()) painter.fillRect(canvas_.rect(), back);
    painter.fillRect(QRect(covered.right() + 1, 0, canvas_.width(), canvas_.height()), back);
    painter.fillRect(QRect(0, covered.bottom() + 1, canvas_.width(), canvas_.height()), back);
    painter.fillRect(QRect(0, 0, covered.left(), canvas_.height()), back);
    painter.fillRect(QRect(0, 0, canvas_.width(), covered.top()), back);

    if (direct) {
        painter.drawImage(target, *picture_);
    } else {
        painter.drawImage(drawn.topLeft(), scaled.image);
    }

    const Rgb red = PaletteColor(12);
    QPen pen(QColor(red.r, red.g, red.b));
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const DisplayLine& l : lines)
        painter.drawLine(
            QLineF(DisplayToPixels(l.x1), DisplayToPixels(l.y1), DisplayToPixels(l.x2), DisplayToPixels(l.y2)));
    painter.end();
    update();
}

void CephDisplay::setPointer(PointerShape shape) {
    switch (shape) {
        case PointerShape::Arrow: setCursor(Qt::ArrowCursor); break;
        case PointerShape::Crosshair: setCursor(Qt::CrossCursor); break;
        case PointerShape::FourWay: setCursor(Qt::SizeAllCursor); break;
    }
}

void CephDisplay::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    applyClear();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
}

void CephDisplay::mousePressEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseDown(ButtonNumber(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CephDisplay::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseMove(ButtonSum(event->buttons()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

void CephDisplay::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = DisplayPosition(event, contentsRect());
    emit mouseUp(ButtonNumber(event->button()), static_cast<float>(p.x()), static_cast<float>(p.y()));
}

}  // namespace vt
