#include "game/settings_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "game/game_fakes.h"
#include "settings_test_support.h"
#include "store/file_error.h"
#include "store/translation.h"

namespace polkamina::game {
namespace {

namespace fs = std::filesystem;
using settingstest::TempFolder;
using testing::FakeHost;
using testing::FakeRandom;

class SettingsModelTest : public ::testing::Test {
 protected:
  SettingsModelTest() {
    shared.HideDelay = 1;
    shared.EraseDelay = 0.5f;
  }

  std::string delaysFile() const { return temp.read("設定.txt"); }

  std::vector<std::string> cellNames() const {
    std::vector<std::string> names;
    for (int k = 1; k <= kCatalogueCells; ++k) names.push_back(model.cell(k).name);
    return names;
  }

  std::vector<bool> namesShown() const {
    std::vector<bool> shown;
    for (int k = 1; k <= kCatalogueCells; ++k) shown.push_back(model.cell(k).nameVisible);
    return shown;
  }

  TempFolder temp;
  SharedValues shared;
  store::DataFolder folder{temp.path()};
  FakeRandom random;
  FakeHost host;
  SettingsModel model{shared, folder, random, host};
};

TEST_F(SettingsModelTest, DelayListHasBothRunsAndEveryEntryReadsBackAsItsValue) {
  shared.HideDelay = 0.7f;  // not in the list: shown as it is, nothing chosen or saved
  model.Form_Load();
  EXPECT_EQ(model.cboHideText(), "0.7");
  EXPECT_EQ(model.cboDelText(), "0.5");
  EXPECT_TRUE(host.calls.empty());
  EXPECT_FALSE(fs::exists(folder.path() / "設定.txt"));

  const std::vector<std::string> expected = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.5", "1", "1.5",
                                             "2",   "2.5", "3",   "3.5", "4",   "4.5", "5"};
  EXPECT_EQ(model.delayList(), expected);

  const std::vector<float> values = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.5f, 1.0f, 1.5f,
                                     2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f};
  for (int i = 0; i < static_cast<int>(values.size()); ++i) {
    model.cboHide_Click(i);
    EXPECT_EQ(shared.HideDelay, values[static_cast<std::size_t>(i)]) << "entry " << i;
  }
}

TEST_F(SettingsModelTest, ChoosingADelayStoresItSavesBothAndConfirms) {
  model.Form_Load();
  model.cboHide_Click(-1);
  model.cboDel_Click(15);
  EXPECT_FALSE(fs::exists(folder.path() / "設定.txt"));

  model.cboDel_Click(7);  // "1.5"
  EXPECT_EQ(shared.EraseDelay, 1.5f);
  EXPECT_EQ(shared.HideDelay, 1.0f);
  EXPECT_EQ(model.cboDelText(), "1.5");
  EXPECT_EQ(delaysFile(), " 1 \r\n 1.5 \r\n");

  model.cboHide_Click(0);  // "0.1"
  EXPECT_EQ(shared.HideDelay, 0.1f);
  EXPECT_EQ(delaysFile(), " .1 \r\n 1.5 \r\n");

  const std::vector<std::string> expected = {
      FakeHost::messageCall("コマが消えるまでの時間を1.5秒に設定しました", "設定更新",
                            MessageIcon::Information, MessageButtons::Ok),
      FakeHost::messageCall("コマが隠れるまでの時間を0.1秒に設定しました", "設定更新",
                            MessageIcon::Information, MessageButtons::Ok),
  };
  EXPECT_EQ(host.calls, expected);
}

