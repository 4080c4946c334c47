#include "platform/FontMap.h"

namespace vt {

QString MappedFamily(const std::string& faceName) {
    if (faceName == "돋움") return QStringLiteral("NanumGothic");
    if (faceName == "돋움체") return QStringLiteral("NanumGothicCoding");
    return QString::fromStdString(faceName);
}

QFont FormFont(const std::string& faceName, double points, bool bold) {
    QFont font(MappedFamily(faceName));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace vt
