// SPDX-License-Identifier: MIT
#include "widgets/record/moneyverdict.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace zelpo::analysis {
namespace {

// Results beyond this level of chance count as better than chance, as on
// the 当たり page.
constexpr double kLevel = 0.05;

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString rateText(double rate)
{
    return QString::number(rate * 100, 'f', 1) + u'%';
}

QString comparison(std::span<const KindMoney> kinds, std::span<const KindName> names)
{
    QStringList above;
    QStringList below;
    QStringList same;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k].tickets == 0)
            continue;
        const double rate = kinds[k].returnRate();
        const double chance = kinds[k].chanceReturnRate();
        (rate > chance ? above : rate < chance ? below : same) << fromView(names[k].label);
    }
    if (kinds.size() == 1) {
        const QString compared = !above.isEmpty() ? QStringLiteral("を上回っています")
            : !below.isEmpty()                    ? QStringLiteral("を下回っています")
                                                  : QStringLiteral("と同じです");
        return QStringLiteral("回収率は%1で、偶然の%2%3。")
            .arg(rateText(kinds[0].returnRate()), rateText(kinds[0].chanceReturnRate()), compared);
    }
    // "Every kind" only when every kind was bought.
    const auto every = static_cast<qsizetype>(kinds.size());
    if (above.size() == every)
        return QStringLiteral("どの券種も、回収率が偶然を上回っています。");
    if (below.size() == every)
        return QStringLiteral("どの券種も、回収率が偶然を下回っています。");
    QStringList parts;
    if (!above.isEmpty())
        parts << QStringLiteral("偶然を上回っているのは") + above.join(u'・');
    if (!below.isEmpty())
        parts << QStringLiteral("偶然を下回っているのは") + below.join(u'・');
    if (!same.isEmpty())
        parts << QStringLiteral("偶然と同じなのは") + same.join(u'・');
    return QStringLiteral("回収率が") + parts.join(u'、') + QStringLiteral("です。");
}

QString pText(double p)
{
    return p < 0.001 ? QStringLiteral("0.001未満") : QString::number(p, 'f', 3);
}

bool beatsChance(const ClassScore& score)
{
    return score.hits > 0 && score.p() < kLevel;
}

// A return above chance may be luck: the test of the hits it came from, as
// the 当たり page tests them, one kind in full, several in a list.
QString luckTest(const QStringList& kinds, const std::vector<ClassScore>& scores)
{
    QStringList significant;
    QStringList chance;
    for (qsizetype i = 0; i < kinds.size(); ++i)
        (beatsChance(scores[static_cast<std::size_t>(i)]) ? significant : chance) << kinds[i];
    QString text;
    if (kinds.size() == 1) {
        const ClassScore& score = scores.front();
        text = QStringLiteral("%1の回収率のもとになった当たりは%2回で、偶然の期待値は%3回、"
                              "偶然だけでこれ以上当たる確率（p値）は%4です。")
                   .arg(kinds.front())
                   .arg(score.hits)
                   .arg(QString::number(score.expected, 'f', 2), pText(score.p()));
        return text
            + (significant.isEmpty() ? QStringLiteral("5%水準では偶然の範囲内で、運による差と区別できません。")
                                     : QStringLiteral("5%水準で偶然を上回っています。"));
    }
    QStringList figures;
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        const ClassScore& score = scores[static_cast<std::size_t>(i)];
        figures << QStringLiteral("%1が%2回（偶然の期待値%3回、p値%4）")
                       .arg(kinds[i])
                       .arg(score.hits)
                       .arg(QString::number(score.expected, 'f', 2), pText(score.p()));
    }
    text = QStringLiteral("回収率のもとになった当たりは、") + figures.join(u'、') + QStringLiteral("です。");
    if (chance.isEmpty())
        return text + QStringLiteral("いずれも5%水準で偶然を上回っています。");
    if (significant.isEmpty())
        return text + QStringLiteral("いずれも5%水準では偶然の範囲内で、運による差と区別できません。");
    return text
        + QStringLiteral("5%水準で偶然を上回っているのは%1で、%2は偶然の範囲内です。")
              .arg(significant.join(u'・'), chance.join(u'・'));
}

