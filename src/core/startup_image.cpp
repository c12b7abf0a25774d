#include "core/startup_image.h"

void BuildStartupImage()
{
    Edata.fill(kErased);
}
