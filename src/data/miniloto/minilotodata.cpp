// SPDX-License-Identifier: MIT
#include "data/miniloto/minilotodata.h"

#include "cores/miniloto/prediction.h"

namespace zelpo::miniloto {

QString winningNumbersText(const std::array<int, 5>& numbers)
{
    QString text;
    for (const int number : numbers) {
        if (!text.isEmpty())
            text += u'-';
        // Only the ten texts "0" to "9" gain a zero; a negative number stays as it is.
        if (number >= 0 && number <= 9)
            text += u'0';
        text += QString::number(number);
    }
    return text;
}

db::Status readDraws(
    const QString& database, const QString& where, const std::function<void(const QStringList& cells)>& onRow)
{
    QStringList cells;
    return db::read(database, kSearchSql, where, [&](const db::Row& row) {
        cells.clear();
        cells << QString::number(row.integer(u"kaisai"))
              << winningNumbersText({ row.integer(u"NO1"), row.integer(u"NO2"), row.integer(u"NO3"),
                     row.integer(u"NO4"), row.integer(u"NO5") })
              << row.text(u"kounyu1") << row.text(u"kounyu2") << row.text(u"kounyu3") << row.text(u"kounyu4")
              << row.text(u"kounyu5");
        onRow(cells);
    });
}

std::optional<QStringList> predictNext(const QString& database, const QString& where, db::Status* status)
{
    History history;
    const db::Status read = db::read(database, kPredictionSql, where, [&](const db::Row& row) {
        history.add({ row.integer(u"NO1"), row.integer(u"NO2"), row.integer(u"NO3"), row.integer(u"NO4"),
            row.integer(u"NO5") });
    });
    if (status)
        *status = read;
    if (!read)
        return std::nullopt;
    QStringList predictions;
    for (const std::string& text : predict(history))
        predictions << QString::fromStdString(text);
    return predictions;
}

db::Status appendDraw(const QString& database, const QString& where, const DrawEntry& entry)
{
    const std::optional<std::string> insert = insertStatement(entry);
    const std::optional<std::string> stored = storedDrawQuery(entry.kaisai);
    if (!insert || !stored)
        return { db::Failure::Statement,
            QStringLiteral("the draw number and the five numbers must be digits, the texts free of NUL characters") };
    return db::write(database, kAppendSql, where, [&](db::Writer& writer) {
        // A table without a key would take a second row under the same number.
        if (writer.exists(QString::fromStdString(*stored)))
            writer.refuse(db::Failure::Duplicate, QString::fromStdString(entry.kaisai));
        writer.exec(QString::fromStdString(*insert));
    });
}

} // namespace zelpo::miniloto
