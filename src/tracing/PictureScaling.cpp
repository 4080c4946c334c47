#include "tracing/PictureScaling.h"

#include <QThreadPool>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>
#if defined(__SSE2__) && defined(__x86_64__)
#define VT_SSE2_ROWS 1
#include <emmintrin.h>
#if defined(__GNUC__)
#define VT_AVX2_ROWS 1  // chosen at run time where the processor has it
#include <immintrin.h>
#endif
#endif

namespace vt {

namespace {

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
// With four, each four destination pixels read from a 16-byte window: where
// it starts and which of its bytes go where.
struct RowTaps {
    int width = 0;
    std::vector<int> first;
    std::vector<std::int16_t> weights;  // `width` a destination pixel
    std::vector<int> windowStart;       // empty: the windows do not fit
    std::vector<std::uint8_t> windowBytes;
};

void MakeWindows(RowTaps& taps, int source) {
    constexpr int kWindow = 16;
    const std::size_t blocks = taps.first.size() / 4;
    if (taps.width != 4 || source < kWindow) return;
    std::vector<int> start(blocks);
    std::vector<std::uint8_t> bytes(blocks * kWindow);
    for (std::size_t b = 0; b < blocks; ++b) {
        start[b] = std::min(taps.first[4 * b], source - kWindow);
        for (std::size_t i = 0; i < kWindow; ++i) {
            const int at = taps.first[4 * b + i / 4] + static_cast<int>(i % 4) - start[b];
            if (at < 0 || at >= kWindow) return;  // pixels too far apart for one window
            bytes[b * kWindow + i] = static_cast<std::uint8_t>(at);
        }
    }
    taps.windowStart = std::move(start);
    taps.windowBytes = std::move(bytes);
}

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
    MakeWindows(taps, source);
    return taps;
}

// One source row averaged along x, each sum shifted right by 4 as Qt keeps
// it between its two passes; from destination pixel `x` on.
void AverageRowFrom(const uchar* line, const RowTaps& taps, std::uint32_t* out, std::size_t x) {
    const std::int16_t* w = taps.weights.data() + x * static_cast<std::size_t>(taps.width);
    for (; x < taps.first.size(); ++x, w += taps.width) {
        const uchar* p = line + taps.first[x];
        std::uint32_t sum = 0;
        for (int i = 0; i < taps.width; ++i) sum += p[i] * static_cast<std::uint32_t>(w[i]);
        out[x] = sum >> 4;
    }
}

// Weights below 1 << 14 and pixels below 256 multiply exactly in 16 bits into
// 32-bit sums, so the vector forms below give the same sums.
void AverageRow(const uchar* line, const RowTaps& taps, std::uint32_t* out) {
    std::size_t x = 0;
#if defined(VT_SSE2_ROWS)
    const std::size_t count = taps.first.size();
    const int* first = taps.first.data();
    const std::int16_t* w = taps.weights.data();
    const __m128i zero = _mm_setzero_si128();
    const auto pixels = [&](std::size_t at, std::size_t bytes) {
        std::uint64_t v = 0;
        std::memcpy(&v, line + first[at], bytes);
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
            const auto two = [&](std::size_t at) {
                const std::uint64_t v = pixels(at, 4) | pixels(at + 1, 4) << 32;
                return _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(v)), zero);
            };
            const __m128i a = _mm_madd_epi16(two(x), load(w));
            const __m128i b = _mm_madd_epi16(two(x + 2), load(w + 8));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_srli_epi32(sums(a, b), 4));
        }
    } else if (taps.width == 8) {
        for (; x + 4 <= count; x += 4, w += 32) {
            const auto one = [&](std::size_t at, int i) {
                const __m128i p = _mm_unpacklo_epi8(_mm_cvtsi64_si128(static_cast<long long>(pixels(at, 8))), zero);
                return _mm_madd_epi16(p, load(w + 8 * i));
            };
            const __m128i a = sums(one(x, 0), one(x + 1, 1));  // x in lanes 0 and 1, x + 1 in 2 and 3
            const __m128i b = sums(one(x + 2, 2), one(x + 3, 3));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_srli_epi32(sums(a, b), 4));
        }
    }
#endif
    AverageRowFrom(line, taps, out, x);
}

#if defined(VT_AVX2_ROWS)
// Eight destination pixels a step: two windows, their bytes put in place,
// widened, multiplied and added pairwise.
[[gnu::target("avx2")]] void AverageRowAvx2(const uchar* line, const RowTaps& taps, std::uint32_t* out) {
    if (taps.windowStart.empty()) return AverageRow(line, taps, out);
    const std::size_t count = taps.windowStart.size() * 4;
    const __m256i zero = _mm256_setzero_si256();
    const std::int16_t* w = taps.weights.data();
    const int* start = taps.windowStart.data();
    const std::uint8_t* bytes = taps.windowBytes.data();
    std::size_t x = 0;
    for (; x + 8 <= count; x += 8, w += 32, start += 2, bytes += 32) {
        const __m256i window = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(line + start[1]),
                                                   reinterpret_cast<const __m128i*>(line + start[0]));
        const __m256i pixels = _mm256_shuffle_epi8(window, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes)));
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(w + 16));
        // Low halves: pixels x, x + 1 and x + 4, x + 5; high: x + 2, x + 3 and x + 6, x + 7.
        const __m256i low =
            _mm256_madd_epi16(_mm256_unpacklo_epi8(pixels, zero), _mm256_permute2x128_si256(a, b, 0x20));
        const __m256i high =
            _mm256_madd_epi16(_mm256_unpackhi_epi8(pixels, zero), _mm256_permute2x128_si256(a, b, 0x31));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_srli_epi32(_mm256_hadd_epi32(low, high), 4));
    }
    AverageRowFrom(line, taps, out, x);
}
#endif

}  // namespace

