#pragma once

#include <QString>
#include <QStringList>

namespace polkamina::system {

// The player's language: the first of the UI languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) that is Japanese, the C locale or has
// a translation of its own. Japanese is the source language and needs no
// translation; a player none of whose languages is one of those gets
// English. Returns the name of the translation's file ("polkamina_en"), or
// an empty text for the source language.
QString translationFor(const QStringList& uiLanguages);

// Translates the windows and the core's texts with the translation of that
// name (from translationFor), or leaves them in the source language for an
// empty name or a translation that cannot be loaded. The windows follow once
// a QCoreApplication exists: call again then.
void useTranslation(const QString& fileName);

// useTranslation for the player's UI languages.
void installPlayersLanguage();

}  // namespace polkamina::system
