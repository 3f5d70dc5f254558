#include "FakeServices.h"

namespace qnr::test {

Answer FakeDialogs::message(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                            Answer defaultAnswer)
{
    messages.append({text, caption, icon, buttons, defaultAnswer});
    return m_answers.isEmpty() ? defaultAnswer : m_answers.dequeue();
}

std::optional<QString> FakeDialogs::input(const QString& prompt, const QString& title, const QString&)
{
    inputPrompts << prompt;
    Q_UNUSED(title);
    return m_inputs.isEmpty() ? std::nullopt : m_inputs.dequeue();
}

std::optional<QString> FakeDialogs::openFile(const QString& title, const QString&, const QString&)
{
    fileDialogTitles << title;
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

QStringList FakeDialogs::messageTexts() const
{
    QStringList texts;
    for (const MessageCall& call : messages)
        texts << call.text;
    return texts;
}

void FakeDialogs::clear()
{
    messages.clear();
    inputPrompts.clear();
    fileDialogTitles.clear();
}

} // namespace qnr::test
