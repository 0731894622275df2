#include "game/view_changes.h"

namespace polkamina::game {

ViewChanges ViewChanges::everything() {
  ViewChanges all;
  all.parts_ = ~0u & ~Deal;
  all.pieces_.set();
  return all;
}

}  // namespace polkamina::game
