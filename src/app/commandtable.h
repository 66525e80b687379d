#pragma once

#include "documentitems.h"

#include <optional>
#include <span>

class Teditform;
class Tmainform;

// The menus that hold the main window's own commands (the tag menus come
// from the tag table).
enum class Menu {
    File,      // the page's File menu
    FrameFile, // the File menu while no page is open
    Edit,
    View,
    TagMenus, // among the tag items, after the one named by afterTag
    Window,
    Wizards,
    Help,
};

// A command's button on the main toolbar.
struct ToolbarButton {
    // How the number of open pages decides whether the button is enabled.
    enum class Rule {
        Always,     // keeps its state
        Document,   // disabled with no page, enabled with one or more
        Documents,  // enabled only with two or more
        OneDocument // disabled with none, enabled with one, kept with more
    };

    const char *name = nullptr; // none: the command has no button
    const char *tooltip = "";   // "" for a button that shows none
    const char *hint = "";      // the explanation in the status bar
    int place = 0;              // from 1, left to right
    Rule rule = Rule::Always;
    bool separatorAfter = false;
    bool needsTwoPages = false; // does nothing while fewer pages are open
    bool mirrorsItem = false;   // enabled as the page in front's item is
};

// One command of the main window, defined once: its menu item, what it
// does, and its toolbar button.
struct Command {
    Menu menu;
    const char *name; // the menu item's object name
    const char *caption;
    const char *shortcut = ""; // portable text of a QKeySequence
    // What it does: on the main window, or on the page in front (nothing
    // while there is none).
    void (*onFrame)(Tmainform &) = nullptr;
    void (*onPage)(Tmainform &, Teditform &) = nullptr;
    DocumentItem item = DocumentItem::None; // the state each page keeps for it
    bool checkable = false;
    bool separatorAfter = false;
    bool alsoInFrameFile = false;   // stands in the File menu without pages too
    const char *afterTag = nullptr; // in a tag menu: the handler of the tag item it follows
    ToolbarButton button = {};
};

// In the order of their menus.
std::span<const Command> commands();

// The hosting service's member pages of the "&Geos" menu's "Links".
struct HostingLink {
    const char *name, *caption, *shortcut;
    const char *path; // on the hosting service's site
};
std::span<const HostingLink> hostingLinks();
// The tag item after which "Links" stands, a separator before it.
extern const char kLinksAfterTag[];

// The enabled state a button takes for the number of open pages; nothing
// when the button keeps its state.
std::optional<bool> toolbarState(ToolbarButton::Rule rule, int openDocuments);
