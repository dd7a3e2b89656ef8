
//
// full auto-gen   // do not manual editing
// полный авто-ген // вручную не редактировать
//-------------------------



// --- пикселя-текстуры..
const int
TX_WHITE = 0,
TX_SPR_WORKER = 1,
TX_EDIT_MARK = 2,
TX_CURSOR = 3,
TX_TOP_STRIP = 4,
TX_GLOW = 5,
TX_FLOORBOX_BACK = 6,
TX_SLOT_MARK = 7,
TX_DECAL_RING = 8,
TX_BADGE0 = 11,
TX_FLAG0 = 21,
TX_BADGE1 = 12,
TX_FLAG1 = 22,
TX_BADGE2 = 13,
TX_FLAG2 = 23,
TX_BADGE3 = 14,
TX_FLAG3 = 24,
TX_SPR_SPAWN = 25,
TX_SPR_HERO = 33,
TX_SPR_BASE = 35,
TX_SPR_TOWER = 37,
TX_SPR_SCOUT = 39,
TX_SPR_GUEST = 40,
TX_SPR_DEPOT = 45,
TX_SPR_SOLDIER = 49,
TX_SPR_SHOOTER = 53,
TX_SPR_SMITH = 56,
TX_SPR_61 = 61,
TX_SPR_62 = 62,
TX_SPR_63 = 63,
TX_SPR_64 = 64,
TX_SPR_67 = 67,
TX_SPR_88 = 88,
TX_SPR_MACHINE = 89,
TX_SPR_CART = 90,
TX_SPR_HAND = 91,
TX_BEAM_FOE = 28,
TX_BEAM_OWN = 29,
TX_TARGET = 32,
TX_FIELD_LADDER = 54,
TX_SPARK = 58,
TX_STAMP = 68,
TX_TILE_FOREST = 38,
TX_TILE_BORDER = 46,
TX_TILE_MEADOW = 47,
TX_TILE_MEADOW2 = 48,
TX_TILE_WATER = 59,
TX_TILE_SAND = 75,
TX_TILE_DIRT = 76,
TX_TILE_ROCK = 77,
TX_TILE_GRAVEL = 78,
TX_TILE_RUIN = 36,
TX_TILE_CRATER = 51,
TX_TILE_PLATE = 52,
TX_TILE_ROAD = 79,
TX_DECO_CRYSTAL = 80,
TX_DECO_TREE = 81,
TX_DECO_ORE = 82,
TX_DECO_BUSH = 83,
TX_DECO_GOLD = 84,
TX_DECO_GEM = 85,
TX_DECO_STUMP = 86,
TX_DECO_FLOWERS = 87,
TX_MAP_SURFACE = 60,
TX_MAP_UNDER = 73,
TX_GLOW_ATLAS = 65,
TX_FLOORBOX_HOVER = 66,
TX_MAP_PICTURE = 69,
TX_NAMEBAR_BLUE = 70,
TX_NAMEBAR_GREEN = 71,
TX_NAMEBAR_RED = 72,
TX_START_BACK = 74,
TX_MAP_HOVER = 92,
texLast = 92;





// --- звуко-сэмплы..
const int
smpLast = 0;





// --- тексто-фразы..
  int
