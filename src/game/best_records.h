#pragma once

#include <cstdint>
#include <string>

#include "game/host.h"
#include "game/shared_values.h"
#include "levels/level.h"
#include "store/data_folder.h"

namespace polkamina::game {

// The end of a game against the best records: a finished game that beats its
// level's best turn count or best time sets the new record, stores it at
// once and announces it; the two flags tell a later history row which
// records the last game set.
class BestRecords {
 public:
  BestRecords(SharedValues& shared, const store::DataFolder& folder, Host& host);

  bool TurnRecordSet() const { return TurnRecordSet_; }
  bool TimeRecordSet() const { return TimeRecordSet_; }

  // A new game starts without records set.
  void clearFlags();
  // The game just finished on level in turns and time (its clock text):
  // first the turn count, then the time is compared with the level's best.
  void compare(levels::Level level, std::int16_t turns, const std::string& time);
  // Every level back to no record, in memory and in the records file.
  void clear();

 private:
  // Stores the records, sets the flag and shows the announcement.
  void announce(const char* message, bool& flag);

  SharedValues& shared_;
  const store::DataFolder& folder_;
  Host& host_;
  bool TurnRecordSet_ = false;  // the game that just ended set a new best turn count
  bool TimeRecordSet_ = false;  // the game that just ended set a new best time
};

}  // namespace polkamina::game
