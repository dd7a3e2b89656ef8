// Figure record: accessors and predicates, the link between a figure and its extra record.
#include "figures/fgr.h"

#include <cmath>
#include <cstring>
#include <iterator>

#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "shell/random.h"

// The link table holds each link field once, in record order, with the groups where the generated
// counts put them: together with the layout asserts of the record's tail this leaves no room for a
// link the table misses. Only the fields' addresses in a figure are compared.
static Fgr sLinkProbe;
consteval bool FgrLinksInRecordOrder() {
  for (size_t i = 1; i < std::size(kFgrLinks); i++)
    if (!(&(sLinkProbe.*kFgrLinks[i - 1]) < &(sLinkProbe.*kFgrLinks[i]))) return false;
  return true;
}
static_assert(std::size(kFgrLinks) == kFgrLinkCount, "one entry per generated link");
static_assert(kFgrLinks[0] == &Fgr::pParent && kFgrLinks[kFgrLinkPrev] == &Fgr::pPrev &&
                  kFgrLinks[kFgrLinkTail] == &Fgr::pTail,
              "the group marks stand where the generated counts put them");
static_assert(FgrLinksInRecordOrder(), "each link once, in record order");

// A helmet chain that loops (corrupt file) must not hang the sight lookup.
constexpr int kHelmDepth = 16;

void Fgr::item_reset() {
  if (item && item != empty_item_adr()) item->isUse = 0;
  item = empty_item_adr();
}

void Fgr::UN_reset() {
  if (UN && UN != empty_UN_adr()) UN->isUse = 0;
  UN = empty_UN_adr();
}

void Fgr::Kill(Fgr* f) {
  if (f) f->Sbros();
}

void Fgr::PosXZ(const Fgr* f, float* x, float* z) {
  *x = f->priv_position_x;
  *z = f->priv_position_z;
}

void Fgr::PosXYZ(float* x, float* y, float* z, const Fgr* f) {
  *x = f->priv_position_x;
  *y = f->priv_position_y;
  *z = f->priv_position_z;
}

void Fgr::PosOffset(const Fgr* f, float dx, float y, float dz, float* ox, float* oy, float* oz) {
  *ox = f->priv_position_x + dx;
  *oy = y;
  *oz = f->priv_position_z + dz;
}

float Fgr::RadDetectorF(const Fgr* f) { return f ? (float)f->get_RadDetector_ : 0.0f; }

static int RadiusVisDepth(const Fgr* f, int depth) {
  if (!f) return 0;
  if (depth < kHelmDepth && Fgr::IsDetPlace3(f) && f->P2_UseHelm) {
    int v = RadiusVisDepth(f->P2_UseHelm, depth + 1);
    if (v) return v;
  }
  return f->get_RadiusVis_;
}

int Fgr::RadiusVis(const Fgr* f) { return RadiusVisDepth(f, 0); }

int Fgr::Owner(const Fgr* f) {
  if (!f) return 0;
  if (IsSquadHolder(f) && f->P2_Sub_Unit) return f->P2_Sub_Unit->baner;
  return f->baner;
}

int Fgr_IsOwnedBy(const Fgr* f, int side) { return f && Fgr::Owner(f) == side; }

int Fgr::IsUnit(const Fgr* f) { return f && f->UN && f->UN->isUse && f->isUnitWork == 1; }
int Fgr::IsItem(const Fgr* f) { return f && f->item && f->item->isUse && f->isUnitWork == 2; }
int Fgr::IsSquadHolder(const Fgr* f) { return f && f->isUnitWork == 3; }
int Fgr::IsUnitWork(const Fgr* f) { return f && f->isUnitWork != 0; }
int Fgr::IsGruzZaimem(const Fgr* f) { return f && f->gruzZaimem != 0; }
int Fgr::IsDetRadial(const Fgr* f) { return f && f->detRadial >= 1 && f->detRadial <= 3; }
int Fgr::IsImiter(const Fgr* f) { return f && f->imiter >= 1 && f->imiter <= 4; }

static int DetPlaceIs(const Fgr* f, int place) {
  return f && f->item && f->item->isUse && f->detPlace == place;
}
int Fgr::IsDetPlace2(const Fgr* f) { return DetPlaceIs(f, 2); }
int Fgr::IsDetPlace3(const Fgr* f) { return DetPlaceIs(f, 3); }
int Fgr::IsDetPlace4(const Fgr* f) { return DetPlaceIs(f, 4); }
int Fgr::IsDetPlace5(const Fgr* f) { return DetPlaceIs(f, 5); }
int Fgr::IsDetPlace6(const Fgr* f) { return DetPlaceIs(f, 6); }
int Fgr::IsDetPlace7(const Fgr* f) { return DetPlaceIs(f, 7); }

int Fgr::IsSarj112(const Fgr* f) { return Status(f) == fgrUnitPeh && f->trueSarj != 0; }
int Fgr::IsStatus17(const Fgr* f) { return Status(f) == fgrMetkaZak; }
int Fgr::IsKind11(const Fgr* f) { return Status(f) == fgrKameraLayer; }
int Fgr::IsBase(const Fgr* f) { return f && f->nom >= 1 && f->nom <= FgrsBaseLast; }
int Fgr::IsBunkerKind(const Fgr* f) {
  int k = Status(f);
  return k >= fgrHasBunker && k <= fgrAkdBunkerSea;
}

