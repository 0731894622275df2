#pragma once

#include <QListWidget>
#include <vector>

#include "pictures/picture_library.h"

namespace polkamina::ui {

// The pictures window's list of picture sets, one line each: the set in
// use first, then the player's sets, each with its count and whether it
// can be played.
class PictureSetList : public QListWidget {
 public:
  explicit PictureSetList(QWidget* parent);

  // Shows the sets, keeping the one of that name selected where it is still
  // there (the set in use for an empty name).
  void showSets(const std::vector<pictures::PictureSet>& sets, const std::string& selected);
  // The selected set's position in the sets last shown; 0 when none is.
  int selectedSet() const;
};

}  // namespace polkamina::ui
