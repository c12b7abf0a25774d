#pragma once
// The memory image: the PC-side copy of the radio's configuration memory,
// and the radio address map.

#include <array>
#include <cstdint>

inline constexpr int kImageRows = 1025;  // rows 0..1024
inline constexpr int kRowBytes = 16;     // columns 0..15
inline constexpr int kErased = 0xFF;     // empty, unprogrammed byte

constexpr int RowOf(int address)
{
    return address / kRowBytes;
}
constexpr int ColumnOf(int address)
{
    return address % kRowBytes;
}

// 1025 rows of 16 elements; element (r, c) is the radio byte at address
// 16 r + c, so the image spans 0x0000..0x400F. Each element holds one byte
// value in a 16-bit integer.
class MemoryImage {
public:
    using Row = std::array<std::int16_t, kRowBytes>;

    MemoryImage() { fill(kErased); }

    std::int16_t& operator()(int row, int col) { return rows_[row][col]; }
    std::int16_t operator()(int row, int col) const { return rows_[row][col]; }

    Row& row(int r) { return rows_[r]; }
    const Row& row(int r) const { return rows_[r]; }

    void fill(int value);
    void fillRows(int firstRow, int lastRow, int value);

    // True when every element of rows first..last holds 0..255.
    bool rowsHoldBytes(int firstRow, int lastRow) const;

    bool operator==(const MemoryImage&) const = default;

private:
    std::array<Row, kImageRows> rows_;
};

// The one process-wide image.
extern MemoryImage Edata;

// A range of radio addresses that is one area of the image.
struct AreaSpan {
    int address;  // first radio address
    int rows;     // number of 16-byte rows
    constexpr int firstRow() const { return RowOf(address); }
    constexpr int lastRow() const { return firstRow() + rows - 1; }
    constexpr int baseHi() const { return address >> 8; }
};

// Radio address map.
namespace Area {
inline constexpr AreaSpan Chann{0x0000, 200};            // rows 0..199, ChannRec
inline constexpr AreaSpan OptSettings{0x0E00, 16};       // rows 224..239, OptData mirror
inline constexpr AreaSpan Vfo{0x0F00, 4};                // rows 240..243, VFO A and B
inline constexpr AreaSpan Opt{0x0E00, 32};               // rows 224..255, the options transfer
inline constexpr AreaSpan ChannName{0x1000, 200};        // rows 256..455, ChannNameRec
inline constexpr AreaSpan FiveToneTables{0x2000, 64};    // rows 512..575, four tone pages
inline constexpr AreaSpan FiveToneSettings{0x2400, 32};  // rows 576..607
inline constexpr AreaSpan FiveTone{0x2000, 96};          // rows 512..607, the five-tone write
inline constexpr AreaSpan Dtmf{0x2900, 32};              // rows 656..687
inline constexpr AreaSpan TwoTone{0x2D00, 48};           // rows 720..767
inline constexpr AreaSpan FmPage{0x3000, 16};            // rows 768..783
inline constexpr AreaSpan WholeRead{0x0000, 788};        // rows 0..787 kept by the whole-image read
inline constexpr AreaSpan WholeWrite{0x0000, 784};       // rows 0..783 sent by the whole-image write
inline constexpr AreaSpan Image{0x0000, kImageRows};     // rows 0..1024, the whole image (a ".dat" file)
}  // namespace Area

// Exchanged with the radio but never stored in the image.
inline constexpr int AdjLimitsBlockAddr = 0x3C80;   // 64-byte block read by the alignment editor
inline constexpr int AdjLimitsAddr = 0x3C90;        // 16 bytes written from AdjData row 9
inline constexpr int PassBlockAddr = 0x3DF0;        // the 16-byte password block
inline constexpr int PassDialogBlockAddr = 0x3DC0;  // the password dialog's 64-byte read

// The alignment table, held beside the image: 33 rows (quantities) by 17
// columns (frequency points or items).
inline constexpr int kAdjRows = 33;
inline constexpr int kAdjCols = 17;
inline constexpr int AdjLimitRow = 9;  // the band-limit row exchanged with 0x3C90

class AdjTable {
public:
    std::int16_t& operator()(int row, int col) { return cells_[row][col]; }
    std::int16_t operator()(int row, int col) const { return cells_[row][col]; }
    bool operator==(const AdjTable&) const = default;

private:
    std::array<std::array<std::int16_t, kAdjCols>, kAdjRows> cells_{};
};

extern AdjTable AdjData;
extern AdjTable AdjDefault;
