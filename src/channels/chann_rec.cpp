#include "channels/chann_rec.h"

int ChannCount = kChannels;
