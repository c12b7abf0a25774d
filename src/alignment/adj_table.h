#pragma once
// The alignment table AdjData as the alignment editor shows it, page by
// page: which cell each control shows and writes, the frequency points and
// squelch levels, the thirteen setting lists of row 8, the four band limits
// of row 9 (AdjLimitRow) and the texts the controls show of the cells.
//
//   row 0..3  transmit power, high and low, VHF and UHF points  pages 0, 1
//   row 4..7  squelch open value per level, compensation per point  page 2
//   row 8     the settings, one list per column 0..12            page 3
//   row 9     the band limits, three digit cells each (0..11)     page 4

#include "core/memory_image.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The pages of the editor (Page).
namespace AdjPage {
inline constexpr int TxpHigh = 0;   // rows 0 and 1 in Text1 and Text2
inline constexpr int TxpLow = 1;    // rows 2 and 3 in the same boxes
inline constexpr int Squelch = 2;   // rows 4 to 7
inline constexpr int Settings = 3;  // row 8
inline constexpr int Limits = 4;    // row 9
}  // namespace AdjPage

namespace AdjRow {
inline constexpr int SqlVhf = 4;
inline constexpr int SqlOffsetVhf = 5;
inline constexpr int SqlUhf = 6;
inline constexpr int SqlOffsetUhf = 7;
inline constexpr int Settings = 8;
// Default resets rows 0 to this one, columns 0..15.
inline constexpr int LastDefault = 15;
}  // namespace AdjRow

inline constexpr int kAdjPoints = 16;     // frequency points of a band, columns 0..15
inline constexpr int kAdjSqlLevels = 10;  // squelch levels 0..9
inline constexpr int kAdjValueCols = 16;  // columns 0..15: Default and the write

// The frequency point of column k (0..15), in MHz: VHF 130, 134, ..., 190;
// UHF 400, 406, ..., 490.
inline constexpr int kAdjVhfFirstPointMhz = 130;
inline constexpr int kAdjVhfPointStepMhz = 4;
inline constexpr int kAdjUhfFirstPointMhz = 400;
inline constexpr int kAdjUhfPointStepMhz = 6;
constexpr int AdjVhfPointMhz(int k)
{
    return kAdjVhfFirstPointMhz + kAdjVhfPointStepMhz * k;
}
constexpr int AdjUhfPointMhz(int k)
{
    return kAdjUhfFirstPointMhz + kAdjUhfPointStepMhz * k;
}
// A point label: "130MHZ".
QString AdjPointCaption(int mhz);

// The fixed bounds of a band in whole MHz (FreqMin, FreqMax).
struct AdjBandBounds {
    int min;
    int max;
};
inline constexpr int kAdjVhf = 0;
inline constexpr int kAdjUhf = 1;
inline constexpr std::array<AdjBandBounds, 2> kAdjBandBounds{{{130, 179}, {400, 520}}};

// ---- The point-value boxes of pages 0 to 2 ---------------------------------

enum class AdjBox { Text1, Text2, Text_SQ_VHF, Text_Sq_Offset_VHF, Text_SQ_UHF, Text_Sq_Offset_UHF };
inline constexpr std::array<AdjBox, 6> kAdjBoxes{AdjBox::Text1,       AdjBox::Text2,
                                                 AdjBox::Text_SQ_VHF, AdjBox::Text_Sq_Offset_VHF,
                                                 AdjBox::Text_SQ_UHF, AdjBox::Text_Sq_Offset_UHF};

struct AdjCell {
    int row;
    int col;
};

// How many boxes the array has (16 per point, 10 per squelch level).
int AdjBoxCount(AdjBox box);
// The largest value the box accepts (15, 100 or 10).
int AdjBoxMax(AdjBox box);
// The cell box `index` shows and writes while `page` is shown: Text1 row
// 2 * page and Text2 row 2 * page + 1 on pages 0 and 1 (none on another
// page), the squelch boxes their own rows on every page.
std::optional<AdjCell> AdjBoxCell(AdjBox box, int index, int page);
// What a point box shows of a cell: the value in decimal, no blanks ("12", "-1").
QString AdjPointText(int value);

// ---- The setting lists of page 3 (row 8) -----------------------------------

struct AdjSetting {
    int column;       // of row 8
    int lastValue;    // the list holds 0..lastValue, item index = value
    QString caption;  // the label beside the list, the same in both languages
};
// The thirteen settings by column 0..12.
const std::array<AdjSetting, 13>& AdjSettings();
// The order in which the lists are filled: by column.
inline constexpr std::array<int, 13> kAdjListFillOrder{0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
// The items of a list of values 0..lastValue: " 0", " 1", ...
QStringList AdjListItems(int lastValue);
// The item a list selects for a cell value: the value itself when it is an
// item, -1 (no selection) otherwise.
int AdjListIndexOf(int value, int lastValue);

// ---- The band limits of page 4 (row 9) -------------------------------------

// Each limit is a DigitLimit: three cells, hundreds, tens and units of MHz.
enum class AdjLimit { VhfLow, VhfHigh, UhfLow, UhfHigh };
inline constexpr std::array<AdjLimit, 4> kAdjLimits{AdjLimit::VhfLow, AdjLimit::VhfHigh, AdjLimit::UhfLow,
                                                    AdjLimit::UhfHigh};
inline constexpr int kAdjDigitsPerLimit = 3;

constexpr int AdjLimitFirstCol(AdjLimit limit)
{
    return kAdjDigitsPerLimit * static_cast<int>(limit);
}
constexpr int AdjLimitBand(AdjLimit limit)
{
    return static_cast<int>(limit) / 2;
}
constexpr bool AdjLimitIsLower(AdjLimit limit)
{
    return static_cast<int>(limit) % 2 == 0;
}
// 100 hundreds + 10 tens + units, whatever the cells hold.
int AdjLimitValue(AdjLimit limit, const AdjTable& table = AdjData);
// What the limit box shows: the value with one leading blank when it is not
// negative (" 130", "-5").
QString AdjLimitText(AdjLimit limit, const AdjTable& table = AdjData);

// ---- The pages and the tab strip -------------------------------------------

struct AdjPageInfo {
    int page;
    QString key;            // of its tab
    QString tabCaption;     // the same in both languages
    QString windowCaption;  // set by the page switch
    QString frameCaption;   // Frame_Frame's, set by the switch; empty: unchanged
};
// Pages 0 to 4 in tab order.
const std::array<AdjPageInfo, 5>& AdjPages();
// The page of a tab key, none for another key.
std::optional<int> AdjPageOfKey(const QString& key);

// Default: AdjDefault rows 0..15, columns 0..15, into the table; column 16
// and rows 16 to 32 keep what they hold.
void Adj_CopyDefaults(AdjTable& table = AdjData, const AdjTable& defaults = AdjDefault);
