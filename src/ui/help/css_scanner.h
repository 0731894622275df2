#pragma once

#include <QStringView>

// Finding one's way in style sheet text without parsing it: comments,
// strings, parentheses and blocks are stepped over as CSS has them.
namespace polkamina::help {

// The index just past a comment or string starting at i, or i itself when
// neither starts there. An unfinished comment runs to the end; an unfinished
// string to the end of its line.
qsizetype skipCommentOrString(QStringView text, qsizetype i);

// The first of `stops` at i or later outside comments, strings and
// parentheses; text.size() when there is none.
qsizetype findOutside(QStringView text, qsizetype i, QStringView stops);

// The index of the "}" that closes the block opened at `open`.
qsizetype blockEnd(QStringView text, qsizetype open);

// The index of the next rule or at-rule at i or later: white space, comments
// and the "<!--" and "-->" that hide style sheets from old browsers skipped.
qsizetype skipFiller(QStringView text, qsizetype i);

// An address as written in url(...) or @import, without the quotes around it.
QStringView unquoted(QStringView address);

// The CSS name starting at i (letters, digits, "-", "_"); i ends after it.
QStringView nameAt(QStringView text, qsizetype& i);

}  // namespace polkamina::help
