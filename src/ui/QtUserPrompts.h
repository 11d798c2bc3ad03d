#pragma once

#include "ui/UserPrompts.h"

// The real message boxes and file dialogs.
class QtUserPrompts final : public UserPrompts {
public:
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    void inform(QWidget *parent, const QString &title, const QString &text) override;
    std::optional<QString> askOpenFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<ChosenFile> askSaveFileName(QWidget *parent, const FileDialogRequest &request) override;
    int askChoice(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                  int defaultAnswer, const QString &details) override;
    std::optional<int> askFromList(QWidget *parent, const QString &title, const QStringList &items,
                                   const QString &accept) override;
    UnsavedAnswer askSaveChanges(QWidget *parent, const QString &title, const QString &text) override;
};
