#pragma once
// The radio-wide settings of the options area and the mirror they go
// through. Each setting is one byte at 0x0E00 + index (OptData index), the
// 0-based position of an item in its list; the item texts are for display
// only. The table holds the 31 settings that have a list, in address order,
// which is the order the options window fills and shows them. The other
// bytes of 0x0E00..0x0E30 have no control (core/option_defaults.h writes
// their defaults, and the defaults of these settings too).

#include "core/language.h"
#include "core/memory_image.h"

#include <QStringList>
#include <vector>

struct OptSetting {
    int index;        // OptIdx_ constant: the OptData index, the offset from 0x0E00
    QString list;     // the Combo_ name of its list
    QString label;    // the Label_ name of its caption
    BiText caption;   // the label's caption
    QStringList eng;  // the items, index 0 first
    QStringList chn;  // the Chinese items; empty when they are the English ones

    // The items in the language LangChinese selects now.
    QStringList items() const;
};

// The 31 settings with a list, 0x0E00 first.
const std::vector<OptSetting>& OptSettings();

// The settings bytes a choice writes back from the mirror: 0x0E00..0x0E3F.
inline constexpr int kOptChoiceBytes = 64;

// Refresh, step 1: OptData 0..255 := the image bytes 0x0E00..0x0EFF.
void Opt_LoadMirror(const MemoryImage& image = Edata);

// A setting chosen: OptData(index) := item, then OptData 0..63 into the image
// bytes 0x0E00..0x0E3F (rows 224..227), and nothing else: the power-on
// message and the codes typed since the last refresh stay as the boxes
// stored them.
void Opt_StoreSetting(int index, int item, MemoryImage& image = Edata);

// The generated item texts: numbers from..to in decimal, without a leading
// zero; the channels "CH-000".."CH-199" (always 200, whatever the number of
// channel records).
QStringList NumberItems(int from, int to);
QStringList ChannelItems();
