#include "ui/QtUserPrompts.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

int runBox(QWidget *parent, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

// Outside Windows' own dialog "*.*" matches only names with a dot, so a config saved as "myconfig"
// would show under no filter. The dialog matches with the patterns in a filter's last parentheses
// and, told to hide them, shows what comes before: each caption (which ends in its patterns) is
// shown whole, followed by its patterns with "*" for "*.*".
QStringList filtersMatchingEveryName(const QStringList &captions)
{
    QStringList filters;
    for (const QString &caption : captions) {
        const qsizetype open = caption.lastIndexOf(u'(');
        const qsizetype close = caption.lastIndexOf(u')');
        QStringList patterns = caption.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts);
        std::replace(patterns.begin(), patterns.end(), u"*.*"_s, u"*"_s);
        filters << caption + u" ("_s + patterns.join(u' ') + u')';
    }
    return filters;
}

std::optional<ChosenFile> runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = filtersMatchingEveryName(request.filters);
    dialog.setOption(QFileDialog::HideNameFilterDetails, filters != request.filters);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
        dialog.selectNameFilter(filters.at(request.selectedFilter));
    // Replacing a file is confirmed by the caller, which says which file it is about to replace.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The start folder first: an offered file name with a folder in it then takes the dialog there.
    if (!request.startFolder.isEmpty())
        dialog.setDirectory(request.startFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // Told to hide the patterns, some Qt versions name the filter as shown: the caption, simplified.
    const QString selected = dialog.selectedNameFilter();
    int filter = -1;
    for (int i = 0; i < filters.size() && filter < 0; ++i)
        if (selected == filters[i] || selected == request.filters[i].simplified())
            filter = i;
    return ChosenFile{dialog.selectedFiles().constFirst(), filter};
}

} // namespace

bool QtUserPrompts::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return runBox(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

void QtUserPrompts::inform(QWidget *parent, const QString &title, const QString &text)
{
    runBox(parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<QString> QtUserPrompts::askOpenFileName(QWidget *parent, const FileDialogRequest &request)
{
    const std::optional<ChosenFile> chosen = runFileDialog(parent, request, QFileDialog::AcceptOpen);
    return chosen ? std::optional(chosen->path) : std::nullopt;
}

std::optional<ChosenFile> QtUserPrompts::askSaveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

int QtUserPrompts::askChoice(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                             int defaultAnswer, const QString &details)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    QList<QAbstractButton *> buttons;
    for (qsizetype i = 0; i < answers.size(); ++i)
        buttons << box.addButton(answers[i],
                                 i + 1 == answers.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.value(defaultAnswer)));
    box.setEscapeButton(buttons.constLast());
    box.exec();
    // The close button counts as the escape button.
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen < 0 ? answers.size() - 1 : chosen);
}

UserPrompts::UnsavedAnswer QtUserPrompts::askSaveChanges(QWidget *parent, const QString &title, const QString &text)
{
    switch (runBox(parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                   QMessageBox::Save)) {
    case QMessageBox::Save:
        return UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return UnsavedAnswer::Discard;
    default:
        return UnsavedAnswer::Cancel;
    }
}

std::optional<int> QtUserPrompts::askFromList(QWidget *parent, const QString &title, const QStringList &items,
                                              const QString &accept)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *list = new QListWidget(&dialog);
    list->addItems(items);
    list->setCurrentRow(0);
    list->setAccessibleName(title);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    buttons->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0)
        return std::nullopt;
    return list->currentRow();
}
