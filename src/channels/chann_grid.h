#pragma once
// The channel grid MSF_Chann as the channel routines see it: its columns and
// headers, the cells of a row, and the routines that show a channel in its
// row and start, delete or erase it. The grid is only a view: every routine
// reads and writes the records in the image directly.

#include "channels/chann_rec.h"
#include "core/language.h"

#include <QString>

inline constexpr int kChannCols = 16;

// Grid columns.
namespace ChannCol {
inline constexpr int Number = 0;  // "0".."199"
inline constexpr int Band = 1;    // "VHF/UHF " for every channel that is not empty
inline constexpr int RxFreq = 2;
inline constexpr int TxFreq = 3;
inline constexpr int RxTone = 4;
inline constexpr int TxTone = 5;
inline constexpr int Power = 6;
inline constexpr int Width = 7;
inline constexpr int PttId = 8;
inline constexpr int BusyLock = 9;
inline constexpr int ScanAdd = 10;
inline constexpr int SigCode = 11;
inline constexpr int OptSignal = 12;
inline constexpr int SpMute = 13;
inline constexpr int Scrambler = 14;
inline constexpr int Name = 15;
}  // namespace ChannCol

// The headers of the 16 columns, one piece per column ("^" centres it).
extern const BiText ChannGridFormat;

// The band text a channel's row shows (with its trailing blank).
inline const QString kBandCellText = QStringLiteral("VHF/UHF ");

// The cells of the grid, by grid row and column.
class ChannCells {
public:
    virtual ~ChannCells() = default;
    virtual QString cell(int row, int col) const = 0;
    virtual void setCell(int row, int col, const QString& text) = 0;
};

// A cell is blank when it holds nothing but blanks.
bool CellIsBlank(const ChannCells& cells, int row, int col);

// The text of a tone word in a tone cell: "OFF" for 00 00 and FF FF; a CTCSS
// tone in hertz ("88.5", "100.0"); a DCS code as its tone-list entry, with
// the entry's blanks in the RX tone column and without them in the TX tone
// column. A word that has no text (a CTCSS word whose high byte is 0x80 or
// more, a DCS number above 210) gives an empty cell.
QString ChannToneText(int lo, int hi, int col);

// The name a name record shows: the bytes 0..5 that are "0".."9" or "A".."Z",
// in order; empty when byte 0 is 0xFF.
QString ChannNameText(const MemoryImage& image, int nameRow);

// Each routine takes grid row r (1..ChannCount; the load also passes
// ChannCount + 1) and never moves the grid's current cell.

// A channel is empty when byte 0 of its main record is 0xFF; the rest of
// both records is then not looked at.
bool ChannEmpty(int r, const MemoryImage& image = Edata);

// The row's painting: it reads the image and stores nothing. Chann_Show
// redraws cells 1..14 of row r from the main record; an empty channel shows
// them blank, whatever its other bytes hold.
void Chann_Show(ChannCells& cells, int r, const MemoryImage& image = Edata);
// Chann_Show, then the name cell (column 15) from the name record; blank
// for an empty channel.
void Chann_Refresh(ChannCells& cells, int r, const MemoryImage& image = Edata);
// The redraw that ends an edit of row r: a channel the edit left empty is
// deleted (Chann_Delete: its leftover bytes go with it), then the row is
// shown. Only the edit paths call it.
void Chann_RefreshEdited(ChannCells& cells, int r, MemoryImage& image = Edata);
// Gives a channel that has just got its first frequency the settings of a
// new channel: cells 4..15, bytes 8..15 and a blank name record. Bytes 0..7
// and cells 1..3 are the caller's.
void Chann_Default(ChannCells& cells, int r, MemoryImage& image = Edata);
// Makes the channel empty: cell 1 and cells 4..15 emptied, both records all
// 0xFF. Cells 2 and 3 are the caller's.
void Chann_Delete(ChannCells& cells, int r, MemoryImage& image = Edata);
// Like Chann_Delete, but cells 2 and 3 are emptied too and the band cell
// keeps its text (the band was just chosen).
void Chann_Erase(ChannCells& cells, int r, MemoryImage& image = Edata);
