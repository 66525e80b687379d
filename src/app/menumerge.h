#pragma once

#include <vector>

class QMenu;

// A top-level menu with the group number that decides where it stands when
// a page's menus merge into the main menu bar.
struct GroupedMenu {
    int group;
    QMenu *menu;
};

// The menu bar while a page is open: group by group in ascending order, the
// page's menus replacing the main window's menus of the same group.
std::vector<QMenu *> mergeMenus(const std::vector<GroupedMenu> &mainMenus,
                                const std::vector<GroupedMenu> &documentMenus);
