#pragma once

#include <QString>
#include <vector>

namespace qnr {

class RBXRibbon;

// What a ribbon button of the main window does.
enum class MenuAction { Open, OpenThemed, ChangeTheme, None };

struct MenuButton {
    QString id;
    QString category;
    QString caption;
    int picture;
    bool more;
    QString toolTip;
    MenuAction action;
    QString window; // the window it opens
};

const std::vector<MenuButton>& mainMenuButtons();
const MenuButton* menuButton(const QString& id);

// Tabs, categories and buttons of the main window's ribbon, in their order.
void fillMainRibbon(RBXRibbon& ribbon);

inline constexpr int kStartTheme = 2;
// 2 -> 0 -> 1 -> 2
int nextTheme(int theme);

QString mainWindowCaption();

} // namespace qnr