mbGameTitle = 1,
mbPanelTitle = 2,
mbKnoDefault = 3,
mbReserve004 = 4,
mbReserve005 = 5,
mbInfoToggle = 6,
mbInfoToggleHint = 7,
mbReserve008 = 8,
mbReserve009 = 9,
mbReserve010 = 10,
mbInfoSecond = 11,
mbInfoSecondHint = 12,
mbInfoSpells = 13,
mbInfoLiftGuest = 14,
mbKnoBuildSoldier = 15,
mbKnoBuildGolem = 16,
mbKnoBuildShooter = 17,
mbKnoBuildSquad = 18,
mbKnoBuildRoboKop = 19,
mbKnoStroiBase = 20,
mbKnoStroiTower = 21,
mbKnoStroiMine = 22,
mbKnoStroiLab = 23,
mbKnoCaptainAura = 24,
mbKnoStroiWall = 25,
mbReserve026 = 26,
mbResEnergy = 27,
mbResEnergyHint = 28,
mbReserve029 = 29,
mbResMaterial = 30,
mbResMaterialHint = 31,
mbResGemRed = 32,
mbResGemBlue = 33,
mbResGemAmber = 34,
mbResGemEmerald = 35,
mbResGemHint = 36,
mbMapTitle = 37,
mbMapHint = 38,
mbSkil01_1 = 39,
mbSkil01_2 = 40,
mbSkil01_3 = 41,
mbSkil02_1 = 42,
mbSkil02_2 = 43,
mbSkil02_3 = 44,
mbSkil03_1 = 45,
mbSkil03_2 = 46,
mbSkil03_3 = 47,
mbSkil04_1 = 48,
mbSkil04_2 = 49,
mbSkil04_3 = 50,
mbSkil05_1 = 51,
mbSkil05_2 = 52,
mbSkil05_3 = 53,
mbSkil06_1 = 54,
mbSkil06_2 = 55,
mbSkil06_3 = 56,
mbSkil07_1 = 57,
mbSkil07_2 = 58,
mbSkil07_3 = 59,
mbSkil08_1 = 60,
mbSkil08_2 = 61,
mbSkil08_3 = 62,
mbSkil09_1 = 63,
mbSkil09_2 = 64,
mbSkil09_3 = 65,
mbSkil10_1 = 66,
mbSkil10_2 = 67,
mbSkil10_3 = 68,
mbSkil11_1 = 69,
mbSkil11_2 = 70,
mbSkil11_3 = 71,
mbSkil12_1 = 72,
mbSkil12_2 = 73,
mbSkil12_3 = 74,
mbKnoCaptainAuraHint = 75,
mbKnoStroiBaseHint = 76,
mbKnoStroiTowerHint = 77,
mbKnoStroiMineHint = 78,
mbKnoStroiLabHint = 79,
mbKnoStroiWallHint = 80,
mbKnoCaptainSpell1 = 81,
mbKnoCaptainSpell1Hint = 82,
mbKnoCaptainSpell1Hint2 = 83,
mbKnoCaptainSpell2 = 84,
mbKnoCaptainSpell2Hint = 85,
mbKnoCaptainSpell2Hint2 = 86,
mbSpellV1Title = 87,
mbSpellV1Hint1 = 88,
mbSpellV1Hint2 = 89,
mbSpellV1Hint3 = 90,
mbSpellV1Hint4 = 91,
mbFilterLabelOn = 92,
mbFilterLabelOff = 93,
mbPagingHint = 94,
mbReserve095 = 95,
mbKnoResearch1 = 96,
mbKnoResearch1Hint = 97,
mbKnoResearch1Hint2 = 98,
mbKnoResearch2 = 99,
mbKnoResearch2Hint = 100,
mbKnoResearch2Hint2 = 101,
mbKnoResearch3 = 102,
mbKnoResearch3Hint = 103,
mbKnoResearch3Hint2 = 104,
mbMenuLoadDefault = 105,
mbMenuContinue = 106,
mbMenuLoadSecond = 107,
mbMenuOptions = 108,
mbLast = 108;






// --------




const int anSetKeys1_4Klv = 21;
int anSetKeysMode = 0; // поочереди все кнопки и снова Ноль.
int anSetKeys1_4[ anSetKeys1_4Klv +1]; // здесь храним "что уже собрали для пере-назначения".


char* inerPParserZacep1 = "//==";

#define inerPKUntNext \
if( ! frs.eof() ) \
{ \
	for(;;) \
	{ \
		if( frs.eof() ) break; \
		getline(frs, s);  s = TextTrimS( s); \
		if( TextPos( s.c_str(), inerPParserZacep1, 0) == 0) break; \
	} \
}



class inerProjKmd
{
public:

IKmd2  Esc;
IKmd2  Klik;
IKmd2  RKlik;
IKmd2  Left;
IKmd2  Rit;
IKmd2  Up;
IKmd2  Dn;
IKmd2  PgUp;
IKmd2  PgDn;
IKmd2  Home;
IKmd2  End;
IKmd2  Del;
IKmd2  Space;
IKmd2  Kmd14;
IKmd2  Kmd15;
IKmd2  Kmd16;
IKmd2  Kmd17;
IKmd2  Kmd18;
IKmd2  Kmd19;
IKmd2  Kmd20;
IKmd2  Kmd21;

IKmd2  Last;


