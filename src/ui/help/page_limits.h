#pragma once

#include <cstddef>

// Bounds on what the help viewer hands to Qt's rich-text engine, which lays a
// page out on the game's only thread. Some of its work grows much faster than
// the page: each table inside another doubles the work for everything it
// holds, a word with no place to break costs the square of its length, style
// rules are matched again for every ancestor of every element, and a page
// taller than Qt's largest coordinate (8 388 607 pixels) sends the layout
// into an endless loop. Within these bounds the worst page takes a few times
// as long as the game's own help pages (a test holds it within ten times
// the first one's); a page beyond any of them is not shown.
namespace polkamina::help::limits {

// A page's HTML as stored in the file.
constexpr std::size_t kMaxPageBytes = 1u << 20;
// Characters of text; a run of white space outside <pre> counts once.
constexpr int kMaxTextChars = 32768;
// Elements, and elements open inside one another.
constexpr int kMaxElements = 2000;
constexpr int kMaxDepth = 32;
// Tables inside tables.
constexpr int kMaxTableNesting = 4;
// Elements, plus characters / kCharsPerLayoutUnit, plus declarations of
// style attributes / kDeclarationsPerLayoutUnit, plus kWorkPerLine for each
// line of <pre>, plus kWorkPerGridSlot for each slot of a table's grid, each
// counted twice over for every table around it. Qt lays a table out as
// a grid of rows times its widest row's columns, spanned cells taking as
// many columns in the rows they reach, and every slot costs about as much
// as a few elements, filled or not.
constexpr long kMaxLayoutWork = 4000;
constexpr int kCharsPerLayoutUnit = 32;
constexpr int kDeclarationsPerLayoutUnit = 2;
constexpr int kWorkPerLine = 2;
constexpr int kWorkPerGridSlot = 3;
constexpr int kMaxCellSpan = 10;
// Characters in a row with no place to break a line.
constexpr int kMaxUnbrokenRun = 2000;
// Pictures, and pictures aligned left or right (text flows around them).
constexpr int kMaxPictures = 256;
constexpr int kMaxFloats = 32;
// Style sheet text of one page (its own and what it links and imports),
// sheets, and selectors kept from them.
constexpr std::size_t kMaxStyleBytes = 64u << 10;
constexpr int kMaxStyleSheets = 16;
constexpr int kMaxSelectors = 64;
// Declarations of one style attribute or one rule.
constexpr int kMaxDeclarations = 32;
// Selector matches of each element's ancestors, summed over the elements.
constexpr long kMaxStyleWork = 50000;
// Selectors tried, summed over the elements: Qt tries every selector on
// every element, at the cost of about kTriesPerElement tries, and again on
// each of its ancestors, whether anything matches or not.
constexpr long kMaxSelectorTries = 2000000;
constexpr int kTriesPerElement = 8;

// Lengths a page may give, in pixels; larger ones are left out.
constexpr int kMaxFontPixels = 48;
constexpr int kMaxLineHeightPixels = 128;
constexpr int kMaxBoxPixels = 50;     // margins, padding, indents
constexpr int kMaxBorderPixels = 10;  // borders, cell spacing and padding
constexpr int kMaxSpacingPixels = 20;
constexpr int kMaxWidthPixels = 1000;
constexpr int kMaxHeightPixels = 500;
// Pictures are shown at most this large; larger ones are scaled down.
constexpr int kMaxPictureSide = 1000;
constexpr int kMaxPicturePixels = 1000 * 1000;
// Larger picture entries are not read.
constexpr std::size_t kMaxPictureBytes = 4u << 20;
// Scans of a JPEG picture: each is another pass over the whole picture.
constexpr int kMaxPictureScans = 32;
// Pixels of pictures decoded for one page, a JPEG's counted once for every
// kScansPerDecodingPass of its scans: each scan is another pass over it.
constexpr long kMaxPicturePixelsPerPage = 2 * kMaxPicturePixels;
constexpr int kScansPerDecodingPass = 3;

// The tallest a page can become within these bounds: every character on a
// line of its own at the tallest line, every element with the largest box
// and height, every picture at its largest.
constexpr long kElementHeight = kMaxLineHeightPixels +
                                2 * (kMaxBoxPixels + kMaxBoxPixels + 3 * kMaxBorderPixels) +
                                kMaxHeightPixels;
constexpr long kTallestPage = long{kMaxTextChars} * kMaxLineHeightPixels +
                              long{kMaxElements} * kElementHeight +
                              long{kMaxPictures} * kMaxPictureSide;
static_assert(kTallestPage < 7000000, "pages must stay clear of Qt's largest coordinate");

}  // namespace polkamina::help::limits
