#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QRect>
#include <QString>
#include <QToolButton>

class QKeyEvent;

namespace polkamina::ui {

// The side of the pictures that buttons carry, in pixels.
constexpr int kIconSide = 32;

// A button with its own 32 × 32 icon from the artwork above the caption.
// Space and Return press it.
QToolButton* pictureButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, const QString& toolTip, const QString& icon,
                           const QFont& font);

// Presses the button if the key is Return or Enter, once however long the key
// is held; tells whether it was one of them.
bool pressOnReturn(QAbstractButton* button, const QKeyEvent* event);

// Draws the keyboard focus on a button whose style shows none of its own (the
// style's tool buttons and push buttons).
void paintFocus(QAbstractButton* button);

}  // namespace polkamina::ui
