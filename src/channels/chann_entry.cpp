#include "channels/chann_entry.h"

#include "core/freq_codec.h"
#include "core/model_bands.h"
#include "core/numbers.h"

namespace {

constexpr int kFreqChars = 9;     // "145.00000"
constexpr int kLowFreqChars = 8;  // "88.90000", below 100 MHz
constexpr double kThreeDigitMhz = 100;
constexpr double kBandHeadroomMhz = 1;

bool Blank(const QString& text)
{
    return TrimBlanks(text).isEmpty();
}

// PutFreq takes its text by reference and leaves the snapped value in it:
// the channel editor hands it a copy.
void StoreFreq(QString text, int r, int first, MemoryImage& image)
{
    PutFreq(text, ChannRecRow(r), first, image);
}

void ToneOff(int r, MemoryImage& image)
{
    image(ChannRecRow(r), ChannRec::TxTone) = kErased;
    image(ChannRecRow(r), ChannRec::TxTone + 1) = kErased;
}

// The cells an Enter preparation may change.
QStringList EnterCells(const ChannCells& cells, int r)
{
    return {cells.cell(r, ChannCol::RxFreq), cells.cell(r, ChannCol::TxFreq), cells.cell(r, ChannCol::TxTone)};
}

QString PaddedWithZeros(QString text, int length)
{
    while (text.size() < length)
        text += QLatin1Char('0');
    return text;
}

}  // namespace

bool ChannFreqAccepted(double f)
{
    if (f < BandVhfMin || f >= BandUhfMax + kBandHeadroomMhz)
        return false;
    return !(f >= BandVhfMax + kBandHeadroomMhz && f < BandUhfMin);
}

QString VhfLowLimitText()
{
    QString s = ShortestText(BandVhfMin);
    if (s.size() == 3)
        return PaddedWithZeros(s + QStringLiteral(".0"), kFreqChars);
    if (s.size() == 2)
        return PaddedWithZeros(s + QStringLiteral(".0"), kLowFreqChars);
    return s;
}

QString ChannCompletedFreq(const QString& typed, double f)
{
    // The numeric value ignores blanks, so the completed text drops them: a
    // stray blank must not let the zeros land in front of the point.
    QString s = typed;
    s.remove(QLatin1Char(' '));
    s = s.left(kFreqChars);
    // "145" and "14" get ".0" and then their zeros; a point for any other
    // text without one keeps the zeros behind it as well.
    if (!s.contains(QLatin1Char('.')))
        s += QLatin1Char('.');
    return PaddedWithZeros(s, f >= kThreeDigitMhz ? kFreqChars : kLowFreqChars);
}

namespace ChannEntryText {

Message RxOutOfRange()
{
    return {{QStringLiteral("接收频率超出范围 ！"), QStringLiteral("Over the range of receive frequency .")},
            Titles::OperatePromptLower};
}

Message TxBeforeRx()
{
    return {{QStringLiteral("请先输入接收频率 ！"), QStringLiteral("Please input the receive frequency in advance.")},
            Titles::OperatePromptLower};
}

Message TxOutOfRange()
{
    return {{QStringLiteral("发射频率超出范围 ！"), QStringLiteral("Over the range of transmit frequency .")},
            Titles::OperatePromptLower};
}

Message NameTooLong()
{
    return {
        {QStringLiteral("信道名称的字符个数最大为 6 位 ！"), QStringLiteral("The letter of channel name max 6 bit . ")},
        Titles::OperatePromptUpper};
}

}  // namespace ChannEntryText

EntryOutcome Chann_RxCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry, MemoryImage& image)
{
    EntryOutcome out;
    out.editorText = typed;
    // The RX cell shows the stored frequency: committed unchanged, it would
    // still make TX equal RX (a duplex or receive-only channel simplex).
    if (entry == CellEntry::ClickedThrough)
        return out;
    const double f = NumericValue(typed);
    if (!ChannFreqAccepted(f)) {
        if (Blank(typed)) {
            cells.setCell(r, ChannCol::RxFreq, QString());
            cells.setCell(r, ChannCol::TxFreq, QString());
            Chann_Delete(cells, r, image);
            Chann_Refresh(cells, r, image);
            return out;
        }
        out.message = ChannEntryText::RxOutOfRange();
        out.editorText = VhfLowLimitText();
        cells.setCell(r, ChannCol::RxFreq, out.editorText);
        if (ChannEmpty(r, image)) {
            Chann_Default(cells, r, image);
            StoreFreq(out.editorText, r, ChannRec::TxFreq, image);
        }
        // An existing channel keeps its TX frequency here.
        StoreFreq(out.editorText, r, ChannRec::RxFreq, image);
        Chann_RefreshEdited(cells, r, image);
        return out;
    }

    if (CellIsBlank(cells, r, ChannCol::RxFreq))
        Chann_Default(cells, r, image);
    cells.setCell(r, ChannCol::RxFreq, typed);
    // Every accepted RX entry makes the channel simplex; a TX frequency of
    // its own is typed afterwards.
    StoreFreq(typed, r, ChannRec::TxFreq, image);
    if (CellIsBlank(cells, r, ChannCol::TxFreq)) {
        cells.setCell(r, ChannCol::TxFreq, cells.cell(r, ChannCol::RxFreq));
        out.gridFocus = true;
    }
    StoreFreq(cells.cell(r, ChannCol::RxFreq), r, ChannRec::RxFreq, image);
    Chann_RefreshEdited(cells, r, image);
    return out;
}

