#pragma once
// The default DTMF settings (0x2900..0x2AFF, image rows 656..687).

#include "core/memory_image.h"

// Every byte of the area 0xFF, then the encode codes 1 and 15, the send
// timing, the inspection, monitor, alarm, stun, kill and revive codes, the
// master and vice control IDs and the control record.
void Dtmf_Defaults(MemoryImage& image = Edata);
