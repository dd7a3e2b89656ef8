
// ---------------------------------------------------------------------------------------------
// Hand-written rest of the figure record Fgr. The figure generator copies this file byte for byte
// after the generated data part of "gm/fa_in.h"; edit it here, then regenerate.
// ---------------------------------------------------------------------------------------------

t_item* item;  // own item record, or the shared empty one: never null
t_UNIT* UN;    // own unit record, or the shared empty one: never null

// Run-time tail: not saved with the property blocks. Sbros clears it with the rest.
int VidSide[6];         // per-side sight marks by side 1..5 (entry 0 unused)
short Paf[3][2];        // movement values of the movement code
int IndKlv;             // entries used in Ind, 0..12
unsigned int Ind[12];   // triangle index list drawn by figure procedures
void* landSurf;         // the two land floors of a camera studio or land holder
void* landUnder;
void* speEntry;         // the floor's entry of a land patch figure
void* speDecal;         // the decal record of a land decal figure
int sbrosNow = 0;       // 1 while Sbros runs on the figure, 2 once a visit back into it was logged

Fgr();
void Sbros();
void KillDeadLinks();
void SaveTo(FILE* ff, int forLocation);
void LoadFrom(FILE* ff, int forLocation);

int Status() const { return status > 0 ? status : 0; }
int Active() const { return status && active && !novorod; }

void item_reset();
void UN_reset();

// Checked add to and removal from the figure's chains (1 done, 0 refused).
int Sub_UseGun_Add(Fgr* f);
int Sub_UseGun_Kick(Fgr* f);
int Sub_UseKm_Add(Fgr* f);
int Sub_UseKm_Kick(Fgr* f);
int Sub_UseDet_Add(Fgr* f);
int Sub_UseDet_Kick(Fgr* f);
int Sub_UseSkil_Add(Fgr* f);
int Sub_UseSkil_Kick(Fgr* f);
int Sub_MetGd_Add(Fgr* f);
int Sub_MetGd_Kick(Fgr* f);
int Sub_MetBd_Add(Fgr* f);
int Sub_MetBd_Kick(Fgr* f);
int Sub_Gruz_Add(Fgr* f);
int Sub_Gruz_Kick(Fgr* f);
int Sub_Unit_Add(Fgr* f);
int Sub_Unit_Kick(Fgr* f);
int Sub_Kno_Add(Fgr* f);
int Sub_Kno_Kick(Fgr* f);

// Accessors and predicates: each takes the figure first; the Is* forms answer 0 for none.
static int Status(const Fgr* f) { return f ? f->Status() : 0; }
static int Active(const Fgr* f) { return f ? f->Active() : 0; }
static void Kill(Fgr* f);
static void PosXZ(const Fgr* f, float* x, float* z);
static void PosXYZ(float* x, float* y, float* z, const Fgr* f);
static void PosOffset(const Fgr* f, float dx, float y, float dz, float* ox, float* oy, float* oz);
static float RadDetectorF(const Fgr* f);
static int RadiusVis(const Fgr* f);
static int Owner(const Fgr* f);
static int IsUnit(const Fgr* f);
static int IsItem(const Fgr* f);
static int IsSquadHolder(const Fgr* f);
static int IsUnitWork(const Fgr* f);
static int IsGruzZaimem(const Fgr* f);
static int IsDetRadial(const Fgr* f);
static int IsImiter(const Fgr* f);
static int IsDetPlace2(const Fgr* f);
static int IsDetPlace3(const Fgr* f);
static int IsDetPlace4(const Fgr* f);
static int IsDetPlace5(const Fgr* f);
static int IsDetPlace6(const Fgr* f);
static int IsDetPlace7(const Fgr* f);
static int IsSarj112(const Fgr* f);
static int IsStatus17(const Fgr* f);
static int IsKind11(const Fgr* f);
static int IsBase(const Fgr* f);
static int IsBunkerKind(const Fgr* f);
static int HasFloor(const Fgr* f);
static int IsOnVisUnderGround(const Fgr* f);
static int OnVisFloor(const Fgr* f);
static int HasPathTarget(const Fgr* f);
static int SetBanerChain(Fgr* f, int side);
static Fgr* Deactivate(Fgr* f);
static void SpelCastInit(Fgr* f);
static void WaitStart(Fgr* f, int activate, int wait);
static void WaitStartExt(Fgr* f, int activate, int wait);
static void ExtraSlotsClear(Fgr* f);
static void KillOnWaitEnd(Fgr* f);
};

// The generated accessors index the ints from svZero, the floats from floZero and the two link
// groups from pParent and pPrev; Sbros clears the whole record with memset. A layout that breaks
// either must fail the build, not corrupt memory.
static_assert(std::is_standard_layout_v<Fgr>, "Fgr layout must be plain for the indexed accessors");
static_assert(std::is_trivially_copyable_v<Fgr>, "Fgr is cleared with memset");
static_assert(offsetof(Fgr, svZero) == 0, "the int block opens the record");
static_assert(offsetof(Fgr, svLast) - offsetof(Fgr, svZero) == (Fgr_IntPropsKlv + 1) * sizeof(int),
              "int properties 1..Fgr_IntPropsKlv lie between svZero and svLast");
static_assert(offsetof(Fgr, floZero) == offsetof(Fgr, svLast) + sizeof(int), "floats follow the ints");
static_assert(offsetof(Fgr, floLast) - offsetof(Fgr, floZero) == (Fgr_FloPropsKlv + 1) * sizeof(float),
              "float properties 1..Fgr_FloPropsKlv lie between floZero and floLast");
static_assert(offsetof(Fgr, pParent) >= offsetof(Fgr, floLast) + sizeof(float), "links follow the floats");
static_assert(offsetof(Fgr, pPrev) - offsetof(Fgr, pParent) == (Fgr_Po1PropsKlv + 1) * sizeof(Fgr*),
              "one-way links 1..Fgr_Po1PropsKlv lie between pParent and pPrev");
static_assert(offsetof(Fgr, pTail) - offsetof(Fgr, pPrev) == (Fgr_Po2PropsKlv + 1) * sizeof(Fgr*),
              "owned links 1..Fgr_Po2PropsKlv lie between pPrev and pTail");
static_assert(offsetof(Fgr, item) - offsetof(Fgr, pTail) == (Fgr_SubPropsKlv + 1) * sizeof(Fgr*),
              "the chain heads lie between pTail and item");
