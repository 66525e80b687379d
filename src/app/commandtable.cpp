#include "commandtable.h"

#include "colormemo.h"
#include "desktop.h"
#include "editform.h"
#include "ftpcommands.h"
#include "help.h"
#include "mainform.h"
#include "sites.h"
#include "tagshortcuts.h"
#include "tagundo.h"
#include "textcommands.h"

namespace {

using Rule = ToolbarButton::Rule;
using Bar = Tmainform::Bar;

// clang-format off
const Command kCommands[] = {
    // File
    {.menu = Menu::File, .name = "New1", .caption = "&New", .shortcut = "Ctrl+Alt+N",
     .onFrame = [](Tmainform &m) { m.newDocument(); }, .alsoInFrameFile = true,
     .button = {"ToolButton1", "New file", "Click here to open a file with the basic HTML tags", 1}},
    {.menu = Menu::File, .name = "Open1", .caption = "&Open...", .shortcut = "Ctrl+Alt+O",
     .onFrame = [](Tmainform &m) { m.openDocuments(); }, .separatorAfter = true, .alsoInFrameFile = true,
     .button = {"ToolButton2", "Open file", "Click here to open an existing file", 2}},
    {.menu = Menu::File, .name = "Save1", .caption = "&Save", .shortcut = "Ctrl+Alt+S",
     .onPage = [](Tmainform &, Teditform &p) { p.save(); }, .item = DocumentItem::Save,
     .button = {"ToolButton3", "Save file", "Click here to save the file under its current name", 3, Rule::Document}},
    {.menu = Menu::File, .name = "saveas", .caption = "S&ave as..", .shortcut = "Ctrl+Alt+A",
     .onPage = [](Tmainform &, Teditform &p) { p.saveAs(); }, .item = DocumentItem::SaveAs,
     .button = {"ToolButton4", "Save file as", "Click here to save the file under a new name", 4, Rule::Document}},
    {.menu = Menu::File, .name = "Saveall1", .caption = "Save all", .shortcut = "Ctrl+Alt+L",
     .onFrame = [](Tmainform &m) { m.saveAll(); }, .item = DocumentItem::SaveAll, .separatorAfter = true,
     .button = {"ToolButton32", "", "Click here to save all opened files", 5, Rule::Documents, true}},
    {.menu = Menu::File, .name = "Insertfrom1", .caption = "&Insert textfile...", .shortcut = "Ctrl+Alt+X",
     .onPage = [](Tmainform &, Teditform &p) { p.insertTextFile(); },
     .button = {"ToolButton9", "Insert textfile", "Click here to insert a text file", 8, Rule::Document}},
    {.menu = Menu::File, .name = "Insertfromtextfile1", .caption = "Insert from textfile...", .shortcut = "Ctrl+Alt+I",
     .onPage = [](Tmainform &, Teditform &p) { p.insertFromTextFile(); }, .separatorAfter = true,
     .button = {"ToolButton10", "Insert from textfile", "Click here to insert from text file", 9, Rule::Document, true}},
    {.menu = Menu::File, .name = "Printersetup1", .caption = "Print...", .shortcut = "Ctrl+Alt+P",
     .onPage = [](Tmainform &m, Teditform &p) { p.print(m.printer()); },
     .button = {"ToolButton12", "Print file", "Click here to print the current file", 10, Rule::Document}},
    {.menu = Menu::File, .name = "Printersetup2", .caption = "Printer setup...",
     .onFrame = [](Tmainform &m) { m.printerSetup(); }, .separatorAfter = true},
    {.menu = Menu::FrameFile, .name = "PrintSetup1", .caption = "P&rint Setup...",
     .onFrame = [](Tmainform &m) { m.printerSetup(); }, .separatorAfter = true,
     .button = {"ToolButton13", "Set up printer", "Click here to set up the printer", 11, Rule::Always, true}},
    {.menu = Menu::File, .name = "Close1", .caption = "&Close", .shortcut = "Ctrl+Alt+C",
     .onPage = [](Tmainform &, Teditform &p) { p.closeWindow(); },
     .button = {"ToolButton6", "Close", "Click here to close the current file", 6, Rule::Document}},
    {.menu = Menu::File, .name = "Closeall1", .caption = "Close all", .shortcut = "Ctrl+Q",
     .onPage = [](Tmainform &, Teditform &p) { p.closeAll(); }, .item = DocumentItem::CloseAll,
     .separatorAfter = true,
     .button = {"ToolButton7", "Close all", "Click here to close all opened files", 7, Rule::Document, true}},
    {.menu = Menu::File, .name = "Exit2", .caption = "E&xit", .shortcut = "Ctrl+Alt+Space",
     .onFrame = [](Tmainform &m) { m.close(); }, .alsoInFrameFile = true,
     .button = {"ToolButton27", "Exit", "Click here to exit the program", 23}},

    // Edit
    {.menu = Menu::Edit, .name = "Undolasttag1", .caption = "Undo last tag ", .shortcut = kUndoLastTagKeys,
     .onPage = [](Tmainform &, Teditform &p) { p.tagUndo->undoLastTag(); }, .item = DocumentItem::UndoLastTag,
     .button = {"ToolButton18", "Undo", "Click here to undo the last tag", 14, Rule::Document, false, false, true}},
    {.menu = Menu::Edit, .name = "Undoundo1", .caption = "Undo undo", .shortcut = kUndoUndoKeys,
     .onPage = [](Tmainform &, Teditform &p) { p.tagUndo->undoUndo(); }, .item = DocumentItem::UndoUndo,
     .separatorAfter = true,
     .button = {"ToolButton19", "Undo undo", "Click here to undo the undo", 15, Rule::Document, true, false, true}},
    {.menu = Menu::Edit, .name = "Copy1", .caption = "Copy", .shortcut = "Ctrl+C",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::copy(*p.CMemo1); }, .item = DocumentItem::Copy},
    {.menu = Menu::Edit, .name = "Cut1", .caption = "Cut", .shortcut = "Ctrl+X",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::cut(*p.CMemo1); }, .item = DocumentItem::Cut},
    {.menu = Menu::Edit, .name = "Paste1", .caption = "Paste", .shortcut = "Ctrl+V",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::paste(*p.CMemo1, *p.tagUndo); },
     .item = DocumentItem::Paste},
    {.menu = Menu::Edit, .name = "Delete1", .caption = "Delete", .shortcut = "Ctrl+U",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::deleteSelection(*p.CMemo1); },
     .item = DocumentItem::Delete},
    {.menu = Menu::Edit, .name = "Selectall1", .caption = "Select all", .shortcut = "Ctrl+Y",
     .onPage = [](Tmainform &, Teditform &p) { p.CMemo1->selectAll(); }, .separatorAfter = true},
    {.menu = Menu::Edit, .name = "Setlinebreaks1", .caption = "Set line breaks", .shortcut = "Ctrl+J",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::setLineBreaks(*p.CMemo1); }},
    {.menu = Menu::Edit, .name = "removelinebreaks1", .caption = "Remove line breaks", .shortcut = "Ctrl+K",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::removeLineBreaks(*p.CMemo1); }},
    {.menu = Menu::Edit, .name = "Removeemptylines1", .caption = "Remove empty lines", .shortcut = "Ctrl+Del",
     .onPage = [](Tmainform &, Teditform &p) { TextCommands::removeEmptyLines(*p.CMemo1); },
     .separatorAfter = true},
    {.menu = Menu::Edit, .name = "Search2", .caption = "Search", .shortcut = "Ctrl+Shift+S",
     .onPage = [](Tmainform &, Teditform &p) { p.search(); },
     .button = {"ToolButton15", "Search", "Click here to search in the current file", 12, Rule::Document}},
    {.menu = Menu::Edit, .name = "Replace2", .caption = "Replace", .shortcut = "Ctrl+Shift+R",
     .onPage = [](Tmainform &, Teditform &p) { p.replace(); }, .separatorAfter = true,
     .button = {"ToolButton16", "Replace", "Click here to replace in the current file", 13, Rule::Document, true}},
    {.menu = Menu::Edit, .name = "Wordwrapping1", .caption = "Word wrapping", .shortcut = "Ctrl+Shift+W",
     .onPage = [](Tmainform &, Teditform &p) { p.toggleWordWrapping(); }, .item = DocumentItem::WordWrapping,
     .checkable = true},

    // View
    {.menu = Menu::View, .name = "Toolbar1", .caption = "Toolbar", .shortcut = "Ctrl+Alt+T",
     .onPage = [](Tmainform &m, Teditform &p) {
         p.flipCheckMark(DocumentItem::Toolbar);
         m.flipVisibility(Bar::Toolbar);
     },
     .item = DocumentItem::Toolbar, .checkable = true},
    {.menu = Menu::View, .name = "HotKeys1", .caption = "Hot-Keys", .shortcut = "Ctrl+Alt+H",
     .onPage = [](Tmainform &m, Teditform &p) {
         p.flipCheckMark(DocumentItem::HotKeys);
         m.flipVisibility(Bar::HotKeys);
     },
     .item = DocumentItem::HotKeys, .checkable = true},
    {.menu = Menu::View, .name = "StatusBar1", .caption = "Status Bar", .shortcut = "Ctrl+Alt+B",
     .onPage = [](Tmainform &m, Teditform &p) {
         p.flipCheckMark(DocumentItem::StatusBar);
         m.flipVisibility(Bar::StatusBar);
     },
     .item = DocumentItem::StatusBar, .checkable = true, .separatorAfter = true},
    {.menu = Menu::View, .name = "SetFont1", .caption = "Set Font", .shortcut = "Ctrl+Alt+F",
     .onFrame = [](Tmainform &m) { m.chooseFont(); }, .separatorAfter = true,
     .button = {"ToolButton28", "Set font", "Click here to set the font name and style used", 20,
                Rule::OneDocument}},
    {.menu = Menu::View, .name = "Previous1", .caption = "Previous", .shortcut = "Ctrl+Alt+Left",
     .onFrame = [](Tmainform &m) { m.activatePrevious(); }},
    {.menu = Menu::View, .name = "Next1", .caption = "Next", .shortcut = "Ctrl+Alt+Right",
     .onFrame = [](Tmainform &m) { m.activateNext(); }},

    // Misc x
    {.menu = Menu::TagMenus, .name = "Autosave1", .caption = "Autosave", .shortcut = "Ctrl+Shift+A",
     .onPage = [](Tmainform &, Teditform &p) { p.toggleAutosave(); }, .item = DocumentItem::Autosave,
     .checkable = true, .separatorAfter = true, .afterTag = "colorbuttonClick"},

    // Window
    {.menu = Menu::Window, .name = "Tile1", .caption = "&Tile", .shortcut = "Shift+Alt+T",
     .onFrame = [](Tmainform &m) { m.tile(); },
     .button = {"ToolButton21", "Tile windows", "Click here to tile the open windows", 16, Rule::Documents,
                false, true}},
    {.menu = Menu::Window, .name = "Cascade1", .caption = "&Cascade", .shortcut = "Shift+Alt+U",
     .onFrame = [](Tmainform &m) { m.cascade(); },
     .button = {"ToolButton22", "Cascade windows", "Click here to cascade the open windows", 17,
                Rule::Documents, true, true}},
    {.menu = Menu::Window, .name = "Arrangeall1", .caption = "&Arrange all", .shortcut = "Shift+Alt+V",
     .onFrame = [](Tmainform &m) { m.arrangeIcons(); }, .separatorAfter = true},
    {.menu = Menu::Window, .name = "N15", .caption = "Launch Browser", .shortcut = "Ctrl+G",
     .onPage = [](Tmainform &, Teditform &p) { p.launchBrowser(); }, .item = DocumentItem::LaunchBrowser},

    // Wizards
    {.menu = Menu::Wizards, .name = "Frames1", .caption = "Frames... ",
     .onFrame = [](Tmainform &m) { m.framesWizard(); }},
    {.menu = Menu::Wizards, .name = "FTP1", .caption = "Upload file", .shortcut = "Ctrl+Up",
     .onFrame = [](Tmainform &m) { FTP1Click(m.activeDocument(), &m); },
     .button = {"ToolButton30", "Upload", "Click here to upload the current file", 19, Rule::OneDocument, true}},
    {.menu = Menu::Wizards, .name = "Downloadandopen1", .caption = "Download and open", .shortcut = "Ctrl+Down",
     .onFrame = [](Tmainform &m) { Downloadandopen1Click(&m, [&m](const QString &path) { m.openDocument(path); }); },
     .button = {"ToolButton29", "Download and open", "Click here to download and open a file with FTP", 18}},

    // Help
    {.menu = Menu::Help, .name = "HelpWindow1", .caption = "Help Window", .shortcut = "Ctrl+H",
     .onFrame = [](Tmainform &) { Help::showContents(); },
     .button = {"ToolButton25", "Help", "Click here to open the Help-file", 22, Rule::Always, true}},
    {.menu = Menu::Help, .name = "About1", .caption = "&About...", .onFrame = [](Tmainform &m) { m.about(); }},
    {.menu = Menu::Help, .name = "C1", .caption = "Configuration", .shortcut = "Ctrl+W",
     .onFrame = [](Tmainform &m) { m.configure(); },
     .button = {"ToolButton24", "Configuration", "Click here to configure the editor", 21}},
    {.menu = Menu::Help, .name = "Updatesnews1", .caption = "Updates and news", .shortcut = "Ctrl+Alt+U",
     .onFrame = [](Tmainform &) { Desktop::openAddress(productDownloadAddress()); }},
};

