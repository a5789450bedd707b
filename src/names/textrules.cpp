#include "names/textrules.h"

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == ideographicSpace;
}

} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString removeStar(const QString &text)
{
    return text.startsWith(QLatin1Char('*')) ? text.mid(1) : text;
}
