#include "MainMenu.h"

#include "AppInfo.h"
#include "RBXRibbon.h"

namespace qnr {

const std::vector<MenuButton>& mainMenuButtons()
{
    using A = MenuAction;
    static const std::vector<MenuButton> buttons = {
        {"0", "1", "New", 2, false, "", A::OpenThemed, "frmQuotes"},
        {"1", "1", "Moves/Views", 3, false, "", A::OpenThemed, "frmQuotesViews"},
        {"2", "1", "OPEN CHILD", 1, false, "Open a new form child", A::OpenThemed, "frmQuoteEntry"},
        {"3", "1", "Insert Picture", 2, false, "", A::OpenThemed, "frmMoves"},
        {"4", "1", "Insert\r\nPicture", 4, false, "", A::Open, "frmCMR1"},
        {"5", "2", "Graph", 5, false, "", A::Open, "Form1"},
        {"6", "2", "Graph", 6, true, "", A::None, ""},
        {"7", "3", "Clip Art", 7, false, "", A::None, ""},
        {"8", "4", "Stock Items", 8, false, "", A::Open, "frmStkItems"},
        {"9", "6", "Details", 1, false, "Invoice Details", A::Open, "frmINVDetails"},
        {"10", "7", "CHANGE\r\nTHEME", 6, false, "", A::ChangeTheme, ""},
        {"11", "7", "Carrier\r\nTracking URL", 15, false, "", A::Open, "frmForwarderTrack"},
        {"12", "7", "App  Settings\r\nMain Options", 16, false, "", A::Open, "frmOptions"},
        {"13", "8", "Backup", 9, false, "", A::None, ""},
        {"14", "8", "Restore\r\n", 10, false, "", A::None, ""},
        {"15", "8", "Exit", 3, false, "", A::None, ""},
        {"16", "4", "Certificates", 17, false, "", A::Open, "frmChk4Certs"},
    };
    return buttons;
}

const MenuButton* menuButton(const QString& id)
{
    // The id is read as a number, as the ribbon reports text.
    bool ok = false;
    const int number = id.trimmed().toInt(&ok);
    if (!ok)
        return nullptr;
    for (const MenuButton& button : mainMenuButtons()) {
        if (button.id.toInt() == number)
            return &button;
    }
    return nullptr;
}

void fillMainRibbon(RBXRibbon& ribbon)
{
    ribbon.AddTab("1", "Quotation");
    ribbon.AddTab("2", "Warehouse");
    ribbon.AddTab("3", "Accounting");
    ribbon.AddTab("4", "New Tab");
    ribbon.AddTab("5", "Options");
    ribbon.AddCat("1", "1", "Create , Modify , List", false);
    ribbon.AddCat("2", "1", "One very large group", true);
    ribbon.AddCat("3", "1", "Test - Test", true);
    ribbon.AddCat("4", "2", "Stock Management", true);
    ribbon.AddCat("6", "3", "Invoices", false);
    ribbon.AddCat("7", "5", "Settings", false);
    ribbon.AddCat("8", "5", "System", false);
    for (const MenuButton& b : mainMenuButtons())
        ribbon.AddButton(b.id, b.category, b.caption, b.picture, b.more, b.toolTip);
    ribbon.Refresh();
}

int nextTheme(int theme)
{
    return (theme + 1) % 3;
}

QString mainWindowCaption()
{
    return QStringLiteral("QuinorAIS   ..:: Accounting Information System ::..   Still in v.") + versionText();
}

} // namespace qnr
