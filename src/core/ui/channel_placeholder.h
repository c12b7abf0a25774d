#pragma once
// Stands in for the channel editor until it is built: a child window that
// opens where the channel editor opens and sets the band limits its load sets.

#include "platform/window.h"


class ChannelPlaceholder final : public Window {
public:
    ChannelPlaceholder();

protected:
    void Form_Load() override;
};
