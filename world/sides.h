// Sides: the fixed-price spends of production.
#pragma once

// A side outside 1..5 changes nothing; the tested spends answer 1 when spent, 0 when refused.
int Side_Spend300_120(int side);
int Side_Spend180_60(int side);
int Side_Spend90_15(int side);
