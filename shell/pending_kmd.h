// Hand-written stand-in of the generated key-command block: the class with one record per command of
// the definitions file, its loader, the one instance and the key re-binding mode. Included by
// shell/kmd_block.cpp only; deleted when the generated header lands.
#pragma once

#include <fstream>
#include <string>

#include "shell/key_commands.h"

const int anSetKeys1_4Klv = 21;
int anSetKeysMode = 0;
int anSetKeys1_4[anSetKeys1_4Klv + 1];

class inerProjKmd {
 public:
  IKmd2 Esc, Klik, RKlik, Left, Rit, Up, Dn, PgUp, PgDn, Home, End, Del, Space;
  IKmd2 Kmd14, Kmd15, Kmd16, Kmd17, Kmd18, Kmd19, Kmd20, Kmd21;
  IKmd2 Last;

  int _Load() {
    std::ifstream frs;
    frs.open(sig1_LoadFileName.c_str());
    if (!frs.is_open()) return 0;
    IKmd2* all[] = {&Esc, &Klik, &RKlik, &Left, &Rit, &Up, &Dn, &PgUp, &PgDn, &Home, &End,
                    &Del, &Space, &Kmd14, &Kmd15, &Kmd16, &Kmd17, &Kmd18, &Kmd19, &Kmd20, &Kmd21};
    for (IKmd2* k : all) {
      Kmd_SkipToMarker(frs);
      IKmd2_InitFromTxtStream(*k, frs);
    }
    frs.close();
    return 1;
  }
};

inerProjKmd kmdSbor;

char* anSetKeysModeStr() {
  static char names[][6] = {"Esc", "Klik", "RKlik", "Left", "Rit", "Up", "Dn",
                                      "PgUp", "PgDn", "Home", "End", "Del", "Space", "Kmd14",
                                      "Kmd15", "Kmd16", "Kmd17", "Kmd18", "Kmd19", "Kmd20", "Kmd21"};
  if (anSetKeysMode >= 1 && anSetKeysMode <= anSetKeys1_4Klv) return names[anSetKeysMode - 1];
  static char none[] = "x";
  return none;
}

int anSetKeysModeOnKeyDn() {
  if (!anSetKeysMode) return 0;
  if (anSetKeysMode > anSetKeys1_4Klv) return 0;
  return 1;
}

int anSetKeysModeOnKeyUp(int vk) {
  if (!anSetKeysMode) return 0;
  if (anSetKeysMode > anSetKeys1_4Klv) return 0;
  anSetKeys1_4[anSetKeysMode] = vk;
  anSetKeysMode += 1;
  return 1;
}

// The prompt drawing belongs to the interface; here only the finish of the re-binding.
int anSetKeysModeOn() {
  if (!anSetKeysMode) return 0;
  if (anSetKeysMode > anSetKeys1_4Klv) {
    anSetKeysMode = 0;
    IKmd2* all = &kmdSbor.Esc;
    for (int n = 1; n <= anSetKeys1_4Klv; n++) all[n - 1].Set_KeyVers2(anSetKeys1_4[n]);
  }
  return 1;
}
