#include "support/ScriptedPrompts.h"

bool ScriptedPrompts::askYesNo(QWidget *, const QString &title, const QString &text)
{
    m_shown.append({Kind::YesNo, title, text, {}});
    if (m_yesNo.isEmpty()) {
        ++m_unscripted;
        return false;
    }
    return m_yesNo.dequeue();
}

void ScriptedPrompts::inform(QWidget *, const QString &title, const QString &text)
{
    m_shown.append({Kind::Inform, title, text, {}});
}

std::optional<QString> ScriptedPrompts::nextFile()
{
    if (m_files.isEmpty()) {
        ++m_unscripted;
        return std::nullopt;
    }
    return m_files.dequeue();
}

std::optional<QString> ScriptedPrompts::askOpenFileName(QWidget *, const FileDialogRequest &request)
{
    m_shown.append({Kind::OpenFile, request.title, {}, request});
    return nextFile();
}

std::optional<QString> ScriptedPrompts::askSaveFileName(QWidget *, const FileDialogRequest &request)
{
    m_shown.append({Kind::SaveFile, request.title, {}, request});
    return nextFile();
}

int ScriptedPrompts::askChoice(QWidget *, const QString &title, const QString &text, const QStringList &answers,
                               int defaultAnswer)
{
    m_shown.append({Kind::Choice, title, text, {}, answers, defaultAnswer});
    if (m_choices.isEmpty()) {
        ++m_unscripted;
        return static_cast<int>(answers.size() - 1);
    }
    return m_choices.dequeue();
}
