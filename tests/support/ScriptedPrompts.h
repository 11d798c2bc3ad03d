#pragma once

#include "ui/UserPrompts.h"

#include <QList>
#include <QQueue>

// Answers the program's questions from a script and records every one of them. With no scripted
// answer left, a question is answered No, Cancel or the last choice.
class ScriptedPrompts final : public UserPrompts {
public:
    struct Shown {
        QString title;
        QString text;
        FileDialogRequest request = {};
        QStringList answers = {}; // a choice's, and its default
        int defaultAnswer = -1;
        QString details = {};
    };

    QQueue<bool> yesNo;
    QQueue<std::optional<QString>> files;
    QQueue<int> saveFilters; // the filter each Save dialog reports; without one, the preselected filter
    QQueue<int> choices;
    QQueue<UnsavedAnswer> unsaved;
    QQueue<std::optional<int>> listed; // the item chosen from each list
    QList<Shown> shown;

    // Each box and dialog shown, as "title: text".
    QStringList said() const
    {
        QStringList boxes;
        for (const Shown &box : shown)
            boxes << box.title + QStringLiteral(": ") + box.text;
        return boxes;
    }

    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({title, text});
        return !yesNo.isEmpty() && yesNo.dequeue();
    }
    void inform(QWidget *, const QString &title, const QString &text) override { shown.append({title, text}); }
    std::optional<QString> askOpenFileName(QWidget *, const FileDialogRequest &r) override { return fileName(r); }
    std::optional<ChosenFile> askSaveFileName(QWidget *, const FileDialogRequest &r) override
    {
        const int filter = saveFilters.isEmpty() ? r.selectedFilter : saveFilters.dequeue();
        const std::optional<QString> path = fileName(r);
        return path ? std::optional(ChosenFile{*path, filter}) : std::nullopt;
    }
    int askChoice(QWidget *, const QString &title, const QString &text, const QStringList &answers, int defaultAnswer,
                  const QString &details) override
    {
        shown.append({title, text, {}, answers, defaultAnswer, details});
        return choices.isEmpty() ? static_cast<int>(answers.size() - 1) : choices.dequeue();
    }
    std::optional<int> askFromList(QWidget *, const QString &title, const QStringList &items,
                                   const QString &accept) override
    {
        shown.append({title, items.join(u'\n'), {}, {accept, QStringLiteral("Cancel")}, 0});
        return listed.isEmpty() ? std::nullopt : listed.dequeue();
    }
    UnsavedAnswer askSaveChanges(QWidget *, const QString &title, const QString &text) override
    {
        shown.append(
            {title, text, {}, {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")}, 0});
        return unsaved.isEmpty() ? UnsavedAnswer::Cancel : unsaved.dequeue();
    }

    std::optional<QString> fileName(const FileDialogRequest &request)
    {
        shown.append({request.title, {}, request});
        return files.isEmpty() ? std::nullopt : files.dequeue();
    }
};
