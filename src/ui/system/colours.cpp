#include "ui/system/colours.h"

#include <QCheckBox>

namespace polkamina::system {

namespace {

const QColor kDesignText(Qt::black);
// Windows' grey for the text of a disabled control.
const QColor kDisabledText(0x6D, 0x6D, 0x6D);

void setTextColours(QPalette& palette, QPalette::ColorGroup group, const QColor& text) {
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(group, role, text);
  }
}

}  // namespace

QPalette onDesignBackground(QPalette palette, const QColor& background) {
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  setTextColours(palette, QPalette::Active, kDesignText);
  setTextColours(palette, QPalette::Inactive, kDesignText);
  setTextColours(palette, QPalette::Disabled, kDisabledText);
  return palette;
}

void keepCheckBoxVisible(QCheckBox* box) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, kDesignText);
  palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
  box->setPalette(palette);
}

}  // namespace polkamina::system
