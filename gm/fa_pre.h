
//
// full auto-gen   // do not manual editing
// полный авто-ген // вручную не редактировать
//-------------------------

//{  fgrXName константы
const int
fgrZero = 0, // нет фигуры

fgrLaser = 3, // beam between two points
		//   kind 3

fgrBoom = 4, // explosion; its preset sets nothing
		//   kind 4

fgrTriger = 5, // trigger: senses and signals its owner
		//   kind 5

fgrPultFlag = 6, // flag of a control point
		//   kind 6

fgrGetGemX = 7, // gem source that brings its side resources
		//   kind 7

fgrKameraLayer = 11, // camera: a view of the scene
		//   kind 11

fgrLandHolder = 13, // holder of the two land floors
		//   kind 13

fgrLandLosk = 14, // land patch
		//   kind 14

fgrLandDecal = 15, // land decal
		//   kind 15

fgrBookZak = 16, // spell book
		//   kind 16

fgrMetkaZak = 17, // mark of a spell with a lifetime
		//   kind 17

fgrFieldSpec = 18, // special field building
		//   kind 18

fgrSpawner = 19, // spawner of waves
		//   kind 19

fgrDekor = 20, // decoration
		//   kind 20

fgrStaticBoost = 21, // static boost building that serves captains
		//   kind 21

fgrBoxPrize = 22, // prize box
		//   kind 22

fgrUnitGen = 101, // building; the 24 building presets of kinds 101..104 stand here
		//   kind 101

fgrUnitDom = 102, // building
		//   kind 102

fgrUnitRoom = 103, // building
		//   kind 103

fgrUnitPost = 104, // building
		//   kind 104

fgrUnitStroi = 111, // the builder
		//   kind 111

fgrUnitPeh = 112, // foot unit
		//   kind 112

fgrSquadHolder = 113, // holder of a squad; has no record of its own
		//   kind 113

fgrUnitHero = 114, // captain
		//   kind 114

fgrHasBunker = 201, // bunker
		//   kind 201

fgrNatBunker = 202, // bunker
		//   kind 202

fgrAngBunker = 203, // bunker
		//   kind 203

fgrAkdBunker = 204, // bunker
		//   kind 204

fgrNekBunker = 205, // bunker
		//   kind 205

fgrZavBunker = 206, // bunker; its preset is a text file
		//   kind 206

fgrPatBunker = 207, // bunker; its preset is a text file
		//   kind 207

fgrKosBunker = 208, // bunker; its preset is a text file
		//   kind 208

fgrMrtBunker = 209, // bunker; its preset is a text file
		//   kind 209

fgrMasBunker = 210, // bunker; its preset is a text file
		//   kind 210

fgrZomBunker = 211, // bunker; its preset is a text file
		//   kind 211

fgrFasBunker = 212, // bunker; its preset is a text file
		//   kind 212

fgrEntBunker = 213, // bunker; its preset is a text file
		//   kind 213

fgrAngBunkerRed = 214, // bunker; its preset is a text file
		//   kind 214

fgrAkdBunkerSea = 215, // bunker; its preset is a text file
		//   kind 215

fgrDetUnitGun = 301, // unit weapon
		//   kind 301

fgrDetCapiGun = 302, // captain weapon; also the carried detail preset
		//   kind 302

fgrDetUnit = 303, // armour detail
		//   kind 303

fgrAbilSkil = 401, // captain skill; presets are skills 1..12 in order
		//   kind 401

fgrKnoUnit = 402, // control-panel button
		//   kind 402

fgrLast = 402; //norm klv:44
//}





//{  номерки процэдур для  void ProcFgr(...)
const int
ProcFgr_Zero = 0, // r_Zero // нет варианта

r_Proc_FadeTimer = 1, // 1 fade on a timer

r_Proc_SpriteTimer = 2, // 2 sprite on a timer

r_Laser_DrawBeam = 3, // 3 draw a beam

r_Triger_Upd = 4, // 4 trigger update

r_Proc_DrawOwnSprite = 5, // 5 queue the own sprite

r_Proc_TrigerRender = 6, // 6 draw a trigger

r_AnPultFlag__Upd = 7, // 7 control-point flag update

r_Proc_FlagQueue = 8, // 8 queue a flag

r_Proc_FlagRender = 9, // 9 draw a flag

r_Empty_10 = 10, // 10 no procedure

r_Proc_PlaceAtCursor = 11, // 11 follow the cursor

