#pragma once

class TColorMemo;
class TDrawRules;

// The three rules of a document window's memo: tags and attribute names in
// green, punctuation in red, script words and comment marks in blue.
void applyDocumentRules(TColorMemo &memo);
void setDocumentRules(TDrawRules &rules);
