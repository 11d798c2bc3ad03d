#include "core/input/GameConfigFolder.h"
#include "core/input/KeyValues.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// The nodes in the format again, every key and value quoted.
QByteArray written(const QList<KeyValues::Node> &nodes)
{
    QByteArray out;
    for (const KeyValues::Node &node : nodes)
        out += quoted(node.key)
               + (node.isBlock ? "\n{\n" + written(node.children) + "}\n" : ' ' + quoted(node.value) + '\n');
    return out;
}

} // namespace

// Any text is read or refused; what is read reads the same once written back; every library a
// list names is an absolute path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QList<KeyValues::Node>> nodes = KeyValues::parse(text);
    if (nodes && KeyValues::parse(written(*nodes)) != nodes)
        std::abort();
    for (const QString &folder : GameConfigFolder::libraryFolders(text)) {
        if (!QDir::isAbsolutePath(folder))
            std::abort();
    }
    return 0;
}
