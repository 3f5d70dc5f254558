#include "MDIForm1.h"

#include "Artwork.h"
#include "MainMenu.h"
#include "RBXRibbon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>

namespace qnr {

MDIForm1::MDIForm1(const AppSettings& settings, const QString& userName, NetworkFacts& network,
                   const KeyboardIndicators& keyboard, WindowFactory windows, std::function<void()> endProgram,
                   QWidget* parent)
    : QMainWindow(parent)
    , m_endProgram(std::move(endProgram))
    , m_keyboard(keyboard)
    , m_windows(std::move(windows))
    , m_ribbon(new RBXRibbon(this))
    , m_area(new QMdiArea(this))
    , m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(mainWindowCaption());
    m_area->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(m_area);
    setMenuWidget(m_ribbon);

    m_theme = kStartTheme;
    m_ribbon->setTheme(m_theme);
    applyThemeToFrame();
    m_ribbon->setImageList(ribbonImageList());
    m_ribbon->setButtonCenter(false);
    fillMainRibbon(*m_ribbon);
    connect(m_ribbon, &RBXRibbon::ButtonClick, this, &MDIForm1::RBXRibbon1_ButtonClick);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 1; i <= 11; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setContentsMargins(4, 0, 4, 0);
        bar->addPermanentWidget(panel, (i >= 6) ? 1 : 0);
        m_panels << panel;
    }
    m_panels[2]->setText(QStringLiteral("CAPS"));
    m_panels[3]->setText(QStringLiteral("NUM"));
    m_panels[4]->setText(QStringLiteral("INS"));
    m_panels[5]->setText(QStringLiteral("User: ") + userName);
    m_panels[6]->setText(QStringLiteral("Terminal: ") + settings.vOffice.TermId);
    m_panels[7]->setText(QStringLiteral("SQL Server: ") + settings.vOffice.TermServer);
    m_panels[8]->setText(QStringLiteral("Intenet: ") +
                         (network.internetConnected() ? QStringLiteral("True") : QStringLiteral("False")));
    m_panels[9]->setText(QStringLiteral("WAN IP: ") + network.wanIp());
    m_panels[10]->setText(QStringLiteral("LAN IP: ") + network.lanIp());

    refreshClockAndKeys();
    connect(m_clock, &QTimer::timeout, this, &MDIForm1::refreshClockAndKeys);
    m_clock->start(1000);
    qApp->installEventFilter(this);
    resize(1100, 760);
}

MDIForm1::~MDIForm1()
{
    qApp->removeEventFilter(this);
}

QString MDIForm1::panelText(int panel) const
{
    return (panel >= 1 && panel <= m_panels.size()) ? m_panels[panel - 1]->text() : QString();
}

QMdiSubWindow* MDIForm1::openWindow(const QString& windowName) const
{
    return m_open.value(windowName);
}

void MDIForm1::applyThemeToFrame()
{
    m_area->setBackground(QBrush(m_ribbon->LoadBackground()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_ribbon->BackColor());
    setPalette(pal);
}

void MDIForm1::RBXRibbon1_ButtonClick(const QString& id, const QString&)
{
    const MenuButton* button = menuButton(id);
    if (!button)
        return;
    switch (button->action) {
    case MenuAction::Open:
        openChild(button->window, false);
        break;
    case MenuAction::OpenThemed:
        openChild(button->window, true);
        break;
    case MenuAction::ChangeTheme:
        m_theme = nextTheme(m_theme);
        m_ribbon->setTheme(m_theme);
        m_ribbon->Refresh();
        applyThemeToFrame();
        break;
    case MenuAction::None:
        break;
    }
}

void MDIForm1::openChild(const QString& windowName, bool themed)
{
    if (QMdiSubWindow* open = m_open.value(windowName)) {
        open->showNormal();
        m_area->setActiveSubWindow(open);
        open->raise();
        return;
    }
    QWidget* window = m_windows ? m_windows(windowName) : nullptr;
    if (!window)
        return;
    if (themed) {
        QPalette pal = window->palette();
        pal.setBrush(QPalette::Window, QBrush(m_ribbon->LoadBackground()));
        window->setPalette(pal);
        window->setAutoFillBackground(true);
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = m_area->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(windowName, sub);
    sub->show();
}

void MDIForm1::refreshClockAndKeys()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_panels[0]->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    m_panels[1]->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    auto show = [](QLabel* panel, std::optional<bool> on) {
        panel->setEnabled(on.value_or(false));
        panel->setToolTip(on ? QString() : QStringLiteral("not reported by this desktop"));
    };
    show(m_panels[2], m_keyboard.capsLock());
    show(m_panels[3], m_keyboard.numLock());
    m_panels[4]->setEnabled(m_insert);
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        // An unaccepted key travels up to the parents: count each press once.
        if (event != m_lastInsert) {
            m_lastInsert = event;
            m_insert = !m_insert;
            m_panels[4]->setEnabled(m_insert);
        }
    } else if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert) {
        m_lastInsert = nullptr;
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_CapsLock ||
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_NumLock)
            QTimer::singleShot(50, this, &MDIForm1::refreshClockAndKeys);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    // Open windows are not asked; the program ends at once.
    event->accept();
    if (m_endProgram)
        m_endProgram();
}

} // namespace qnr
