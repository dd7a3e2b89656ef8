
//
// full auto-gen   // do not manual editing
// полный авто-ген // вручную не редактировать
//-------------------------


class Fgr
{
public:



//{  fgr int props  // включая Sub элементы
int
svZero, // не используется

Sub_UseGun_now,
Sub_UseGun_max,

Sub_UseKm_now,
Sub_UseKm_max,

Sub_UseDet_now,
Sub_UseDet_max,

Sub_UseSkil_now,
Sub_UseSkil_max,

Sub_MetGd_now,
Sub_MetGd_max,

Sub_MetBd_now,
Sub_MetBd_max,

Sub_Gruz_now,
Sub_Gruz_max,

Sub_Unit_now,
Sub_Unit_max,

Sub_Kno_now,
Sub_Kno_max,

nom, // номер в масиве //Fgrs.m[nom].nom //не обнулять при Сбросе
	//-----

status, // kind of the figure; 0: the slot is an empty place
	//-----

active, // если Ноль, то фигура не Рисуется и не Обновляется.
	//-----

novorod, // newborn: 1 from creation until the container clears it
	//-----

priv_LogIndex, // running number given at creation, unique in a run
	//-----

woDraw, // non-zero: not drawn for the moment
	//-----

woUpdate, // non-zero: skipped by the container update
	//-----

ProcNomMixHitBars1, // procedure number of the hit-bar procedure
	//-----

HitBarMixCase, 
	//-----

ProcNomUpd2, // procedure number of the per-frame update
	//-----

ProcNomDraw, // procedure number of the draw (queue) procedure
	//-----

ProcNomOnR, // procedure number called back by rendering
	//-----

ProcNomOnK, // procedure number of the click handler (panel buttons)
	//-----

bornTehnola, // unit kind passport used to find units
	//-----

isUnitWork, // unit-like figure kind:
	//   0 none, 1 unit
	//   2 item
	//   3 squad holder
	//-----

baner, // the side the figure fights for (who placed a trigger)
	//-----

nonMassSelect, 
	//-----

isSelected, // selected flag; -1: cannot be selected
	//-----

NormAtakTarget, // whether the figure can be attacked normally
	//-----

ImunZeroTarget, // ignore fire at this figure
	//   non-zero: no attacker takes it as target
	//-----

KlientVidit, // whether the player sees the figure
	//-----

useNormHP, // 0 or 1: this hit bar tells alive from dead
	//-----

useCaptHP, 
	//-----

useTehnHP, 
	//-----

SpeLoskNom, // land patch figure (kind 14): its patch number
	//-----

SpeDecalNom, 
	//-----

LandKleLUp, // top-left cell from which the stamp is laid
	//-----

LandKleStamp, // stamp preset of the cells a building occupies
	//-----

KleX1, 
	//   spare cell word 1
	//   carried and saved with the figure
	//-----

KleX2, 
	//   spare cell word 2
	//   carried and saved with the figure
	//   editable in the value panel
	//-----

KleX3, 
	//   spare cell word 3
	//   carried and saved with the figure
	//-----

KleX4, 
	//-----

Tex1, 
	//-----

ueWaitFull, 
	//-----

ueWaitNow, // countdown of the automatic self update of a unit
	//-----

waitFull, // interval in milliseconds (for guns: reload)
	//-----

waitNow, // countdown of waitFull
	//   counted down by the frame step
	//-----

imiter, // emitter case 1..4
	//-----

get_RadiusVis_, // radius of sight
	//   in world units
	//   a part with detPlace 3 may take its helmet value
	//-----

get_RadStroi_, // building radius around buildings
	//   in world units
	//   others may build inside it
	//-----

get_RadDetector_, 
	//   detector radius
	//   in world units
	//-----

get_SkorosMin_, // units covered per millisecond
	//-----

get_SkorosMax_, // maximum speed, used in comparisons
	//-----

get_SkorosMirMax_, // peaceful speed
	//   used while not fighting
	//-----

parentSig, // a trigger signal to its owner
	//-----

trigPultKno, // the button from which a trigger started
	//-----

fromPultSig, // the button the player pressed in the control panel
	//-----

activateFgr, // slot number of the figure to activate
	//-----

activateExt, // extra value of the activation
	//-----

trigRunCase, // how a trigger carries out its signal
	//   case number of the trigger action
	//-----

trigSensCase, // sensing geometry of a trigger
	//   or its case procedure
	//   read by the trigger procedure
	//-----

trigDamba, // how many incoming signals a trigger still rejects
	//-----

trigRunKlv, // how many times a trigger repeats
	//   counted down per run
	//   read by the trigger procedure
	//   0: no more runs
	//-----

isMort, // death countdown in milliseconds; non-zero: dying
	//-----

detRadial, // radial influence case 1..3 of a part
	//-----

detPlace, // place of a part in the unit scheme
	//   places 2..7 are tested
	//   by the IsDetPlace predicates
	//-----

focusFire, // how many attackers hit at full effect
	//   further attackers hit with less
	//-----

gruzZaimem, // room a figure takes as cargo
	//-----

dGunUseCase, // rule case for using guns
	//-----

dXKlv, // counter: armour or ammunition
	//-----

dXKlvMax, 
	//-----

GunSpec, // gun special case
	//   read by the attacker slots
	//-----

GunPlus, // gun extra value
	//   read by the attacker slots
	//-----

FindAutoTarg, // seek an own target without P_FireTarg
	//   non-zero: the unit picks P_AutoTarg
	//-----

xExpNow, // experience now
	//-----

xExpNext, // experience for the next rank
	//   compared with xExpNow
	//-----

xExpToOrbit, // experience kept until the next frame
	//-----

trueSarj, 
	//-----

trueCaptain, 
	//   non-zero: a captain
	//   served by static boosts
	//   the value is the captain number
	//-----

panic, // panic flag
	//-----

panicOut, // the level that ends the panic
	//-----

tactic, // inside a tactic influence radius
	//-----

OnR_inFgr, // the part whose render callback is called
	//   set before the batched draw procedure runs
	//-----

AbilConrtolUp, // ability: raise a flag at a control point
	//-----

AbilConrtolDown, // ability: take foreign flags down
	//-----

AbilDecoderUp, // ability: recode buildings
	//-----

AbilSkilVers, 
	//   skill variant of a skill figure (kind 401)
	//-----

SkilRangBase, 
	//-----

SkilRangExt2, 
	//-----

SkilRangExt3, 
	//-----

reNear, // near-check value of the unit
	//-----

nearToEnemy, 
	//   near-enemy value of the unit
	//   set by the unit procedures
	//-----

onPath, // 0 no path, 1 path, 2 path impossible
	//-----

onPathNext, // next point of the path
	//-----

onPathLen, // length of the path
	//-----

targPathKle, // target cell of the route
	//-----

targPathKle2, // cell to go to after targPathKle
	//-----

Marsh1, // route point 1 (a cell); 0 is ignored
	//-----

Marsh2, // route point 2 (a cell); 0 is ignored
	//-----

Marsh3, 
	//   route point 3 (a cell)
	//   0 is ignored
	//-----

Marsh4, 
	//-----

MarshKuda, // which route point to reach; 0 stop
	//-----

MarshMode, // how MarshKuda changes
	//   after a route point is reached
	//   read by the movement code
	//-----

PafLay, // passability layer the unit moves on
	//   0 the ground layer
	//   other layers have their own maps
	//   path search runs on it
	//-----

WayAdvWait, // milliseconds during which path advance is blocked
	//-----

GoAwayMove, // the move is a technical shift
	//-----

Pritormozi, // non-zero: slow down
	//-----

MirMoveMode, // peaceful move mode
	//-----

AnimFlagKan, 
	//-----

AnimBonusKan, 
	//-----

banerFirst, // the first valid owner side
	//   set with baner while below 2
	//-----

bunkerHost, // bunker kind of the owner
	//   1 hostile to all
	//   0 neutral
	//   else the bunker kind
	//-----

kmra_statusMode, // camera mode of a camera figure (kind 11)
	//-----

kmra_prior, 
	//-----

kmra_glavEkran, // camera: main-screen flag
	//-----

kmra_Flare2D, // camera: 2D flag
	//-----

kmra_toTex, // camera: target texture
	//-----

kmra_DecalMode, // camera: decal mode
	//-----

kmra_VPx, 
	//-----

kmra_VPy, 
	//-----

kmra_VPw, 
	//-----

kmra_VPh, 
	//-----

kmra_ScisX, 
	//-----

kmra_ScisY, 
	//-----

kmra_ScisW, 
	//-----

kmra_ScisH, 
	//-----

kmra_Flat, // camera: flat face
	//-----

KamStudio, // studio in which the figure is filmed
	//   queued only for views of the same studio
	//-----

KamClearClr, // clear the colour when this camera starts
	//-----

UnderGround, // floor: 0 surface, 1 underground
	//-----

SpeLandHolderNom, // land holder (kind 13):
	//   the land it is linked with
	//   number of the land
	//-----

FieldSpeStro, // field special building value
	//-----

FieldSpeStro_PitStatus, // field special building kind
	//   kind of the figure it builds
	//   read by the field figure
	//   carried and saved
	//-----

DontUseGunMode, // 1: busy, cannot fire
	//-----

GabarIsFat, // 1: very large unit
	//   has its own path grids
	//-----

GabarSkeletal, // 1: lattice-like unit, splinters less effective
	//-----

CapZero_WaterFast, // per-frame captain effect: water fast
	//   cleared and set each frame
	//-----

CapZero_WardSpec, // per-frame captain effect: ward
	//   cleared and set each frame
	//   by the captain upkeep
	//-----

CapZero_IgnorTarg, // per-frame captain effect: ignore as target
	//   cleared and set each frame
	//-----

CapZero_ZagradSquad, // per-frame captain effect: barrier squad
	//-----

LifeCase, // life stage of a unit
	//   compared with the class of a damage entry
	//-----

ForLifeCase, // life stage to come
	//   taken into LifeCase
	//-----

costPreset, // cost case of a unit
	//   what the unit costs its side
	//-----

BringAllWaitFull, // interval of all bring values
	//-----

BringAllWaitNow, 
	//-----

BringGold, // amount added to or taken from the side per interval
	//-----

BringEner, // energy added to or taken from the side per interval
	//-----

BringMat, 
	//-----

BringGem1, 
	//-----

BringGem2, 
	//-----

BringGem3, 
	//-----

BringGem4, 
	//-----

BringMana, 
	//   mana added per interval
	//-----

BringX, 
	//-----

Kno_UK, // a button figure is under the cursor
	//-----

Kno_Stadi, // button state
	//-----

Kno_SpePopUp, 
	//-----

Kno_MsgTitul, 
	//-----

Kno_MsgHint1, 
	//-----

Kno_MsgHint2, 
	//-----

Kno_MsgHint3, 
	//-----

Kno_MsgHint4, 
	//-----

Kno_TMarketFgrInd, // market entry: kind of the figure offered
	//-----

Kno_TMarketPropsInd, 
	//-----

Kno_TMarketKlon, 
	//-----

laser_first, 
	//-----

For_GameEasy, // easy-game adjustment
	//   applied on the easy game
	//-----

armorType, 
	//   armour type
	//-----

armorCore, 
	//   armour core
	//-----

visualWaitFull, // interval of visual effects
	//-----

visualWait, // countdown of visual effects
	//-----

zvKan, 
	//-----

zvSmp, 
	//-----

zvGainCase, 
	//-----

zvPitchCase, 
	//-----

MagikVers, 
	//   spell book version
	//-----

spelCastFull, // spell-cast interval (milliseconds)
	//   21000 after SpelCastInit
	//   counted by spelCastNow
	//-----

spelCastNow, // spell-cast countdown (milliseconds)
	//   counted down by the frame step
	//-----

zap001, 
	//-----

zap002, 
	//-----

zap003, 
	//-----

zap004, 
	//-----

zap005, 
	//-----

zap006, 
	//-----

zap007, 
	//-----

zap008, 
	//-----

zap009, 
	//-----

zap010, 
	//-----

zap011, 
	//-----

zap012, 
	//-----

zap013, 
	//-----

zap014, 
	//-----

zap015, 
	//-----

zap016, 
	//-----

zap017, 
	//-----

zap018, 
	//-----

zap019, 
	//-----

zap020, 
	//-----

zap021, 
	//-----

zap022, 
	//-----

zap023, 
	//-----

zap024, 
	//-----

zap025, 
	//-----

zap026, 
	//-----

zap027, 
	//-----

zap028, 
	//-----

zap029, 
	//-----

zap030, 
	//-----

svLast; //norm_klv:198  + sub_klv:18
//}




//{  fgr float props
float
floZero, // не используется

floX, // main scale; 2.0 after a reset
	//   editor step 0.2
	//   kept within 0.15 .. 105
	//   multiplies the drawn size
	//-----

fcr, // F4r // RGBA
	//-----

fcg, 
	//-----

fcb, 
	//-----

fca, 
	//-----

priv_position_x, // position x
	//-----

priv_position_y, // position y (up)
	//-----

priv_position_z, // position z
	//-----

priv_position_zap, // spare fourth of the position
	//-----

haf, // size radius; 1.0 after a reset
	//-----

rot, // a rotation, such as where a unit looks
	//-----

laserX, // point a beam hits: x
	//-----

laserY, 
	//-----

laserZ, 
	//-----

laserZ_zap, 
	//-----

colorFull, 
	//-----

LenFull, // length of the segment to cover
	//-----

LenNow, // part of the segment covered
	//-----

skoros, // current speed
	//-----

MoveOporaX, // movement anchor point: x
	//   anchor of the current move
	//-----

MoveOporaY, 
	//-----

MoveOporaZ, 
	//-----

MoveOporaZ_zap, 
	//-----

MoveDirX, 
	//   movement direction: x
	//-----

MoveDirY, 
	//-----

MoveDirZ, 
	//-----

MoveDirZ_zap, 
	//-----

kmra_Flat__KamScW, // camera: orthographic scale width
	//   used by flat cameras
	//   copied into the view
	//   with kmra_Flat__KamScH
	//-----

kmra_Flat__KamScH, 
	//-----

kmra_Proj__ObzorY, // camera: field of view
	//-----

kmra_Proj__Aspect, 
	//-----

kmra_ZNear, 
	//-----

kmra_ZFar, 
	//-----

test_rot1, 
	//-----

zvfGain, 
	//-----

zvfPitch, 
	//-----

zaf001, 
	//-----

zaf002, 
	//-----

zaf003, 
	//-----

zaf004, 
	//-----

zaf005, 
	//-----

zaf006, 
	//-----

zaf007, 
	//-----

zaf008, 
	//-----

zaf009, 
	//-----

zaf010, 
	//-----

zaf011, 
	//-----

zaf012, 
	//-----

zaf013, 
	//-----

zaf014, 
	//-----

zaf015, 
	//-----

zaf016, 
	//-----

zaf017, 
	//-----

zaf018, 
	//-----

zaf019, 
	//-----

zaf020, 
	//-----

floLast; //norm_klv:56
//}




Fgr* pParent; // mark // spec.   // pF->get_pParent();

//{  fgr pointers  one way

Fgr* P_FireTarg; // priority target of the unit
	//   dropped when it moves to another floor
	//   set by an order on a figure
	//-----

Fgr* P_AutoTarg; // a target the unit chose itself
	//   cleared by an order
	//-----

Fgr* P_Border; // a building that counts as its trench or border
	//-----

Fgr* P_Ataker1; 
	//   attacker slot 1
	//-----

Fgr* P_Ataker2; 
	//   attacker slot 2
	//-----

Fgr* P_Ataker3; 
	//   attacker slot 3
	//-----

Fgr* P_TrigFrom; 
	//-----

Fgr* P_Guest; // guest: commander or medic, or the served captain
	//-----

Fgr* P_PrepZak1; // spell chosen from the spell book
	//   a figure of kind 16
	//   cleared only when its slot is free
	//-----

Fgr* P_PrepZak2; // second spell chosen from the spell book
	//-----

//norm_klv:10
//}




Fgr* pPrev; // mark // sub spec. // pF->get_pPrev();

//{  fgr pointers //P2_Link->pParent = this

Fgr* P2_UseHelm; // equipment 1, owned by this figure
	//-----

Fgr* P2_UseSuit; // equipment 2, owned by this figure
	//-----

Fgr* P2_UseCar; // equipment 3, owned by this figure
	//   reset with its owner
	//   cleared only when its slot is free
	//-----

//norm_klv:3
//}




Fgr* pTail; // mark // sub spec. // pF->get_pTail();

//{  fgr Sub system pointers
// --- "Sub" означает начало "цэпочки фигур-деталек"
// One fgr in one chain only.

Fgr*  P2_Sub_UseGun; // chain of guns the figure uses
	//   pSubGun
	//-----

Fgr*  P2_Sub_UseKm; // chain of carried items
	//   pSubKarman
	//-----

Fgr*  P2_Sub_UseDet; // chain of parts and details
	//   parts hang here, also boost triggers
	//   member place decides its role
	//   counted by Sub_UseDet_now
	//-----

Fgr*  P2_Sub_UseSkil; // chain of skills of a captain
	//   skill figures of kind 401
	//-----

Fgr*  P2_Sub_MetGd; // chain of good marks
	//   good spells on unit
	//-----

Fgr*  P2_Sub_MetBd; // chain of bad marks
	//   bad spells on unit
	//-----

Fgr*  P2_Sub_Gruz; // chain of cargo
	//   cargo figures take gruzZaimem room
	//   pSubGruz
	//-----

Fgr*  P2_Sub_Unit; // chain of units of a squad
	//   members of a squad holder
	//   pSubUnit
	//-----

Fgr*  P2_Sub_Kno; // chain of control-panel buttons
	//   buttons of kind 402
	//   run by the panel signal of the unit
	//-----

//norm_klv:9
//}











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
