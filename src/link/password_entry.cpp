#include "link/password_entry.h"

#include "core/numbers.h"

#include <algorithm>

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7E;
constexpr std::uint8_t kBlank = 0x20;
constexpr std::uint8_t kErasedByte = 0xFF;

bool Printable(QChar ch)
{
    return ch.unicode() >= kFirstPrintable && ch.unicode() <= kLastPrintable;
}

QString PrintableOnly(const QString& text)
{
    QString kept;
    for (QChar ch : text) {
        if (Printable(ch))
            kept += ch;
    }
    return kept;
}

}  // namespace

QString PasswordBoxText(const QString& typed)
{
    const QString kept = PrintableOnly(typed);
    const QString trimmed = TrimBlanks(kept);
    if (trimmed.size() <= kPasswordLength)
        return kept;
    const qsizetype lead = kept.indexOf(trimmed);
    return kept.left(lead) + trimmed.left(kPasswordLength);
}

PasswordCodes PasswordCodesOf(const QString& text)
{
    PasswordCodes codes;
    codes.fill(kBlank);
    const QString trimmed = TrimBlanks(PrintableOnly(text));
    const int n = std::min<int>(static_cast<int>(trimmed.size()), kPasswordLength);
    for (int i = 0; i < n; ++i)
        codes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(trimmed.at(i).unicode());
    return codes;
}

bool PasswordAccepted(const std::array<std::uint8_t, kPassBlockBytes>& block, const PasswordCodes& typed)
{
    const auto first = block.begin();
    const auto second = block.begin() + kPasswordLength;
    const auto end2 = second + kPasswordLength;
    const bool allBlank = std::all_of(first, second, [](std::uint8_t b) { return b == kBlank; });
    const bool allErased = std::all_of(first, second, [](std::uint8_t b) { return b == kErasedByte; });
    if (allBlank || allErased)
        return true;
    if (std::equal(first, second, typed.begin()))
        return true;
    return std::equal(second, end2, typed.begin());
}
