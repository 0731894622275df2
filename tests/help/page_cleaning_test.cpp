#include <gtest/gtest.h>

#include <QString>

#include "help_test_support.h"
#include "ui/help/html_cleaner.h"
#include "ui/help/page_limits.h"
#include "ui/help/style_cleaner.h"

namespace polkamina::help {
namespace {

using namespace limits;

const ChmReader& testChm() {
  static ChmReader chm;
  static const bool opened = chm.open(HELP_TEST_CHM) == ChmReader::Status::Ok;
  EXPECT_TRUE(opened);
  return chm;
}

CleanPage clean(const QString& html, const QString& entry = "/start.html") {
  return cleanPage(html, testChm(), entry);
}

// The page's body as cleaned, or the problem's number.
QString body(const QString& html, const QString& entry = "/start.html") {
  const CleanPage page = clean(html, entry);
  if (page.problem) return QStringLiteral("problem %1").arg(int(*page.problem));
  const qsizetype start = page.html.indexOf(u'>', page.html.indexOf("<body")) + 1;
  return page.html.mid(start, page.html.indexOf("</body>") - start);
}

QString styleOf(const QString& html, const QString& entry = "/start.html") {
  const QString page = clean(html, entry).html;
  const qsizetype start = page.indexOf("<style>\n") + 8;
  return page.mid(start, page.indexOf("</style>") - start);
}

std::optional<PageProblem> problem(const QString& html) { return clean(html).problem; }

QString repeated(const QString& text, int times) { return text.repeated(times); }

// The picture sub/dot.png as a page names it, and as style sheets and
// background attributes name it.
const QString kDot = QStringLiteral(":/polkamina-help/sub/dot.png");
const QString kDotAddress = QStringLiteral("qrc:/polkamina-help/sub/dot.png");

TEST(PageCleaning, ClosesEveryElementWhereABrowserWould) {
  EXPECT_EQ(body("<p>a<p>b<ul><li>x<li>y</ul>"), "<p>a</p><p>b</p><ul><li>x</li><li>y</li></ul>");
  EXPECT_EQ(body("<table><tr><td>1<td>2<tr><th>3</table>"),
            "<table><tr><td>1</td><td>2</td></tr><tr><th>3</th></tr></table>");
  // Content standing straight in a table gets a cell; table parts without a
  // table are left out, their content kept.
  EXPECT_EQ(body("<table>text<div>d</div></table><td>z</td><tr>r"),
            "<table><tr><td>text<div>d</div></td></tr></table>zr");
  EXPECT_EQ(body("<table><tbody><td>c</td></tbody></table>"),
            "<table><tbody><tr><td>c</td></tr></tbody></table>");
  // Misnested and stray end tags; an end tag does not reach out of a cell.
  EXPECT_EQ(body("<b><i>bi</b>i</i></p></x>"), "<b><i>bi</i></b>i");
  EXPECT_EQ(body("<div><table><tr><td>a</div>b</table>c"),
            "<div><table><tr><td>ab</td></tr></table>c</div>");
  // Lists and paragraphs close at their own kind only.
  EXPECT_EQ(body("<ul><li>a<ul><li>b</ul></ul>"), "<ul><li>a<ul><li>b</li></ul></li></ul>");
  EXPECT_EQ(body("<p>a<table><tr><td><p>b<p>c</table>"),
            "<p>a</p><table><tr><td><p>b</p><p>c</p></td></tr></table>");
  EXPECT_EQ(body("<dl><dt>t<dd>d</dl><dd>x"), "<dl><dt>t</dt><dd>d</dd></dl>x");
  EXPECT_EQ(body("<a href=a.html>a<a href=b.html>b</a>"),
            "<a href=\"a.html\">a</a><a href=\"b.html\">b</a>");
  // A stray "<" is text; a tag cut off by the end of the page is not.
  EXPECT_EQ(body("1 < 2 <b>x</b> <i"), "1 &lt; 2 <b>x</b> ");
}

TEST(PageCleaning, LeavesOutWhatQtCannotUseOrShouldNotReach) {
  const QString cleaned = body(
      "<script>document.write('s')</script><!-- comment --><meta name=qrichtext content=1>"
      "<base href=http://example.com/><iframe src=a.html>frame</iframe>"
      "<object data=x.swf><param name=a value=b>fallback</object><form><input value=i>f</form>"
      "<p onclick=\"alert(1)\" class=\"a  b\" data-x=1 style=\"float: left; color: red\">t</p>"
      "<img src=sub/dot.png onload=x alt=dot>");
  EXPECT_EQ(cleaned, "f<p class=\"a b\" style=\"color: red;\">t</p><img src=\"" + kDot + "\">");
  // Attribute values are written back quoted, whatever they held.
  EXPECT_EQ(body("<p title='say \"<hi>\"' id=x>t</p>"),
            "<p title=\"say &quot;&lt;hi>&quot;\" id=\"x\">t</p>");
  EXPECT_EQ(clean("<title>A &amp; <b>B</title>x").html.section("</title>", 0, 0),
            "<html><head><title>A &amp; &lt;b>B");
}

TEST(PageCleaning, LengthsStayWithinBounds) {
  EXPECT_EQ(body("<table width=100% border=1 cellpadding=3><tr><td width=300 height=20 "
                 "colspan=2 rowspan=10>x</table>"),
            "<table width=\"100%\" border=\"1\" cellpadding=\"3\"><tr><td width=\"300\" "
            "height=\"20\" colspan=\"2\" rowspan=\"10\">x</td></tr></table>");
  EXPECT_EQ(body("<table width=100000 height=100% border=1000 cellspacing=-1><tr><td "
                 "colspan=11 rowspan=0 height=501>x</table>"),
            "<table><tr><td>x</td></tr></table>");
  EXPECT_EQ(body("<img src=sub/dot.png width=1001 height=10><font size=100>f</font>"),
            "<img src=\"" + kDot + "\" height=\"10\"><font>f</font>");
}

TEST(PageCleaning, PicturesComeOnlyFromTheFile) {
  // Pictures of the file, found relative to the page, become picture addresses.
  EXPECT_EQ(body("<img src=dot.png>", "/sub/page.html"), "<img src=\"" + kDot + "\">");
  EXPECT_EQ(body("<img src=/SUB/DOT.PNG>"), "<img src=\"" + kDot + "\">");
  // Anything else gives way to its alt text.
  for (const char* outside :
       {"../dot.png", "/etc/passwd", "file:///etc/passwd", "http://example.com/a.png",
        "data:image/png;base64,iVBORw0KGgo=", ":/art/title.png", "qrc:/art/title.png",
        "qrc:/polkamina-help/sub/dot.png", ":/polkamina-help/sub/dot.png", "", "sub"}) {
    EXPECT_EQ(body(QString("<img src=\"%1\" alt=\"[<alt>]\">").arg(outside)), "[&lt;alt>]")
        << outside;
  }
  EXPECT_EQ(body("<body background=sub/dot.png><table background=/etc/passwd><tr><td "
                 "style=\"background: #fff url(/tmp/x.png)\">c</table>"),
            "<table><tr><td>c</td></tr></table>");
  EXPECT_TRUE(clean("<body background=sub/dot.png>")
                  .html.contains("<body background=\"" + kDotAddress + "\">"));
}

TEST(PageCleaning, WindowsAddressesOfThisFileLeadIntoIt) {
  EXPECT_EQ(body("<a href=\"ms-its:test.chm::/sub/page.html#part\">a</a>"),
            "<a href=\"chm:/sub/page.html#part\">a</a>");
  EXPECT_EQ(body("<a href=\"MK:@MSITStore:C:\\Help\\TEST.CHM::start.html\">a</a>"),
            "<a href=\"chm:/start.html\">a</a>");
  EXPECT_EQ(body("<img src=\"ms-its:/opt/game/test.chm::/sub/dot.png\">"),
            "<img src=\"" + kDot + "\">");
  // Another file's stay as written, for the viewer to refuse.
  EXPECT_EQ(body("<a href=\"ms-its:other.chm::/start.html\">a</a>"),
            "<a href=\"ms-its:other.chm::/start.html\">a</a>");
  EXPECT_EQ(body("<a href=\"ms-its:test.chm\">a</a>"), "<a href=\"ms-its:test.chm\">a</a>");
}

TEST(PageCleaning, StyleSheetsApplyAsInABrowser) {
  // Linked without type="text/css": the sheet applies with what it imports
  // for the screen, its pictures found next to it, and nothing Qt cannot
  // match quickly or lay out within bounds.
  const QString style = styleOf("<link rel=\"stylesheet\" href=\"sub/linked.css\">");
  EXPECT_EQ(style,
            "body { color: #000000; }\n"
            ".note { background-image: url(\"" +
                kDotAddress +
                "\"); color: #ff0000; }\n"
                "h2 { color: #00ff00; }\n");
  // Style elements anywhere apply to the whole page, from the head.
  EXPECT_EQ(styleOf("<p>a</p><style>p.x, p > b, #y:link { color: blue }</style>"),
            "p.x, #y:link { color: blue; }\n");
  for (const char* ignored :
       {"<link rel=\"alternate stylesheet\" href=\"style.css\">",
        "<link rel=\"stylesheet\" type=\"text/plain\" href=\"style.css\">",
        "<link rel=\"stylesheet\" media=\"print\" href=\"style.css\">",
        "<link rel=\"icon\" href=\"style.css\">", "<link rel=\"stylesheet\" href=\"../x.css\">",
        "<style media=print>p { color: red }</style>",
        "<style type=text/x-other>p { color: red }</style>"}) {
    EXPECT_EQ(styleOf(QString::fromLatin1(ignored)), "") << ignored;
  }
  // Each sheet once, however often it is linked or imported.
  EXPECT_EQ(styleOf("<link rel=stylesheet href=style.css><link rel=stylesheet href=./style.css>"
                    "<style>@import 'STYLE.CSS';</style>"),
            "body { color: #000000; }\n");
}

TEST(StyleCleaning, KeepsOnlySelectorsQtMatchesQuickly) {
  for (const char* kept :
       {"p", "P.Note", ".note", "#top", "a:link", "a:visited", "*", "h1.a.b#c"}) {
    EXPECT_TRUE(parseSimpleSelector(QString::fromLatin1(kept))) << kept;
  }
  for (const char* dropped : {"div p", "div > p", "h1 + p", "h1 ~ p", "[href]", "a:hover",
                              "p::before", "p:not(.x)", "", "1p", ".", "#", "p#a#b", "*p"}) {
    EXPECT_FALSE(parseSimpleSelector(QString::fromLatin1(dropped))) << dropped;
  }
  const auto note = parseSimpleSelector(u"P.Note");
  EXPECT_EQ(note->text(), "p.Note");
  EXPECT_TRUE(note->matches("p", {"x", "note"}, {}, false));
  EXPECT_FALSE(note->matches("div", {"note"}, {}, false));
  EXPECT_FALSE(parseSimpleSelector(u"a:link")->matches("a", {}, {}, false));
}

TEST(StyleCleaning, KeepsDeclarationsWithinBounds) {
  const auto cleaned = [](const char* declarations) {
    return cleanDeclarations(QString::fromUtf8(declarations), testChm(), "/start.html")
        .value_or("(too many)");
  };
  EXPECT_EQ(cleaned("font-size: 11pt; COLOR: Red !important; margin: 0 4px 50px 1em"),
            "font-size: 11pt; color: Red; margin: 0 4px 50px 1em;");
  EXPECT_EQ(cleaned("font-family: \"ＭＳ ゴシック\", serif; font: bold 12px sans-serif; "
                    "line-height: 150%; width: 100%; white-space: nowrap; "
                    "background: #ffe0c0 url(sub/dot.png) no-repeat"),
            "font-family: \"ＭＳ ゴシック\", serif; font: bold 12px sans-serif; "
            "line-height: 150%; width: 100%; white-space: nowrap; background: #ffe0c0 url(\"" +
                kDotAddress + "\") no-repeat;");
  // Out of bounds, unknown to Qt, or able to break out of the style element.
  for (const char* dropped : {"font-size: 49px",
                              "font-size: 2em",
                              "font-size: 150%",
                              "font: 12pt/3 serif",
                              "line-height: 129px",
                              "margin: 51px",
                              "margin-left: -1px",
                              "padding: 5%",
                              "height: 501px",
                              "height: 50%",
                              "width: 101%",
                              "border: 11px solid red",
                              "letter-spacing: 21px",
                              "float: left",
                              "position: absolute",
                              "white-space: pre",
                              "color: <red>",
                              "font-family: \"a}b\"",
                              "font-family: 'a",
                              "color: red\\",
                              "background: url(/etc/passwd)",
                              "color: url(sub/dot.png)",
                              "margin: 1cm",
                              ": red",
                              "color"}) {
    EXPECT_EQ(cleaned(dropped), "") << dropped;
  }
}

TEST(PageBounds, EachBoundRefusesThePageJustBeyondIt) {
  // The html and body elements around the page count as two elements and
  // two levels.
  EXPECT_EQ(problem(repeated("<br>", kMaxElements - 2)), std::nullopt);
  EXPECT_EQ(problem(repeated("<br>", kMaxElements - 1)), PageProblem::TooManyElements);
  EXPECT_EQ(problem(repeated("<div>", kMaxDepth - 2)), std::nullopt);
  EXPECT_EQ(problem(repeated("<div>", kMaxDepth - 1)), PageProblem::TooDeep);
  EXPECT_EQ(problem(repeated("<table><tr><td>", kMaxTableNesting)), std::nullopt);
  EXPECT_EQ(problem(repeated("<table><tr><td>", kMaxTableNesting + 1)), PageProblem::TablesTooDeep);
  // Text: white space outside <pre> counts once, inside every character.
  EXPECT_EQ(problem(repeated("a      ", kMaxTextChars / 2)), std::nullopt);
  EXPECT_EQ(problem("a" + repeated(" ", 2 * kMaxTextChars) + "a"), std::nullopt);
  EXPECT_EQ(problem("<pre>" + repeated("a ", kMaxTextChars / 2) + "</pre>x"),
            PageProblem::TooMuchText);
  // A run without a place to break, through tags and entities alike; kana
  // and ideographs break between each other, small kana do not.
  EXPECT_EQ(problem(repeated("a", kMaxUnbrokenRun) + " " + repeated("a", kMaxUnbrokenRun)),
            std::nullopt);
  EXPECT_EQ(problem(repeated("a", kMaxUnbrokenRun / 2) + "<b>" +
                    repeated("a", kMaxUnbrokenRun / 2) + "&amp;</b>"),
            PageProblem::LongWord);
  EXPECT_EQ(problem(repeated(QStringLiteral("かな漢字"), kMaxUnbrokenRun)), std::nullopt);
  EXPECT_EQ(problem(repeated(QStringLiteral("っ"), kMaxUnbrokenRun + 1)), PageProblem::LongWord);
  // Work grows twice over for every table around it.
  const QString inFourTables = repeated("<table><tr><td>", 4);
  EXPECT_EQ(problem(inFourTables + repeated("<br>", kMaxLayoutWork / 40)), std::nullopt);
  EXPECT_EQ(problem(inFourTables + repeated("<br>", kMaxLayoutWork / 16)),
            PageProblem::TooMuchLayout);
  // A table's grid is as wide as its widest row, in every row; a cell
  // spanning rows widens the rows it reaches. 440 slots fit, 680 do not.
  const QString cells = repeated("<td>x", 40);
  EXPECT_EQ(problem("<table><tr>" + cells + cells + cells), std::nullopt);
  EXPECT_EQ(problem("<table><tr>" + cells + repeated("<tr><td>y", 10)), std::nullopt);
  EXPECT_EQ(problem("<table><tr>" + cells + repeated("<tr><td>y", 16)), PageProblem::TooMuchLayout);
  EXPECT_EQ(problem("<table>" + repeated("<tr><td rowspan=10>x", 50)), std::nullopt);
  EXPECT_EQ(problem("<table>" + repeated("<tr><td rowspan=10>x", 80)), PageProblem::TooMuchLayout);
  EXPECT_EQ(problem("<table>" + repeated("<tr><td colspan=10>x", 50)), std::nullopt);
  EXPECT_EQ(problem("<table>" + repeated("<tr>" + repeated("<td colspan=10 rowspan=10>x", 10), 10)),
            PageProblem::TooMuchLayout);
  // Each line of <pre> weighs as a couple of elements.
  EXPECT_EQ(problem("<pre>" + repeated("a\n", 1800)), std::nullopt);
  EXPECT_EQ(problem("<pre>" + repeated("a\n", 2100)), PageProblem::TooMuchLayout);
  // Pictures, found in the file or not, and pictures that text flows around.
  EXPECT_EQ(problem(repeated("<img src=sub/dot.png>", kMaxPictures)), std::nullopt);
  EXPECT_EQ(problem(repeated("<img src=sub/dot.png>", kMaxPictures + 1)),
            PageProblem::TooManyElements);
  EXPECT_EQ(problem(repeated("<img src=nosuch.png alt=a>", kMaxPictures + 1)),
            PageProblem::TooManyElements);
  EXPECT_EQ(problem(repeated("<img src=sub/dot.png>", kMaxPictures - 1) +
                    "<p background=sub/dot.png><p background=nosuch.png>"),
            PageProblem::TooManyElements);
  EXPECT_EQ(problem(repeated("<img src=sub/dot.png align=left>", kMaxFloats)), std::nullopt);
  EXPECT_EQ(problem(repeated("<img src=sub/dot.png align=RIGHT>", kMaxFloats + 1)),
            PageProblem::TooManyElements);
  // Style: selectors kept, and their matches on every element's ancestors.
  EXPECT_EQ(problem("<style>" + repeated("p {color: red}", kMaxSelectors) + "</style>"),
            std::nullopt);
  EXPECT_EQ(problem("<style>" + repeated("p {color: red}", kMaxSelectors + 1) + "</style>"),
            PageProblem::StyleTooComplex);
  const QString spans = repeated("<span>s</span>", 1000);
  EXPECT_EQ(problem("<style>" + repeated("body {color: red}", 25) + "</style>" + spans),
            std::nullopt);
  EXPECT_EQ(problem("<style>" + repeated("body {color: red}", 64) + "</style>" + spans +
                    repeated("<span>s</span>", 600)),
            PageProblem::StyleTooComplex);
  // Every selector is tried on every element and its ancestors, matching or not.
  const QString deepSpans = repeated("<div>", 28) + repeated("<span class=a>a</span>", 700);
  EXPECT_EQ(problem("<style>" + repeated(".b {color: red}", 64) + "</style>" + deepSpans),
            std::nullopt);
  EXPECT_EQ(problem("<style>" + repeated(".b {color: red}", 64) + "</style>" + deepSpans +
                    repeated("<span>a</span>", 200)),
            PageProblem::StyleTooComplex);
  EXPECT_EQ(problem("<style>" + repeated(" ", int(kMaxStyleBytes) + 1) + "</style>"),
            PageProblem::StyleTooComplex);
  // Declarations of one style attribute or rule, kept or not.
  const QString declarations = repeated("color: red; ", kMaxDeclarations);
  EXPECT_EQ(problem("<p style=\"" + declarations + "\">p"), std::nullopt);
  EXPECT_EQ(problem("<p style=\"" + declarations + "x: y\">p"), PageProblem::StyleTooComplex);
  EXPECT_EQ(problem("<style>p {" + declarations + "}</style>"), std::nullopt);
  EXPECT_EQ(problem("<style>p {" + declarations + "float: left}</style>"),
            PageProblem::StyleTooComplex);
}

}  // namespace
}  // namespace polkamina::help
