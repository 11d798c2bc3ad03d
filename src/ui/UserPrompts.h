#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// A file dialog as the program asks for it.
struct FileDialogRequest {
    QString title;
    QStringList filters;    // e.g. "All Files (*.*)", ".cfg Files (*.cfg)"
    int selectedFilter = 0; // index into filters
    QString fileName;       // offered name, may be empty
    QString startFolder;    // where the dialog opens; empty for where the program was started

    // The Open and Save dialogs of config files: every file, or .cfg files, the second preselected.
    static constexpr int configFilter = 1;
    static FileDialogRequest forConfigs(QString title, QString fileName, QString startFolder = {})
    {
        return {std::move(title),
                {QStringLiteral("All Files (*.*)"), QStringLiteral(".cfg Files (*.cfg)")},
                configFilter,
                std::move(fileName),
                std::move(startFolder)};
    }
};

// A file chosen in a Save dialog, and the filter selected when it was chosen.
struct ChosenFile {
    QString path;
    int filter = -1; // index into the request's filters; -1 for none of them
};

// Looked up each time a dialog that has had no file chosen yet is about to open: the folder it
// starts in, or an empty string.
using StartFolderLookup = std::function<QString()>;

// Every modal question the program asks goes through here, so tests can script the answers.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // Yes/No box, Yes the default button, no icon. True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
    // OK-only box, no icon.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;

    // The chosen file's full path, or nothing when the user cancels.
    virtual std::optional<QString> askOpenFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    // As above, with the filter selected; the dialog itself does not ask about replacing an existing file.
    virtual std::optional<ChosenFile> askSaveFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // A box with one button per answer, no icon; `defaultAnswer` is the default button, and the
    // last answer is what Escape and the close button give. `details`, when not empty, is shown on
    // request below the text. The chosen answer's index.
    virtual int askChoice(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                          int defaultAnswer, const QString &details) = 0;

    // A small window listing `items`, the first selected, with an `accept` button and Cancel: the index
    // of the item accepted, or nothing on Cancel.
    virtual std::optional<int> askFromList(QWidget *parent, const QString &title, const QStringList &items,
                                           const QString &accept) = 0;

    enum class UnsavedAnswer { Save, Discard, Cancel };
    // The platform's Save, Discard and Cancel buttons, Save the default, no icon.
    virtual UnsavedAnswer askSaveChanges(QWidget *parent, const QString &title, const QString &text) = 0;
};
