#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

class QComboBox;

namespace polkamina::ui {

// Gives a widget its design name and place.
template <typename Widget>
Widget* placed(Widget* widget, const QString& name, const QRect& geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

// Gives a widget the design's background colour with the design's black text
// on it, so that no theme leaves light text on it; role says where it shows:
// Window for a label, which then fills its background, Base for an entry field.
void setDesignBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// A label with a background colour and black text, a single border and
// centred plain text.
QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font);

// "2行3列": the cell at index (from 0, row by row) of a grid of that many
// columns, as a screen reader names it.
QString cellPlace(int index, int columns);

// Keeps the keys that reach the list's popup after it has closed from
// choosing an entry once more. A screen reader's bridge holds each key press
// until the screen reader has seen it, then delivers it again; by then the
// popup has chosen the entry from the key's shortcut override and closed.
void ignoreKeysOfClosedPopup(QComboBox* list);

// Sets the name a screen reader gives the widget, telling it only of a change.
void setAccessibleNameIfChanged(QWidget* widget, const QString& name);

}  // namespace polkamina::ui
