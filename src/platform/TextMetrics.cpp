#include "platform/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <map>
#include <memory>

#include "platform/FontMap.h"
#include "platform/Units.h"

namespace vt {

namespace {

// Glyphs are measured at a large pixel size, where hinting cannot shift
// advances, and scaled down to the requested size.
constexpr int kDesignPixels = 1000;

const QFontMetricsF& DesignMetrics(const std::string& faceName) {
    static std::map<std::string, std::unique_ptr<QFontMetricsF>> cache;
    auto& slot = cache[faceName];
    if (!slot) slot = std::make_unique<QFontMetricsF>(DesignFont(faceName));
    return *slot;
}

}  // namespace

QFont DesignFont(const std::string& faceName) {
    QFont font(MappedFamily(faceName));
    font.setPixelSize(kDesignPixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

double DesignScaleMm(double points) { return PointsToMm(points) / kDesignPixels; }

double TextWidthMm(const std::string& faceName, double points, std::string_view utf8) {
    if (utf8.empty()) return 0;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return DesignMetrics(faceName).horizontalAdvance(text) * DesignScaleMm(points);
}

double LineHeightMm(const std::string& faceName, double points) {
    return DesignMetrics(faceName).height() * DesignScaleMm(points);
}

}  // namespace vt
