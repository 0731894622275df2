// The translations: every text of every .ts translated, with the same places
// as its source, in the file the program is built with; the language chosen
// from the player's UI languages; the core's texts following it.
#include "store/translation.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <vector>

#include "game/clock_text.h"
#include "ui/system/language.h"

namespace polkamina::system {
namespace {

struct Message {
  QString context;
  QString source;
  QString translation;
  bool finished = true;
};

// The text of the element the reader is in, with the control characters that
// .ts files write as <byte value="xd"/>.
QString elementText(QXmlStreamReader& reader) {
  QString text;
  while (reader.readNext() != QXmlStreamReader::EndElement || reader.name() == u"byte") {
    if (reader.isCharacters()) text += reader.text();
    if (reader.isStartElement() && reader.name() == u"byte") {
      text += QChar(reader.attributes().value("value").mid(1).toUShort(nullptr, 16));
    }
    if (reader.hasError()) break;
  }
  return text;
}

std::vector<Message> readTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader reader(&file);
  std::vector<Message> messages;
  QString context;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (reader.name() == u"name") context = elementText(reader);
    if (reader.name() == u"message") messages.push_back({context, {}, {}, true});
    if (reader.name() == u"source") messages.back().source = elementText(reader);
    if (reader.name() == u"translation") {
      messages.back().finished = reader.attributes().value("type").isEmpty();
      messages.back().translation = elementText(reader);
    }
  }
  EXPECT_FALSE(reader.hasError()) << path.toStdString() << ": "
                                  << reader.errorString().toStdString();
  return messages;
}

QSet<QString> placesIn(const QString& text) {
  QSet<QString> places;
  static const QRegularExpression place("%[1-9]");
  for (const QRegularExpressionMatch& match : place.globalMatch(text)) places << match.captured();
  return places;
}

TEST(Translations, EveryTextIsTranslatedInTheBuiltFileWithItsPlaces) {
  const QStringList tsFiles = QDir(POLKAMINA_TRANSLATIONS_DIR).entryList({"*.ts"}, QDir::Files);
  ASSERT_TRUE(tsFiles.contains("polkamina_en.ts"));
  for (const QString& tsFile : tsFiles) {
    const std::vector<Message> messages = readTs(POLKAMINA_TRANSLATIONS_DIR "/" + tsFile);
    EXPECT_GT(messages.size(), 100u) << tsFile.toStdString();
    QTranslator built;
    ASSERT_TRUE(built.load(QFileInfo(tsFile).baseName(), ":/i18n/")) << tsFile.toStdString();
    for (const Message& message : messages) {
      const std::string where =
          (tsFile + " " + message.context + ": " + message.source).toStdString();
      EXPECT_TRUE(message.finished && !message.translation.isEmpty()) << where;
      EXPECT_EQ(placesIn(message.translation), placesIn(message.source)) << where;
      EXPECT_EQ(built.translate(message.context.toUtf8(), message.source.toUtf8()),
                message.translation)
          << where;
    }
  }
}

TEST(Translations, ThePlayersLanguageIsTheFirstThatIsJapaneseOrTranslated) {
  // As Qt lists the UI languages of LANG=ja_JP.UTF-8, LANG=C, LANG=POSIX and
  // LANGUAGE=de:ja.
  EXPECT_EQ(translationFor({"ja-JP", "ja-Jpan-JP", "ja"}), "");
  EXPECT_EQ(translationFor({"C"}), "");
  EXPECT_EQ(translationFor({"POSIX"}), "");
  EXPECT_EQ(translationFor({"de", "de-Latn-DE", "de-DE", "ja", "ja-Jpan-JP"}), "");
  EXPECT_EQ(translationFor({"en-US", "en-Latn-US", "en"}), "polkamina_en");
  EXPECT_EQ(translationFor({"en-GB"}), "polkamina_en");
  // A language without a translation of its own reads English, whatever follows.
  EXPECT_EQ(translationFor({"de-DE", "de-Latn-DE", "de"}), "polkamina_en");
  EXPECT_EQ(translationFor({"jv-ID"}), "polkamina_en");
  EXPECT_EQ(translationFor({}), "polkamina_en");
}

TEST(Translations, TheCoreFollowsTheChosenTranslation) {
  useTranslation("polkamina_en");
  EXPECT_EQ(game::shownClockText("05分09秒"), "05:09");
  EXPECT_EQ(game::shownClockText("-----"), "-----");
  EXPECT_EQ(store::translated("Level", "イージー"), "Easy");
  useTranslation("");
  EXPECT_EQ(game::shownClockText("05分09秒"), "05分09秒");
  EXPECT_EQ(store::translated("Level", "イージー"), "イージー");
  // A translation that cannot be loaded leaves the source.
  useTranslation("polkamina_xx");
  EXPECT_EQ(store::translated("Level", "イージー"), "イージー");
}

TEST(Translations, PlacesAreFilledInOnePass) {
  EXPECT_EQ(store::filled("%2 / %1 %3 100%", {"a%2", "b"}), "b / a%2 %3 100%");
}

}  // namespace
}  // namespace polkamina::system
