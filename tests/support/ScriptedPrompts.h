#pragma once

#include "ui/UserPrompts.h"

#include <QList>
#include <QQueue>

// Answers the program's questions from a script and records every one of them.
class ScriptedPrompts final : public UserPrompts {
public:
    enum class Kind { YesNo, Inform, OpenFile, SaveFile, Choice };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
        FileDialogRequest request;
        QStringList answers = {}; // a choice's, and its default
        int defaultAnswer = -1;
    };

    void answerYesNo(bool yes) { m_yesNo.enqueue(yes); }
    void answerFile(std::optional<QString> path) { m_files.enqueue(std::move(path)); }
    void answerChoice(int answer) { m_choices.enqueue(answer); }

    const QList<Shown> &shown() const { return m_shown; }
    void clearShown() { m_shown.clear(); }
    // Questions asked with no scripted answer left (they were answered No, Cancel or the last choice).
    int unscripted() const { return m_unscripted; }
    bool allAnswersUsed() const { return m_yesNo.isEmpty() && m_files.isEmpty() && m_choices.isEmpty(); }

    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<QString> askOpenFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> askSaveFileName(QWidget *parent, const FileDialogRequest &request) override;
    int askChoice(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                  int defaultAnswer) override;

private:
    std::optional<QString> nextFile();

    QQueue<bool> m_yesNo;
    QQueue<std::optional<QString>> m_files;
    QQueue<int> m_choices;
    QList<Shown> m_shown;
    int m_unscripted = 0;
};
