#pragma once

#include "ui/UserPrompts.h"

#include <QList>
#include <QQueue>

// Answers the program's questions from a script and records every one of them.
class ScriptedPrompts final : public UserPrompts {
public:
    enum class Kind { YesNo, Inform, OpenFile, SaveFile };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
        FileDialogRequest request;
    };

    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerFile(std::optional<QString> path) { m_files.enqueue(std::move(path)); }

    const QList<Shown> &shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }
    // Questions asked with no scripted answer left (they were answered No or Cancel).
    int unscripted() const { return m_unscripted; }
    bool allAnswersUsed() const { return m_yesNo.isEmpty() && m_files.isEmpty(); }

    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<QString> askOpenFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> askSaveFileName(QWidget *parent, const FileDialogRequest &request) override;

private:
    std::optional<QString> nextFile();

    QQueue<bool> m_yesNo;
    QQueue<std::optional<QString>> m_files;
    QList<Shown> m_shown;
    int m_unscripted = 0;
};
