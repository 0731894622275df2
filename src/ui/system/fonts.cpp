#include "ui/system/fonts.h"

#include <cmath>

namespace polkamina::system {

const char* const kPGothic = "ＭＳ Ｐゴシック";
const char* const kGothic = "ＭＳ ゴシック";

namespace {

constexpr double kDesignDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

void installFontSubstitutions() {
  // Monapo is drawn to the proportional face's widths; IPAPGothic is the
  // fallback if it is missing. IPAGothic has the fixed face's widths.
  QFont::insertSubstitution(QString::fromUtf8(kPGothic), QStringLiteral("Monapo"));
  QFont::insertSubstitution(QString::fromUtf8(kPGothic), QStringLiteral("IPAPGothic"));
  QFont::insertSubstitution(QString::fromUtf8(kGothic), "IPAGothic");
}

int pointsToPixels(double points) {
  return static_cast<int>(std::lround(points * kDesignDpi / kPointsPerInch));
}

QFont designFont(const QString& family, double points) {
  QFont font = outsideTextFont(family, points);
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

QFont outsideTextFont(const QString& family, double points) {
  QFont font(family);
  font.setPixelSize(pointsToPixels(points));
  // Set explicitly, so that it is not taken over from a window's design font.
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace polkamina::system
