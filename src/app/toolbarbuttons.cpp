#include "toolbarbuttons.h"

namespace {

using Rule = ToolbarButton::Rule;
using Guard = ToolbarButton::Guard;

const ToolbarButton kButtons[] = {
    {"ToolButton1", "New file", "Click here to open a file with the basic HTML tags", Rule::Always, Guard::None, false},
    {"ToolButton2", "Open file", "Click here to open an existing file", Rule::Always, Guard::None, false},
    {"ToolButton3", "Save file", "Click here to save the file under its current name", Rule::Document, Guard::Document, false},
    {"ToolButton4", "Save file as", "Click here to save the file under a new name", Rule::Document, Guard::Document, false},
    {"ToolButton32", "", "Click here to save all opened files", Rule::Documents, Guard::None, true},
    {"ToolButton6", "Close", "Click here to close the current file", Rule::Document, Guard::Document, false},
    {"ToolButton7", "Close all", "Click here to close all opened files", Rule::Document, Guard::Document, true},
    {"ToolButton9", "Insert textfile", "Click here to insert a text file", Rule::Document, Guard::Document, false},
    {"ToolButton10", "Insert from textfile", "Click here to insert from text file", Rule::Document, Guard::Document, true},
    {"ToolButton12", "Print file", "Click here to print the current file", Rule::Document, Guard::Document, false},
    {"ToolButton13", "Set up printer", "Click here to set up the printer", Rule::Always, Guard::None, true},
    {"ToolButton15", "Search", "Click here to search in the current file", Rule::Document, Guard::Document, false},
    {"ToolButton16", "Replace", "Click here to replace in the current file", Rule::Document, Guard::Document, true},
    {"ToolButton18", "Undo", "Click here to undo the last tag", Rule::Document, Guard::Document, false},
    {"ToolButton19", "Undo undo", "Click here to undo the undo", Rule::Document, Guard::Document, true},
    {"ToolButton21", "Tile windows", "Click here to tile the open windows", Rule::Documents, Guard::Documents, false},
    {"ToolButton22", "Cascade windows", "Click here to cascade the open windows", Rule::Documents, Guard::Documents, true},
    {"ToolButton29", "Download and open", "Click here to download and open a file with FTP", Rule::Always, Guard::None, false},
    {"ToolButton30", "Upload", "Click here to upload the current file", Rule::OneDocument, Guard::None, true},
    {"ToolButton28", "Set font", "Click here to set the font name and style used", Rule::OneDocument, Guard::None, false},
    {"ToolButton24", "Configuration", "Click here to configure the editor", Rule::Always, Guard::None, false},
    {"ToolButton25", "Help", "Click here to open the Help-file", Rule::Always, Guard::None, true},
    {"ToolButton27", "Exit", "Click here to exit the program", Rule::Always, Guard::None, false},
};

} // namespace

std::span<const ToolbarButton> toolbarButtons()
{
    return kButtons;
}

std::optional<bool> toolbarState(ToolbarButton::Rule rule, int openDocuments)
{
    switch (rule) {
    case Rule::Always:
        return std::nullopt;
    case Rule::Document:
        return openDocuments >= 1;
    case Rule::Documents:
        return openDocuments >= 2;
    case Rule::OneDocument:
        if (openDocuments >= 2)
            return std::nullopt;
        return openDocuments == 1;
    }
    return std::nullopt;
}

bool guardAllows(ToolbarButton::Guard guard, int openDocuments)
{
    switch (guard) {
    case Guard::None:
        return true;
    case Guard::Document:
        return openDocuments > 0;
    case Guard::Documents:
        return openDocuments > 1;
    }
    return false;
}
