#pragma once

#include <QKeySequence>
#include <QList>
#include <QMenu>

namespace polkamina::ui {

class Preferences;

// The menu of the main window, which holds what the game offers beyond its
// buttons. Every entry shows its shortcut, and the shortcuts work while the
// menu is closed too. The entries are all made in the constructor, in the
// order the menu shows them: a new one is added there with addEntry (or
// addSwitch for one with a tick) and tells the window through a signal.
class GameMenu : public QMenu {
  Q_OBJECT

 public:
  // The entries' shortcuts belong to window; the switches read and write
  // preferences.
  GameMenu(QWidget* window, Preferences& preferences);

  // The pause entry follows the game: usable while one runs, ticked while it
  // is paused.
  void showGame(bool running, bool paused);
  // Opens the menu at a point of the screen, or on the control that has the
  // keyboard focus.
  void openAt(const QPoint& globalPosition);
  void openOnFocus();

 signals:
  void pauseChosen();
  void soundSwitched(bool on);
  void progressChosen();
  void boardScaleChosen(int percent);
  void picturesChosen();

 private:
  // An entry of menu with its shortcuts, the first of them shown.
  QAction* addEntry(QMenu* menu, const QString& text, const QList<QKeySequence>& shortcuts);
  QAction* addSwitch(QMenu* menu, const QString& text, const QKeySequence& shortcut, bool on);
  void addBoardScales(Preferences& preferences);

  QWidget* window_;
  QAction* pause_ = nullptr;
};

}  // namespace polkamina::ui
