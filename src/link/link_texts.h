#pragma once
// Texts of the radio link.

#include "core/prompt.h"

// Which English form of the port-open error a window shows.
enum class PortErrorVariant {
    Short,  // "Communication Port Open Error ！", title "Operate Prompt"
    Long,   // "Communication port is error, please setting right communication port . ！", title "Operate prompt"
};

Message PortErrorMessage(PortErrorVariant variant);