TEST_F(SettingsModelTest, AFailedSaveKeepsTheNewDelayAndShowsNoConfirmation) {
  const store::DataFolder missing(temp.path() / "gone");
  SettingsModel failing(shared, missing, random, host);
  failing.Form_Load();
  EXPECT_THROW(failing.cboDel_Click(6), store::FileError);
  EXPECT_EQ(shared.EraseDelay, 1.0f);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(SettingsModelTest, RecordRowsShowNoRecordPerRowOnItsOwn) {
  shared.best[0] = {store::Record::kNoTurns, store::Record::kNoTime};
  shared.best[1] = {18, store::Record::kNoTime};
  shared.best[2] = {store::Record::kNoTurns, "01分23秒"};
  shared.best[3] = {9998, "00分59秒"};
  model.Form_Load();
  const std::array<std::string, kRecordRows> expected = {"-----", "-----",    "18回",   "-----",
                                                         "-----", "01分23秒", "9998回", "00分59秒"};
  EXPECT_EQ(model.lblKiroku(), expected);

  // A translation's forms of the turns and the time take the stored numbers.
  store::setTranslator([](const char*, const char* source) -> std::string {
    const std::string text = source;
    if (text == "%1回") return "%1 turns";
    if (text == "%1分%2秒") return "%1 min %2 s";
    return text;
  });
  model.Form_Load();
  store::setTranslator(nullptr);
  EXPECT_EQ(model.lblKiroku()[2], "18 turns");
  EXPECT_EQ(model.lblKiroku()[5], "01 min 23 s");
}

TEST_F(SettingsModelTest, CatalogueShufflesTheFolderIconsAfterReseeding) {
  settingstest::addIcons(temp, settingstest::iconNames(19));
  temp.write("Dog.ICO");
  random.values = {0.0f, 0.999f};  // first entry, then the last
  random.fallback = 0.0f;
  model.Form_Load();

  EXPECT_EQ(random.reseedsAt, std::vector<std::size_t>{0});
  EXPECT_EQ(random.drawn, 20u);
  // The listing is sorted without regard to case: "Dog" comes after "cat18".
  EXPECT_EQ(model.cell(1).name, "cat00");
  EXPECT_EQ(model.cell(2).name, "Dog");
  EXPECT_EQ(model.cell(3).name, "cat01");
  EXPECT_EQ(model.cell(20).name, "cat18");
  for (int k = 1; k <= kCatalogueCells; ++k) {
    const CatalogueCell& cell = model.cell(k);
    EXPECT_TRUE(fs::exists(cell.picture)) << cell.picture;
    EXPECT_EQ(cell.picture.parent_path(), folder.path());
    EXPECT_EQ(cell.picture.stem().string(), cell.name);
  }
  EXPECT_EQ(model.cell(2).picture.filename().string(), "Dog.ICO");
}

TEST_F(SettingsModelTest, ReopeningGivesANewArrangementWithNamesHiddenAgain) {
  settingstest::addIcons(temp, settingstest::iconNames(20));
  model.Form_Load();
  const std::vector<std::string> first = cellNames();
  model.cmdShow_Click();

  random.drawn = 0;
  random.values.assign(20, 0.999f);
  model.Form_Load();
  std::vector<std::string> reversed(first.rbegin(), first.rend());
  EXPECT_EQ(cellNames(), reversed);
  EXPECT_EQ(namesShown(), std::vector<bool>(20, false));
}

TEST_F(SettingsModelTest, ShowHideAndClickRules) {
  settingstest::addIcons(temp, settingstest::iconNames(20));
  model.Form_Load();
  EXPECT_EQ(namesShown(), std::vector<bool>(20, false));

  model.imgKoma_Click(3);
  model.imgKoma_Click(3);  // a second click never hides it
  std::vector<bool> onlyThird(20, false);
  onlyThird[2] = true;
  EXPECT_EQ(namesShown(), onlyThird);

  model.cmdShow_Click();
  model.imgKoma_Click(7);
  EXPECT_EQ(namesShown(), std::vector<bool>(20, true));

  model.cmdHide_Click();
  model.imgKoma_Click(20);
  model.imgKoma_Click(0);
  model.imgKoma_Click(21);
  std::vector<bool> onlyLast(20, false);
  onlyLast[19] = true;
  EXPECT_EQ(namesShown(), onlyLast);
}

TEST_F(SettingsModelTest, OtherThanTwentyIconsFillWhatTheyCan) {
  settingstest::addIcons(temp, settingstest::iconNames(3));
  model.Form_Load();
  EXPECT_EQ(random.drawn, 3u);
  EXPECT_EQ(model.cell(3).name, "cat02");
  EXPECT_EQ(model.cell(4).name, "");
  EXPECT_TRUE(model.cell(20).picture.empty());
  model.imgKoma_Click(20);
  EXPECT_TRUE(model.cell(20).nameVisible);

  settingstest::addIcons(temp, settingstest::iconNames(22));
  // Every draw takes the last name left: a name past the twentieth would come first.
  random.fallback = 0.99f;
  model.Form_Load();
  const std::vector<std::string> names = cellNames();
  EXPECT_EQ(std::count(names.begin(), names.end(), "cat19"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "cat20"), 0);
}

}  // namespace
}  // namespace polkamina::game
