#include "core/input/KeyValues.h"

namespace KeyValues {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

class Reader {
public:
    explicit Reader(QByteArrayView text)
        : m_text(text)
    {
    }

    // Reads keys up to the end of the text at the top, or up to the closing brace of a block.
    bool readKeys(QList<Node> &into, int depth)
    {
        for (;;) {
            skipBlanksAndComments();
            if (atEnd())
                return depth == 0;
            if (m_text[m_at] == '}') {
                ++m_at;
                return depth > 0;
            }
            Node node;
            if (!readString(node.key))
                return false;
            skipBlanksAndComments();
            if (!atEnd() && m_text[m_at] == '{') {
                ++m_at;
                node.isBlock = true;
                if (depth == maxDepth || !readKeys(node.children, depth + 1))
                    return false;
            } else if (!readString(node.value)) {
                return false;
            }
            into.append(std::move(node));
        }
    }

private:
    bool atEnd() const { return m_at == m_text.size(); }

    void skipBlanksAndComments()
    {
        while (!atEnd()) {
            if (isBlank(m_text[m_at])) {
                ++m_at;
            } else if (m_text.sliced(m_at).startsWith("//")) {
                while (!atEnd() && m_text[m_at] != '\n')
                    ++m_at;
            } else {
                return;
            }
        }
    }

    // A quoted string, or a bare word ending at a blank, a quote or a brace.
    bool readString(QString &into)
    {
        if (atEnd())
            return false;
        QByteArray bytes;
        if (m_text[m_at] == '"') {
            for (++m_at;; ++m_at) {
                if (atEnd())
                    return false;
                char c = m_text[m_at];
                if (c == '"')
                    break;
                if (c == '\\' && m_at + 1 < m_text.size()) {
                    c = m_text[++m_at];
                    if (c == 'n')
                        c = '\n';
                    else if (c == 't')
                        c = '\t';
                    else if (c != '\\' && c != '"')
                        bytes.append('\\'); // not an escape: both characters stand
                }
                bytes.append(c);
            }
            ++m_at;
        } else {
            const qsizetype start = m_at;
            while (!atEnd() && !isBlank(m_text[m_at]) && m_text[m_at] != '"' && m_text[m_at] != '{'
                   && m_text[m_at] != '}')
                ++m_at;
            if (m_at == start)
                return false;
            bytes = m_text.sliced(start, m_at - start).toByteArray();
        }
        into = QString::fromUtf8(bytes);
        return true;
    }

    QByteArrayView m_text;
    qsizetype m_at = 0;
};

} // namespace

std::optional<QList<Node>> parse(QByteArrayView text)
{
    QList<Node> nodes;
    if (!Reader(text).readKeys(nodes, 0))
        return std::nullopt;
    return nodes;
}

const Node *find(const QList<Node> &nodes, QStringView key)
{
    for (const Node &node : nodes) {
        if (QStringView(node.key).compare(key, Qt::CaseInsensitive) == 0)
            return &node;
    }
    return nullptr;
}

} // namespace KeyValues