// A grey picture shrunk into 32-bit grey, a band of destination rows at a time.
struct GreyShrink {
    const uchar* source;
    qsizetype sourceStride;
    int sourceHeight;
    RowTaps xs;
    std::vector<Span> ys;
    uchar* target;
    qsizetype targetStride;

    void rows(int from, int to) const;
};

namespace {

// Destination rows [`from`, `to`): the rows of each span averaged along x,
// then weighed and added along y, the sum's top byte the grey.
template <class Average>
[[gnu::always_inline]] inline void ShrinkRows(const GreyShrink& g, int from, int to, Average average) {
    const std::size_t width = g.xs.first.size();
    std::vector<std::uint32_t> averaged(width), kept(width), sums(width);
    std::uint32_t* __restrict sum = sums.data();
    int keptRow = -1;  // a row shared with the destination row above
    for (int y = from; y < to; ++y) {
        const Span& s = g.ys[static_cast<std::size_t>(y)];
        auto* __restrict out = reinterpret_cast<QRgb*>(g.target + y * g.targetStride);
        for (int i = 0; i < s.count; ++i) {
            const int row = std::min(s.first + i, g.sourceHeight - 1);
            const bool last = i == s.count - 1;
            if (row != keptRow) {
                // The last row of a span may open the next one.
                average(g.source + row * g.sourceStride, g.xs, last ? kept.data() : averaged.data());
                if (last) keptRow = row;
            }
            const std::uint32_t* __restrict line = row == keptRow ? kept.data() : averaged.data();
            const std::uint32_t w = s.weight(i);
            if (i == 0) {
                for (std::size_t x = 0; x < width; ++x) sum[x] = line[x] * w;
            } else if (!last) {
                for (std::size_t x = 0; x < width; ++x) sum[x] += line[x] * w;
            } else {
                for (std::size_t x = 0; x < width; ++x)
                    out[x] = 0xff000000u | ((sum[x] + line[x] * w) >> 24) * 0x010101u;
            }
        }
    }
}

void ShrinkRowsBaseline(const GreyShrink& g, int from, int to) { ShrinkRows(g, from, to, AverageRow); }

#if defined(VT_AVX2_ROWS)
[[gnu::target("avx2")]] void ShrinkRowsAvx2(const GreyShrink& g, int from, int to) {
    ShrinkRows(g, from, to, AverageRowAvx2);
}
#endif

}  // namespace

void GreyShrink::rows(int from, int to) const {
#if defined(VT_AVX2_ROWS)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return ShrinkRowsAvx2(*this, from, to);
#endif
    ShrinkRowsBaseline(*this, from, to);
}

namespace {
constexpr int kBandRows = 32;  // destination rows a thread takes at a time
}  // namespace

PictureScaling::PictureScaling(const QImage& picture, QSize size) : picture_(picture), size_(size) {
    const bool shrinking = size.width() < picture.width() && size.height() < picture.height();
    if (picture.format() != QImage::Format_Grayscale8 || !shrinking || picture.width() < 8) {
        bands_ = 1;  // Qt's own scaling, whole
        return;
    }
    scaled_ = QImage(size, QImage::Format_RGB32);
    if (scaled_.isNull()) return;  // no bands: a null picture
    grey_ = std::make_unique<GreyShrink>(GreyShrink{picture_.constBits(),
                                                    picture_.bytesPerLine(),
                                                    picture_.height(),
                                                    MakeRowTaps(picture_.width(), size.width()),
                                                    Spans(picture_.height(), size.height()),
                                                    scaled_.bits(),
                                                    scaled_.bytesPerLine()});
    bands_ = (size.height() + kBandRows - 1) / kBandRows;
}

PictureScaling::~PictureScaling() = default;

void PictureScaling::start(int helpers) {
    if (started_) return;
    started_ = true;
    const std::shared_ptr<PictureScaling> self = shared_from_this();
    for (int i = 0; i < std::min(helpers, bands_); ++i) QThreadPool::globalInstance()->start([self] { self->work(); });
}

const QImage& PictureScaling::result() {
    if (!finished_) {
        start(QThreadPool::globalInstance()->maxThreadCount() - 1);
        work();
        done_.acquire(bands_);
        finished_ = true;
    }
    return scaled_;
}

void PictureScaling::work() {
    for (int band = next_++; band < bands_; band = next_++) {
        if (!abandoned_) make(band);
        done_.release();
    }
}

void PictureScaling::make(int band) {
    if (!grey_) {
        scaled_ = picture_.convertToFormat(QImage::Format_RGB32)
                      .scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return;
    }
    grey_->rows(band * kBandRows, std::min((band + 1) * kBandRows, size_.height()));
}

}  // namespace vt
