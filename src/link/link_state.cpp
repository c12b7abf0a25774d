#include "link/link_state.h"

int CommPortNo = 0;
int PortError = 0;
std::array<std::uint8_t, 8> LinkOpenFrame{};

void BuildLinkOpenFrame()
{
    for (std::size_t i = 0; i < LinkOpenFrame.size(); ++i)
        LinkOpenFrame[i] = kLinkOpenFramePlaceholder[i];
}