r_Empty_12 = 12, // 12 no procedure

r_Empty_13 = 13, // 13 no procedure

r_LandOverview_Build = 14, // 14 land overview

r_Empty_15 = 15, // 15 no procedure

r_Empty_16 = 16, // 16 no procedure

r_Empty_17 = 17, // 17 no procedure

r_Land_DrawProjected = 18, // 18 draw the land projected

r_Proc_SpinRot = 19, // 19 spin

r_Proc_DrawTex1 = 20, // 20 queue Tex1

r_Proc_DrawGroundMark = 21, // 21 ground mark

r_Proc_Bunker = 22, // 22 bunker update

r_Proc_UnitStand = 23, // 23 standing unit update

r_Proc_SquadHolder = 24, // 24 squad holder update

r_Proc_Unit = 25, // 25 unit update

r_Proc_MarkSelected = 26, // 26 queue a unit with its marks

r_Proc_DrawUnitOverlay = 27, // 27 draw a unit with its hit bars

r_Proc_DrawTex1C = 28, // 28 queue Tex1, centred

r_Proc_DrawBillboard2 = 29, // 29 draw a billboard

r_Proc_SpawnerWave = 30, // 30 spawner waves

r_Proc_SpawnerQueue = 31, // 31 queue a spawner

r_Proc_SpawnerRender = 32, // 32 draw a spawner

r_Fgr_TickWait = 33, // 33 count the wait down

r_Proc_KnoButton = 34, // 34 draw a button

r_Empty_35 = 35, // 35 no procedure

r_Proc_KnoProduce = 36, // 36 button: produce

r_Proc_BuildStep = 37, // 37 button: build

r_Empty_38 = 38, // 38 no procedure

r_Empty_39 = 39, // 39 no procedure

r_Empty_40 = 40, // 40 no procedure

r_Empty_41 = 41, // 41 no procedure

r_Empty_42 = 42, // 42 no procedure

r_Empty_43 = 43, // 43 no procedure

r_Empty_44 = 44, // 44 no procedure

r_Empty_45 = 45, // 45 no procedure

r_Empty_46 = 46, // 46 no procedure

r_Proc_RangStep = 47, // 47 button: rank step

r_Empty_48 = 48, // 48 no procedure

r_Empty_49 = 49, // 49 no procedure

r_Empty_50 = 50, // 50 no procedure

r_Empty_51 = 51, // 51 no procedure

r_Empty_52 = 52, // 52 no procedure

r_AnPultFlag_FromParent = 53, // 53 gem source update

r_Proc_DrawTex1B = 54, // 54 queue Tex1 as billboard

r_Proc_DrawBillboard = 55, // 55 draw a billboard

r_Proc_KnoButton2 = 56, // 56 draw a captain button

r_Empty_57 = 57, // 57 no procedure

r_Fgr_KillOnWaitEnd = 58, // 58 reset when the wait ends

ProcFgr_Last = 58; //norm klv:58
//}





//{  PropsFill // можно обыединить с ProcFgr
const int
props_Zero = 0, // нет варианта

