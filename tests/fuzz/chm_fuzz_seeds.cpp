// Writes help files for chm_fuzz to start from, each small enough for the
// fuzzer's input size: one whose page shows pictures of every kind the
// viewer decodes, one with a directory of thousands of entries, and one
// whose directory chunks claim far more entries than they hold.
// Usage: chm_fuzz_seeds FOLDER
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <fstream>
#include <iostream>
#include <string>

#include "chm_writer.h"

namespace {

using polkamina::help::ChmWriter;

std::string encoded(const char* format, bool progressive) {
  QImage image(24, 16, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  image.setText("Comment", "text the viewer leaves out");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setProgressiveScanWrite(progressive);
  writer.write(image);
  return bytes.toStdString();
}

bool write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: chm_fuzz_seeds FOLDER\n";
    return 2;
  }
  QCoreApplication application(argc, argv);
  const std::string folder = argv[1];

  ChmWriter pictures;
  pictures.add(
      "/index.html",
      "<p><img src=plain.png><img src=progressive.jpg align=left>"
      "<img src=plain.jpg><img src=missing.png alt=gone></p>"
      "<table background=plain.png><tr><td style=\"background: url(plain.jpg)\">x</table>");
  pictures.add("/plain.png", encoded("png", false));
  pictures.add("/plain.jpg", encoded("jpeg", false));
  pictures.add("/progressive.jpg", encoded("jpeg", true));

  ChmWriter directory;
  directory.add("/index.html", "<p><a href=e3999.html>last</a></p>");
  for (int i = 0; i < 4000; ++i) directory.add("/e" + std::to_string(i) + ".html", "");

  ChmWriter claims;
  claims.add("/index.html", "<p>index</p>");
  for (int i = 0; i < 8; ++i) {
    claims.add("/c" + std::to_string(i) + ".html", "<p>c</p>");
    claims.declareInLastChunk(0xFFFF);
  }

  const bool written = write(folder + "/pictures.chm", pictures.finish("index.html")) &&
                       write(folder + "/directory.chm", directory.finish("index.html")) &&
                       write(folder + "/claims.chm", claims.finish("index.html"));
  return written ? 0 : 1;
}