const HostingLink kLinks[] = {
    {"Geocitieshome1", "Geocities home", "Shift+Alt+A", ""},
    {"Countermanager1", "Counter manager", "Shift+Alt+B", "/main/help/guides/guide_counter_change.html"},
    {"Guestbookmanager1", "Guest book manager", "Shift+Alt+C", "/main/help/guides/guestbook.html"},
    {"Geoguidemanager1", "Geoguide manager", "Shift+Alt+D", "/cgi-bin/geoguide/geoguide_verify"},
    {"HelpChat1", "Help Chat", "Shift+Alt+E", "/chat/Entry/Help.html"},
    {"Supportedfiletypes1", "Supported file types", "Shift+Alt+F", "/members/info/filetypes.html"},
    {"Contentguidelines1", "Content guidelines !!", "Shift+Alt+G", "/members/guidelines/guideline.html#guidelines"},
};
// clang-format on

} // namespace

const char kLinksAfterTag[] = "Geoform1Click";

std::span<const Command> commands()
{
    return kCommands;
}

std::span<const HostingLink> hostingLinks()
{
    return kLinks;
}

std::optional<bool> toolbarState(ToolbarButton::Rule rule, int openDocuments)
{
    switch (rule) {
    case Rule::Always: return std::nullopt;
    case Rule::Document: return openDocuments >= 1;
    case Rule::Documents: return openDocuments >= 2;
    case Rule::OneDocument:
        if (openDocuments >= 2)
            return std::nullopt;
        return openDocuments == 1;
    }
    return std::nullopt;
}
