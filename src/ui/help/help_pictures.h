#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace polkamina::help {

// The picture formats help pages may use.
enum class PictureFormat { Png, Jpeg };

// A picture of the help file as checked before anything decodes it: its
// format as its first bytes tell, its size as its header gives it, and the
// bytes for Qt to decode.
struct CheckedPicture {
  PictureFormat format;
  int width = 0;
  int height = 0;
  int scans = 1;  // passes of a JPEG's decoder over the picture
  QByteArray bytes;

  // The pixels decoding it costs, as page_limits.h counts them.
  long decodingWork() const;
};

// The picture `bytes` hold, read by this code alone, so that Qt's decoders
// only ever get a picture whose format, size and work are known:
// - a PNG keeps its header, palette, transparency and image data only: no
//   text, colour profile or animation chunk, which Qt would decompress;
// - a JPEG keeps its tables, frame and scans only, at most kMaxPictureScans
//   of them, and no application data or comments.
// Nothing for any other format (SVG among them), for a damaged picture, and
// for one larger than kMaxPicturePixels or kMaxPictureBytes.
std::optional<CheckedPicture> checkPicture(const QByteArray& bytes);

// The picture decoded by Qt as its checked format and nothing else; a null
// image when it cannot be, or comes out another size than its header said.
QImage decodePicture(const CheckedPicture& picture);

}  // namespace polkamina::help
