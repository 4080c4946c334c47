#include "tracing/Radiograph.h"

#include <QImageReader>

#include "intake/Session.h"

namespace vt {

namespace {
struct OpenedRadiograph {
    QImage picture;
};
}  // namespace

QImage& Radiograph() { return CurrentSession().record<OpenedRadiograph>().picture; }

QImage ReadRadiograph(const QString& fileName) {
    QImageReader reader(fileName);
    reader.setAutoTransform(false);
    return reader.read();
}

}  // namespace vt
