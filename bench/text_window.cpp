// The bare window of bench/bare_window.cpp showing the texts the game's
// window shows when it opens, in the same fonts and pixel sizes: what Qt
// takes to draw them, beside which bench/measure.sh puts the game's start-up.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("ポルカミナ"));
  window.setFixedSize(631, 452);
  struct Text {
    const char* family;
    int pixels;
    const char* text;
  };
  // Monapo stands in for the proportional design face, IPAGothic for the
  // fixed one; each size is a font of its own to Qt.
  const Text texts[] = {
      {"Monapo", 12, "スタート中止保存クリア設定ヘルプ終了"},
      {"Monapo", 19, "レベル"},
      {"IPAGothic", 19, "ノーマル"},
      {"Monapo", 15, "名前表示履歴保存"},
      {"IPAGothic", 12, "ターン数コマ残りノーマル最短記録時間"},
      {"Monapo", 27, "040-----"},
  };
  auto* layout = new QVBoxLayout(&window);
  for (const Text& text : texts) {
    auto* label = new QLabel(QString::fromUtf8(text.text));
    QFont font(QString::fromUtf8(text.family));
    font.setPixelSize(text.pixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    label->setFont(font);
    layout->addWidget(label);
  }
  window.show();
  return QApplication::exec();
}
