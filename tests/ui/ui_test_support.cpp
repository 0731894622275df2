#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QtEndian>
#include <array>

#include "support/runtime_folder.h"

namespace polkamina::uitest {

namespace {

constexpr int kIcoHeaderSize = 6;
constexpr int kIcoEntrySize = 16;

void appendLe16(QByteArray& bytes, quint16 value) {
  bytes.append(static_cast<char>(value & 0xFF));
  bytes.append(static_cast<char>(value >> 8));
}

void appendLe32(QByteArray& bytes, quint32 value) {
  appendLe16(bytes, static_cast<quint16>(value & 0xFFFF));
  appendLe16(bytes, static_cast<quint16>(value >> 16));
}

void appendBe32(QByteArray& bytes, quint32 value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    bytes.append(static_cast<char>((value >> shift) & 0xFF));
  }
}

quint32 crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (const char byte : bytes) {
    crc ^= static_cast<quint8>(byte);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
  }
  return ~crc;
}

// Set at the program's start, so that a death test's child shares it.
const bool kRuntimeFolderSet = (testsupport::useOwnRuntimeFolder(), true);

// An .ico file of one entry that claims a square of that side and holds
// image, a bitmap or PNG bytes.
QByteArray singleEntryIco(const QByteArray& image, int claimedSide) {
  QByteArray bytes;
  appendLe16(bytes, 0);
  appendLe16(bytes, 1);
  appendLe16(bytes, 1);
  const char side = static_cast<char>(claimedSide >= 256 ? 0 : claimedSide);
  bytes.append(side);
  bytes.append(side);
  bytes.append('\0');     // colours
  bytes.append('\0');     // reserved
  appendLe16(bytes, 1);   // planes
  appendLe16(bytes, 32);  // bits per pixel
  appendLe32(bytes, static_cast<quint32>(image.size()));
  appendLe32(bytes, kIcoHeaderSize + kIcoEntrySize);
  return bytes + image;
}

quint32 readLe32(const QByteArray& bytes, int offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

}  // namespace

QApplication& application() {
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: at process exit it would outlive the platform plugin
  // and crash tearing down the input devices that simulated input made.
  static auto* app = new QApplication(argc, argv);
  return *app;
}

// Written byte by byte: Qt's image writer would load every image plugin
// there is, which the game itself must never do.
QByteArray icoFile(int side, QColor color) {
  const int maskStride = ((side + 31) / 32) * 4;
  QByteArray dib;
  appendLe32(dib, 40);  // the bitmap header's size
  appendLe32(dib, static_cast<quint32>(side));
  appendLe32(dib, static_cast<quint32>(2 * side));  // the colours, then the mask
  appendLe16(dib, 1);                               // planes
  appendLe16(dib, 32);                              // bits per pixel
  appendLe32(dib, 0);                               // no compression
  appendLe32(dib, static_cast<quint32>(side * side * 4 + maskStride * side));
  for (int i = 0; i < 4; ++i) appendLe32(dib, 0);
  for (int i = 0; i < side * side; ++i) {
    dib.append(static_cast<char>(color.blue()));
    dib.append(static_cast<char>(color.green()));
    dib.append(static_cast<char>(color.red()));
    dib.append(static_cast<char>(color.alpha()));
  }
  dib.append(QByteArray(maskStride * side, '\0'));  // nothing masked out
  return singleEntryIco(dib, side);
}

QByteArray oneBitBmpFile(int side, QColor zero, QColor one, int block) {
  const int stride = ((side + 31) / 32) * 4;  // bits of a row, in whole 32-bit words
  const quint32 headersSize = 14 + 40 + 2 * 4;
  QByteArray bmp("BM");
  appendLe32(bmp, headersSize + static_cast<quint32>(stride * side));
  appendLe32(bmp, 0);
  appendLe32(bmp, headersSize);  // where the pixels start
  appendLe32(bmp, 40);
  appendLe32(bmp, static_cast<quint32>(side));
  appendLe32(bmp, static_cast<quint32>(side));
  appendLe16(bmp, 1);
  appendLe16(bmp, 1);  // one bit per pixel
  for (const quint32 value : {0u, static_cast<quint32>(stride * side), 0u, 0u, 2u, 0u}) {
    appendLe32(bmp, value);  // no compression, the pixels' size, no resolution, two colours
  }
  for (const QColor& color : {zero, one}) {
    bmp.append(static_cast<char>(color.blue()));
    bmp.append(static_cast<char>(color.green()));
    bmp.append(static_cast<char>(color.red()));
    bmp.append('\0');
  }
  for (int y = side - 1; y >= 0; --y) {  // rows from the bottom up
    QByteArray row(stride, '\0');
    for (int x = 0; x < side; ++x) {
      if ((x / block + y / block) % 2 == 1) {
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
    }
    bmp += row;
  }
  return bmp;
}

QByteArray combinedIco(const QList<QByteArray>& singleImageIcos) {
  QByteArray header;
  appendLe16(header, 0);
  appendLe16(header, 1);
  appendLe16(header, static_cast<quint16>(singleImageIcos.size()));
  QByteArray entries;
  QByteArray data;
  const int dataStart = kIcoHeaderSize + kIcoEntrySize * static_cast<int>(singleImageIcos.size());
  for (const QByteArray& single : singleImageIcos) {
    const quint32 offset = readLe32(single, kIcoHeaderSize + 12);
    const quint32 size = readLe32(single, kIcoHeaderSize + 8);
    QByteArray entry = single.mid(kIcoHeaderSize, 8);
    appendLe32(entry, size);
    appendLe32(entry, static_cast<quint32>(dataStart + data.size()));
    entries += entry;
    data += single.mid(static_cast<int>(offset), static_cast<int>(size));
  }
  return header + entries + data;
}

QByteArray icoWithPng(const QByteArray& png, int claimedSide) {
  return singleEntryIco(png, claimedSide);
}

QByteArray pngHeaderOnly(quint32 width, quint32 height) {
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  QByteArray chunk("IHDR");
  appendBe32(chunk, width);
  appendBe32(chunk, height);
  chunk.append(static_cast<char>(8));  // bit depth
  chunk.append(static_cast<char>(6));  // RGBA
  chunk.append(3, '\0');               // compression, filter, interlace
  appendBe32(png, 13);
  png += chunk;
  appendBe32(png, crc32(chunk));
  return png;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(bytes);
  }
}

void withModalWindow(const std::function<void()>& action,
                     const std::function<void(QWidget*)>& inspect) {
  bool seen = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (seen || window == nullptr || !window->isVisible()) return;
    seen = true;
    inspect(window);
    if (window->isVisible()) window->close();
  });
  poll.start();
  action();
  if (!seen) ADD_FAILURE() << "no modal window opened";
}

MessageBoxAnswerer::MessageBoxAnswerer(Qt::Key key) {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this, key] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      return;
    }
    texts << box->text();
    captions << box->windowTitle();
    QTest::keyClick(box, key);
  });
  timer_.start();
}

EventCounter::EventCounter(QObject* watched, QEvent::Type type, int& count)
    : type_(type), count_(count) {
  watched->installEventFilter(this);
}

bool EventCounter::eventFilter(QObject*, QEvent* event) {
  if (event->type() == type_) {
    ++count_;
  }
  return false;
}

QStringList shownTexts(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return {label->text()};
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return {button->text()};
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return {frame->title()};
  if (auto* list = qobject_cast<QComboBox*>(widget)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
  }
  return {};
}

}  // namespace polkamina::uitest
