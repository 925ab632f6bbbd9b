// The level tools: points to level text, level text to points, and the
// elevation of a selection.
#pragma once

void zaPT2LEV();
void zaLEV2PT();
void zaPELEV();
