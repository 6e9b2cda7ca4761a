// SPDX-License-Identifier: MIT
#include "data/entry/henkoudata.h"

namespace zelpo::entry {
namespace {

QStringView readerSql(EditedGame game)
{
    switch (game) {
    case EditedGame::Numbers3:
        return kNumbers3DrawSql;
    case EditedGame::Numbers4:
        return kNumbers4DrawSql;
    case EditedGame::MiniLoto:
        break;
    }
    return kMiniLotoDrawSql;
}

QStringView writerSql(EditedGame game)
{
    switch (game) {
    case EditedGame::Numbers3:
        return kNumbers3WriterSql;
    case EditedGame::Numbers4:
        return kNumbers4WriterSql;
    case EditedGame::MiniLoto:
        break;
    }
    return kMiniLotoWriterSql;
}

std::array<QStringView, 5> numberColumns(EditedGame game)
{
    switch (game) {
    case EditedGame::Numbers3:
        return { u"N100", u"N10", u"N1", {}, {} };
    case EditedGame::Numbers4:
        return { u"N1000", u"N100", u"N10", u"N1", {} };
    case EditedGame::MiniLoto:
        break;
    }
    return { u"NO1", u"NO2", u"NO3", u"NO4", u"NO5" };
}

} // namespace

db::Status readDraw(EditedGame game, const QString& database, const QString& where, ShownDraw& shown)
{
    static constexpr QStringView kPurchaseColumns[] = { u"kounyu1", u"kounyu2", u"kounyu3", u"kounyu4", u"kounyu5" };
    const std::array<QStringView, 5> columns = numberColumns(game);
    ShownDraw last;
    const db::Status status = db::read(database, readerSql(game), where, [&](const db::Row& row) {
        last.drawNumber = QString::number(row.integer(u"kaisai"));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            last.numbers[i]
                = columns[i].isEmpty() ? QString() : QString::fromStdString(shownNumber(game, row.integer(columns[i])));
        }
        for (std::size_t i = 0; i < last.purchases.size(); ++i)
            last.purchases[i] = row.text(kPurchaseColumns[i]);
    });
    if (status)
        shown = last;
    return status;
}

db::Status writeDraw(EditedGame game, const QString& database, const QString& where, const QString& updateSql)
{
    return db::write(database, writerSql(game), where, [&](db::Writer& writer) {
        if (!writer.exists(db::statementText(writerSql(game), where)))
            writer.refuse(db::Failure::Write, QStringLiteral("no stored draw %1").arg(where));
        writer.exec(updateSql);
    });
}

} // namespace zelpo::entry
