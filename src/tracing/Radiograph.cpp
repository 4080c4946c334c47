#include "tracing/Radiograph.h"

namespace vt {

QImage& Radiograph() {
    static QImage picture;
    return picture;
}

}  // namespace vt
