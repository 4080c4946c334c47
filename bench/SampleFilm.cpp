#include "SampleFilm.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "tracing/Radiograph.h"

namespace bench {
namespace {

constexpr int kWidth = 4000, kHeight = 3000;

double Step(double from, double to, double x) {
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Distance from an ellipse's centre in units of its radii: 1 on its rim.
double Radius(double x, double y, double cx, double cy, double rx, double ry) {
    return std::hypot((x - cx) / rx, (y - cy) / ry);
}

QImage Shading(bool grained) {
    QImage film(kWidth, kHeight, QImage::Format_Grayscale8);
    std::mt19937 grain(7);
    constexpr int kGrain = 8;  // levels either way, as the mean of two draws
    std::vector<double> exposureX(kWidth);
    for (int x = 0; x < kWidth; ++x) exposureX[static_cast<std::size_t>(x)] = 15 * std::sin(x * 0.004);
    for (int y = 0; y < kHeight; ++y) {
        uchar* line = film.scanLine(y);
        const double exposureY = std::cos(y * 0.003);
        for (int x = 0; x < kWidth; ++x) {
            const double head = Radius(x, y, 1900, 1350, 1500, 1250);
            const double skull = Radius(x, y, 2100, 1050, 1150, 900);
            const double jaw = Radius(x, y, 1500, 2300, 700, 380);
            double g = 22;                                                   // air
            g += 70 * (1 - Step(0.97, 1, head));                             // soft tissue
            g += 110 * Step(0.86, 0.9, skull) * (1 - Step(0.97, 1, skull));  // the cranial rim
            g += 35 * (1 - Step(0.86, 0.9, skull));                          // inside the cranium
            g += 100 * (1 - Step(0.8, 1, jaw));                              // teeth and jaw
            g += exposureX[static_cast<std::size_t>(x)] * exposureY;         // uneven exposure
            if (grained) g += (int(grain() % (2 * kGrain + 1)) + int(grain() % (2 * kGrain + 1)) - 2 * kGrain) / 2.0;
            line[x] = uchar(std::clamp(static_cast<int>(std::lround(g)), 0, 255));
        }
    }
    return film;
}

}  // namespace

const QString& FilmJpeg(Film which) {
    static QTemporaryDir dir;
    static const QString paths[2] = {dir.filePath(QStringLiteral("grained.jpg")),
                                     dir.filePath(QStringLiteral("flat.jpg"))};
    static bool written[2] = {false, false};
    const int i = which == Film::Grained ? 0 : 1;
    if (!written[i]) {
        if (!Shading(which == Film::Grained).save(paths[i], "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(paths[i]));
            std::abort();
        }
        written[i] = true;
    }
    return paths[i];
}

QImage GreyFilm() {
    QImage film = vt::ReadRadiograph(GreyFilmJpeg());
    if (film.format() != QImage::Format_Grayscale8) {
        std::fprintf(stderr, "the sample film decodes as format %d, not 8-bit grey\n", int(film.format()));
        std::abort();
    }
    return film;
}

}  // namespace bench
