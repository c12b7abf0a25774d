#include "core/painting.h"

namespace {
int Depth = 0;  // paintings under way
}

Painting::Painting()
{
    ++Depth;
}

Painting::~Painting()
{
    --Depth;
}

bool Painting::underWay()
{
    return Depth > 0;
}
