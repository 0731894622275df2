#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace polkamina::ui {

// The label under an icon's picture that shows the icon's name, centred plain
// text. While it is hidden it tells assistive technology nothing, so that a
// name the player may not see yet is never read out.
QLabel* iconNameLabel(QWidget* parent, const QString& name, const QRect& geometry,
                      const QFont& font);

}  // namespace polkamina::ui