EntryOutcome Chann_TxCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry, MemoryImage& image)
{
    EntryOutcome out;
    out.editorText = typed;
    // The TX cell of a receive-only channel shows nothing whatever bytes 5-7
    // and the TX tone hold, and a shown TX frequency would go back snapped
    // to the raster: committed unchanged, either would rewrite the record.
    if (entry == CellEntry::ClickedThrough)
        return out;
    if (CellIsBlank(cells, r, ChannCol::RxFreq) && !Blank(typed)) {
        out.message = ChannEntryText::TxBeforeRx();
        out.editorText.clear();
        return out;
    }
    const double f = NumericValue(typed);
    const int m = ChannRecRow(r);
    if (!ChannFreqAccepted(f)) {
        if (Blank(typed)) {
            // Receive-only: no TX frequency and no TX tone.
            cells.setCell(r, ChannCol::TxFreq, QString());
            cells.setCell(r, ChannCol::TxTone, QString());
            for (int b = ChannRec::TxFreq; b < ChannRec::TxFreq + 4; ++b)
                image(m, b) = kErased;
            ToneOff(r, image);
            Chann_RefreshEdited(cells, r, image);
            return out;
        }
        out.message = ChannEntryText::TxOutOfRange();
        out.editorText = VhfLowLimitText();
        cells.setCell(r, ChannCol::TxFreq, out.editorText);
        cells.setCell(r, ChannCol::TxTone, QStringLiteral("OFF"));
        StoreFreq(out.editorText, r, ChannRec::TxFreq, image);
        ToneOff(r, image);
        Chann_RefreshEdited(cells, r, image);
        return out;
    }
    cells.setCell(r, ChannCol::TxFreq, typed);
    StoreFreq(cells.cell(r, ChannCol::TxFreq), r, ChannRec::TxFreq, image);
    Chann_RefreshEdited(cells, r, image);
    return out;
}

EntryOutcome Chann_NameCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry, MemoryImage& image)
{
    EntryOutcome out;
    out.editorText = typed;
    // The name cell shows only the digits and capitals of the record: a
    // name in the radio's own codes shows blank after a redraw. Committed
    // unchanged, the cell would erase or cut the radio's name.
    if (entry == CellEntry::ClickedThrough)
        return out;
    if (TrimBlanks(typed).size() > ChannNameRec::NameLength)
        out.message = ChannEntryText::NameTooLong();
    // A row without a channel gets no name.
    if (CellIsBlank(cells, r, ChannCol::Band))
        out.editorText.clear();

    QString name = TrimBlanks(out.editorText).left(ChannNameRec::NameLength);
    // Character by character, so that the name keeps its length.
    for (QChar& ch : name)
        ch = ch.toUpper();
    name = TrimBlanks(name);
    cells.setCell(r, ChannCol::Name, name);

    const int n = ChannNameRow(r);
    for (int j = 0; j < ChannNameRec::NameLength; ++j) {
        const int code = j < name.size() ? name.at(j).unicode() : kErased;
        image(n, ChannNameRec::Name + j) = static_cast<std::int16_t>(IsNameChar(code) ? code : kErased);
    }
    // The cell keeps the text as entered until the row is next redrawn.
    return out;
}

EntryOutcome Chann_RxEnter(ChannCells& cells, int r, const QString& typed, MemoryImage& image)
{
    EntryOutcome out;
    const QStringList before = EnterCells(cells, r);
    const double f = NumericValue(typed);
    if (!ChannFreqAccepted(f) && !Blank(typed)) {
        out.message = ChannEntryText::RxOutOfRange();
        cells.setCell(r, ChannCol::RxFreq, VhfLowLimitText());
        if (ChannEmpty(r, image))
            Chann_Default(cells, r, image);
    } else if (!ChannFreqAccepted(f)) {
        cells.setCell(r, ChannCol::RxFreq, QString());
        cells.setCell(r, ChannCol::TxFreq, QString());
        // A blank RX deletes the channel; an empty row keeps its bytes.
        if (!ChannEmpty(r, image))
            Chann_Delete(cells, r, image);
    } else {
        if (CellIsBlank(cells, r, ChannCol::RxFreq))
            Chann_Default(cells, r, image);
        cells.setCell(r, ChannCol::RxFreq, ChannCompletedFreq(typed, f));
    }
    out.editorText = cells.cell(r, ChannCol::RxFreq);
    if (CellIsBlank(cells, r, ChannCol::TxFreq))
        cells.setCell(r, ChannCol::TxFreq, cells.cell(r, ChannCol::RxFreq));
    out.prepared = out.editorText != typed || EnterCells(cells, r) != before;
    return out;
}

EntryOutcome Chann_TxEnter(ChannCells& cells, int r, const QString& typed, MemoryImage& image)
{
    EntryOutcome out;
    const QStringList before = EnterCells(cells, r);
    const double f = NumericValue(typed);
    if (CellIsBlank(cells, r, ChannCol::RxFreq) && !Blank(typed)) {
        out.message = ChannEntryText::TxBeforeRx();
    } else if (!ChannFreqAccepted(f) && !Blank(typed)) {
        out.message = ChannEntryText::TxOutOfRange();
        cells.setCell(r, ChannCol::TxFreq, VhfLowLimitText());
        cells.setCell(r, ChannCol::TxTone, QStringLiteral("OFF"));
        ToneOff(r, image);
    } else if (Blank(typed)) {
        cells.setCell(r, ChannCol::TxFreq, QString());
        cells.setCell(r, ChannCol::TxTone, QString());
    } else {
        cells.setCell(r, ChannCol::TxFreq, ChannCompletedFreq(typed, f));
    }
    out.editorText = cells.cell(r, ChannCol::TxFreq);
    out.prepared = out.editorText != typed || EnterCells(cells, r) != before;
    return out;
}
