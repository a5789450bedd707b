#include "fuzzcheck.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>

void fail(const char *promise, const QString &detail)
{
    std::fprintf(stderr, "broken: %s\n", promise);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", qPrintable(detail));
    std::abort();
}

bool isWellFormed(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

QString codeUnits(QStringView text)
{
    QStringList units;
    for (const QChar c : text)
        units << QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return QLatin1Char('[') + units.join(QLatin1Char(' ')) + QLatin1Char(']');
}
