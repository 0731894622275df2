#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <QWidget>

namespace polkamina::ui {

// Gives a widget its design name and place.
template <typename Widget>
Widget* placed(Widget* widget, const QString& name, const QRect& geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

void fillBackground(QWidget* widget, const QColor& color);

// A label with a background colour, a single border and centred plain text.
QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font);

// A button with its own 32 × 32 icon from the artwork above the caption.
QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, const QString& toolTip, const QString& icon,
                           const QFont& font);

}  // namespace polkamina::ui
