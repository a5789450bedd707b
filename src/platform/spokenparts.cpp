#include "platform/spokenparts.h"

#include <algorithm>
#include <optional>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

// A place where a text may be split: the part before it ends at partEnd, the next begins at next.
struct Break
{
    qsizetype partEnd;
    qsizetype next;
};

// The break at position, if one is there.
std::optional<Break> breakAt(const QString &text, qsizetype position)
{
    if (QStringView(text).sliced(position).startsWith(lineBreak))
        return Break {position, position + lineBreak.size()};
    const QChar c = text[position];
    if (c == u'、' || c == u'。')
        return Break {position + 1, position + 1};
    if (c == u'\u3000')
        return Break {position, position + 1};
    return std::nullopt;
}

qsizetype readLength(QStringView text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

QStringList spokenParts(const QString &text)
{
    QStringList parts;
    qsizetype start = 0; // where the part under way begins
    for (qsizetype position = 0; position < text.size(); ++position) {
        const std::optional<Break> found = breakAt(text, position);
        if (!found)
            continue;
        const QStringView view(text);
        if (readLength(view.sliced(start, found->partEnd - start)) >= shortestSpokenPart
            && readLength(view.sliced(found->next)) >= shortestSpokenPart) {
            parts << text.sliced(start, found->partEnd - start);
            start = found->next;
        }
        position = found->next - 1;
    }
    parts << text.sliced(start);
    return parts;
}
