// Renders the game's pictures: the shipped icon set (from the Noto Color
// Emoji font), the windows' button icons, the piece back, the title, the
// new-record picture and the application icons. Run by tools/make-art.sh; its
// output is committed.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* const kEmojiFont = "Noto Color Emoji";
const char* const kTitleFont = "IPAPGothic";

// The font of that family at a pixel size; ends the run when the family is not
// installed, so a substitute font never slips into the committed pictures.
QFont requireFont(const char* family, int pixelSize) {
  QFont font(QString::fromUtf8(family));
  font.setPixelSize(pixelSize);
  const QString found = QFontInfo(font).family();
  if (found != font.family()) {
    std::fprintf(stderr, "font %s is not installed (got %s)\n", family, qPrintable(found));
    std::exit(1);
  }
  return font;
}

// The emoji drawn large, cut to the pixels it covers.
QImage renderEmoji(const QString& emoji) {
  QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.setFont(requireFont(kEmojiFont, 128));
  painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
  painter.end();
  QRect used;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (qAlpha(canvas.pixel(x, y)) > 8) used |= QRect(x, y, 1, 1);
    }
  }
  if (used.isEmpty()) {
    std::fprintf(stderr, "the emoji font drew nothing for %s\n", qPrintable(emoji));
    std::exit(1);
  }
  return canvas.copy(used);
}

// The picture scaled to fit a size × size square with a margin, centred.
QImage fitSquare(const QImage& picture, int size, int margin) {
  QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  const int room = size - 2 * margin;
  QImage scaled = picture.scaled(room, room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QPainter painter(&square);
  painter.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
  return square;
}

void appendLe16(QByteArray& out, quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); }
void appendLe32(QByteArray& out, quint32 v) {
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
}