int Fgr::HasFloor(const Fgr* f) {
  int k = Status(f);
  return IsUnit(f) || k == fgrFieldSpec || k == fgrStaticBoost || k == fgrBoxPrize;
}

int Fgr::IsOnVisUnderGround(const Fgr* f) { return f && f->UnderGround == visUnderGround; }

int Fgr::OnVisFloor(const Fgr* f) {
  return f && f->UnderGround == visUnderGround && HasFloor(f) && f->isSelected >= 0 && Active(f);
}

int Fgr::HasPathTarget(const Fgr* f) { return IsUnit(f) && f->PafLay == 0 && f->targPathKle != 0; }

int Fgr::SetBanerChain(Fgr* f, int side) {
  if (!f || side < 0 || side > kSides) return 0;
  auto set = [side](Fgr* g) {
    g->baner = side;
    if (g->banerFirst < 2) g->banerFirst = side;
  };
  if (IsSquadHolder(f)) {
    int steps = 0;
    for (Fgr* m = f->P2_Sub_Unit; m && steps < kChainWalkMax; m = m->pTail, steps++) set(m);
  } else {
    set(f);
  }
  return 1;
}

Fgr* Fgr::Deactivate(Fgr* f) {
  if (f) f->active = 0;
  return f;
}

void Fgr::SpelCastInit(Fgr* f) {
  if (f) f->spelCastFull = f->spelCastNow = 21000;
}

void Fgr::WaitStart(Fgr* f, int activate, int wait) {
  if (!f) return;
  f->activateFgr = activate;
  f->waitFull = f->waitNow = wait;
}

void Fgr::WaitStartExt(Fgr* f, int activate, int wait) {
  if (!f) return;
  f->activateExt = activate;
  f->waitFull = f->waitNow = wait;
}

void Fgr::ExtraSlotsClear(Fgr* f) {
  if (!f) return;
  if (f->item->isUse) memset(f->item->name, 0, sizeof(f->item->name));
  else if (f->UN->isUse) memset(f->UN->name, 0, sizeof(f->UN->name));
}

int Fgr_NomForLink(const Fgr* f, int forLocation) {
  int n = f ? f->nom : 0;
  return forLocation ? n - FgrsBaseLast : n;
}

int Fgr_Slot_Nom(Fgr* link, int forLocation) { return Fgr_NomForLink(link, forLocation); }

int Fgr_AlwaysFalse() { return 0; }

void RandRingOffset(float r, float* x, float* y) {
  float deg = (float)((Rand() % 45) * 8 + 8);
  float a = deg * 3.14159265f / 180.0f;
  *x = r * cosf(a);
  *y = r * sinf(a);
}

int Kind_DefaultSeven(int kind, int* a, int* b, int* c, int* d, int* e, int* f, int* g) {
  *a = *b = *c = *d = *e = *f = *g = 0;
  if (kind == fgrGetGemX) {
    *a = 125;
    *b = 50;
  }
  return 0;
}

const char* Fgr_ItemNameText(Fgr* f) {
  if (!Fgr::Status(f)) return "@_not_status";
  if (f->item->isUse) return f->item->name;
  if (f->UN->isUse) return f->UN->name;
  return fgrXName(f->status);
}

// ---------------------------------------------------------------- extra records

int Fgr_ExtraAlloc(Fgr* pF, int which) {
  if (!pF) return 0;
  if (which == item_ind2) {
    t_item* r = item_New();
    pF->item = r ? r : empty_item_adr();
    return r ? item_ind2 : 0;
  }
  if (which == UN_ind1) {
    t_UNIT* r = UN_New();
    pF->UN = r ? r : empty_UN_adr();
    return r ? UN_ind1 : 0;
  }
  return 0;
}

void Fgr_SetItemName(Fgr* pF, const std::string& name) {
  if (!pF || name.empty()) return;
  size_t n = name.size() < 15 ? name.size() : 15;
  Fgr::ExtraSlotsClear(pF);
  if (pF->item->isUse) memcpy(pF->item->name, name.data(), n);
  else if (pF->UN->isUse) memcpy(pF->UN->name, name.data(), n);
}

void UN_MakeRandomName(Fgr* pF, int ask) {
  if (!pF || !pF->UN->isUse) return;
  Fgr::ExtraSlotsClear(pF);
  if (ask != 1) return;
  static const char* const k1[4] = {"До", "Ра", "Гу", "Ты"};
  static const char* const k2[4] = {"л", "ф", "р", "с"};
  static const char* const k3[4] = {"об", "ик", "ьм", "из"};
  static const char* const k4[4] = {"ан", "уй", "ай", "ов"};
  std::string s = k1[Rand() % 4];
  s += k2[Rand() % 4];
  s += k3[Rand() % 4];
  s += k4[Rand() % 4];
  memcpy(pF->UN->name, s.data(), s.size() < 15 ? s.size() : 15);
}

int Fgr_DrawVisible(const Fgr* f) {
  if (!f || !f->ProcNomDraw) return 0;
  if (EditModeOn ? f->status == 0 : !f->Active()) return 0;
  return f->status == fgrKameraLayer || f->status == fgrLandHolder || f->UnderGround == visUnderGround;
}

int Bunker_PropsOfKind(int kind) {
  switch (kind) {
    case fgrHasBunker: return prHasBunker1;
    case fgrNatBunker: return prNatBunker1;
    case fgrAngBunker: return prAngBunker1;
    case fgrAkdBunker: return prAkdBunker1;
    case fgrNekBunker: return prNekBunker1;
    default: return 0;
  }
}
