#pragma once
// Every time and count of the radio link, named once.

// A frame's first byte leaves this long after the frame is handed to the sender.
inline constexpr int kSendDelayMs = 15;
// The radio must have answered this long after the last byte of a frame.
inline constexpr int kReplyTimeoutMs = 1000;

// The radio needs a short rest after some acknowledgements. The rests are
// reckoned in busy-loop steps (40000, 4000, 80000), whose length would
// depend on the machine; these are fixed durations in their place.
// After the identification reply (editors, whole-image read):
inline constexpr int kPauseOf40000StepsMs = 20;
// After the password reply; after the identification in the whole-image write:
inline constexpr int kPauseOf4000StepsMs = 2;
// After the password dialog's block read:
inline constexpr int kPauseOf80000StepsMs = 40;

// The main window's identification: one byte per tick, two retries.
inline constexpr int kIdentifyByteMs = 15;
inline constexpr int kIdentifyRetries = 2;
inline constexpr int kIdentifyRetryDelayMs = 1500;

// The transfer windows' usual retry count and delay.
inline constexpr int kEditorRetries = 3;
inline constexpr int kEditorRetryDelayMs = 3000;
