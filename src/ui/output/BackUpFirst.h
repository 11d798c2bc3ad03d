#pragma once

#include <QString>

class QWidget;
class UserPrompts;

// Copies the file at path into the backups before it is overwritten. When no copy can be made, the
// player is told why and may go on without one; false when the player cancels.
bool backUpOrGoWithout(UserPrompts &prompts, QWidget *window, const QString &title, const QString &backups,
                       const QString &path);
