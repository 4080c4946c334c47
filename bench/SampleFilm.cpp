#include "SampleFilm.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "tracing/Radiograph.h"

namespace bench {

const QString& GreyFilmJpeg() {
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage film(4000, 3000, QImage::Format_Grayscale8);
        std::mt19937 grain(7);
        for (int y = 0; y < film.height(); ++y) {
            uchar* line = film.scanLine(y);
            for (int x = 0; x < film.width(); ++x)
                line[x] = uchar(std::clamp(40 + x * 120 / 4000 + y * 60 / 3000 + int(grain() % 24), 0, 255));
        }
        const QString file = dir.filePath(QStringLiteral("ceph.jpg"));
        if (!film.save(file, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            std::abort();
        }
        return file;
    }();
    return path;
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
