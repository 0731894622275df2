#include "ui/system/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/system/window_owner.h"

namespace polkamina::system {

namespace {

QMessageBox::Icon boxIcon(game::MessageIcon icon) {
  return icon == game::MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
}

}  // namespace

QString messageBoxText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace("\r\n", "\n");
  shown.replace('\r', '\n');
  return shown;
}

game::MessageAnswer showMessageBox(const std::string& text, const std::string& caption,
                                   game::MessageIcon icon, game::MessageButtons buttons) {
  QMessageBox box(messageBoxOwner());
  box.setWindowModality(Qt::ApplicationModal);
  box.setIcon(boxIcon(icon));
  box.setWindowTitle(QString::fromStdString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(messageBoxText(text));

  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  if (buttons == game::MessageButtons::OkCancel) {
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(QCoreApplication::translate("MessageBox", "キャンセル"));
    box.setEscapeButton(cancel);
  }
  // OK holds the focus, as the first button of the box.
  ok->setFocus();
  box.exec();
  return box.clickedButton() == ok ? game::MessageAnswer::Ok : game::MessageAnswer::Cancel;
}

}  // namespace polkamina::system
