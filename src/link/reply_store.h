#pragma once
// The radio's block replies of one read, one row per block counter, as they
// came off the wire. A row is filled only with a reply the link has taken:
// whole, its 0x58 at index 0 or 1 and its address and length those of the
// request, so data() always holds the requested bytes.

#include <QByteArray>
#include <vector>

struct StoredReply {
    QByteArray raw;      // the reply's bytes: an optional leading byte, 0x58, hi, lo, n, n data bytes
    int dataStart = -1;  // index of the first data byte in raw; -1 while the row is empty
    int address = -1;    // the radio address of the first data byte

    bool filled() const { return dataStart >= 0; }
    // The n data bytes (empty for an empty row).
    QByteArray data() const;
};

class ReplyStore {
public:
    void clear() { rows_.clear(); }
    void set(int row, const StoredReply& reply);
    // An empty reply for a row that was never filled.
    const StoredReply& row(int row) const;
    int rowCount() const { return static_cast<int>(rows_.size()); }

private:
    std::vector<StoredReply> rows_;
};
