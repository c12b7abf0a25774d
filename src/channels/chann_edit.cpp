#include "channels/chann_edit.h"

#include "core/numbers.h"

namespace {

constexpr double kLowestTypedTone = 60.0;
constexpr double kHighestTypedTone = 259.9;

QStringList ToneItems()
{
    QStringList items;
    items.reserve(kToneCount);
    for (const QString& entry : ToneList)
        items << TrimBlanks(entry);
    return items;
}

QStringList SigCodeItems()
{
    QStringList items;
    for (int i = 1; i <= 15; ++i)
        items << QString::number(i);
    return items;
}

void StoreToneWord(int r, int col, ToneWord word, MemoryImage& image)
{
    const int m = ChannRecRow(r);
    const int first = col == ChannCol::RxTone ? ChannRec::RxTone : ChannRec::TxTone;
    image(m, first) = static_cast<std::int16_t>(word.lo);
    image(m, first + 1) = static_cast<std::int16_t>(word.hi);
    if (col == ChannCol::RxTone) {
        // The TX tone follows the RX tone.
        image(m, ChannRec::TxTone) = image(m, ChannRec::RxTone);
        image(m, ChannRec::TxTone + 1) = image(m, ChannRec::RxTone + 1);
    }
}

// Replaces the bits of `mask` in image(m, byte) with `bits`.
void StoreBits(MemoryImage& image, int m, int byte, int mask, int bits)
{
    image(m, byte) = static_cast<std::int16_t>((image(m, byte) & ~mask & 0xFF) | bits);
}

}  // namespace

ChannEditor Chann_EditorFor(const ChannCells& cells, int r, int col)
{
    if (r < 1 || r > ChannCount)
        return ChannEditor::None;
    switch (col) {
    case ChannCol::Band:
        return ChannEditor::List;
    case ChannCol::RxFreq:
    case ChannCol::TxFreq:
    case ChannCol::Name:
        return ChannEditor::Text;
    default:
        break;
    }
    if (col < ChannCol::RxTone || col > ChannCol::Scrambler || CellIsBlank(cells, r, ChannCol::Band))
        return ChannEditor::None;
    if (col == ChannCol::TxTone && CellIsBlank(cells, r, ChannCol::RxFreq))
        return ChannEditor::HideBoth;
    return ChannEditor::List;
}

QStringList ChannColumnItems(int col)
{
    const QString off = QStringLiteral("OFF");
    const QString on = QStringLiteral("ON");
    switch (col) {
    case ChannCol::Band:
        return {QStringLiteral("VHF/UHF")};
    case ChannCol::RxTone:
    case ChannCol::TxTone:
        return ToneItems();
    case ChannCol::Power:
        return {QStringLiteral("HIGH"), QStringLiteral("LOW")};
    case ChannCol::Width:
        return {QStringLiteral("W"), QStringLiteral("N")};
    case ChannCol::PttId:
        return {off, QStringLiteral("BOT"), QStringLiteral("EOT"), QStringLiteral("BOTH")};
    case ChannCol::BusyLock:
    case ChannCol::ScanAdd:
    case ChannCol::Scrambler:
        return {off, on};
    case ChannCol::SigCode:
        return SigCodeItems();
    case ChannCol::OptSignal:
        return {off, QStringLiteral("DTMF"), QStringLiteral("2TONE"), QStringLiteral("5TONE")};
    case ChannCol::SpMute:
        return {QStringLiteral("QT"), QStringLiteral("AND"), QStringLiteral("OR")};
    default:
        return {};
    }
}

ToneWord ChannToneItemWord(int item)
{
    return ToneIndexToWord(item);
}

void Chann_StoreChoice(ChannCells& cells, int r, int col, int item, MemoryImage& image)
{
    using namespace ChannRec;
    if (col < ChannCol::RxTone || col > ChannCol::Scrambler || item < 0
        || item >= static_cast<int>(ChannColumnItems(col).size()))
        return;
    const int m = ChannRecRow(r);
    switch (col) {
    case ChannCol::RxTone:
        StoreToneWord(r, col, ChannToneItemWord(item), image);
        Chann_RefreshEdited(cells, r, image);
        break;
    case ChannCol::TxTone:
        StoreToneWord(r, col, ChannToneItemWord(item), image);
        break;
    case ChannCol::Power:
        StoreBits(image, m, Power, PowerStored, item);
        break;
    case ChannCol::Width:
        StoreBits(image, m, Flags, Narrow, item == 0 ? 0 : Narrow);
        break;
    case ChannCol::PttId:
        StoreBits(image, m, Flags, PttId, item);
        break;
    case ChannCol::BusyLock:
        StoreBits(image, m, Flags, BusyLock, item == 0 ? 0 : BusyLock);
        break;
    case ChannCol::ScanAdd:
        StoreBits(image, m, Flags, ScanAdd, item == 0 ? 0 : ScanAdd);
        break;
    case ChannCol::SigCode:
        StoreBits(image, m, SigCode, LowNibble, item);
        break;
    case ChannCol::OptSignal:
        StoreBits(image, m, Signal, LowNibble, item);
        break;
    case ChannCol::SpMute:
        StoreBits(image, m, Signal, HighNibble, 16 * item);
        break;
    case ChannCol::Scrambler:
        StoreBits(image, m, Power, HighNibble, 16 * item);
        break;
    default:
        break;
    }
}

void Chann_BandCommit(ChannCells& cells, int r, const QString& editorText, MemoryImage& image)
{
    if (TrimBlanks(cells.cell(r, ChannCol::Band)) != TrimBlanks(editorText))
        Chann_Erase(cells, r, image);
    cells.setCell(r, ChannCol::Band, editorText);
}

bool Chann_StoreTypedTone(ChannCells& cells, int r, int col, const QString& text, MemoryImage& image)
{
    const double f = NumericValue(text);
    if (f < kLowestTypedTone || f > kHighestTypedTone)
        return false;
    QString shown = ShortestText(f);
    if (f == IntFloor(f))
        shown += QStringLiteral(".0");
    cells.setCell(r, col, shown);
    const int w = static_cast<int>(RoundHalfEven(f * 10));
    StoreToneWord(r, col, ToneWord{w % 256, w / 256}, image);
    Chann_RefreshEdited(cells, r, image);
    return true;
}

int ChannItemIndex(const QStringList& items, const QString& text)
{
    for (int i = 0; i < items.size(); ++i) {
        if (TrimBlanks(items[i]) == text)
            return i;
    }
    return -1;
}

int ChannToneKey(int key)
{
    if ((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I' || key == 13)
        return key;
    if (key == 'd' || key == 'n' || key == 'i')
        return key - 'a' + 'A';
    return 0;
}

ChannOpenCell::ChannOpenCell()
    : OpenCell([](int r) {
          return std::vector<int>{ChannRecRow(r), ChannNameRow(r)};
      })
{
}
