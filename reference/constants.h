// The constants list and its data files: the 64 names in list order, where a
// file is looked for, and how it is read. A file is refused before any
// rich-text engine sees it when it is too large, not UTF-8, nested too
// deeply or holds a number large enough to stall a layout (a table cell
// padded by 10^8 pixels never finishes). No widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <climits>

namespace reference {

// The 64 names in list order; the order is given, not sorted.
const QStringList &constantNames();

// "DATA/<position>.sch": the data file of the item at that position.
QString dataFileName(int position);

// The folders a data file is looked for in, in order: the working directory,
// the installed data folder (share/kalkort beside the program's bin folder),
// the program's folder.
QStringList dataFolders();

// The first of `folders` that holds the file `name`; empty when none does.
QString findDataFile(const QString &name, const QStringList &folders);

// Limits of a data file.
inline constexpr qint64 kMaxDataFileBytes = 64 * 1024;
inline constexpr int kMaxNesting = 10;
inline constexpr double kMaxNumber = 1000000;

// A data file's rich text, or why it was refused; `error` names the file.
struct RichText {
    QString text;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// How deeply the elements of a piece of HTML nest, counting an element that
// is never closed as open to the end, so that implied closings only make the
// count larger than a parser's. Counting stops once it passes `stopAbove`.
int nestingDepth(QStringView html, int stopAbove = INT_MAX);

// The largest number written in a piece of text, character references
// decoded: digits with an optional fraction and exponent ("1e9" is 10^9),
// as markup attributes and style sheets read them. Digits grouped by blanks
// or commas are separate numbers.
double largestNumber(QStringView text);

// Checks rich text read from `name`: size, UTF-8, nesting and numbers.
RichText checkRichText(const QByteArray &bytes, const QString &name);

// Reads a data file and checks it; `name` is the file as the message names it.
RichText readRichText(const QString &path, const QString &name);

// Finds the data file of a position in `folders` and reads it.
RichText loadConstant(int position, const QStringList &folders);

}  // namespace reference