prLaser1 = 9001,
prBoom1 = 9011,
prTriger1 = 9021,
prPultFlag1 = 9031,
prGetGemX1 = 9041,
prKameraLayer1 = 9051,
prLandHolder1 = 9061,
prLandLosk1 = 9071,
prLandDecal1 = 9081,
prBookZak1 = 9091,
prMetkaZak1 = 9101,
prFieldSpec1 = 9111,
prSpawner1 = 9121,
prDekor1 = 9131,
prStaticBoost1 = 9141,
prStaticBoost2 = 9151,
prBoxPrize1 = 9161,
prBuild01 = 9171,
prBuild02 = 9181,
prBuild03 = 9191,
prBuild04 = 9201,
prBuild05 = 9211,
prBuild06 = 9221,
prBuild07 = 9231,
prBuild08 = 9241,
prBuild09 = 9251,
prBuild10 = 9261,
prBuild11 = 9271,
prBuild12 = 9281,
prBuild13 = 9291,
prBuild14 = 9301,
prBuild15 = 9311,
prBuild16 = 9321,
prBuild17 = 9331,
prBuild18 = 9341,
prBuild19 = 9351,
prBuild20 = 9361,
prBuild21 = 9371,
prBuild22 = 9381,
prBuild23 = 9391,
prBuild24 = 9401,
prBuilder1 = 9411,
prFoot01 = 9421,
prFoot02 = 9431,
prFoot03 = 9441,
prFoot04 = 9451,
prFoot05 = 9461,
prFoot06 = 9471,
prFoot07 = 9481,
prFoot08 = 9491,
prFoot09 = 9501,
prFoot10 = 9511,
prFoot11 = 9521,
prFoot12 = 9531,
prFoot13 = 9541,
prFoot14 = 9551,
prSquad1 = 9561,
prSquad2 = 9571,
prSquad3 = 9581,
prSquad4 = 9591,
prSquad5 = 9601,
prSquad6 = 9611,
prSquad7 = 9621,
prSquad8 = 9631,
prCaptain1 = 9641,
prHasBunker1 = 9651,
prNatBunker1 = 9661,
prAngBunker1 = 9671,
prAkdBunker1 = 9681,
prNekBunker1 = 9691,
 txt_ZavBunker1 = 9701, // res/txt_ZavBunker1.txt
 txt_PatBunker1 = 9711, // res/txt_PatBunker1.txt
 txt_KosBunker1 = 9721, // res/txt_KosBunker1.txt
 txt_MrtBunker1 = 9731, // res/txt_MrtBunker1.txt
 txt_MasBunker1 = 9741, // res/txt_MasBunker1.txt
 txt_ZomBunker1 = 9751, // res/txt_ZomBunker1.txt
 txt_FasBunker1 = 9761, // res/txt_FasBunker1.txt
 txt_EntBunker1 = 9771, // res/txt_EntBunker1.txt
 txt_AngBunkerRed1 = 9781, // res/txt_AngBunkerRed1.txt
 txt_AkdBunkerSea1 = 9791, // res/txt_AkdBunkerSea1.txt
prUnitGun01 = 9801,
prUnitGun02 = 9811,
prUnitGun03 = 9821,
prUnitGun04 = 9831,
prUnitGun05 = 9841,
prUnitGun06 = 9851,
prUnitGun07 = 9861,
prUnitGun08 = 9871,
prUnitGun09 = 9881,
prUnitGun10 = 9891,
prUnitGun11 = 9901,
prUnitGun12 = 9911,
prUnitGun13 = 9921,
prUnitGun14 = 9931,
prUnitGun15 = 9941,
prUnitGun16 = 9951,
prUnitGun17 = 9961,
prCaptainGun1 = 9971,
prDetail1 = 9981,
prArmor1 = 9991,
prSkill01 = 10001,
prSkill02 = 10011,
prSkill03 = 10021,
prSkill04 = 10031,
prSkill05 = 10041,
prSkill06 = 10051,
prSkill07 = 10061,
prSkill08 = 10071,
prSkill09 = 10081,
prSkill10 = 10091,
prSkill11 = 10101,
prSkill12 = 10111,
prButton1 = 10121,
props_Last = 10121; //norm klv:113
//}





//{  набор негативных значений для процэдуры KombiPreset
const int
KombiPreset_Zero = 0, // нет варианта

kombi_Stroitel = -1, // -1 builder with 8 build buttons

kombi_Stroitel1Kno = -2, // -2 builder with 1 button

kombi_SoldatAkademii = -3, // -3 foot unit with gun

kombi_RoboGolem = -4, // -4 foot unit with gun

kombi_StrelokAngelov = -5, // -5 foot unit with gun and 5 buttons

kombi_OsobyiStrelok = -6, // -6 foot unit with gun and 2 buttons

kombi_GlushakAngelov = -7, // -7 foot unit with gun

kombi_KuznecAngelov = -8, // -8 foot unit with gun

kombi_RokerAngelov = -9, // -9 foot unit with gun

kombi_MashanyaAngelov = -10, // -10 foot unit with gun and 2 buttons

kombi_PolnayaMashanya = -11, // -11 foot unit with gun and 2 buttons

kombi_RoboKop = -12, // -12 foot unit with gun

kombi_RukaAngela = -13, // -13 foot unit with gun and 1 button

kombi_Captain5 = -14, // -14 captain 5 with gun, skill, buttons and spell book

kombi_Captain1 = -15, // -15 captain 1 with gun, skills and buttons

kombi_Captain2 = -16, // -16 captain 2 with gun and skill

kombi_SquadSoldat4 = -17, // -17 squad of 4

kombi_SquadRoboGolem4 = -18, // -18 squad of 4

kombi_SquadGlushakStrelok = -19, // -19 squad of 2 with 2 buttons

