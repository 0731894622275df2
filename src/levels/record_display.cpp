#include "levels/record_display.h"

#include "store/translation.h"

namespace polkamina::levels {

const char* const kNoRecordDisplay = "-----";

std::string bestTurnsDisplay(const store::Record& record) {
  if (record.turns == store::Record::kNoTurns) {
    return kNoRecordDisplay;
  }
  return std::to_string(record.turns);
}

std::string bestTurnsDisplayWithUnit(const store::Record& record) {
  if (record.turns == store::Record::kNoTurns) {
    return kNoRecordDisplay;
  }
  return store::filled(store::translated("Level", "%1回"), {bestTurnsDisplay(record)});
}

std::string bestTimeDisplay(const store::Record& record) {
  if (record.time == store::Record::kNoTime) {
    return kNoRecordDisplay;
  }
  return record.time;
}

}  // namespace polkamina::levels