// One icon image as a 32-bit DIB with its AND mask, as classic .ico files hold them.
QByteArray dibOf(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const int maskStride = ((w + 31) / 32) * 4;
  QByteArray dib;
  appendLe32(dib, 40);
  appendLe32(dib, quint32(w));
  appendLe32(dib, quint32(2 * h));
  appendLe16(dib, 1);
  appendLe16(dib, 32);
  appendLe32(dib, 0);
  appendLe32(dib, quint32(w * h * 4 + maskStride * h));
  for (int i = 0; i < 4; ++i) appendLe32(dib, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = image.pixel(x, y);
      dib.append(char(qBlue(p)))
          .append(char(qGreen(p)))
          .append(char(qRed(p)))
          .append(char(qAlpha(p)));
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(maskStride, '\0');
    for (int x = 0; x < w; ++x) {
      if (qAlpha(image.pixel(x, y)) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    dib.append(row);
  }
  return dib;
}

void writeIcon(const QString& path, const std::vector<QImage>& images) {
  QByteArray out;
  appendLe16(out, 0);
  appendLe16(out, 1);
  appendLe16(out, quint16(images.size()));
  std::vector<QByteArray> dibs;
  for (const QImage& image : images) dibs.push_back(dibOf(image));
  quint32 offset = 6 + 16 * quint32(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.append(char(images[i].width() & 0xff)).append(char(images[i].height() & 0xff));
    out.append(char(0)).append(char(0));
    appendLe16(out, 1);
    appendLe16(out, 32);
    appendLe32(out, quint32(dibs[i].size()));
    appendLe32(out, offset);
    offset += quint32(dibs[i].size());
  }
  for (const QByteArray& dib : dibs) out.append(dib);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

// Sides of the images in a shipped icon beyond 32 and 16: a face of 32 × 32
// at 150 %, 200 % and up to 400 % of a screen, each drawn from the nearest
// larger image.
const int kLargeIconSides[] = {48, 64, 128};

void writeEmojiIcon(const QString& path, const QString& emoji) {
  const QImage big = renderEmoji(emoji);
  std::vector<QImage> images = {fitSquare(big, 32, 1), fitSquare(big, 16, 0)};
  for (const int side : kLargeIconSides) images.push_back(fitSquare(big, side, side / 32));
  writeIcon(path, images);
}

void writePng(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

// Sides of the images in a window-artwork icon: 16 and 32 for normal screens,
// 48, 64 and 96 for 32 × 32 at 150 %, 200 % and 300 %.
const int kArtIconSides[] = {32, 16, 48, 64, 96};

// The back of a face-down piece: a deep blue card with a gold rim and a lattice,
// drawn to a size × size design at `ratio` device pixels per design pixel.
QImage pieceBack(int size, double ratio = 1) {
  const double scale = 8 * ratio;
  const int side = static_cast<int>(std::lround(size * ratio));
  QImage big(side * 8, side * 8, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF card(scale * 2.5, scale * 0.5, scale * (size - 5), scale * (size - 1));
  QLinearGradient fill(card.topLeft(), card.bottomRight());
  fill.setColorAt(0, QColor(58, 92, 190));
  fill.setColorAt(1, QColor(28, 44, 120));
  p.setPen(QPen(QColor(236, 192, 80), scale * 1.6));
  p.setBrush(fill);
  p.drawRoundedRect(card, scale * 3, scale * 3);
  p.setClipRect(card.adjusted(scale * 3, scale * 3, -scale * 3, -scale * 3));
  p.setPen(QPen(QColor(255, 255, 255, 70), scale * 0.8));
  for (int i = -size; i < 2 * size; i += 5) {
    p.drawLine(QPointF(i * scale, 0), QPointF((i + size) * scale, size * scale));
    p.drawLine(QPointF((i + size) * scale, 0), QPointF(i * scale, size * scale));
  }
  p.setClipping(false);
  QPainterPath star;
  const QPointF c = card.center();
  for (int i = 0; i < 8; ++i) {
    const double r = (i % 2 == 0 ? 5.0 : 2.0) * scale;
    const double a = M_PI / 4 * i - M_PI / 2;
    const QPointF point(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? star.moveTo(point) : star.lineTo(point);
  }
  star.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 214, 110));
  p.drawPath(star);
  p.end();
  return big.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The title: rounded lettering with an outline and a shadow, between two fanned
// cards; 207 × 67 design pixels at `ratio` device pixels each.
QImage title(int ratio = 1) {
  const int scale = 4 * ratio;
  const QSize size(207, 67);
  QImage big(size * scale, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);

  auto card = [&](QPointF centre, double angle, QColor colour) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QRectF r(-11, -15, 22, 30);
    p.setPen(QPen(QColor(255, 255, 255), 1.6));
    p.setBrush(colour);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 2, 2);
    p.restore();
  };
  card(QPointF(17, 36), -14, QColor(58, 92, 190));
  card(QPointF(27, 33), 6, QColor(226, 82, 92));
  card(QPointF(190, 36), 14, QColor(58, 92, 190));
  card(QPointF(180, 33), -6, QColor(80, 170, 96));

  QFont font = requireFont(kTitleFont, 34);
  font.setWeight(QFont::Black);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
  QPainterPath text;
  const QString word = QString::fromUtf8("ポルカミナ");
  const QFontMetricsF metrics(font);
  const double x = (size.width() - metrics.horizontalAdvance(word)) / 2;
  text.addText(x, 46, font, word);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 40, 70, 110));
  p.drawPath(text.translated(1.6, 2.0));
  p.setPen(QPen(QColor(40, 48, 96), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(text);
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(text);
  QLinearGradient fill(0, 16, 0, 48);
  fill.setColorAt(0, QColor(255, 214, 90));
  fill.setColorAt(1, QColor(240, 112, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(text);
  p.end();
  return big.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The new-record picture: a trophy on a soft golden glow; 64 × 63 design
// pixels at `ratio` device pixels each.
QImage recordPicture(int ratio = 1) {
  QImage image(64 * ratio, 63 * ratio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glow(QPointF(32, 31) * ratio, 31 * ratio);
  glow.setColorAt(0, QColor(255, 236, 150, 220));
  glow.setColorAt(1, QColor(255, 236, 150, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(32, 31) * ratio, 31 * ratio, 31 * ratio);
  const QImage trophy = fitSquare(renderEmoji(QString::fromUtf8("🏆")), 64 * ratio, 6 * ratio);
  p.drawImage(0, 0, trophy.copy(0, 0, 64 * ratio, 63 * ratio));
  p.end();
  return image;
}

// The application icon: a matched pair, two face-up pieces that show the
// shipped cat, fanned. Drawn in a 64-unit square at four times the size and
// scaled down; below 32 pixels the pieces would blur, so it is the cat alone.
QImage applicationIcon(int size) {
  const QImage cat = renderEmoji(QString::fromUtf8("🐱"));
  if (size < 32) return fitSquare(cat, size, 0);
  const double unit = size * 4 / 64.0;
  QImage big(size * 4, size * 4, QImage::Format_ARGB32_Premultiplied);
  big.fill(Qt::transparent);
  QPainter p(&big);
  p.setRenderHint(QPainter::Antialiasing);
  const QImage face = fitSquare(cat, int(24 * unit), 0);
  auto piece = [&](QPointF centre, double angle) {
    p.resetTransform();
    p.scale(unit, unit);
    p.translate(centre);
    p.rotate(angle);
    p.setPen(QPen(QColor(222, 170, 60), 2.4));
    p.setBrush(QColor(255, 251, 240));
    p.drawRoundedRect(QRectF(-14, -18, 28, 36), 4, 4);
    p.drawImage(QRectF(-12, -12, 24, 24), face);
  };
  piece(QPointF(23, 28), -12);
  piece(QPointF(41, 36), 9);
  p.end();
  return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct Named {
  const char* file;
  const char* emoji;
};

// The shipped icon set: short names for what each picture shows.
const Named kIconSet[] = {
    {"りんご", "🍎"}, {"ねこ", "🐱"},       {"いぬ", "🐶"},     {"さかな", "🐟"},   {"くるま", "🚗"},
    {"ほし", "⭐"},   {"つき", "🌙"},       {"さくら", "🌸"},   {"き", "🌳"},       {"くま", "🐻"},
    {"ぶどう", "🍇"}, {"すいか", "🍉"},     {"かに", "🦀"},  {"ロケット", "🚀"}, {"ふね", "⛵"},
    {"かえる", "🐸"}, {"ゆきだるま", "⛄"}, {"ペンギン", "🐧"}, {"バナナ", "🍌"},   {"ケーキ", "🍰"},
};

const Named kButtons[] = {
    {"button-start", "▶️"},  {"button-stop", "⏹️"},     {"button-save", "💾"},
    {"button-clear", "🧹"},    {"button-settings", "⚙️"}, {"button-help", "❓"},
    {"button-end", "🚪"},         {"button-show", "👀"},          {"button-hide", "🙈"},
    {"button-return", "↩️"},
};

// A window-artwork icon as a picture of each side, "button-start-32.png": the
// program reads them without any image plugin.
void writeArtIcon(const QString& base, const std::vector<QImage>& images) {
  for (const QImage& image : images) {
    writePng(image, QString("%1-%2.png").arg(base).arg(image.width()));
  }
}

// A window-artwork icon drawn from an emoji at every side a screen scale needs.
void writeEmojiArtIcon(const QString& base, const QString& emoji) {
  const QImage big = renderEmoji(emoji);
  std::vector<QImage> images;
  for (const int side : kArtIconSides) images.push_back(fitSquare(big, side, side / 32));
  writeArtIcon(base, images);
}

// The windows' artwork, at 1× and for scaled screens: icons in several sizes, and
// pictures with "@2x" and "@3x" companions where the source is sharp enough.
void writeWindowArt(const QDir& art) {
  for (const Named& button : kButtons) {
    writeEmojiArtIcon(art.filePath(QString::fromUtf8(button.file)),
                      QString::fromUtf8(button.emoji));
  }
  writeArtIcon(art.filePath("piece-back"), {pieceBack(32), pieceBack(16), pieceBack(32, 1.5),
                                            pieceBack(32, 2), pieceBack(32, 3)});
  writePng(title(), art.filePath("title.png"));
  writePng(title(2), art.filePath("title@2x.png"));
  writePng(title(3), art.filePath("title@3x.png"));
  // The emoji font's largest strike is 136 pixels, enough for 2× only.
  writePng(recordPicture(), art.filePath("record.png"));
  writePng(recordPicture(2), art.filePath("record@2x.png"));
}

// The application icon in the sizes desktops look for, as an icon theme lays
// them out: HICOLOR_DIR/<n>x<n>/apps/<application id>.png.
void writeApplicationIcons(const QDir& hicolor) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QString("%1x%1/apps").arg(size);
    if (!hicolor.mkpath(folder)) {
      std::fprintf(stderr, "cannot make %s\n", qPrintable(hicolor.filePath(folder)));
      std::exit(1);
    }
    writePng(applicationIcon(size),
             hicolor.filePath(folder + "/io.github.polkamina.Polkamina.png"));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: polkamina_artgen DEFAULTS_DIR ART_DIR HICOLOR_DIR\n");
    return 2;
  }
  const QDir defaults(QString::fromLocal8Bit(argv[1]));
  const QDir art(QString::fromLocal8Bit(argv[2]));
  for (const Named& icon : kIconSet) {
    writeEmojiIcon(defaults.filePath(QString::fromUtf8(icon.file) + ".ico"),
                   QString::fromUtf8(icon.emoji));
  }
  writeWindowArt(art);
  writeApplicationIcons(QDir(QString::fromLocal8Bit(argv[3])));
  return 0;
}
