#pragma once

#include <QWidget>

namespace polkamina::ui {

// The engraved rule Line1 between the button row and the board: one device
// pixel of black right above one of white, at any screen scale. Placed two
// logical pixels high from the black line's top; it takes no mouse input.
class EngravedRule : public QWidget {
 public:
  EngravedRule(QWidget* parent, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
