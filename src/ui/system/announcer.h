#pragma once

#include <QString>
#include <QWidget>

namespace polkamina::system {

// Tells a screen reader what happens away from the keyboard focus, such as
// the end of a turn: each message appears as a notification, which screen
// readers speak as it appears. Nothing of it is drawn or takes input.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* parent);

  void announce(const QString& message);
};

}  // namespace polkamina::system
