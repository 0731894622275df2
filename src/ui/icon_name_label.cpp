#include "ui/icon_name_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/widgets.h"

namespace polkamina::ui {

namespace {

// An icon-name label; its accessible interface is IconNameAccessible.
class IconNameLabel : public QLabel {
 public:
  using QLabel::QLabel;

  void setVisible(bool visible) override {
    const bool changed = visible != isVisibleTo(parentWidget());
    QLabel::setVisible(visible);
    if (changed) {
      // The name read out appears or goes with the label.
      QAccessibleEvent event(this, QAccessible::NameChanged);
      QAccessible::updateAccessibility(&event);
    }
  }
};

class IconNameAccessible : public QAccessibleWidget {
 public:
  explicit IconNameAccessible(IconNameLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    const auto* label = static_cast<const QLabel*>(widget());
    if (!label->isVisibleTo(label->window())) {
      return QString();
    }
    return kind == QAccessible::Name ? label->text() : QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* iconNameAccessible(const QString&, QObject* object) {
  auto* label = dynamic_cast<IconNameLabel*>(object);
  return label != nullptr ? new IconNameAccessible(label) : nullptr;
}

}  // namespace

QLabel* iconNameLabel(QWidget* parent, const QString& name, const QRect& geometry,
                      const QFont& font) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(iconNameAccessible);
    return true;
  }();
  static_cast<void>(factoryInstalled);
  auto* label = placed(new IconNameLabel(parent), name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFont(font);
  return label;
}

}  // namespace polkamina::ui
