#pragma once

#include "Services.h"

class QWidget;

namespace qnr {

class QtDialogs : public Dialogs {
public:
    Answer message(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                   Answer defaultAnswer) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& startFolder) override;
};

class DesktopShell : public Shell {
public:
    bool open(const QString& fileOrAddress) override;
    bool openFolder(const QString& folder) override;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace qnr
