#pragma once

#include <QString>
#include <QStringView>

// The program counts positions with every line break as two characters
// (CR LF); Qt's text document keeps one separator between blocks. These
// functions translate texts at the memo's boundary (positions: see
// DisplayBreaks).
namespace TextModel {

// Text with CR LF, lone CR or lone LF line breaks -> one '\n' per break.
QString fromCrlf(QStringView text);
// Text with '\n' or paragraph-separator breaks -> CR LF breaks.
QString toCrlf(QStringView text);

} // namespace TextModel
