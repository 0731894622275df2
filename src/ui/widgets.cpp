#include "ui/widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

#include "ui/system/colours.h"

namespace polkamina::ui {

void setDesignBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  widget->setPalette(system::onDesignBackground(widget->palette(), colour));
  if (role == QPalette::Window) widget->setAutoFillBackground(true);
}

QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font) {
  auto* label = placed(new QLabel(parent), name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setFont(font);
  setDesignBackground(label, QPalette::Window, background);
  return label;
}

QString cellPlace(int index, int columns) {
  return QCoreApplication::translate("Board", "%1行%2列")
      .arg(index / columns + 1)
      .arg(index % columns + 1);
}

namespace {

class ClosedPopupKeys : public QObject {
 public:
  explicit ClosedPopupKeys(QAbstractItemView* view) : QObject(view), view_(view) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ShortcutOverride:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        return !view_->isVisible();
      default:
        return false;
    }
  }

 private:
  QAbstractItemView* view_;
};

}  // namespace

void ignoreKeysOfClosedPopup(QComboBox* list) {
  // Event filters run newest first: this one before the popup's own.
  list->view()->installEventFilter(new ClosedPopupKeys(list->view()));
}

void setAccessibleNameIfChanged(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) {
    widget->setAccessibleName(name);
  }
}

}  // namespace polkamina::ui
