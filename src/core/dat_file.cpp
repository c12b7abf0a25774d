#include "core/dat_file.h"

#include "core/numbers.h"
#include "core/shown_rows.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>

namespace {

constexpr int kValueCap = 100000;  // beyond any field value that is checked
constexpr qint64 kReadChunk = 64 * 1024;

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n';
}

void AppendField(QByteArray& line, int value)
{
    line += SignedText(value).toLatin1();
    line += ' ';
}

Message FailureMessage(const BiText& text)
{
    return Message{text, Titles::OperatePromptLower, MessageIcon::Exclamation};
}

DatResult LoadFailed(const QString& path, const QString& why)
{
    qWarning("Cannot load the image file %s: %s", qUtf8Printable(path), qUtf8Printable(why));
    return DatResult{FailureMessage(DatTexts::LoadFailed)};
}

DatResult SaveFailed(const QString& path, const QString& why)
{
    qWarning("Cannot save the image file %s: %s", qUtf8Printable(path), qUtf8Printable(why));
    return DatResult{FailureMessage(DatTexts::SaveFailed)};
}

// Every row of the image is replaced by the file's: the windows paint them.
void TakeImage(const DatReader& reader, MemoryImage& image)
{
    const RowsReplacement replacing({Area::Image}, image);
    image = reader.image();
}

}  // namespace

QByteArray DatLine(const MemoryImage& image, int row)
{
    QByteArray line;
    line.reserve(kDatFieldsPerLine * 6 + 2);
    AppendField(line, row / 16);
    AppendField(line, row - 16 * (row / 16));
    AppendField(line, row);
    for (int c = 0; c < kRowBytes; ++c)
        AppendField(line, image(row, c));
    line += "\r\n";
    return line;
}

QByteArray DatFileText(const MemoryImage& image)
{
    QByteArray text;
    text.reserve(kImageRows * 96);
    for (int r = 0; r < kImageRows; ++r)
        text += DatLine(image, r);
    return text;
}

void DatReader::feed(QByteArrayView chunk)
{
    for (char c : chunk) {
        if (done() || failed())
            return;
        if (IsSeparator(c)) {
            if (inField_)
                endField();
            if (c == '\n')
                ++line_;
            continue;
        }
        if (!inField_) {
            inField_ = true;
            negative_ = false;
            signSeen_ = false;
            digits_ = 0;
            value_ = 0;
        }
        if ((c == '-' || c == '+') && !signSeen_ && digits_ == 0) {
            signSeen_ = true;
            negative_ = c == '-';
        } else if (c >= '0' && c <= '9') {
            ++digits_;
            value_ = qMin(value_ * 10 + (c - '0'), kValueCap);
        } else {
            fail(QStringLiteral("line %1: field %2 is not a whole number").arg(line_).arg(fields_ + 1));
        }
    }
}

void DatReader::finish()
{
    if (done() || failed())
        return;
    if (inField_)
        endField();
    if (!done() && !failed())
        fail(QStringLiteral("the file ends after %1 of %2 fields").arg(fields_).arg(kDatFields));
}

void DatReader::endField()
{
    inField_ = false;
    if (digits_ == 0) {
        fail(QStringLiteral("line %1: field %2 is not a whole number").arg(line_).arg(fields_ + 1));
        return;
    }
    const int row = fields_ / kDatFieldsPerLine;
    const int pos = fields_ % kDatFieldsPerLine;
    if (pos >= kDatRowFields) {
        if ((negative_ && value_ != 0) || value_ > 0xFF) {
            fail(QStringLiteral("line %1: field %2 (row %3, byte %4) is %5%6, not a byte value")
                     .arg(line_)
                     .arg(fields_ + 1)
                     .arg(row)
                     .arg(pos - kDatRowFields)
                     .arg(negative_ ? QStringLiteral("-") : QString())
                     .arg(value_ >= kValueCap ? QStringLiteral("a large number") : QString::number(value_)));
            return;
        }
        image_(row, pos - kDatRowFields) = static_cast<std::int16_t>(value_);
    }
    ++fields_;
}

void DatReader::fail(const QString& why)
{
    problem_ = why;
}

DatResult ReadDatText(QByteArrayView text, MemoryImage& image)
{
    DatReader reader;
    reader.feed(text);
    reader.finish();
    if (reader.failed())
        return DatResult{FailureMessage(DatTexts::LoadFailed)};
    TakeImage(reader, image);
    return {};
}

DatResult LoadDatFile(const QString& path, MemoryImage& image)
{
    if (path.isEmpty())
        return LoadFailed(path, QStringLiteral("no file name"));
    // Only a regular file: opening a named pipe would wait for a writer,
    // and a device or a directory is no image file.
    const QFileInfo info(path);
    if (info.isDir())
        return LoadFailed(path, QStringLiteral("it is a directory"));
    if (info.exists() && !info.isFile())
        return LoadFailed(path, QStringLiteral("it is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadFailed(path, file.errorString());

    DatReader reader;
    QByteArray chunk(kReadChunk, Qt::Uninitialized);
    while (!reader.done() && !reader.failed()) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            return LoadFailed(path, file.errorString());
        if (n == 0) {
            reader.finish();
            break;
        }
        reader.feed(QByteArrayView(chunk.constData(), n));
    }
    if (reader.failed())
        return LoadFailed(path, reader.problem());
    TakeImage(reader, image);
    return {};
}

DatResult SaveDatFile(const QString& path, const MemoryImage& image)
{
    if (path.isEmpty())
        return SaveFailed(path, QStringLiteral("no file name"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailed(path, file.errorString());
    const QByteArray text = DatFileText(image);
    if (file.write(text) != text.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return SaveFailed(path, why);
    }
    if (!file.commit())
        return SaveFailed(path, file.errorString());
    return {};
}
