#pragma once
// The options area: the OptData mirror, the option index table and the defaults.

// Sets every OptIdx_ constant (start-up, before anything indexes OptData).
void InitOptionOffsets();
