#pragma once

#include <optional>
#include <span>

// The main toolbar's buttons, left to right.
struct ToolbarButton {
    // How the open-document count decides whether a button is enabled.
    enum class Rule {
        Always,     // keeps its state
        Document,   // disabled with no document, enabled with one or more
        Documents,  // enabled only with two or more
        OneDocument // disabled with none, enabled with one, kept with more
    };
    // What the button may do while too few documents are open.
    enum class Guard { None, Document, Documents };

    const char *name;
    const char *tooltip; // "" for a button that shows none
    const char *hint;    // the explanation in the status bar
    Rule rule;
    Guard guard;
    bool separatorAfter;
};

std::span<const ToolbarButton> toolbarButtons();

// The enabled state a button takes for the open-document count; nothing
// when the button keeps its state.
std::optional<bool> toolbarState(ToolbarButton::Rule rule, int openDocuments);
// Whether a button's command runs for the open-document count.
bool guardAllows(ToolbarButton::Guard guard, int openDocuments);
