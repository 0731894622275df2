#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QToolButton>
#include <QWidget>

class QKeyEvent;

namespace polkamina::ui {

// The side of the pictures that buttons carry, in pixels.
constexpr int kIconSide = 32;

// Gives a widget its design name and place.
template <typename Widget>
Widget* placed(Widget* widget, const QString& name, const QRect& geometry) {
  widget->setObjectName(name);
  widget->setGeometry(geometry);
  return widget;
}

// Fills the widget with a colour of the design, its text in the design's black.
void fillBackground(QWidget* widget, const QColor& color);

// A label with a background colour, a single border and centred plain text.
QLabel* boxedLabel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& background, const QFont& font);

// A button with its own 32 × 32 icon from the artwork above the caption.
// Space and Return press it.
QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, const QString& toolTip, const QString& icon,
                           const QFont& font);

// Presses the button if the key is Return or Enter, once however long the key
// is held; tells whether it was one of them.
bool pressOnReturn(QAbstractButton* button, const QKeyEvent* event);

// Draws the keyboard focus in the window from now on, and afterwards while the
// keyboard is in use: a press of the mouse hides it until the next key. Once
// per window.
void showFocusWhileTheKeyboardIsUsed(QWidget* window);

// Draws the keyboard focus on a button whose style shows none of its own (the
// style's tool buttons and push buttons), as the style draws it on a check box.
void paintFocus(QAbstractButton* button);

// A frame with a caption, its etched line running through the middle of the
// caption, so that controls placed below the caption sit inside it.
QGroupBox* captionedFrame(QWidget* parent, const QString& name, const QRect& geometry,
                          const QFont& font);

// The label under an icon's picture that shows the icon's name, centred plain
// text. While it is hidden it tells assistive technology nothing, so that a
// name the player may not see yet is never read out.
QLabel* iconNameLabel(QWidget* parent, const QString& name, const QRect& geometry,
                      const QFont& font);

// Sets the name a screen reader gives the widget, telling it only of a change.
// "2行3列": the cell at index (from 0, row by row) of a grid of that many
// columns, as a screen reader names it.
QString cellPlace(int index, int columns);

void setAccessibleNameIfChanged(QWidget* widget, const QString& name);

}  // namespace polkamina::ui
