#include "ui/game_menu.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>

#include "ui/preferences.h"

namespace polkamina::ui {

GameMenu::GameMenu(QWidget* window, Preferences& preferences) : QMenu(window), window_(window) {
  setObjectName("gameMenu");

  pause_ = addEntry(this, QCoreApplication::translate("Menu", "一時停止"),
                    {QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
  pause_->setObjectName("pauseEntry");
  pause_->setCheckable(true);
  connect(pause_, &QAction::triggered, this, &GameMenu::pauseChosen);
  QAction* pauseWhenHidden =
      addSwitch(this, QCoreApplication::translate("Menu", "最小化したら一時停止"),
                QKeySequence("Shift+P"), preferences.pauseWhenHidden());
  pauseWhenHidden->setObjectName("pauseWhenHiddenEntry");
  connect(pauseWhenHidden, &QAction::toggled, this,
          [&preferences](bool on) { preferences.setPauseWhenHidden(on); });
  addSeparator();

  QAction* sound = addSwitch(this, QCoreApplication::translate("Menu", "効果音"),
                             QKeySequence(Qt::Key_M), preferences.matchSound());
  sound->setObjectName("soundEntry");
  connect(sound, &QAction::toggled, this, [this, &preferences](bool on) {
    preferences.setMatchSound(on);
    emit soundSwitched(on);
  });
  addSeparator();

  QAction* progress =
      addEntry(this, QCoreApplication::translate("Menu", "成績..."), {QKeySequence(Qt::Key_R)});
  progress->setObjectName("progressEntry");
  connect(progress, &QAction::triggered, this, &GameMenu::progressChosen);
  QAction* pictures =
      addEntry(this, QCoreApplication::translate("Menu", "絵の管理..."), {QKeySequence("Ctrl+E")});
  pictures->setObjectName("picturesEntry");
  connect(pictures, &QAction::triggered, this, &GameMenu::picturesChosen);
  addBoardScales(preferences);

  // The menu itself, from the keyboard; the Menu key reaches the window as a
  // request for a context menu.
  auto* open = new QAction(this);
  open->setShortcut(QKeySequence("Shift+F10"));
  connect(open, &QAction::triggered, this, &GameMenu::openOnFocus);
  window_->addAction(open);
}

QAction* GameMenu::addEntry(QMenu* menu, const QString& text,
                            const QList<QKeySequence>& shortcuts) {
  QAction* action = menu->addAction(text);
  action->setShortcuts(shortcuts);
  // Shown in the menu even where the desktop hides the shortcuts of menus.
  action->setShortcutVisibleInContextMenu(true);
  window_->addAction(action);
  return action;
}

QAction* GameMenu::addSwitch(QMenu* menu, const QString& text, const QKeySequence& shortcut,
                             bool on) {
  QAction* action = addEntry(menu, text, {shortcut});
  action->setCheckable(true);
  action->setChecked(on);
  return action;
}

// The board sizes, one of them chosen, Ctrl+1 for the first and so on.
void GameMenu::addBoardScales(Preferences& preferences) {
  QMenu* scales = addMenu(QCoreApplication::translate("Menu", "表示倍率"));
  scales->setObjectName("boardScaleMenu");
  auto* group = new QActionGroup(scales);
  for (std::size_t i = 0; i < Preferences::kBoardScales.size(); ++i) {
    const int percent = Preferences::kBoardScales[i];
    QAction* scale = addEntry(scales, QString("%1%").arg(percent),
                              {QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + int(i)))});
    scale->setCheckable(true);
    scale->setChecked(percent == preferences.boardScale());
    group->addAction(scale);
    connect(scale, &QAction::triggered, this, [this, &preferences, percent] {
      preferences.setBoardScale(percent);
      emit boardScaleChosen(percent);
    });
  }
}

void GameMenu::showGame(bool running, bool paused) {
  pause_->setEnabled(running);
  pause_->setChecked(paused);
}

void GameMenu::openAt(const QPoint& globalPosition) { popup(globalPosition); }

void GameMenu::openOnFocus() {
  const QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != window_) focused = window_;
  popup(focused->mapToGlobal(focused->rect().center()));
}

}  // namespace polkamina::ui
