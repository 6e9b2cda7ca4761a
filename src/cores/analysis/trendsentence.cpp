// SPDX-License-Identifier: MIT
#include "cores/analysis/trendsentence.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <span>
#include <utility>

namespace zelpo::analysis {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kTitles { {
    { "digits", "桁ごとの数字" },
    { "numbers", "数字の出現回数" },
    { "gaps", "出現間隔" },
    { "sums", "合計値" },
    { "patterns", "パターン" },
    { "odd_even", "奇数・偶数" },
    { "high_low", "大小" },
    { "consecutive", "連続数字" },
    { "pulls", "引っ張り" },
    { "pairs", "ペア" },
} };

// A chance as a percentage to two significant digits; one under 5% is cut
// rather than rounded, so that it never reads as 5%.
std::string percent(double p)
{
    if (p < 0.001)
        return "0.1%未満";
    const double value = p * 100;
    const int decimals = value >= 10 ? 0 : value >= 1 ? 1 : 2;
    const double scale = std::pow(10.0, decimals);
    double shown = std::round(value * scale) / scale;
    if (p < 0.05 && shown >= 5)
        shown = std::floor(value * scale) / scale;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f%%", decimals, shown);
    return buffer;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kRowTitles { {
    { "single", "シングル" },
    { "double", "ダブル" },
    { "double-double", "ダブルダブル" },
    { "triple", "トリプル" },
    { "quad", "クワッド" },
    { "with", "あり" },
    { "without", "なし" },
} };

std::string_view lookUp(std::span<const std::pair<std::string_view, std::string_view>> titles, std::string_view name)
{
    for (const auto& [key, title] : titles) {
        if (key == name)
            return title;
    }
    return name;
}

} // namespace

std::string_view sectionTitle(std::string_view section)
{
    return lookUp(kTitles, section);
}

std::string_view placeName(std::string_view game, int position)
{
    static constexpr std::string_view kPlaces[] = { "千の位", "百の位", "十の位", "一の位" };
    const int positions = game == "numbers4" ? 4 : game == "numbers3" ? 3 : 0;
    if (position < 1 || position > positions)
        return {};
    return kPlaces[4 - positions + position - 1];
}

std::string rowTitle(std::string_view game, std::string_view label)
{
    // A Numbers position and digit: "1:7".
    if (label.size() == 3 && label[1] == ':' && label[2] >= '0' && label[2] <= '9') {
        const std::string_view place = placeName(game, label[0] - '0');
        if (!place.empty())
            return std::string(place) + "の" + label[2];
    }
    return std::string(lookUp(kRowTitles, label));
}

std::string_view independenceNote()
{
    return "抽選は毎回独立しており、過去の結果が次の抽選の確率を変えることはありません。";
}

std::string testSentence(std::string_view game, std::string_view section, const TrendTest& test)
{
    std::string subject = "「" + std::string(sectionTitle(section));
    if (test.label != section) {
        const std::string_view place
            = test.label.size() == 1 ? placeName(game, test.label[0] - '0') : std::string_view();
        subject += "（" + (place.empty() ? test.label : std::string(place)) + "）";
    }
    subject += "」";
    const std::string chance = "偶然だけでこれ以上の偏りが出る確率は" + percent(test.p);
    if (test.p < 0.05) {
        return subject + "は、" + chance
            + "で、5%を下回りました。ただし検定を20回行えば1回はこの程度の結果が偶然に出ます。";
    }
    return subject + "は、" + chance + "で、偶然の範囲内です（5%水準）。";
}

std::string sectionNote(std::string_view game, std::string_view section)
{
    if (section == "gaps") {
        const std::string chance = game == "miniloto" ? "5/31" : "1/10";
        return "出現間隔が長い数字も、次の抽選で出る確率はほかの数字と同じ" + chance
            + "です。p は偶然でもその長さ以上空く確率で、行が多ければ小さな p がいくつかあるのは普通です。";
    }
    if (section == "pairs") {
        return "465通りのペアから最も多く出た10組を選んでいるため、偶然だけでも上位はいつも珍しく見えます。"
               "p は1組を前もって選んでいた場合の確率です。";
    }
    return {};
}

} // namespace zelpo::analysis
