#pragma once

#include "Services.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace qnr::test {

struct MessageCall {
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
    Answer defaultAnswer;
};

// Records every dialog and answers from a script; an unscripted message box takes
// its default answer, an unscripted input or file dialog is cancelled.
class FakeDialogs : public Dialogs {
public:
    Answer message(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                   Answer defaultAnswer) override;
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QString> openFile(const QString& title, const QString& filter, const QString& startFolder) override;

    void setNextAnswer(Answer answer) { m_answers.enqueue(answer); }
    void setNextInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }
    void setNextFileName(std::optional<QString> file) { m_files.enqueue(std::move(file)); }

    QList<MessageCall> messages;
    QStringList inputPrompts;
    QStringList fileDialogTitles;

    QStringList messageTexts() const;
    void clear();

private:
    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<std::optional<QString>> m_files;
};

class FakeShell : public Shell {
public:
    bool open(const QString& fileOrAddress) override
    {
        opened << fileOrAddress;
        return result;
    }
    bool openFolder(const QString& folder) override
    {
        folders << folder;
        return result;
    }
    QStringList opened;
    QStringList folders;
    bool result = true;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime moment = QDateTime(QDate(2026, 12, 11), QTime(16, 8, 36)))
        : moment(moment)
    {
    }
    QDateTime now() const override { return moment; }
    QDateTime moment;
};

// A fresh bundle of fakes for one test.
struct FakeServices {
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock;
    Services services() { return {dialogs, shell, clock}; }
};

} // namespace qnr::test
