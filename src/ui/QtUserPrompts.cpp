#include "ui/QtUserPrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

int runBox(QWidget *parent, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters.at(request.selectedFilter));
    // Replacing a file is confirmed by the caller, which says which file it is about to replace.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
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
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserPrompts::askSaveFileName(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

int QtUserPrompts::askChoice(QWidget *parent, const QString &title, const QString &text, const QStringList &answers,
                             int defaultAnswer)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
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
