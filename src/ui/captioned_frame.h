#pragma once

#include <QGroupBox>

namespace polkamina::ui {

// A frame with a caption, its etched line running through the middle of the
// caption, so that controls placed below the caption sit inside it. (The
// style's own group box puts its line below the caption, over controls placed
// in the caption's height.)
class CaptionedFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace polkamina::ui
