#include "game/best_records.h"

#include "game/clock_text.h"
#include "store/translation.h"

namespace polkamina::game {

BestRecords::BestRecords(SharedValues& shared, const store::DataFolder& folder, Host& host)
    : shared_(shared), folder_(folder), host_(host) {}

void BestRecords::clearFlags() {
  TurnRecordSet_ = false;
  TimeRecordSet_ = false;
}

void BestRecords::compare(levels::Level level, std::int16_t turns, const std::string& time) {
  store::Record& best = shared_.best[levels::levelIndex(level)];
  const levels::LevelInfo& info = levels::levelInfo(level);
  shared_.RecordMessage.clear();
  if (turns < best.turns) {
    best.turns = turns;
    announce(info.turnRecordText, TurnRecordSet_);
  }
  shared_.RecordMessage.clear();
  if (isShorterTime(time, best.time)) {
    best.time = time;
    announce(info.timeRecordText, TimeRecordSet_);
  }
}

void BestRecords::announce(const char* message, bool& flag) {
  shared_.RecordMessage = store::translated("Level", message);
  folder_.saveRecords(shared_.best);
  flag = true;
  host_.showRecordWindow(shared_.RecordMessage);
}

void BestRecords::clear() {
  shared_.best = store::Records{};
  folder_.saveRecords(shared_.best);
}

}  // namespace polkamina::game
