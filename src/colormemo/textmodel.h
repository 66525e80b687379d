#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

// The program counts positions with every line break as two characters
// (CR LF); Qt's text document keeps one separator between blocks. These
// functions translate at the memo's boundary without copying the text: each
// costs a few lookups in the document's block map.
namespace TextModel {

// Length of the text with CR LF line breaks.
int length(const QTextDocument &document);
// A CR LF position to a document position; positions inside a line break
// and beyond the text are clamped to the line's end and the text's end.
int toDocument(const QTextDocument &document, int position);
// A document position to a CR LF position.
int fromDocument(const QTextDocument &document, int position);

// Text with CR LF, lone CR or lone LF line breaks -> one '\n' per break.
QString fromCrlf(QStringView text);
// Text with '\n' or paragraph-separator breaks -> CR LF breaks.
QString toCrlf(QStringView text);

} // namespace TextModel
