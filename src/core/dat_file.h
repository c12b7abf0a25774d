#pragma once
// The ".dat" image file: the whole memory image as 1025 text lines, one per
// row, each of 19 numbers: the page (row div 16), the row within the page,
// the row, then the 16 bytes of the row. Every number is written with a sign
// position (a blank, or "-") and one blank after it; every line ends in CR LF.
//
// The reader is tolerant of the layout: any run of blanks, tabs, commas and
// line ends separates two fields, lines need not match rows, the first three
// fields of a row are not checked, and whatever follows the 19,475th field is
// ignored. It is strict about the content: the file must give 19,475 whole
// numbers and every byte field must lie in 0..255. A file that does not is
// refused as a whole and the image stays exactly as it was.

#include "core/memory_image.h"
#include "core/prompt.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

inline constexpr int kDatRowFields = 3;                              // page, row in page, row
inline constexpr int kDatFieldsPerLine = kDatRowFields + kRowBytes;  // 19
inline constexpr int kDatFields = kImageRows * kDatFieldsPerLine;    // 19,475

namespace DatTexts {
inline const BiText LoadFailed{QStringLiteral("参数从文件调入失败，文件无效或无法读取 ！"),
                               QStringLiteral("Fail fold the parameter from file, the file is nullity or unreadable.")};
inline const BiText SaveFailed{QStringLiteral("参数保存失败，文件无法写入 ！"),
                               QStringLiteral("Fail storing the parameter, the file can not be written.")};
}  // namespace DatTexts

// What a load or a save came to: nothing to report, or the message the
// dialog shows (title "Operate prompt" / "操作提示", exclamation icon).
struct DatResult {
    std::optional<Message> error;
    bool ok() const { return !error.has_value(); }
};

// The text of one row's line, CR LF included.
QByteArray DatLine(const MemoryImage& image, int row);

// The whole file: the lines of rows 0..1024.
QByteArray DatFileText(const MemoryImage& image = Edata);

// Reads the fields of a file fed in pieces of any size. After finish() (or
// as soon as the 19,475th field has been read) it is done or it has failed;
// once done, image() holds every row of the file.
class DatReader {
public:
    void feed(QByteArrayView chunk);
    void finish();

    bool done() const { return fields_ == kDatFields; }
    bool failed() const { return !problem_.isEmpty(); }
    int fieldsRead() const { return fields_; }
    // Why the file was refused, for diagnostics (empty while not failed).
    QString problem() const { return problem_; }
    const MemoryImage& image() const { return image_; }

private:
    void endField();
    void fail(const QString& why);

    MemoryImage image_;
    int fields_ = 0;
    int line_ = 1;
    bool inField_ = false;
    bool negative_ = false;
    bool signSeen_ = false;
    int digits_ = 0;
    int value_ = 0;  // stops growing beyond what a byte check needs
    QString problem_;
};

// Replaces every row of the image with the rows of the text, and every
// window that shows rows of it paints them (core/shown_rows.h); or leaves the
// image as it was and returns the load-failure message.
DatResult ReadDatText(QByteArrayView text, MemoryImage& image = Edata);

// The same for a file. A missing, unreadable or empty file, a directory or
// anything else that is not a regular file (a named pipe, a device) is
// refused like a malformed one. Diagnostics go to the log.
DatResult LoadDatFile(const QString& path, MemoryImage& image = Edata);

// Writes the image to the file through a temporary file that replaces the old
// one only once it is complete, so a failed save leaves the old file as it
// was. A failure returns the save-failure message.
DatResult SaveDatFile(const QString& path, const MemoryImage& image = Edata);
