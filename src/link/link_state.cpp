#include "link/link_state.h"

int CommPortNo = 0;
int PortError = 0;
std::array<std::uint8_t, 8> LinkOpenFrame{};
std::uint8_t AddrHi = 0;
std::uint8_t AddrLo = 0;
std::array<std::uint8_t, kPassBlockBytes> PassBlock{};
int WritePhase = 0;
ReplyStore RxBlock;
ReplyStore RxBlock2;

void BuildLinkOpenFrame()
{
    for (std::size_t i = 0; i < LinkOpenFrame.size(); ++i)
        LinkOpenFrame[i] = kLinkOpenFramePlaceholder[i];
}
