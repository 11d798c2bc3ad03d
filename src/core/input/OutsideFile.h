#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// Reading a file from outside the program: a player's config, a Steam list, a data file, a preset.
// Only an ordinary file is opened, checked before opening it: opening a named pipe already waits for
// a writer, and a device such as /dev/zero never ends.
namespace OutsideFile {

struct Failure {
    enum class Why { NotOrdinary, CannotOpen, CannotRead, TooLarge };
    Why why;
    QString systemText; // the system's words for CannotOpen and CannotRead
};

// Gives the file's bytes to `take` in chunks, until the file ends or `take` returns false.
std::optional<Failure> stream(const QString &path, const std::function<bool(QByteArrayView)> &take);

struct Bytes {
    QByteArray bytes;
    std::optional<Failure> failure;
};

// Every byte of the file, when it holds at most `limit` of them. It is read to its end, not to the
// size it had when opened: it may be growing.
Bytes readAll(const QString &path, qint64 limit);

} // namespace OutsideFile
