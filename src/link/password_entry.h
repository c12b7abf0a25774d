#pragma once
// The read/write password: what a password box lets in, the codes a
// transfer checks, and the radio's accept rule.

#include "link/link_state.h"

#include <QString>
#include <array>
#include <cstdint>

using PasswordCodes = std::array<std::uint8_t, kPasswordLength>;

// The read/write password every editor's password box and the whole-image
// read dialog hold when they open (the write dialog holds its own). It
// counts as typed: a transfer started before the box changes checks it.
inline const QString kPresetPassword = QStringLiteral("583920");

// A password box takes only printable ASCII (blank to "~") and at most six
// characters between its leading and trailing blanks. Returns the text the
// box keeps of what was typed: other characters dropped, the part after the
// sixth character cut off.
QString PasswordBoxText(const QString& typed);

// The six codes of a password text: the text without leading and trailing
// blanks, its first six characters as their codes (an inner blank is 0x20),
// blank padded. Characters a password box never lets in are left out.
PasswordCodes PasswordCodesOf(const QString& text);

// The radio's accept rule: password 1 (block bytes 0..5) all blanks or all
// 0xFF means no password, any typed one is accepted; otherwise the typed
// codes must equal password 1 or password 2 (bytes 6..11).
bool PasswordAccepted(const std::array<std::uint8_t, kPassBlockBytes>& block, const PasswordCodes& typed);
