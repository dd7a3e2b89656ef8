
//
// full auto-gen   // do not manual editing
// полный авто-ген // вручную не редактировать
//-------------------------



// --- пикселя-текстуры..
const int
texFont0 = 3,
texCursor = 1,
texLand = 2,
texLast = 2;





// --- звуко-сэмплы..
const int
smpLast = 0;





// --- тексто-фразы..
  int
mbHello = 1,
mbErrNameParsing = 0,
mbBye = 2,
mbLast = 2;






// --------




const int anSetKeys1_4Klv = 3;
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
IKmd2  Space;

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
		IKmd2_InitFromTxtStream( Space, frs );

	frs.close();
	return 1;
	}
};

inerProjKmd  kmdSbor;




char* anSetKeysS1Eng = "Step %d/3 ( %s ).  press Key ";
char* anSetKeysS1Rus = "Шаг  %d/3 ( %s ).  жми кнопку";
char* anSetKeysS1(){if(o2::EngText) return anSetKeysS1Eng; return anSetKeysS1Rus;}


char* anSetKeysModeStr()
{
	switch(anSetKeysMode)
	{
	case 0: break;
case 1: return "Esc";
case 2: return "Klik";
case 3: return "Space";
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
		kmdSbor.Space.Set_KeyVers2(anSetKeys1_4[3]);

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