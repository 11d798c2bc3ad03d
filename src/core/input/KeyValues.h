#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Valve's text key-value format, in which Steam keeps its list of libraries: keys each followed by
// a value or by a block of further keys in braces; keys and values quoted (with backslash escapes)
// or bare words; "//" comments to the end of the line. The text is UTF-8.
namespace KeyValues {

struct Node {
    QString key;
    QString value;        // empty for a block
    QList<Node> children; // a block's keys, in file order
    bool isBlock = false;

    friend bool operator==(const Node &, const Node &) = default;
};

// Blocks nested deeper than this make the text unreadable, so that no text can exhaust the stack.
inline constexpr int maxDepth = 32;

// The keys at the top of the text, or nothing when the text does not follow the format.
[[nodiscard]] std::optional<QList<Node>> parse(QByteArrayView text);

// The first of the nodes whose key is `key`, ignoring case as Steam does; null when there is none.
[[nodiscard]] const Node *find(const QList<Node> &nodes, QStringView key);

} // namespace KeyValues
