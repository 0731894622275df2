#pragma once

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace polkamina::uitest {

// The one application object of a test process.
QApplication& application();

// An .ico file's bytes holding one square picture of that side and colour.
QByteArray icoFile(int side, QColor color);
// A one-bit BMP picture of that side: a checkerboard of block × block
// squares in the two colours, zero's in the top left corner.
QByteArray oneBitBmpFile(int side, QColor zero, QColor one, int block);
// An .ico file built from single-image .ico files, one directory entry each.
QByteArray combinedIco(const QList<QByteArray>& singleImageIcos);
// An .ico file whose only entry holds these PNG bytes and claims that size.
QByteArray icoWithPng(const QByteArray& png, int claimedSide);
// PNG bytes whose header declares width × height, with no image data after it.
QByteArray pngHeaderOnly(quint32 width, quint32 height);

void writeFile(const QString& path, const QByteArray& bytes);

// Runs action, and inspect on the modal window that it opens; the window is
// closed afterwards whatever inspect found or did, so that a failed check never
// leaves the test waiting on it. Fails the test when no modal window opened.
void withModalWindow(const std::function<void()>& action,
                     const std::function<void(QWidget*)>& inspect);

// Answers every message box that opens while it lives by pressing the key,
// keeping the texts and captions it saw.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(Qt::Key key = Qt::Key_Return);

  QStringList texts;
  QStringList captions;

 private:
  QTimer timer_;
};

// Counts the events of one type that reach an object while it lives.
class EventCounter : public QObject {
 public:
  EventCounter(QObject* watched, QEvent::Type type, int& count);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QEvent::Type type_;
  int& count_;
};

// The texts a control shows in its own font: a label's, a button's, a group
// box's title, each item of a list.
QStringList shownTexts(QWidget* widget);

}  // namespace polkamina::uitest
