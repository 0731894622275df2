#include "ui/system/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include "store/translation.h"

namespace polkamina::system {

namespace {

// Where the build puts the translations, one file per language.
const char* const kTranslationFolder = ":/i18n/";
const char* const kFilePrefix = "polkamina_";
const char* const kFallbackLanguage = "en";

bool isSourceLanguage(const QString& language) {
  return language == QLatin1String("C") || language == QLatin1String("POSIX") ||
         language == QLatin1String("ja") || language.startsWith(QLatin1String("ja_"));
}

bool hasTranslation(const QString& fileName) {
  return QFile::exists(kTranslationFolder + fileName + ".qm");
}

QTranslator& playersTranslator() {
  static QTranslator translator;
  return translator;
}

std::string translatedForTheCore(const char* context, const char* source) {
  const QString text = playersTranslator().translate(context, source);
  return text.isEmpty() ? source : text.toStdString();
}

}  // namespace

QString translationFor(const QStringList& uiLanguages) {
  for (QString language : uiLanguages) {
    language.replace('-', '_');
    if (isSourceLanguage(language)) return QString();
    // "pt_BR" has a translation of its own or shares that of "pt".
    for (const QString& name : {language, language.section('_', 0, 0)}) {
      if (hasTranslation(kFilePrefix + name)) return kFilePrefix + name;
    }
  }
  return kFilePrefix + QString(kFallbackLanguage);
}

void useTranslation(const QString& fileName) {
  QTranslator& translator = playersTranslator();
  if (QCoreApplication::instance() != nullptr) QCoreApplication::removeTranslator(&translator);
  store::setTranslator(nullptr);
  if (fileName.isEmpty() || !translator.load(fileName, kTranslationFolder)) return;
  store::setTranslator(translatedForTheCore);
  if (QCoreApplication::instance() != nullptr) QCoreApplication::installTranslator(&translator);
}

void installPlayersLanguage() { useTranslation(translationFor(QLocale::system().uiLanguages())); }

}  // namespace polkamina::system
