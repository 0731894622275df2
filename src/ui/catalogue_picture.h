#pragma once

#include <QLabel>

namespace polkamina::ui {

// A picture of the settings window's icon catalogue, imgKoma(k): a left
// click on it is its own event.
class CataloguePicture : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace polkamina::ui
