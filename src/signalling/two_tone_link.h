#pragma once
// The two-tone editor's own transfer: start 0x2D00 for reads and writes, 12
// blocks of 64 bytes read into RxBlock rows 2..13 and from there into image
// rows 720..767, 48 frames written from those rows (the bytes that carry no
// setting included); 3 retries 3000 ms apart, the short port-error text,
// the write label one below the frames acknowledged, and the completion
// texts it shares with the five-tone editor.

#include "link/transfer_engine.h"

#include <functional>

// The 64-byte blocks of a two-tone read: the whole area.
inline constexpr int kTwoToneReadBlocks = Area::TwoTone.rows * kRowBytes / kBlockBytes;  // 12

// TwoTone_FromBlocks: the twelve stored replies, RxBlock rows 2..13 (the
// block at 0x2D00 + 64 * (row - 2)), into image rows 720..767.
inline constexpr KeptBlocks TwoTone_FromBlocks{false, 2, kTwoToneReadBlocks, Area::TwoTone.firstRow()};

// The engine's parameters for the two-tone window; afterRead is the
// window's display routine, run once TwoTone_FromBlocks has put the blocks
// into the image.
TransferParams TwoToneTransferParams(std::function<void()> afterRead = {});
