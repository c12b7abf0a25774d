#include "link/reply_store.h"

QByteArray StoredReply::data() const
{
    if (!filled())
        return {};
    return raw.mid(dataStart);
}

void ReplyStore::set(int row, const StoredReply& reply)
{
    if (row < 0)
        return;
    if (row >= rowCount())
        rows_.resize(static_cast<std::size_t>(row) + 1);
    rows_[static_cast<std::size_t>(row)] = reply;
}

const StoredReply& ReplyStore::row(int row) const
{
    static const StoredReply empty;
    if (row < 0 || row >= rowCount())
        return empty;
    return rows_[static_cast<std::size_t>(row)];
}
