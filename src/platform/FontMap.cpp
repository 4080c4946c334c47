#include "platform/FontMap.h"

namespace vt {

QString MappedFamily(const std::string& faceName) {
    if (faceName == kFormFace) return QStringLiteral("NanumGothic");
    if (faceName == kFixedFace) return QStringLiteral("NanumGothicCoding");
    return QString::fromStdString(faceName);
}

QFont FormFont(double points, bool bold) {
    QFont font(MappedFamily(kFormFace));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace vt
