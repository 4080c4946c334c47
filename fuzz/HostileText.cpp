#include "HostileText.h"

#include <array>

namespace vt::fuzz {

int Pick(Random& random, int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

bool Chance(Random& random, double probability) { return std::bernoulli_distribution(probability)(random); }

QString PlausibleNumber(Random& random) {
    const int tenths = std::uniform_int_distribution<int>(-200, 1500)(random);
    return tenths % 10 ? QString::number(tenths / 10.0, 'f', 1) : QString::number(tenths / 10);
}

QString HostileText(Random& random) {
    static const std::array<QString, 38> kPieces{
        QString(),
        QStringLiteral(" "),
        QStringLiteral("   "),
        QStringLiteral("abc"),
        QStringLiteral("1e308"),
        QStringLiteral("-1e308"),
        QStringLiteral("1e309"),
        QStringLiteral("-1e999"),
        QStringLiteral("NaN"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral("-0"),
        QStringLiteral("0"),
        QStringLiteral("0x1A"),
        QStringLiteral("&H7FFF"),
        QStringLiteral("32767.5"),
        QStringLiteral("-32768.5"),
        QStringLiteral("1,5"),
        QStringLiteral("환자 홍길동"),
        QStringLiteral("\t\x01\x7f"),
        QString(QChar(0)),
        QStringLiteral("\u0085\u200f\u202e"),
        QStringLiteral("😀"),
        QStringLiteral("../.."),
        QStringLiteral("../../../etc/passwd"),
        QStringLiteral(":"),
        QStringLiteral(":1"),
        QStringLiteral("~"),
        QStringLiteral("~root"),
        QStringLiteral("-"),
        QStringLiteral("-rf"),
        QStringLiteral("."),
        QStringLiteral(".."),
        QStringLiteral("/"),
        QStringLiteral("a\\b"),
        QStringLiteral("%s%n%x"),
        QStringLiteral("$HOME"),
        QStringLiteral("*?[]"),
    };
    switch (Pick(random, 6)) {
        case 0: return QString(std::uniform_int_distribution<int>(300, 5000)(random), u'9');  // thousands of digits
        case 1: return QString(std::uniform_int_distribution<int>(240, 300)(random), u'x');   // near the longest name
        case 2: return PlausibleNumber(random) + kPieces[std::size_t(Pick(random, int(kPieces.size())))];
        case 3: {
            QString mixed;
            for (int n = Pick(random, 4) + 2; n > 0; --n)
                mixed += kPieces[std::size_t(Pick(random, int(kPieces.size())))];
            return mixed;
        }
        default: return kPieces[std::size_t(Pick(random, int(kPieces.size())))];
    }
}

}  // namespace vt::fuzz