// Whether buying the tickets lost money: a return under 100% did.
QString lossText(std::span<const KindMoney> kinds, std::span<const KindName> names)
{
    QStringList lost;
    QStringList kept;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k].tickets > 0)
            (kinds[k].returnRate() < 1 ? lost : kept) << fromView(names[k].label);
    }
    const QString loss = QStringLiteral("回収率が100%未満で、買った額より当選額が少なく、損をしています。");
    if (kept.isEmpty()) {
        if (kinds.size() == 1)
            return loss;
        return (lost.size() == static_cast<qsizetype>(kinds.size()) ? QStringLiteral("どの券種も")
                                                                    : lost.join(u'・') + QStringLiteral("は"))
            + loss;
    }
    QString text;
    if (!lost.isEmpty())
        text += lost.join(u'・') + QStringLiteral("は") + loss;
    return text + kept.join(u'・') + QStringLiteral("は回収率が100%以上で、買った額以上が戻っています。");
}

QString drawsText(const KindMoney& money)
{
    const int first = money.firstWithoutPayouts;
    const int last = money.lastWithoutPayouts;
    const int count = money.drawsWithoutPayouts;
    if (count == 1 || first == last)
        return count == 1 ? QStringLiteral("第%1回").arg(first) : QStringLiteral("第%1回の%2回").arg(first).arg(count);
    // Draws left out one after another name their span; others only its ends.
    const QString text = last - first + 1 == count ? QStringLiteral("第%1回から第%2回までの%3回")
                                                   : QStringLiteral("第%1回から第%2回までのうち%3回");
    return text.arg(first).arg(last).arg(count);
}

// The draws left out for want of their payouts, once when every kind left
// out the same, else per kind.
QString leftOutText(std::span<const KindMoney> kinds, std::span<const KindName> names)
{
    QStringList perKind;
    QStringList spans;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k].drawsWithoutPayouts == 0)
            continue;
        const QString span = drawsText(kinds[k]);
        perKind << fromView(names[k].label) + QStringLiteral("は") + span;
        spans << span;
    }
    if (spans.isEmpty())
        return {};
    spans.removeDuplicates();
    if (spans.size() == 1 && perKind.size() == static_cast<qsizetype>(kinds.size()))
        return QStringLiteral("配当の分からない%1は除いて計算しています。").arg(spans.first());
    return QStringLiteral("配当の分からない回は除いて計算しています（%1）。").arg(perKind.join(u'、'));
}

} // namespace

QString moneyVerdict(const Record& backtest)
{
    if (!backtest.money())
        return QStringLiteral("この範囲には配当の分かる回がないため、収支を出せません。");
    const std::span<const KindMoney> kinds = backtest.money()->kinds();
    const std::span<const KindName> names = ticketKinds(backtest.game());
    const bool anyBought = std::any_of(kinds.begin(), kinds.end(), [](const KindMoney& k) { return k.tickets > 0; });
    if (!anyBought)
        return QStringLiteral("この範囲には配当の分かる回がないため、収支を出せません。");
    QStringList sentences { comparison(kinds, names) };
    QStringList above;
    std::vector<ClassScore> scores;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (kinds[k].tickets > 0 && kinds[k].returnRate() > kinds[k].chanceReturnRate()) {
            above << fromView(names[k].label);
            scores.push_back(scoreBehind(backtest, kinds[k].kind));
        }
    }
    if (!above.isEmpty())
        sentences << luckTest(above, scores);
    sentences << lossText(kinds, names);
    const QString leftOut = leftOutText(kinds, names);
    if (!leftOut.isEmpty())
        sentences << leftOut;
    return sentences.join(QString());
}

} // namespace zelpo::analysis
