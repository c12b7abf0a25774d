#pragma once
// Texts of the radio link.

#include "core/prompt.h"

// Which English form of the port-open error a window shows.
enum class PortErrorVariant {
    Short,  // "Communication Port Open Error ！", title "Operate Prompt"
    Long,   // "Communication port is error, please setting right communication port . ！", title "Operate prompt"
};

Message PortErrorMessage(PortErrorVariant variant);

namespace LinkText {

// Label_tr_count while the link-open frame and the handshake run.
extern const BiText Connecting;
// Label_tr_count during a read: "Reading 3 Data Block".
BiText ReadingBlock(int n);
// Label_tr_count during a write: "Writing  3  Data Block".
BiText WritingBlock(int n);
// Label_tr_count after the last retry failed.
extern const BiText CommFaultLabel;
// Status panel text of a failed identification or transfer ("联机故障 ！").
extern const BiText CommFaultPanel;
// Panel 3 of a failed start-up identification.
extern const BiText StatPanel;

// Read or Write (or another refused button) while the window's transfer runs.
Message Busy();
// The radio refused the typed password (reads and writes alike).
Message PasswordError();
// An editor's read is done ("Complete reading the data from transceiver.",
// title "Operate Prompt").
Message ReadDoneData();
// No answer after the last retry.
Message FailConnect();
// The start-up identification got no answer after its last retry.
Message StartupFailConnect();
// A window's Clear button while its transfer runs.
Message ClearWhileBusy();
// A window's Close button while its transfer runs ("... window. ,").
Message CloseWhileBusy();
// A window's unload while its transfer runs ("... window.,"); it closes all the same.
Message UnloadWhileBusy();
// A write refused because channel n (0..199, as the channel grid numbers it)
// has a receive or transmit frequency outside the band limits.
Message OutOfBand(int channel);

}  // namespace LinkText
