#include "core/input/GameConfigFolder.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

// Any text is read or refused, and every library a list names is an absolute path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QString &folder : GameConfigFolder::libraryFolders(text)) {
        if (!QDir::isAbsolutePath(folder))
            std::abort();
    }
    return 0;
}
