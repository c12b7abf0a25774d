#pragma once
// The three typed columns of the channel grid: the receive and transmit
// frequencies (columns 2 and 3) and the name (column 15). What leaving such
// a cell stores, the band test and the replacement of a rejected frequency,
// and the Enter key of the text editor, which prepares the typed text before
// the move that commits it.
//
// Each routine works on the cells and the image only and returns what the
// window must do afterwards: the text its editor holds, whether the grid
// takes the focus, and the message to show once every change is made.

#include "channels/chann_grid.h"
#include "core/open_cell.h"
#include "core/prompt.h"

#include <optional>

// The band test of a typed frequency f (MHz) against the working band limits
// (model_bands.h): each band reaches from its low limit up to, but not
// including, its high limit plus one megahertz.
bool ChannFreqAccepted(double f);

// The text that replaces every rejected frequency: the VHF low limit in its
// shortest form, completed to five decimals when it is a whole number of two
// or three digits ("140.00000"; 136.5 stays "136.5").
QString VhfLowLimitText();

// The text the Enter key leaves in a frequency cell for an accepted value f:
// the typed text without its blanks, cut to 9 characters, with a point when
// it has none, padded with "0" to 9 characters (8 below 100 MHz). "145"
// becomes "145.00000", "438.5" "438.50000", "145 " "145.00000".
QString ChannCompletedFreq(const QString& typed, double f);

// The messages of the typed columns.
namespace ChannEntryText {
Message RxOutOfRange();
Message TxBeforeRx();
Message TxOutOfRange();
Message NameTooLong();
}  // namespace ChannEntryText

struct EntryOutcome {
    // The text the editor holds after the routine (the commits clear it
    // afterwards all the same).
    QString editorText;
    // The grid takes the focus (a new channel's TX cell was filled), when
    // the commit is the leave of the cell.
    bool gridFocus = false;
    // Shown by the window after every change has been made.
    std::optional<Message> message;
    // Enter: the preparation changed a cell of the row or the editor's
    // text, so the commit of the move must store it even when nothing was
    // typed (an untouched RX cell over an empty TX cell fills the TX cell).
    bool prepared = false;
};

// The commits of leaving a cell of row r whose editor held `typed`. Each
// stores nothing for a cell only clicked through (`CellEntry`; an Enter
// preparation that changed the row counts as typing), blank or not: its
// text is only what the grid shows of the records.
// RX: a blank text deletes the channel; a rejected one is reported and
// replaced by the VHF low limit (an empty channel gets the new-channel
// settings first); an accepted one starts a channel in a blank row and sets
// both RX and TX.
EntryOutcome Chann_RxCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry,
                            MemoryImage& image = Edata);
// TX: refused while the RX cell is blank; a blank text makes the channel
// receive-only; a rejected one is reported and replaced by the VHF low
// limit with the TX tone off; an accepted one is stored.
EntryOutcome Chann_TxCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry,
                            MemoryImage& image = Edata);
// Name: reported when longer than six characters; a row without a channel
// gets no name; the first six characters in capitals go into the name
// record, digits and capital letters at their places, 0xFF elsewhere. A
// typed blank name erases the name.
EntryOutcome Chann_NameCommit(ChannCells& cells, int r, const QString& typed, CellEntry entry,
                              MemoryImage& image = Edata);

// Enter in the RX or TX cell of row r with `typed` in the editor: prepares
// the cells (and, for a rejected or new entry, the record) so that the
// commit of the move that follows stores the prepared editorText; prepared
// tells whether that commit has anything to store beyond what was typed.
EntryOutcome Chann_RxEnter(ChannCells& cells, int r, const QString& typed, MemoryImage& image = Edata);
EntryOutcome Chann_TxEnter(ChannCells& cells, int r, const QString& typed, MemoryImage& image = Edata);
