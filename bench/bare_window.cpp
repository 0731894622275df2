// A bare Qt window of the main window's size and caption: what start-up
// costs before the game adds anything, the yardstick of bench/measure.sh.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("ポルカミナ"));
  window.setFixedSize(631, 452);
  window.show();
  return QApplication::exec();
}
