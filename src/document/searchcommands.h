#pragma once

class TColorMemo;
class QWidget;

// "Search" and "Replace": one pass over a range fixed when the scan starts,
// each match selected in the memo and put to the user.
namespace SearchCommands {

void search(TColorMemo &memo, QWidget *parent);
void replace(TColorMemo &memo, QWidget *parent);

} // namespace SearchCommands
