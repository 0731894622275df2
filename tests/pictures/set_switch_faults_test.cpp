// Switches of picture sets whose system calls fail, or whose process ends,
// at every step: afterwards the game folder holds one whole set, the old or
// the new, and the other is kept as a set of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <map>

#include "icons/icon_set.h"
#include "pictures/picture_library.h"
#include "pictures/set_switch.h"
#include "support/system_faults.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using namespace polkamina::pictures;
using namespace polkamina::testing;

namespace {

// File name → content of a folder's icon files.
using Pictures = std::map<std::string, std::string>;

// Twenty pictures whose contents tell the set; both sets have a ネコ.
Pictures picturesOf(const std::string& set) {
  Pictures pictures{{"ネコ.ico", set + " cat"}};
  for (int i = 1; i < 20; ++i) pictures[set + std::to_string(i) + ".ico"] = set + " picture";
  return pictures;
}

class SetSwitch : public ::testing::Test {
 protected:
  SetSwitch() {
    for (const auto& [file, content] : picturesOf("old")) temp_.write(file, content);
    temp_.write("設定.txt", "0.5\r\n1\r\n");
    EXPECT_FALSE(library_.makeSet("new").has_value());
    for (const auto& [file, content] : picturesOf("new")) temp_.write("絵/new/" + file, content);
  }

  Pictures picturesIn(const fs::path& folder) {
    Pictures pictures;
    for (const std::string& file : polkamina::icons::listIconFiles(folder)) {
      pictures[file] = polkamina::testsupport::TempFolder::readFile(folder / file);
    }
    return pictures;
  }

  // The game folder holds one whole set and the other is a set of its own;
  // nothing else is left. Returns the set in use.
  std::string expectWhole() {
    const Pictures inUse = picturesIn(game_);
    const bool switched = inUse == picturesOf("new");
    EXPECT_TRUE(switched || inUse == picturesOf("old"));
    const std::vector<PictureSet> sets = library_.sets();
    EXPECT_EQ(sets.size(), 2u);
    if (sets.size() == 2) {
      EXPECT_EQ(sets[1].name, switched ? "前の絵" : "new");
      EXPECT_EQ(picturesIn(library_.setFolder(sets[1].name)), picturesOf(switched ? "old" : "new"));
    }
    EXPECT_EQ(temp_.read("設定.txt"), "0.5\r\n1\r\n");
    EXPECT_FALSE(fs::exists(game_ / "絵" / ".switching"));
    EXPECT_FALSE(fs::exists(game_ / "絵" / ".switch-old"));
    return switched ? "new" : "old";
  }

  polkamina::testsupport::TempFolder temp_;
  const fs::path game_ = temp_.path();
  PictureLibrary library_{game_};
};

TEST_F(SetSwitch, SwapsTheSetsAndKeepsTheOldOneUnderItsName) {
  ASSERT_FALSE(useSet(game_, "new").has_value());
  EXPECT_EQ(expectWhole(), "new");
  EXPECT_EQ(inUseSetName(game_), "new");
  EXPECT_EQ(library_.sets()[0].name, "new");
  // Switching back keeps the pictures in use under the name they came with.
  ASSERT_FALSE(useSet(game_, "前の絵").has_value());
  EXPECT_EQ(picturesIn(game_), picturesOf("old"));
  EXPECT_EQ(picturesIn(game_ / "絵" / "new"), picturesOf("new"));
}

TEST_F(SetSwitch, OnlyASetOfExactlyTwentyIsUsed) {
  ASSERT_FALSE(library_.makeSet("small").has_value());
  ASSERT_FALSE(library_.addPicture("small", "one", "x").has_value());
  EXPECT_TRUE(useSet(game_, "small").has_value());
  EXPECT_TRUE(useSet(game_, "missing").has_value());
  EXPECT_TRUE(useSet(game_, "../絵/new").has_value());
  temp_.write("絵/new/extra.ico", "x");
  EXPECT_TRUE(useSet(game_, "new").has_value());
  EXPECT_EQ(picturesIn(game_), picturesOf("old"));
}

TEST_F(SetSwitch, AFailedStepLeavesTheOldSetOrFinishesTheNew) {
  startWatching();
  ASSERT_FALSE(useSet(game_, "new").has_value());
  const std::size_t calls = stopWatching().size();
  ASSERT_FALSE(useSet(game_, "前の絵").has_value());

  for (std::size_t index = 0; index < calls; ++index) {
    SCOPED_TRACE("failed call " + std::to_string(index));
    fs::remove(game_ / "絵" / ".in-use");
    startWatching(Fault{index, EIO});
    const Failure failure = useSet(game_, "new");
    stopWatching();
    // A failure put the old pictures back, unless the next start must
    // finish the switch; what a switch left to tidy up, the next start does.
    const bool forNextStart = failure && failure->find("次の起動") != std::string::npos;
    EXPECT_FALSE(finishInterruptedSwitch(game_).has_value());
    const std::string inUse = expectWhole();
    if (failure && !forNextStart) {
      EXPECT_EQ(inUse, "old") << *failure;
    }
    if (inUse == "new") {
      ASSERT_FALSE(useSet(game_, "前の絵").has_value());
      // Without the name of the set in use, the new pictures are kept as 前の絵.
      ASSERT_FALSE(library_.renameSet(library_.sets()[1].name, "new").has_value());
    }
  }
}

TEST_F(SetSwitch, ARunEndedAtAnyStepIsFinishedAtTheNextStart) {
  startWatching();
  ASSERT_FALSE(useSet(game_, "new").has_value());
  const std::size_t calls = stopWatching().size();
  ASSERT_FALSE(useSet(game_, "前の絵").has_value());

  for (std::size_t index = 0; index < calls; ++index) {
    SCOPED_TRACE("ended at call " + std::to_string(index));
    fs::remove(game_ / "絵" / ".in-use");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      startWatching(Fault{index, EIO, false, true});
      useSet(game_, "new");
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitedStatus);
    EXPECT_FALSE(finishInterruptedSwitch(game_).has_value());
    if (expectWhole() == "new") {
      ASSERT_FALSE(useSet(game_, "前の絵").has_value());
    }
  }
}

TEST_F(SetSwitch, ASwitchWaitsForAnotherRunHoldingTheSets) {
  std::future<Failure> switched;
  {
    const SwitchLock otherRun(game_);
    ASSERT_TRUE(otherRun.held());
    switched = std::async(std::launch::async, [this] { return useSet(game_, "new"); });
    EXPECT_EQ(switched.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
    EXPECT_EQ(picturesIn(game_), picturesOf("old"));
  }
  EXPECT_FALSE(switched.get().has_value());
  EXPECT_EQ(picturesIn(game_), picturesOf("new"));
}

TEST_F(SetSwitch, ADamagedJournalIsReportedAndMovesNothing) {
  temp_.write("絵/.switching", std::string("polkamina-switch\0in\0new\0", 24));
  EXPECT_TRUE(finishInterruptedSwitch(game_).has_value());
  EXPECT_TRUE(useSet(game_, "new").has_value());
  EXPECT_EQ(picturesIn(game_), picturesOf("old"));
}

}  // namespace
