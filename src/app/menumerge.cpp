#include "menumerge.h"

#include <algorithm>
#include <set>

std::vector<QMenu *> mergeMenus(const std::vector<GroupedMenu> &mainMenus,
                                const std::vector<GroupedMenu> &documentMenus)
{
    std::set<int> groups;
    for (const GroupedMenu &m : mainMenus)
        groups.insert(m.group);
    for (const GroupedMenu &m : documentMenus)
        groups.insert(m.group);

    std::vector<QMenu *> bar;
    for (const int group : groups) {
        const auto inGroup = [group](const GroupedMenu &m) { return m.group == group; };
        const bool documentHasGroup = std::any_of(documentMenus.begin(), documentMenus.end(), inGroup);
        for (const GroupedMenu &m : documentHasGroup ? documentMenus : mainMenus) {
            if (m.group == group)
                bar.push_back(m.menu);
        }
    }
    return bar;
}
