#include "ui/preferences.h"

#include <QStandardPaths>
#include <algorithm>

namespace polkamina::ui {

namespace {

const char* const kMatchSound = "sound/match";
const char* const kPauseWhenHidden = "pause/whenHidden";
const char* const kBoardScale = "view/boardScale";
// Where the first run keeps the environment's own QT_SCALE_FACTOR (empty for none).
const char* const kScreenScale = "POLKAMINA_SCREEN_SCALE_FACTOR";

bool isOffered(int percent) {
  return std::find(Preferences::kBoardScales.begin(), Preferences::kBoardScales.end(), percent) !=
         Preferences::kBoardScales.end();
}

}  // namespace

Preferences::Preferences(const QString& file) : settings_(file, QSettings::IniFormat) {}

QString Preferences::standardFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/polkamina/polkamina.ini";
}

bool Preferences::matchSound() const { return flag(kMatchSound, true); }

void Preferences::setMatchSound(bool on) { write(kMatchSound, on); }

bool Preferences::pauseWhenHidden() const { return flag(kPauseWhenHidden, false); }

void Preferences::setPauseWhenHidden(bool on) { write(kPauseWhenHidden, on); }

int Preferences::boardScale() const {
  bool ok = false;
  const int percent = settings_.value(kBoardScale).toInt(&ok);
  return ok && isOffered(percent) ? percent : 100;
}

void Preferences::setBoardScale(int percent) {
  if (isOffered(percent)) write(kBoardScale, percent);
}

void scaleWindowsBy(int percent) {
  // The screen's own factor, as the environment gave it to the first run: a
  // restart inherits QT_SCALE_FACTOR as set here, and must not scale it again.
  if (!qEnvironmentVariableIsSet(kScreenScale)) {
    qputenv(kScreenScale, qgetenv("QT_SCALE_FACTOR"));
  }
  const QByteArray screenText = qgetenv(kScreenScale);
  if (percent == 100) {
    if (screenText.isEmpty()) {
      qunsetenv("QT_SCALE_FACTOR");
    } else {
      qputenv("QT_SCALE_FACTOR", screenText);
    }
    return;
  }
  bool ok = false;
  const double screen = screenText.toDouble(&ok);
  const double factor = (ok && screen > 0 ? screen : 1.0) * percent / 100.0;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

// Only "true" and "false", as written, are taken; anything else is the default.
bool Preferences::flag(const char* key, bool fallback) const {
  const QString text = settings_.value(key).toString();
  if (text == "true") return true;
  if (text == "false") return false;
  return fallback;
}

void Preferences::write(const char* key, const QVariant& value) {
  settings_.setValue(key, value);
  // Written now: the game may end at any moment without saving.
  settings_.sync();
}

}  // namespace polkamina::ui
