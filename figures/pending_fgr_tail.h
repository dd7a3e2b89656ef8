// Hand-written rest of the figure record, spliced after the generated data part. Stand-in copy
// used only while uni_files/res/fa_in_end.h has not landed; its members move there then.
// (no include guard: this text is the inside of the class)

t_item* item;
t_UNIT* UN;

// --- run-time tail
int VidSide[6];             // by side 1..5: above 0, that side sees the figure this frame
int16_t Paf[3][2];          // movement values
int IndKlv;                 // entries of Ind, 0..12
uint32_t Ind[12];
void* landSurf;             // the two land floors of a camera studio or land holder
void* landUnder;
void* speEntry;             // land patch entry of a patch figure
void* speDecal;             // decal record of a decal figure

// --- generated members
Fgr();
void Sbros();
void KillDeadLinks();
void SaveTo(FILE* ff, int forLocation);
void LoadFrom(FILE* ff, int forLocation);

// --- what the generated code calls on a live figure
int Status() const { return status > 0 ? status : 0; }
int Active() const { return status && active && !novorod; }
void item_reset();
void UN_reset();

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

// --- accessors and predicates: take the figure first; the Is* forms answer 0 for none
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
