#pragma once
// The five-tone editor's own transfer. Its read fetches only the settings,
// 8 blocks of 64 bytes from 0x2400 into image rows 576..607; its write
// sends the whole area, 96 frames from 0x2000 carrying rows 512..607 as the
// image holds them (the tone tables are not rebuilt first). 3 retries 3000 ms
// apart, the short port-error text, the write label one below the frames
// acknowledged, the signalling editors' completion texts, and the failure
// message with the bar at 0 and "Communication fault.".

#include "link/transfer_engine.h"

#include <functional>

// The 64-byte blocks of a five-tone read: the settings part of the area.
inline constexpr int kFiveToneReadBlocks = Area::FiveToneSettings.rows * kRowBytes / kBlockBytes;  // 8

// FiveTone_FromBlocks: the eight stored replies, RxBlock rows 2..9 (the block
// at 0x2400 + 64 * (row - 2)), into image rows 576..607.
inline constexpr KeptBlocks FiveTone_FromBlocks{false, 2, kFiveToneReadBlocks, Area::FiveToneSettings.firstRow()};

// The engine's parameters for the five-tone window; afterRead is the
// window's painting (FiveTone_Show), run once FiveTone_FromBlocks has put the
// blocks into the image.
TransferParams FiveToneTransferParams(std::function<void()> afterRead = {});
