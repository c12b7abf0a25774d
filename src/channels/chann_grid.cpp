#include "channels/chann_grid.h"

#include "core/freq_codec.h"
#include "core/latin1.h"
#include "core/numbers.h"
#include "core/tone_list.h"

const BiText ChannGridFormat{
    QStringLiteral("^信道号|^ 工作频段 |^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT 编码|^发射功率|^信道带宽|"
                   "^PTT-ID|^繁忙锁定|^扫描添加|^信令码|^可选信令|^静音方式|^扰频|信 道 名 称"),
    QStringLiteral("^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |"
                   "^PTT-ID|^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name")};

namespace {

// The texts of the attribute cells by stored value; a value past the end of
// a list shows an empty cell.
const QStringList kSignalTexts{QStringLiteral("OFF"), QStringLiteral("DTMF"), QStringLiteral("2TONE"),
                               QStringLiteral("5TONE")};
const QStringList kSquelchTexts{QStringLiteral("QT"), QStringLiteral("AND"), QStringLiteral("OR")};
const QStringList kOffOn{QStringLiteral("OFF"), QStringLiteral("ON")};
const QStringList kPttIdTexts{QStringLiteral("OFF"), QStringLiteral("BOT"), QStringLiteral("EOT"),
                              QStringLiteral("BOTH")};
constexpr int kSigCodes = 15;  // stored 0..14, shown "1".."15"

QString FreqText(const MemoryImage& image, int row, int first)
{
    return BCDToFreq(image(row, first), image(row, first + 1), image(row, first + 2), image(row, first + 3));
}

void EmptyCells(ChannCells& cells, int r, int firstCol, int lastCol)
{
    for (int c = firstCol; c <= lastCol; ++c)
        cells.setCell(r, c, QString());
}

void EraseRecords(int r, MemoryImage& image)
{
    image.fillRows(ChannRecRow(r), ChannRecRow(r), kErased);
    image.fillRows(ChannNameRow(r), ChannNameRow(r), kErased);
}

}  // namespace

bool CellIsBlank(const ChannCells& cells, int row, int col)
{
    return TrimBlanks(cells.cell(row, col)).isEmpty();
}

QString ChannToneText(int lo, int hi, int col)
{
    const ToneWord word{lo, hi};
    if (ToneWordIsOff(word) || hi != 0)
        return ToneWordText(word);
    if (lo < 1 || lo > kDcsNumbers)
        return {};
    const QString entry = ToneList.value(lo + 50);
    return col == ChannCol::RxTone ? entry : TrimBlanks(entry);
}

QString ChannNameText(const MemoryImage& image, int nameRow)
{
    if (image(nameRow, ChannNameRec::Name) == kErased)
        return {};
    QString name;
    for (int i = 0; i < ChannNameRec::NameLength; ++i) {
        const int code = image(nameRow, ChannNameRec::Name + i);
        if (IsNameChar(code))
            name += ByteToChar(code);
    }
    return name;
}

bool ChannEmpty(int r, const MemoryImage& image)
{
    return image(ChannRecRow(r), ChannRec::RxFreq) == kErased;
}

void Chann_Show(ChannCells& cells, int r, const MemoryImage& image)
{
    using namespace ChannRec;
    if (ChannEmpty(r, image)) {
        EmptyCells(cells, r, ChannCol::Band, ChannCol::Scrambler);
        return;
    }
    const int m = ChannRecRow(r);
    cells.setCell(r, ChannCol::RxFreq, FreqText(image, m, RxFreq));
    cells.setCell(r, ChannCol::RxTone, ChannToneText(image(m, RxTone), image(m, RxTone + 1), ChannCol::RxTone));
    if (image(m, TxFreq) == kErased) {
        cells.setCell(r, ChannCol::TxFreq, QString());
        cells.setCell(r, ChannCol::TxTone, QString());
    } else {
        cells.setCell(r, ChannCol::TxFreq, FreqText(image, m, TxFreq));
        cells.setCell(r, ChannCol::TxTone, ChannToneText(image(m, TxTone), image(m, TxTone + 1), ChannCol::TxTone));
    }
    cells.setCell(r, ChannCol::Band, kBandCellText);

    const int sigCode = image(m, SigCode) & LowNibble;
    cells.setCell(r, ChannCol::SigCode, sigCode < kSigCodes ? QString::number(sigCode + 1) : QString());
    cells.setCell(r, ChannCol::OptSignal, kSignalTexts.value(image(m, Signal) & LowNibble));
    cells.setCell(r, ChannCol::SpMute, kSquelchTexts.value((image(m, Signal) & HighNibble) / 16));
    cells.setCell(r, ChannCol::Scrambler, kOffOn.value((image(m, Power) & HighNibble) / 16));
    cells.setCell(r, ChannCol::Power,
                  (image(m, Power) & PowerShown) == PowerLow ? QStringLiteral("LOW") : QStringLiteral("HIGH"));

    const int flags = image(m, Flags);
    cells.setCell(r, ChannCol::PttId, kPttIdTexts.value(flags & PttId));
    cells.setCell(r, ChannCol::ScanAdd, kOffOn.value((flags & ScanAdd) != 0 ? 1 : 0));
    cells.setCell(r, ChannCol::BusyLock, kOffOn.value((flags & BusyLock) != 0 ? 1 : 0));
    cells.setCell(r, ChannCol::Width, (flags & Narrow) != 0 ? QStringLiteral("N") : QStringLiteral("W"));
}

void Chann_Refresh(ChannCells& cells, int r, const MemoryImage& image)
{
    Chann_Show(cells, r, image);
    cells.setCell(r, ChannCol::Name, ChannEmpty(r, image) ? QString() : ChannNameText(image, ChannNameRow(r)));
}

void Chann_RefreshEdited(ChannCells& cells, int r, MemoryImage& image)
{
    if (ChannEmpty(r, image))
        Chann_Delete(cells, r, image);
    Chann_Refresh(cells, r, image);
}

void Chann_Default(ChannCells& cells, int r, MemoryImage& image)
{
    const QStringList texts{QStringLiteral("OFF"), QStringLiteral("OFF"), QStringLiteral("HIGH"), QStringLiteral("W"),
                            QStringLiteral("OFF"), QStringLiteral("OFF"), QStringLiteral("ON"),   QStringLiteral("1"),
                            QStringLiteral("OFF"), QStringLiteral("QT"),  QStringLiteral("OFF"),  QString()};
    for (int i = 0; i < texts.size(); ++i)
        cells.setCell(r, ChannCol::RxTone + i, texts[i]);
    const int m = ChannRecRow(r);
    for (int b = ChannRec::RxTone; b < ChannRec::Flags; ++b)
        image(m, b) = ChannRec::NewSettings;
    image(m, ChannRec::Flags) = ChannRec::NewFlags;
    image.fillRows(ChannNameRow(r), ChannNameRow(r), kErased);
}

void Chann_Delete(ChannCells& cells, int r, MemoryImage& image)
{
    cells.setCell(r, ChannCol::Band, QString());
    EmptyCells(cells, r, ChannCol::RxTone, ChannCol::Name);
    EraseRecords(r, image);
}

void Chann_Erase(ChannCells& cells, int r, MemoryImage& image)
{
    EmptyCells(cells, r, ChannCol::RxFreq, ChannCol::Name);
    EraseRecords(r, image);
}
