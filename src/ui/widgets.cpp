#include "ui/widgets.h"

#include <QPalette>

#include "ui/system/art.h"

namespace polkamina::ui {

namespace {

constexpr int kIconSide = 32;

}  // namespace

void fillBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font) {
  auto* label = placed(new QLabel(parent), name, geometry);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignCenter);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setFont(font);
  fillBackground(label, background);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, const QString& toolTip, const QString& icon,
                           const QFont& font) {
  auto* button = placed(new QToolButton(parent), name, geometry);
  button->setText(caption);
  button->setToolTip(toolTip);
  button->setIcon(system::artIcon(icon));
  button->setIconSize(QSize(kIconSide, kIconSide));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setFont(font);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

}  // namespace polkamina::ui
