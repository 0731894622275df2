// What the history grid shows of a field: all of it, or its start and "…"
// when it is too long to lay out in the moment a drawing of the grid has.
#include "ui/history_model.h"

#include <gtest/gtest.h>

#include <string>

#include "store/cp932.h"
#include "store/field_reader.h"

namespace polkamina::ui {
namespace {

std::string quotedField(const std::string& text) {
  return "\"" + store::utf8ToCp932(text, "履歴.txt") + "\"";
}

TEST(HistoryModel, ShowsTheStartOfAFieldTooLongForItsCell) {
  std::string kana;
  for (int i = 0; i < 100; ++i) kana += "あ";
  const std::string longest(store::FieldReader::kMaxFieldBytes - 2, 'x');
  const store::HistoryRows rows =
      store::parseHistory(quotedField(kana) + "," + quotedField(kana + "い") + ",\"" + longest +
                              "\",\"\",\"\",\"\",\"\"\r\n",
                          "履歴.txt");
  const HistoryModel model(rows);
  const auto shown = [&](int column) {
    return model.data(model.index(0, column), Qt::DisplayRole).toString();
  };
  EXPECT_EQ(shown(1), QString::fromStdString(kana));
  EXPECT_EQ(shown(2), QString::fromStdString(kana) + QChar(0x2026));
  EXPECT_EQ(shown(3), QString(100, u'x') + QChar(0x2026));
  EXPECT_EQ(shown(4), QString());
}

}  // namespace
}  // namespace polkamina::ui
