#pragma once

#include <optional>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace qnr {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// Every message box, input box and file dialog of the program goes through here,
// so tests can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons = MessageButtons::Ok, Answer defaultAnswer = Answer::Ok) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText = QString()) = 0;
    virtual std::optional<QString> openFile(const QString& title, const QString& filter,
                                            const QString& startFolder = QString()) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // A file with its program, or a web address in the browser.
    virtual bool open(const QString& fileOrAddress) = 0;
    virtual bool openFolder(const QString& folder) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

struct Services {
    Dialogs& dialogs;
    Shell& shell;
    Clock& clock;
};

} // namespace qnr