kombi_SquadGlushak3 = -20, // -20 squad of 3 with 2 buttons

kombi_SquadOsobyiStrelok3 = -21, // -21 squad of 3 with 2 buttons

kombi_SquadRoker4 = -22, // -22 squad of 4 with 2 buttons

kombi_SquadRoboKop4 = -23, // -23 squad of 4 with 2 buttons

kombi_Negat_Last = -23; //norm klv:23
//}





//{  набор констант для хит-баров (в каждом юните много хит-баров)
const int
bcZero = 0, // нет хит-бара или канала влияния

bcNormHP = 1,
bcNormHP_ = 2,
	// hit points of a normal unit
	//   now 1, max 2
	//-----

bcCaptHP = 3,
bcCaptHP_ = 4,
	// hit points of a captain
	//   now 3, max 4
	//-----

bcTehnHP = 5,
bcTehnHP_ = 6,
	// hit points of a building or machine
	//   now 5, max 6
	//-----

bcAtkRate = 7,
bcAtkRate_ = 8,
	// attack rate
	//   now 7, max 8
	//-----

bcDefRate = 9,
bcDefRate_ = 10,
	// defence rate
	//   now 9, max 10
	//-----

bcArmor = 11,
bcArmor_ = 12,
	// armour
	//   now 11, max 12
	//-----

bcMana = 13,
bcMana_ = 14,
	// mana
	//   now 13, max 14
	//-----

bcHot = 15,
bcHot_ = 16,
	// heat
	//   now 15, max 16
	//-----

bcHotMix = 17,
bcHotMix_ = 18,
	// mixed heat
	//   now 17, max 18
	//-----

bcHotRobo = 19,
bcHotRobo_ = 20,
	// heat of robots
	//   now 19, max 20
	//-----

bcAnger = 21,
bcAnger_ = 22,
	// anger
	//   now 21, max 22
	//-----

bcAbil = 23,
bcAbil_ = 24,
	// ability
	//   now 23, max 24
	//-----

bcAura = 25,
bcAura_ = 26,
	// aura
	//   now 25, max 26
	//-----

bcReload = 27,
bcReload_ = 28,
	// reload
	//   now 27, max 28
	//-----

bcMoveSk = 29,
bcMoveSk_ = 30,
	// move speed
	//   now 29, max 30
	//-----

bcIce = 31,
bcIce_ = 32,
	// ice
	//   now 31, max 32
	//-----

bcFire = 33,
bcFire_ = 34,
	// fire
	//   now 33, max 34
	//-----

bcMolni = 35,
bcMolni_ = 36,
	// lightning
	//   now 35, max 36
	//-----

bcPoison = 37,
bcPoison_ = 38,
	// poison
	//   now 37, max 38
	//-----

bcOrig_odd_Last = 37, //последний оригинальный хит-бар.
 bcOrig_cho_Last = 38, //копия boe_counters_Last
boe_counters_Last = 38; //norm klv:19
//}




//{  Dубль-каналы влияния // (их можно юзать вместо bcXName)
const int
kvZero = 0, // нет варианта

kvNormHP_Silver = boe_counters_Last * 1 + bcNormHP,
kvNormHP_Gold = boe_counters_Last * 2 + bcNormHP,
kvNormHP_Doc = boe_counters_Last * 3 + bcNormHP,

kvMana_Vhod = boe_counters_Last * 1 + bcMana,
kvMana_Uhod = boe_counters_Last * 2 + bcMana,

kvHot_Vetern = boe_counters_Last * 1 + bcHot,
kvHot_Terror = boe_counters_Last * 2 + bcHot,

kvHotMix_Vetern = boe_counters_Last * 1 + bcHotMix,
kvHotMix_Terror = boe_counters_Last * 2 + bcHotMix,

kvIce_Air = boe_counters_Last * 1 + bcIce,

kvFire_Air = boe_counters_Last * 1 + bcFire,

kvMolni_Air = boe_counters_Last * 1 + bcMolni,

kvPoison_Air = boe_counters_Last * 1 + bcPoison,

kvJustUpor = 9999;// некий (kvX_X) не должен быть равен kvJustUpor. //norm klv:13
//}





// ------------
// далее "обыявы" процэдур..

char* fgrXName( int fgrIndex );

void ProcFgr( int procNom, Fgr* pf);

int PropsFill(int propsIndex, Fgr* pF,  int ifError_ClearStatus = 1);

int fgrIndexUnitOrItem( int fgrIndex);

