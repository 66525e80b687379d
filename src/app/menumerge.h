#pragma once

#include "editmenus.h"

#include <vector>

// The menu bar while a document window is active: group by group in
// ascending order, the document's menus replacing the main window's menus
// of the same group.
std::vector<QMenu *> mergeMenus(const std::vector<GroupedMenu> &mainMenus,
                                const std::vector<GroupedMenu> &documentMenus);
