#include "demo/scenario/jsonlineindex.h"

#include <algorithm>

namespace scenario {

namespace {
// Nesting deeper than this is not a scenario; the scan stops rather than recurse on.
constexpr int kMaxDepth = 64;
} // namespace

JsonLineIndex::JsonLineIndex(const QByteArray& text)
    : m_text(text)
{
    m_lineStarts << 0;
    for (int i = 0; i < m_text.size(); ++i) {
        if (m_text.at(i) == '\n')
            m_lineStarts << i + 1;
    }
    scan();
}

int JsonLineIndex::line(const QString& path) const
{
    QString p = path;
    for (;;) {
        const auto found = m_lines.constFind(p);
        if (found != m_lines.constEnd())
            return *found;
        if (p.isEmpty())
            return 1;
        // Up to the enclosing value: "a.b[2]" -> "a.b" -> "a".
        const int cut = std::max(p.lastIndexOf(QLatin1Char('.')), p.lastIndexOf(QLatin1Char('[')));
        p = cut < 0 ? QString() : p.left(cut);
    }
}

int JsonLineIndex::lineOfOffset(int offset) const
{
    return int(std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset) - m_lineStarts.cbegin());
}

QString JsonLineIndex::pathBefore(int offset) const
{
    QString path;
    for (const Entry& entry : m_entries) {
        if (entry.offset >= offset)
            break;
        path = entry.path;
    }
    return path;
}

QString JsonLineIndex::member(const QString& parent, const QString& key)
{
    return parent.isEmpty() ? key : parent + QLatin1Char('.') + key;
}

QString JsonLineIndex::element(const QString& parent, int index)
{
    return parent + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

void JsonLineIndex::scan()
{
    skipWhitespace();
    if (m_pos < m_text.size())
        scanValue(QString());
}

void JsonLineIndex::record(const QString& path, int offset)
{
    m_lines.insert(path, lineOfOffset(offset));
    m_entries.append({ path, offset });
}

void JsonLineIndex::scanValue(const QString& path)
{
    // The depth is the number of separators: enough to bound the recursion.
    if (path.count(QLatin1Char('.')) + path.count(QLatin1Char('[')) > kMaxDepth) {
        m_pos = m_text.size();
        return;
    }
    if (!m_lines.contains(path))
        record(path, m_pos);
    const char c = m_text.at(m_pos);
    if (c == '{') {
        scanObject(path);
    } else if (c == '[') {
        scanArray(path);
    } else if (c == '"') {
        scanString();
    } else {
        // A number or a literal: up to the next delimiter.
        while (m_pos < m_text.size() && !QByteArray(",]} \t\r\n").contains(m_text.at(m_pos)))
            ++m_pos;
    }
}

void JsonLineIndex::scanObject(const QString& path)
{
    ++m_pos; // '{'
    for (;;) {
        skipWhitespace();
        if (m_pos >= m_text.size())
            return;
        if (m_text.at(m_pos) == '}') {
            ++m_pos;
            return;
        }
        if (m_text.at(m_pos) == ',') {
            ++m_pos;
            continue;
        }
        if (m_text.at(m_pos) != '"')
            return; // broken text: what was indexed stays
        const int keyOffset = m_pos;
        // A member is found at its key's line, where a reader looks for it.
        const QString memberPath = member(path, scanString());
        record(memberPath, keyOffset);
        skipWhitespace();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != ':')
            return;
        ++m_pos;
        skipWhitespace();
        if (m_pos >= m_text.size())
            return;
        scanValue(memberPath);
    }
}

void JsonLineIndex::scanArray(const QString& path)
{
    ++m_pos; // '['
    int index = 0;
    for (;;) {
        skipWhitespace();
        if (m_pos >= m_text.size())
            return;
        const char c = m_text.at(m_pos);
        if (c == ']') {
            ++m_pos;
            return;
        }
        if (c == ',') {
            ++m_pos;
            continue;
        }
        const int before = m_pos;
        scanValue(element(path, index++));
        if (m_pos == before)
            return; // nothing consumed: broken text
    }
}

QString JsonLineIndex::scanString()
{
    const int start = ++m_pos; // '"'
    while (m_pos < m_text.size() && m_text.at(m_pos) != '"') {
        if (m_text.at(m_pos) == '\\')
            ++m_pos;
        ++m_pos;
    }
    // Keys with escapes are not scenario keys: their raw text is good enough.
    const QString text = QString::fromUtf8(m_text.mid(start, std::min<int>(m_pos, m_text.size()) - start));
    if (m_pos < m_text.size())
        ++m_pos; // '"'
    return text;
}

void JsonLineIndex::skipWhitespace()
{
    while (m_pos < m_text.size() && QByteArray(" \t\r\n").contains(m_text.at(m_pos)))
        ++m_pos;
}

} // namespace scenario
