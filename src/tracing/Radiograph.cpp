#include "tracing/Radiograph.h"

#include <QImageReader>

namespace vt {

QImage& Radiograph() {
    static QImage picture;
    return picture;
}

QImage ReadRadiograph(const QString& fileName) {
    QImageReader reader(fileName);
    reader.setAutoTransform(false);
    return reader.read();
}

}  // namespace vt
