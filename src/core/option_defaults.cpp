#include "core/option_defaults.h"

void InitOptionOffsets()
{
}
