#pragma once

#include <cstddef>

// The menu items whose state each document window keeps for itself. The
// main window has one item of each and shows the state of the window in
// front.
enum class DocumentItem {
    None, // an item whose state no window keeps
    Save,
    SaveAs,
    SaveAll,
    CloseAll,
    UndoLastTag,
    UndoUndo,
    Copy,
    Cut,
    Paste,
    Delete,
    WordWrapping,
    Toolbar,
    HotKeys,
    StatusBar,
    Autosave,
    LaunchBrowser,
};

constexpr std::size_t kDocumentItems = std::size_t(DocumentItem::LaunchBrowser) + 1;

struct ItemState {
    bool enabled = true;
    bool checked = false;
};
