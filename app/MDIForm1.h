#pragma once

#include "Services.h"
#include "Settings.h"
#include "SystemFacts.h"

#include <functional>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace qnr {

class RBXRibbon;

// Makes the working window a ribbon button opens; null when the window is not
// part of this build.
using WindowFactory = std::function<QWidget*(const QString& windowName)>;

// The frame of the program: the ribbon on top, the working windows inside, the
// status bar below. Closing it ends the program at once.
class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    MDIForm1(const AppSettings& settings, const QString& userName, NetworkFacts& network,
             const KeyboardIndicators& keyboard, WindowFactory windows, std::function<void()> endProgram,
             QWidget* parent = nullptr);
    ~MDIForm1() override;

    RBXRibbon* ribbon() const { return m_ribbon; }
    QMdiArea* mdiArea() const { return m_area; }
    int themeNumber() const { return m_theme; }
    QString panelText(int panel) const; // 1-based
    bool insertMode() const { return m_insert; }
    // The open window of a ribbon button, if any.
    QMdiSubWindow* openWindow(const QString& windowName) const;

public Q_SLOTS:
    void RBXRibbon1_ButtonClick(const QString& id, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyThemeToFrame();
    void openChild(const QString& windowName, bool themed);
    void refreshClockAndKeys();

    std::function<void()> m_endProgram;
    const KeyboardIndicators& m_keyboard;
    WindowFactory m_windows;
    RBXRibbon* m_ribbon;
    QMdiArea* m_area;
    QList<QLabel*> m_panels;
    QTimer* m_clock;
    int m_theme = 2;
    bool m_insert = false;
    const QEvent* m_lastInsert = nullptr;
    QHash<QString, QPointer<QMdiSubWindow>> m_open;
};

} // namespace qnr
