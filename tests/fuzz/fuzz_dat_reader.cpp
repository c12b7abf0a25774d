// libFuzzer target for the ".dat" reader: whatever the bytes, the reader
// either replaces the whole image with byte values or leaves it exactly as
// it was, never reads or writes out of bounds, and gives the same answer
// however the file is cut into pieces. What it accepts saves and loads back
// unchanged.

#include "core/dat_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const MemoryImage& ImageBefore()
{
    static const MemoryImage image = [] {
        MemoryImage m;
        for (int r = 0; r < kImageRows; ++r) {
            for (int c = 0; c < kRowBytes; ++c)
                m(r, c) = static_cast<std::int16_t>((31 * r + 7 * c) % 256);
        }
        return m;
    }();
    return image;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    MemoryImage image = ImageBefore();
    const DatResult result = ReadDatText(text, image);

    // The same bytes in two pieces, cut where the first byte says.
    const qsizetype cut = size == 0 ? 0 : static_cast<qsizetype>(data[0] * size / 256);
    DatReader reader;
    reader.feed(text.first(cut));
    reader.feed(text.sliced(cut));
    reader.finish();
    Check(reader.done() == result.ok());
    Check(reader.failed() != result.ok());

    if (!result.ok()) {
        Check(image == ImageBefore());
        Check(result.error->text == DatTexts::LoadFailed);
        return 0;
    }
    Check(image == reader.image());
    Check(image.rowsHoldBytes(0, kImageRows - 1));

    MemoryImage again = ImageBefore();
    Check(ReadDatText(DatFileText(image), again).ok());
    Check(again == image);
    return 0;
}
