#include "alignment/adj_entry.h"

#include "core/box_leave.h"
#include "core/numbers.h"
#include "link/link_texts.h"

namespace {

constexpr int kLimitKeyLength = 3;
constexpr int kLargestLimit = 999;  // the largest value of three digits

// The point-value messages are Chinese in both languages, with the
// information icon and the Chinese title.
Message PointMessage(AdjBox box)
{
    return {SameText(QStringLiteral(" 输入数字范围为 0 - %1 ！").arg(AdjBoxMax(box))),
            SameText(Titles::OperatePromptUpper.chn), MessageIcon::Information};
}

bool AllDigits(const QString& text)
{
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The box of `limit` shows the limit row 9 holds.
bool ShowsRow9(AdjLimit limit, const AdjLimitTexts& texts, const AdjTable& table)
{
    return BoxShowsHeld(texts[static_cast<std::size_t>(limit)], AdjLimitText(limit, table));
}

// Row 9 := the limits of the boxes that show another value, VHF then UHF,
// lower then upper.
void StoreLimits(const AdjLimitTexts& texts, AdjTable& table)
{
    for (const AdjLimit limit : kAdjLimits) {
        if (ShowsRow9(limit, texts, table))
            continue;
        const double value = RoundHalfEven(NumericValue(texts[static_cast<std::size_t>(limit)]));
        if (!(value >= 0 && value <= kLargestLimit))
            continue;
        const int v = static_cast<int>(value);
        const int col = AdjLimitFirstCol(limit);
        table(AdjLimitRow, col) = static_cast<std::int16_t>(v / 100);
        table(AdjLimitRow, col + 1) = static_cast<std::int16_t>(v / 10 % 10);
        table(AdjLimitRow, col + 2) = static_cast<std::int16_t>(v % 10);
    }
}

}  // namespace

std::optional<AdjPointOutcome> Adj_PointEntry(AdjBox box, int index, int page, const QString& text, AdjTable& table,
                                              const AdjTable& defaults)
{
    const std::optional<AdjCell> cell = AdjBoxCell(box, index, page);
    if (!cell)
        return std::nullopt;
    std::int16_t& stored = table(cell->row, cell->col);
    const QString s = TrimBlanks(text);
    AdjPointOutcome out;
    if (!AllDigits(s) || NumericValue(s) > AdjBoxMax(box)) {
        const int fallback = defaults(cell->row, cell->col);
        out.refusal = PointMessage(box);
        out.resetText = AdjPointText(fallback);
        out.value = fallback;
    } else {
        out.value = static_cast<int>(NumericValue(s));
    }
    stored = static_cast<std::int16_t>(out.value);
    return out;
}

bool AdjLimitKeyAccepted(const QString& boxText)
{
    return TrimBlanks(boxText).size() <= kLimitKeyLength;
}

std::optional<AdjLimitRefusal> Adj_LimitLeave(AdjLimit limit, const AdjLimitTexts& texts, AdjBandBounds bounds,
                                              bool transferBusy, AdjTable& table)
{
    if (ShowsRow9(limit, texts, table))
        return std::nullopt;
    const QString stored = AdjLimitText(limit, table);
    if (transferBusy)
        return AdjLimitRefusal{LinkText::Busy(), stored};
    const int band = AdjLimitBand(limit);
    const double lower = NumericValue(texts[static_cast<std::size_t>(2 * band)]);
    const double upper = NumericValue(texts[static_cast<std::size_t>(2 * band + 1)]);
    if (AdjLimitIsLower(limit)) {
        if (lower < bounds.min)
            return AdjLimitRefusal{AdjEntryText::LowerBelowBand(), stored};
        if (upper < lower)
            return AdjLimitRefusal{AdjEntryText::LowerAboveUpper(), stored};
    } else {
        if (upper > bounds.max)
            return AdjLimitRefusal{AdjEntryText::UpperAboveBand(), stored};
        if (lower > upper)
            return AdjLimitRefusal{AdjEntryText::UpperBelowLower(), stored};
    }
    StoreLimits(texts, table);
    return std::nullopt;
}

namespace AdjEntryText {

Message LowerBelowBand()
{
    return {{QStringLiteral("下限频率不可小于该频段最低工作频率"),
             QStringLiteral("Receive frequency of lower limit can't less than the lowest of work frequency. ")},
            Titles::OperatePromptUpper};
}

Message LowerAboveUpper()
{
    return {{QStringLiteral("下限频率不可大于该频段上限频率"),
             QStringLiteral("Receive frequency of lower limit can't more than receive frequency of upper limit.")},
            Titles::OperatePromptUpper};
}

Message UpperAboveBand()
{
    return {{QStringLiteral("上限频率不可大于该频段最大工作频率"),
             QStringLiteral("Receive frequency of upper limit can't more than the highest of work frequency. ")},
            Titles::OperatePromptUpper};
}

Message UpperBelowLower()
{
    // Its English text is the lower limit's.
    return {{QStringLiteral("上限频率不可小于该频段下限频率"), LowerAboveUpper().text.eng}, Titles::OperatePromptUpper};
}

}  // namespace AdjEntryText