	int _Load()
	{
		std::ifstream frs;
		std::string s;
	frs.clear();
	frs.open( sig1_LoadFileName.c_str() );  if( ! frs.is_open() ) return 0;

	inerPKUntNext
		IKmd2_InitFromTxtStream( Esc, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Klik, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( RKlik, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Left, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Rit, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Up, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Dn, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( PgUp, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( PgDn, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Home, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( End, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Del, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Space, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd14, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd15, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd16, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd17, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd18, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd19, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd20, frs );
	inerPKUntNext
		IKmd2_InitFromTxtStream( Kmd21, frs );

	frs.close();
	return 1;
	}
};

inerProjKmd  kmdSbor;




char* anSetKeysS1Eng = "Step %d/21 ( %s ).  press Key ";
char* anSetKeysS1Rus = "Шаг  %d/21 ( %s ).  жми кнопку";
char* anSetKeysS1(){if(o2::EngText) return anSetKeysS1Eng; return anSetKeysS1Rus;}


char* anSetKeysModeStr()
{
	switch(anSetKeysMode)
	{
	case 0: break;
case 1: return "Esc";
case 2: return "Klik";
case 3: return "RKlik";
case 4: return "Left";
case 5: return "Rit";
case 6: return "Up";
case 7: return "Dn";
case 8: return "PgUp";
case 9: return "PgDn";
case 10: return "Home";
case 11: return "End";
case 12: return "Del";
case 13: return "Space";
case 14: return "Kmd14";
case 15: return "Kmd15";
case 16: return "Kmd16";
case 17: return "Kmd17";
case 18: return "Kmd18";
case 19: return "Kmd19";
case 20: return "Kmd20";
case 21: return "Kmd21";
	default: break;
	}
return "x";
}



int anSetKeysModeOn()
{
	if( ! anSetKeysMode) return 0;

	glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

	glColor3f( 1.f, 1.f, 1.f);

	print1.frz( StrFmt( anSetKeysS1(), anSetKeysMode, anSetKeysModeStr() ),
		5,  20, (g_wnd_h/2),   0,0, g_wnd_w, g_wnd_h );


	if(anSetKeysMode > anSetKeys1_4Klv) //достигли или оборвали, прибавив +1000
	{
		anSetKeysMode = 0;
			// и переделать Клавиши управления пользуясь anSetKeys1_4[]

		kmdSbor.Esc.Set_KeyVers2(anSetKeys1_4[1]);
		kmdSbor.Klik.Set_KeyVers2(anSetKeys1_4[2]);
		kmdSbor.RKlik.Set_KeyVers2(anSetKeys1_4[3]);
		kmdSbor.Left.Set_KeyVers2(anSetKeys1_4[4]);
		kmdSbor.Rit.Set_KeyVers2(anSetKeys1_4[5]);
		kmdSbor.Up.Set_KeyVers2(anSetKeys1_4[6]);
		kmdSbor.Dn.Set_KeyVers2(anSetKeys1_4[7]);
		kmdSbor.PgUp.Set_KeyVers2(anSetKeys1_4[8]);
		kmdSbor.PgDn.Set_KeyVers2(anSetKeys1_4[9]);
		kmdSbor.Home.Set_KeyVers2(anSetKeys1_4[10]);
		kmdSbor.End.Set_KeyVers2(anSetKeys1_4[11]);
		kmdSbor.Del.Set_KeyVers2(anSetKeys1_4[12]);
		kmdSbor.Space.Set_KeyVers2(anSetKeys1_4[13]);
		kmdSbor.Kmd14.Set_KeyVers2(anSetKeys1_4[14]);
		kmdSbor.Kmd15.Set_KeyVers2(anSetKeys1_4[15]);
		kmdSbor.Kmd16.Set_KeyVers2(anSetKeys1_4[16]);
		kmdSbor.Kmd17.Set_KeyVers2(anSetKeys1_4[17]);
		kmdSbor.Kmd18.Set_KeyVers2(anSetKeys1_4[18]);
		kmdSbor.Kmd19.Set_KeyVers2(anSetKeys1_4[19]);
		kmdSbor.Kmd20.Set_KeyVers2(anSetKeys1_4[20]);
		kmdSbor.Kmd21.Set_KeyVers2(anSetKeys1_4[21]);

	}
	return 1;
}



int anSetKeysModeOnKeyDn()
{
	if( ! anSetKeysMode) return 0;
	if( anSetKeysMode > anSetKeys1_4Klv) return 0;
	return 1;
}

int anSetKeysModeOnKeyUp(int vk)
{
	if( ! anSetKeysMode) return 0;
	if( anSetKeysMode > anSetKeys1_4Klv) return 0;

	anSetKeys1_4[anSetKeysMode] = vk;
	anSetKeysMode += 1;
	return 1;
}


//