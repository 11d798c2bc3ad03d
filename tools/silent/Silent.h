#pragma once

#include "ui/StartupSound.h"
#include "ui/UserPrompts.h"

// Answers every question at once, so the measured code never waits on a box or a dialog.
// Yes/No is answered No: nothing measured here means to close a window through its prompt.
class SilentPrompts final : public UserPrompts {
public:
    bool askYesNo(QWidget *, const QString &, const QString &) override { return false; }
    void inform(QWidget *, const QString &, const QString &) override {}
    std::optional<QString> askOpenFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    std::optional<ChosenFile> askSaveFileName(QWidget *, const FileDialogRequest &) override { return {}; }
    // The last answer, the one that leaves things as they are.
    int askChoice(QWidget *, const QString &, const QString &, const QStringList &answers, int,
                  const QString &) override
    {
        return static_cast<int>(answers.size() - 1);
    }
    std::optional<int> askFromList(QWidget *, const QString &, const QStringList &, const QString &) override
    {
        return std::nullopt;
    }
    UnsavedAnswer askSaveChanges(QWidget *, const QString &, const QString &) override { return UnsavedAnswer::Cancel; }
};

// No audio device is involved in any figure.
class SilentSound final : public StartupSound {
public:
    void play() override {}
};
