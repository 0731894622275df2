#include "ui/system/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace polkamina::system {

const char* const kPGothic = "ＭＳ Ｐゴシック";
const char* const kGothic = "ＭＳ ゴシック";

namespace {

constexpr double kDesignDpi = 96.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

namespace {

// The installed fonts that hold Japanese text, those of fixed pitch first or
// last, each group in the font database's order.
QStringList japaneseFonts(bool fixedPitchFirst) {
  QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
  std::stable_partition(families.begin(), families.end(), [&](const QString& family) {
    return QFontDatabase::isFixedPitch(family) == fixedPitchFirst;
  });
  return families;
}

}  // namespace

FontConfigurationReader::FontConfigurationReader() : thread_([] { FcInit(); }) {}

FontConfigurationReader::~FontConfigurationReader() { wait(); }

void FontConfigurationReader::wait() {
  if (thread_.joinable()) thread_.join();
}

void installFontSubstitutions() {
  // Monapo is drawn to the proportional face's widths; IPAPGothic is the
  // fallback if it is missing. IPAGothic has the fixed face's widths. Where
  // none of them is installed, any Japanese font stands in, so that the
  // windows' texts never turn into empty boxes.
  QFont::insertSubstitutions(QString::fromUtf8(kPGothic),
                             QStringList{"Monapo", "IPAPGothic"} + japaneseFonts(false));
  QFont::insertSubstitutions(QString::fromUtf8(kGothic),
                             QStringList{"IPAGothic"} + japaneseFonts(true));
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
