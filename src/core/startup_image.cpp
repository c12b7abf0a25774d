#include "core/startup_image.h"

#include "core/adjust_defaults.h"
#include "core/dtmf_defaults.h"
#include "core/five_tone_defaults.h"
#include "core/fm_defaults.h"
#include "core/option_defaults.h"
#include "core/two_tone_defaults.h"

void BuildStartupImage()
{
    Edata.fill(kErased);
    FM_Defaults(Edata);
    Option_Defaults(Edata);
    Dtmf_Defaults(Edata);
    TwoTone_Defaults(Edata);
    FiveTone_Defaults(Edata);
    Adjust_Defaults(AdjDefault);
    CopyAdjDefaults(AdjData, AdjDefault);
}