Fgr*  KombiPreset( int kombi_NegNom, int forBaner, int toBase);

char* Boe_KanChars( int bsKan); // const char*






// ------
const int Fgr_IntPropsKlv = 216;
const int Fgr_FloPropsKlv = 56;
const int Fgr_Po1PropsKlv = 10;
const int Fgr_Po2PropsKlv = 3;
const int Fgr_SubPropsKlv = 9;


char* FgrEd_AdrFromName( Fgr* pF, const char* NameFgrProp, int& outType);


#ifdef USE_EDITOR_PROC
//{  --- здесь обыявы проц для Доставания инфы о Свойствах фигуры.
// возврат int значит "есть или нет" // не охота bool юзать.

// ---
void Fgr_Int_ReadOnly( int n, int& readOnly);
 int Fgr_Int_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);

char*  Fgr_Int_Kom1( int n);
char*  Fgr_Int_KomD1( int n);
char*  Fgr_Int_KomD2( int n);
char*  Fgr_Int_KomD3( int n);
char*  Fgr_Int_NameVar( int n);
//char*  Fgr_Int_NameClr( int n);

int Fgr_Int_InitVal( int n, int& iv);
int Fgr_Int_TramVals( int n, int& a, int& b);
int Fgr_Int_Adv( int n, int& av);

void Fgr_Int_Val( Fgr* pF, int n, int& nowVal);
int* Fgr_Int_Adr( Fgr* pF, int n);



// ---
void Fgr_Flo_ReadOnly( int n, int& readOnly);
 int  Fgr_Flo_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);

char*  Fgr_Flo_Kom1( int n);
char*  Fgr_Flo_KomD1( int n);
char*  Fgr_Flo_KomD2( int n);
char*  Fgr_Flo_KomD3( int n);
char*  Fgr_Flo_NameVar( int n);
//char*  Fgr_Flo_NameClr( int n);

int Fgr_Flo_InitVal( int n, float& iv);
int Fgr_Flo_TramVals( int n, float& a, float& b);
int Fgr_Flo_Adv( int n, float& av);

void Fgr_Flo_Val( Fgr* pF, int n, float& nowVal);
float* Fgr_Flo_Adr( Fgr* pF, int n);




// ---
void Fgr_Po1_ReadOnly( int n, int& readOnly);
 int  Fgr_Po1_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);

char*  Fgr_Po1_Kom1( int n);
char*  Fgr_Po1_KomD1( int n);
char*  Fgr_Po1_KomD2( int n);
char*  Fgr_Po1_KomD3( int n);
char*  Fgr_Po1_NameVar( int n);
//char*  Fgr_Po1_NameClr( int n);

Fgr*  Fgr_Po1_pFgr( Fgr* pF, int n);
char* Fgr_Po1_Adr( Fgr* pF, int n);
// char* chp_input = Fgr_Po1_Adr(){ return (char*)(& P1_XName); }
// pF_link = pFgrSelectForLink(...);
// memcpy( chp_input, &(pF_link), size_of_charP);


// ---
void Fgr_Po2_ReadOnly( int n, int& readOnly);
 int  Fgr_Po2_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);

char*  Fgr_Po2_Kom1( int n);
char*  Fgr_Po2_KomD1( int n);
char*  Fgr_Po2_KomD2( int n);
char*  Fgr_Po2_KomD3( int n);
char*  Fgr_Po2_NameVar( int n);
//char*  Fgr_Po2_NameClr( int n);

Fgr*  Fgr_Po2_pFgr( Fgr* pF, int n);
char* Fgr_Po2_Adr( Fgr* pF, int n);



// ---
void Fgr_Sub_ReadOnly( int n, int& readOnly);
 int  Fgr_Sub_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);

char*  Fgr_Sub_Kom1( int n);
char*  Fgr_Sub_KomD1( int n);
char*  Fgr_Sub_KomD2( int n);
char*  Fgr_Sub_KomD3( int n);
char*  Fgr_Sub_NameVar( int n);
//char*  Fgr_Sub_NameClr( int n);
//}
#endif

Fgr*  Fgr_Sub_xLink_pFgr( Fgr* pF, int n, int LinkNom);
void Fgr_Sub_xLinkKick( Fgr* pF, int n, int LinkNom);
void Fgr_Sub_xLinkAdd( Fgr* pF, int n, Fgr* pL);
	// Добавить линк в конец или в начало - зависит от самого SUB.



//