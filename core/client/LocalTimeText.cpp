#include "core/client/LocalTimeText.h"

#include <QLocale>

namespace {

// The locale's long time format without its time-zone field ('t'), which the log leaves out.
QString timeFormatWithoutZone()
{
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u't') {
            while (!kept.isEmpty() && kept.back().isSpace()) {
                kept.chop(1);
            }
            continue;
        }
        kept.append(c);
    }
    return kept.trimmed();
}

} // namespace

QString localTimeText(Instant at)
{
    return at.toDateTime().time().toString(timeFormatWithoutZone());
}
