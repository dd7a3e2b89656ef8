
// //proc body
// full auto-gen   // do not manual editing
// полный авто-ген // вручную не редактировать
//-------------------------




#define XS(x, s) case x: return s;

Fgr::Fgr()
{ // только самое необходимое. //вызов Sbros обязателен при выдаче пустой фигуры
	status = 0;

	item = empty_item_adr();
	UN = empty_UN_adr();
}
#define subSbros(a)  u = a;  n = 0;  while( u && n < kChainWalkMax) \
	{ p = u->pTail; u->Sbros();  u = p;  n++; } \
	if( u) LogInfo("\nerr: " #a " LoopLink");
void Fgr::Sbros()
{
	if( sbrosNow) { if( sbrosNow == 1) LogInfo("\nerr: Sbros LoopLink"); sbrosNow = 2; return; }
	sbrosNow = 1;
int n = 0;
Fgr* u = 0; //для цепочек
Fgr* p = 0;
int tmp_nom = nom;
// ---
// Все Фигуры, которые в этих линках, это _только_наши_детальки_
// и мы должны сбросить их вместе с собой без исключений.
//
// Если что-то нужно Оставить, то надо из этих линков заранее перед Сбросом
// перекинуть к новому хозяину и уже потом удалять старого хозяина.
	if(P2_UseHelm) P2_UseHelm->Sbros();
	if(P2_UseSuit) P2_UseSuit->Sbros();
	if(P2_UseCar) P2_UseCar->Sbros();
// --- Sub
subSbros( P2_Sub_UseGun)
subSbros( P2_Sub_UseKm)
subSbros( P2_Sub_UseDet)
subSbros( P2_Sub_UseSkil)
subSbros( P2_Sub_MetGd)
subSbros( P2_Sub_MetBd)
subSbros( P2_Sub_Gruz)
subSbros( P2_Sub_Unit)
subSbros( P2_Sub_Kno)
// ---
	item_reset(); //здесь вызов обязателен  //подобное есть в Fgrs.DeleteX()
	UN_reset();
	memset( this, 0, sizeof(Fgr));
	item = empty_item_adr();
	UN = empty_UN_adr();
// ---
	floX = 2.000000f;
	fcr = 1.000000f;
	fcg = 1.000000f;
	fcb = 1.000000f;
	fca = 1.000000f;
	haf = 1.000000f;
 nom = tmp_nom;
}
#undef subSbros
// В цепочках могут лежать фигуры pF->active as zero
#define  sub_DeadL(a, s)  u = a; n = 0; while( u && n < kChainWalkMax) \
{ if( ! u->Status() ){ LogInfo(s); o2::NeedExit = 1;} u = u->pTail; n++; } \
if( u) { LogInfo("\nerr: " #a " LoopLink"); o2::NeedExit = 1; }
#define  po1_notStatus(a)  if(a) { if( ! a->Status()) a = 0; }
#define  po1_notActive(a)  if(a) { if( ! a->Active()) a = 0; }
#define  po2_notStatus(a)  if(a) { if( ! a->Status()) a = 0; }
#define  po2_notActive(a)  if(a){  if( ! a->Active()) { a->pParent = 0; a = 0; }  }
void Fgr::KillDeadLinks()
{ // проверить каждый свой указатель
int n = 0;
Fgr* u = 0;
	if(activateFgr) // activateFgr получается обязательным свойством аля status.
	{
		if( Fgrs.mOut(activateFgr) ) activateFgr = 0;
		else if( ! Fgrs.mf[activateFgr].Status() ) activateFgr = 0;
	}
// ---
po1_notActive( P_FireTarg)
po1_notActive( P_AutoTarg)
po1_notActive( P_Border)
po1_notActive( P_Ataker1)
po1_notActive( P_Ataker2)
po1_notActive( P_Ataker3)
po1_notActive( P_TrigFrom)
po1_notActive( P_Guest)
po1_notStatus( P_PrepZak1)
po1_notStatus( P_PrepZak2)

// ---
po2_notStatus( P2_UseHelm)
po2_notStatus( P2_UseSuit)
po2_notStatus( P2_UseCar)

// ---
sub_DeadL( P2_Sub_UseGun, "\nerr: Sub_UseGun DeadLink")

sub_DeadL( P2_Sub_UseKm, "\nerr: Sub_UseKm DeadLink")

sub_DeadL( P2_Sub_UseDet, "\nerr: Sub_UseDet DeadLink")

sub_DeadL( P2_Sub_UseSkil, "\nerr: Sub_UseSkil DeadLink")

sub_DeadL( P2_Sub_MetGd, "\nerr: Sub_MetGd DeadLink")

sub_DeadL( P2_Sub_MetBd, "\nerr: Sub_MetBd DeadLink")

sub_DeadL( P2_Sub_Gruz, "\nerr: Sub_Gruz DeadLink")

sub_DeadL( P2_Sub_Unit, "\nerr: Sub_Unit DeadLink")

sub_DeadL( P2_Sub_Kno, "\nerr: Sub_Kno DeadLink")

}
#undef sub_DeadL
#undef po1_notStatus
#undef po1_notActive
#undef po2_notStatus
#undef po2_notActive
#define xPtFi(name_p)  i = Fgr_Slot_Nom( name_p, forLocation);  IntWrite( i, ff);
void Fgr::SaveTo( FILE* ff, int forLocation)
{
// forLocation значит все линки сохранять (номерок_из_указателя минус FgrsBaseLast)
	if(! ff) return;
	int i;
	char* b8 = "Fgr#====";  fwrite( b8, 1, 8, ff); // важно делать всё кратным 4
// ---
	IntWriteMem2( &svZero, &svLast,  ff);
	b8 = "Fgr#Flo=";  fwrite( b8, 1, 8, ff);
// ---
	FloWriteMem2( &floZero, &floLast,  ff);
xPtFi(pParent)
xPtFi(pPrev)
xPtFi(pTail)
// ---
xPtFi( P_FireTarg)
xPtFi( P_AutoTarg)
xPtFi( P_Border)
xPtFi( P_Ataker1)
xPtFi( P_Ataker2)
xPtFi( P_Ataker3)
xPtFi( P_TrigFrom)
xPtFi( P_Guest)
xPtFi( P_PrepZak1)
xPtFi( P_PrepZak2)
// ---
xPtFi( P2_UseHelm)
xPtFi( P2_UseSuit)
xPtFi( P2_UseCar)
// ---
xPtFi( P2_Sub_UseGun)
xPtFi( P2_Sub_UseKm)
xPtFi( P2_Sub_UseDet)
xPtFi( P2_Sub_UseSkil)
xPtFi( P2_Sub_MetGd)
xPtFi( P2_Sub_MetBd)
xPtFi( P2_Sub_Gruz)
xPtFi( P2_Sub_Unit)
xPtFi( P2_Sub_Kno)
	priv_FgrExtra_SaveTo( this, ff, forLocation);
}
#define xLfFp(name_p)  IntRead( i, ff);  name_p = Etap_pFgrFromNom( i, forLocation);
void Fgr::LoadFrom( FILE* ff, int forLocation)
{
// forLocation значит все линки получать ( указатель_из( FgrsBaseLast + номерок) )
	if(! ff) return;
	int i;
	char  b8[8];
	fread( b8, 1, 8, ff);
// ---
	IntReadToMem2( &svZero, &svLast,  ff);
	fread( b8, 1, 8, ff);
// ---
	FloReadToMem2( &floZero, &floLast,  ff);
xLfFp(pParent)
xLfFp(pPrev)
xLfFp(pTail)
// ---
xLfFp( P_FireTarg)
xLfFp( P_AutoTarg)
xLfFp( P_Border)
xLfFp( P_Ataker1)
xLfFp( P_Ataker2)
xLfFp( P_Ataker3)
xLfFp( P_TrigFrom)
xLfFp( P_Guest)
xLfFp( P_PrepZak1)
xLfFp( P_PrepZak2)
// ---
xLfFp( P2_UseHelm)
xLfFp( P2_UseSuit)
xLfFp( P2_UseCar)
// ---
xLfFp( P2_Sub_UseGun)
xLfFp( P2_Sub_UseKm)
xLfFp( P2_Sub_UseDet)
xLfFp( P2_Sub_UseSkil)
xLfFp( P2_Sub_MetGd)
xLfFp( P2_Sub_MetBd)
xLfFp( P2_Sub_Gruz)
xLfFp( P2_Sub_Unit)
xLfFp( P2_Sub_Kno)
	priv_FgrExtra_LoadFrom( this, ff, forLocation);
}
#undef xPtFi
#undef xLfFp
char* fgrXName( int fgrIndex )
{
	switch(fgrIndex)
	{
XS( fgrZero, "errIndex")

XS( fgrLaser, "Laser")

XS( fgrBoom, "Boom")

XS( fgrTriger, "Triger")

XS( fgrPultFlag, "PultFlag")

XS( fgrGetGemX, "GetGemX")

XS( fgrKameraLayer, "KameraLayer")

XS( fgrLandHolder, "LandHolder")

XS( fgrLandLosk, "LandLosk")

XS( fgrLandDecal, "LandDecal")

XS( fgrBookZak, "BookZak")

XS( fgrMetkaZak, "MetkaZak")

XS( fgrFieldSpec, "FieldSpec")

XS( fgrSpawner, "Spawner")

XS( fgrDekor, "Dekor")

XS( fgrStaticBoost, "StaticBoost")

XS( fgrBoxPrize, "BoxPrize")

XS( fgrUnitGen, "UnitGen")

XS( fgrUnitDom, "UnitDom")

XS( fgrUnitRoom, "UnitRoom")

XS( fgrUnitPost, "UnitPost")

XS( fgrUnitStroi, "UnitStroi")

XS( fgrUnitPeh, "UnitPeh")

XS( fgrSquadHolder, "SquadHolder")

XS( fgrUnitHero, "UnitHero")

XS( fgrHasBunker, "HasBunker")

XS( fgrNatBunker, "NatBunker")

XS( fgrAngBunker, "AngBunker")

XS( fgrAkdBunker, "AkdBunker")

XS( fgrNekBunker, "NekBunker")

XS( fgrZavBunker, "ZavBunker")

XS( fgrPatBunker, "PatBunker")

XS( fgrKosBunker, "KosBunker")

XS( fgrMrtBunker, "MrtBunker")

XS( fgrMasBunker, "MasBunker")

XS( fgrZomBunker, "ZomBunker")

XS( fgrFasBunker, "FasBunker")

XS( fgrEntBunker, "EntBunker")

XS( fgrAngBunkerRed, "AngBunkerRed")

XS( fgrAkdBunkerSea, "AkdBunkerSea")

XS( fgrDetUnitGun, "DetUnitGun")

XS( fgrDetCapiGun, "DetCapiGun")

XS( fgrDetUnit, "DetUnit")

XS( fgrAbilSkil, "AbilSkil")

XS( fgrKnoUnit, "KnoUnit")
default: break;
	}
	return "?";
}
void ProcFgr( int procNom, Fgr* pf)
{ //сами процедуры в файле  r_p.h  // иногда их нужно создать там.
	switch(procNom)
	{
case ProcFgr_Zero: return;
case
	r_Proc_FadeTimer:
	r_Proc_FadeTimer_( pf); return;
case
	r_Proc_SpriteTimer:
	r_Proc_SpriteTimer_( pf); return;
case
	r_Laser_DrawBeam:
	r_Laser_DrawBeam_( pf); return;
case
	r_Triger_Upd:
	r_Triger_Upd_( pf); return;
case
	r_Proc_DrawOwnSprite:
	r_Proc_DrawOwnSprite_( pf); return;
case
	r_Proc_TrigerRender:
	r_Proc_TrigerRender_( pf); return;
case
	r_AnPultFlag__Upd:
	r_AnPultFlag__Upd_( pf); return;
case
	r_Proc_FlagQueue:
	r_Proc_FlagQueue_( pf); return;
case
	r_Proc_FlagRender:
	r_Proc_FlagRender_( pf); return;
case
	r_Empty_10:
	r_Empty_10_( pf); return;
case
	r_Proc_PlaceAtCursor:
	r_Proc_PlaceAtCursor_( pf); return;
case
	r_Empty_12:
	r_Empty_12_( pf); return;
case
	r_Empty_13:
	r_Empty_13_( pf); return;
case
	r_LandOverview_Build:
	r_LandOverview_Build_( pf); return;
case
	r_Empty_15:
	r_Empty_15_( pf); return;
case
	r_Empty_16:
	r_Empty_16_( pf); return;
case
	r_Empty_17:
	r_Empty_17_( pf); return;
case
	r_Land_DrawProjected:
	r_Land_DrawProjected_( pf); return;
case
	r_Proc_SpinRot:
	r_Proc_SpinRot_( pf); return;
case
	r_Proc_DrawTex1:
	r_Proc_DrawTex1_( pf); return;
case
	r_Proc_DrawGroundMark:
	r_Proc_DrawGroundMark_( pf); return;
case
	r_Proc_Bunker:
	r_Proc_Bunker_( pf); return;
case
	r_Proc_UnitStand:
	r_Proc_UnitStand_( pf); return;
case
	r_Proc_SquadHolder:
	r_Proc_SquadHolder_( pf); return;
case
	r_Proc_Unit:
	r_Proc_Unit_( pf); return;
case
	r_Proc_MarkSelected:
	r_Proc_MarkSelected_( pf); return;
case
	r_Proc_DrawUnitOverlay:
	r_Proc_DrawUnitOverlay_( pf); return;
case
	r_Proc_DrawTex1C:
	r_Proc_DrawTex1C_( pf); return;
case
	r_Proc_DrawBillboard2:
	r_Proc_DrawBillboard2_( pf); return;
case
	r_Proc_SpawnerWave:
	r_Proc_SpawnerWave_( pf); return;
case
	r_Proc_SpawnerQueue:
	r_Proc_SpawnerQueue_( pf); return;
case
	r_Proc_SpawnerRender:
	r_Proc_SpawnerRender_( pf); return;
case
	r_Fgr_TickWait:
	r_Fgr_TickWait_( pf); return;
case
	r_Proc_KnoButton:
	r_Proc_KnoButton_( pf); return;
case
	r_Empty_35:
	r_Empty_35_( pf); return;
case
	r_Proc_KnoProduce:
	r_Proc_KnoProduce_( pf); return;
case
	r_Proc_BuildStep:
	r_Proc_BuildStep_( pf); return;
case
	r_Empty_38:
	r_Empty_38_( pf); return;
case
	r_Empty_39:
	r_Empty_39_( pf); return;
case
	r_Empty_40:
	r_Empty_40_( pf); return;
case
	r_Empty_41:
	r_Empty_41_( pf); return;
case
	r_Empty_42:
	r_Empty_42_( pf); return;
case
	r_Empty_43:
	r_Empty_43_( pf); return;
case
	r_Empty_44:
	r_Empty_44_( pf); return;
case
	r_Empty_45:
	r_Empty_45_( pf); return;
case
	r_Empty_46:
	r_Empty_46_( pf); return;
case
	r_Proc_RangStep:
	r_Proc_RangStep_( pf); return;
case
	r_Empty_48:
	r_Empty_48_( pf); return;
case
	r_Empty_49:
	r_Empty_49_( pf); return;
case
	r_Empty_50:
	r_Empty_50_( pf); return;
case
	r_Empty_51:
	r_Empty_51_( pf); return;
case
	r_Empty_52:
	r_Empty_52_( pf); return;
case
	r_AnPultFlag_FromParent:
	r_AnPultFlag_FromParent_( pf); return;
case
	r_Proc_DrawTex1B:
	r_Proc_DrawTex1B_( pf); return;
case
	r_Proc_DrawBillboard:
	r_Proc_DrawBillboard_( pf); return;
case
	r_Proc_KnoButton2:
	r_Proc_KnoButton2_( pf); return;
case
	r_Empty_57:
	r_Empty_57_( pf); return;
case
	r_Fgr_KillOnWaitEnd:
	r_Fgr_KillOnWaitEnd_( pf); return;
	default: break;
	}
}
int PropsFill(int propsIndex, Fgr* pF,  int ifError_ClearStatus)
{
//int IFC_Root(int fgrIndex, Fgr* pF)
//int InitFromCode(int fgrIndex, Fgr* pF)
	if(! pF) return 0;
	//if(! pF->novorod ) return 0; уже есть пример залива _давно_готовой_фигуры_
	int re =0;
	switch( propsIndex )
	{
	case props_Zero: break;

case prLaser1:
re = prLaser1_( pF); break;

case prBoom1:
re = prBoom1_( pF); break;

case prTriger1:
re = prTriger1_( pF); break;

case prPultFlag1:
re = prPultFlag1_( pF); break;

case prGetGemX1:
re = prGetGemX1_( pF); break;

case prKameraLayer1:
re = prKameraLayer1_( pF); break;

case prLandHolder1:
re = prLandHolder1_( pF); break;

case prLandLosk1:
re = prLandLosk1_( pF); break;

case prLandDecal1:
re = prLandDecal1_( pF); break;

case prBookZak1:
re = prBookZak1_( pF); break;

case prMetkaZak1:
re = prMetkaZak1_( pF); break;

case prFieldSpec1:
re = prFieldSpec1_( pF); break;

case prSpawner1:
re = prSpawner1_( pF); break;

case prDekor1:
re = prDekor1_( pF); break;

case prStaticBoost1:
re = prStaticBoost1_( pF); break;

case prStaticBoost2:
re = prStaticBoost2_( pF); break;

case prBoxPrize1:
re = prBoxPrize1_( pF); break;

case prBuild01:
re = prBuild01_( pF); break;

case prBuild02:
re = prBuild02_( pF); break;

case prBuild03:
re = prBuild03_( pF); break;

case prBuild04:
re = prBuild04_( pF); break;

case prBuild05:
re = prBuild05_( pF); break;

case prBuild06:
re = prBuild06_( pF); break;

case prBuild07:
re = prBuild07_( pF); break;

case prBuild08:
re = prBuild08_( pF); break;

case prBuild09:
re = prBuild09_( pF); break;

case prBuild10:
re = prBuild10_( pF); break;

case prBuild11:
re = prBuild11_( pF); break;

case prBuild12:
re = prBuild12_( pF); break;

case prBuild13:
re = prBuild13_( pF); break;

case prBuild14:
re = prBuild14_( pF); break;

case prBuild15:
re = prBuild15_( pF); break;

case prBuild16:
re = prBuild16_( pF); break;

case prBuild17:
re = prBuild17_( pF); break;

case prBuild18:
re = prBuild18_( pF); break;

case prBuild19:
re = prBuild19_( pF); break;

case prBuild20:
re = prBuild20_( pF); break;

case prBuild21:
re = prBuild21_( pF); break;

case prBuild22:
re = prBuild22_( pF); break;

case prBuild23:
re = prBuild23_( pF); break;

case prBuild24:
re = prBuild24_( pF); break;

case prBuilder1:
re = prBuilder1_( pF); break;

case prFoot01:
re = prFoot01_( pF); break;

case prFoot02:
re = prFoot02_( pF); break;

case prFoot03:
re = prFoot03_( pF); break;

case prFoot04:
re = prFoot04_( pF); break;

case prFoot05:
re = prFoot05_( pF); break;

case prFoot06:
re = prFoot06_( pF); break;

case prFoot07:
re = prFoot07_( pF); break;

case prFoot08:
re = prFoot08_( pF); break;

case prFoot09:
re = prFoot09_( pF); break;

case prFoot10:
re = prFoot10_( pF); break;

case prFoot11:
re = prFoot11_( pF); break;

case prFoot12:
re = prFoot12_( pF); break;

case prFoot13:
re = prFoot13_( pF); break;

case prFoot14:
re = prFoot14_( pF); break;

case prSquad1:
re = prSquad1_( pF); break;

case prSquad2:
re = prSquad2_( pF); break;

case prSquad3:
re = prSquad3_( pF); break;

case prSquad4:
re = prSquad4_( pF); break;

case prSquad5:
re = prSquad5_( pF); break;

case prSquad6:
re = prSquad6_( pF); break;

case prSquad7:
re = prSquad7_( pF); break;

case prSquad8:
re = prSquad8_( pF); break;

case prCaptain1:
re = prCaptain1_( pF); break;

case prHasBunker1:
re = prHasBunker1_( pF); break;

case prNatBunker1:
re = prNatBunker1_( pF); break;

case prAngBunker1:
re = prAngBunker1_( pF); break;

case prAkdBunker1:
re = prAkdBunker1_( pF); break;

case prNekBunker1:
re = prNekBunker1_( pF); break;

case txt_ZavBunker1: re = PropsReadTxt( "txt_ZavBunker1.txt", pF); break;

case txt_PatBunker1: re = PropsReadTxt( "txt_PatBunker1.txt", pF); break;

case txt_KosBunker1: re = PropsReadTxt( "txt_KosBunker1.txt", pF); break;

case txt_MrtBunker1: re = PropsReadTxt( "txt_MrtBunker1.txt", pF); break;

case txt_MasBunker1: re = PropsReadTxt( "txt_MasBunker1.txt", pF); break;

case txt_ZomBunker1: re = PropsReadTxt( "txt_ZomBunker1.txt", pF); break;

case txt_FasBunker1: re = PropsReadTxt( "txt_FasBunker1.txt", pF); break;

case txt_EntBunker1: re = PropsReadTxt( "txt_EntBunker1.txt", pF); break;

case txt_AngBunkerRed1: re = PropsReadTxt( "txt_AngBunkerRed1.txt", pF); break;

case txt_AkdBunkerSea1: re = PropsReadTxt( "txt_AkdBunkerSea1.txt", pF); break;

case prUnitGun01:
re = prUnitGun01_( pF); break;

case prUnitGun02:
re = prUnitGun02_( pF); break;

case prUnitGun03:
re = prUnitGun03_( pF); break;

case prUnitGun04:
re = prUnitGun04_( pF); break;

case prUnitGun05:
re = prUnitGun05_( pF); break;

case prUnitGun06:
re = prUnitGun06_( pF); break;

case prUnitGun07:
re = prUnitGun07_( pF); break;

case prUnitGun08:
re = prUnitGun08_( pF); break;

case prUnitGun09:
re = prUnitGun09_( pF); break;

case prUnitGun10:
re = prUnitGun10_( pF); break;

case prUnitGun11:
re = prUnitGun11_( pF); break;

case prUnitGun12:
re = prUnitGun12_( pF); break;

case prUnitGun13:
re = prUnitGun13_( pF); break;

case prUnitGun14:
re = prUnitGun14_( pF); break;

case prUnitGun15:
re = prUnitGun15_( pF); break;

case prUnitGun16:
re = prUnitGun16_( pF); break;

case prUnitGun17:
re = prUnitGun17_( pF); break;

case prCaptainGun1:
re = prCaptainGun1_( pF); break;

case prDetail1:
re = prDetail1_( pF); break;

case prArmor1:
re = prArmor1_( pF); break;

case prSkill01:
re = prSkill01_( pF); break;

case prSkill02:
re = prSkill02_( pF); break;

case prSkill03:
re = prSkill03_( pF); break;

case prSkill04:
re = prSkill04_( pF); break;

case prSkill05:
re = prSkill05_( pF); break;

case prSkill06:
re = prSkill06_( pF); break;

case prSkill07:
re = prSkill07_( pF); break;

case prSkill08:
re = prSkill08_( pF); break;

case prSkill09:
re = prSkill09_( pF); break;

case prSkill10:
re = prSkill10_( pF); break;

case prSkill11:
re = prSkill11_( pF); break;

case prSkill12:
re = prSkill12_( pF); break;

case prButton1:
re = prButton1_( pF); break;

	default: break;
	}
	if(re) PropsFill_FinTram( propsIndex, pF, re);
	if(EditModeOn) pF->UnderGround = visUnderGround;
	if( ifError_ClearStatus){ if(! re) pF->status = 0; }
return re;
}
int fgrIndexUnitOrItem( int fgrIndex)
{
	switch( fgrIndex )
	{
	case fgrZero: break;
case fgrDetUnitGun :
case fgrDetCapiGun :
case fgrDetUnit :
case fgrAbilSkil :
	return item_ind2; // klv: 4
case fgrSpawner :
case fgrUnitGen :
case fgrUnitDom :
case fgrUnitRoom :
case fgrUnitPost :
case fgrUnitStroi :
case fgrUnitPeh :
case fgrUnitHero :
case fgrHasBunker :
case fgrNatBunker :
case fgrAngBunker :
case fgrAkdBunker :
case fgrNekBunker :
case fgrZavBunker :
case fgrPatBunker :
case fgrKosBunker :
case fgrMrtBunker :
case fgrMasBunker :
case fgrZomBunker :
case fgrFasBunker :
case fgrEntBunker :
case fgrAngBunkerRed :
case fgrAkdBunkerSea :
	return UN_ind1; // klv: 23
	default: break;
	}
return 0;
}
Fgr*  KombiPreset( int kombi_NegNom, int forBaner, int toBase)
{
	switch(kombi_NegNom)
	{
	case KombiPreset_Zero: return 0;
case
kombi_Stroitel: return
kombi_Stroitel_( forBaner, toBase);
case
kombi_Stroitel1Kno: return
kombi_Stroitel1Kno_( forBaner, toBase);
case
kombi_SoldatAkademii: return
kombi_SoldatAkademii_( forBaner, toBase);
case
kombi_RoboGolem: return
kombi_RoboGolem_( forBaner, toBase);
case
kombi_StrelokAngelov: return
kombi_StrelokAngelov_( forBaner, toBase);
case
kombi_OsobyiStrelok: return
kombi_OsobyiStrelok_( forBaner, toBase);
case
kombi_GlushakAngelov: return
kombi_GlushakAngelov_( forBaner, toBase);
case
kombi_KuznecAngelov: return
kombi_KuznecAngelov_( forBaner, toBase);
case
kombi_RokerAngelov: return
kombi_RokerAngelov_( forBaner, toBase);
case
kombi_MashanyaAngelov: return
kombi_MashanyaAngelov_( forBaner, toBase);
case
kombi_PolnayaMashanya: return
kombi_PolnayaMashanya_( forBaner, toBase);
case
kombi_RoboKop: return
kombi_RoboKop_( forBaner, toBase);
case
kombi_RukaAngela: return
kombi_RukaAngela_( forBaner, toBase);
case
kombi_Captain5: return
kombi_Captain5_( forBaner, toBase);
case
kombi_Captain1: return
kombi_Captain1_( forBaner, toBase);
case
kombi_Captain2: return
kombi_Captain2_( forBaner, toBase);
case
kombi_SquadSoldat4: return
kombi_SquadSoldat4_( forBaner, toBase);
case
kombi_SquadRoboGolem4: return
kombi_SquadRoboGolem4_( forBaner, toBase);
case
kombi_SquadGlushakStrelok: return
kombi_SquadGlushakStrelok_( forBaner, toBase);
case
kombi_SquadGlushak3: return
kombi_SquadGlushak3_( forBaner, toBase);
case
kombi_SquadOsobyiStrelok3: return
kombi_SquadOsobyiStrelok3_( forBaner, toBase);
case
kombi_SquadRoker4: return
kombi_SquadRoker4_( forBaner, toBase);
case
kombi_SquadRoboKop4: return
kombi_SquadRoboKop4_( forBaner, toBase);
	default: break;
	}
	return 0;
}
char* Boe_KanChars( int bsKan) // const char*
{ // максимум 13 знаков
	switch(bsKan)
	{
	case bcZero: break;
XS( bcNormHP,  "NormHP")
XS( bcNormHP_, "NormHP^")

XS( bcCaptHP,  "CaptHP")
XS( bcCaptHP_, "CaptHP^")

XS( bcTehnHP,  "TehnHP")
XS( bcTehnHP_, "TehnHP^")

XS( bcAtkRate,  "AtkRate")
XS( bcAtkRate_, "AtkRate^")

XS( bcDefRate,  "DefRate")
XS( bcDefRate_, "DefRate^")

XS( bcArmor,  "Armor")
XS( bcArmor_, "Armor^")

XS( bcMana,  "Mana")
XS( bcMana_, "Mana^")

XS( bcHot,  "Hot")
XS( bcHot_, "Hot^")

XS( bcHotMix,  "HotMix")
XS( bcHotMix_, "HotMix^")

XS( bcHotRobo,  "HotRobo")
XS( bcHotRobo_, "HotRobo^")

XS( bcAnger,  "Anger")
XS( bcAnger_, "Anger^")

XS( bcAbil,  "Abil")
XS( bcAbil_, "Abil^")

XS( bcAura,  "Aura")
XS( bcAura_, "Aura^")

XS( bcReload,  "Reload")
XS( bcReload_, "Reload^")

XS( bcMoveSk,  "MoveSk")
XS( bcMoveSk_, "MoveSk^")

XS( bcIce,  "Ice")
XS( bcIce_, "Ice^")

XS( bcFire,  "Fire")
XS( bcFire_, "Fire^")

XS( bcMolni,  "Molni")
XS( bcMolni_, "Molni^")

XS( bcPoison,  "Poison")
XS( bcPoison_, "Poison^")

// ---

XS( kvNormHP_Silver, "NormHP_Silver")
XS( kvNormHP_Gold, "NormHP_Gold")
XS( kvNormHP_Doc, "NormHP_Doc")

XS( kvMana_Vhod, "Mana_Vhod")
XS( kvMana_Uhod, "Mana_Uhod")

XS( kvHot_Vetern, "Hot_Vetern")
XS( kvHot_Terror, "Hot_Terror")

XS( kvHotMix_Vetern, "HotMix_Vetern")
XS( kvHotMix_Terror, "HotMix_Terror")

XS( kvIce_Air, "Ice_Air")

XS( kvFire_Air, "Fire_Air")

XS( kvMolni_Air, "Molni_Air")

XS( kvPoison_Air, "Poison_Air")
	default: break;
	}
	return "xBoe";
}



// ------------


#define afn(s, n) if( strcmp( NameFgrProp, s) == 0) return (char*)(&pF->n);
char* FgrEd_AdrFromName( Fgr* pF, const char* NameFgrProp, int& outType)
{
	outType = inFgrNonType0;
	if(! pF) return 0;
	if(! NameFgrProp) return 0;
	outType = inFgrIntType1;
afn("Sub_UseGun_now", Sub_UseGun_now)
afn("Sub_UseGun_max", Sub_UseGun_max)
afn("Sub_UseKm_now", Sub_UseKm_now)
afn("Sub_UseKm_max", Sub_UseKm_max)
afn("Sub_UseDet_now", Sub_UseDet_now)
afn("Sub_UseDet_max", Sub_UseDet_max)
afn("Sub_UseSkil_now", Sub_UseSkil_now)
afn("Sub_UseSkil_max", Sub_UseSkil_max)
afn("Sub_MetGd_now", Sub_MetGd_now)
afn("Sub_MetGd_max", Sub_MetGd_max)
afn("Sub_MetBd_now", Sub_MetBd_now)
afn("Sub_MetBd_max", Sub_MetBd_max)
afn("Sub_Gruz_now", Sub_Gruz_now)
afn("Sub_Gruz_max", Sub_Gruz_max)
afn("Sub_Unit_now", Sub_Unit_now)
afn("Sub_Unit_max", Sub_Unit_max)
afn("Sub_Kno_now", Sub_Kno_now)
afn("Sub_Kno_max", Sub_Kno_max)
afn("nom", nom)
afn("status", status)
afn("active", active)
afn("novorod", novorod)
afn("priv_LogIndex", priv_LogIndex)
afn("woDraw", woDraw)
afn("woUpdate", woUpdate)
afn("ProcNomMixHitBars1", ProcNomMixHitBars1)
afn("HitBarMixCase", HitBarMixCase)
afn("ProcNomUpd2", ProcNomUpd2)
afn("ProcNomDraw", ProcNomDraw)
afn("ProcNomOnR", ProcNomOnR)
afn("ProcNomOnK", ProcNomOnK)
afn("bornTehnola", bornTehnola)
afn("isUnitWork", isUnitWork)
afn("baner", baner)
afn("nonMassSelect", nonMassSelect)
afn("isSelected", isSelected)
afn("NormAtakTarget", NormAtakTarget)
afn("ImunZeroTarget", ImunZeroTarget)
afn("KlientVidit", KlientVidit)
afn("useNormHP", useNormHP)
afn("useCaptHP", useCaptHP)
afn("useTehnHP", useTehnHP)
afn("SpeLoskNom", SpeLoskNom)
afn("SpeDecalNom", SpeDecalNom)
afn("LandKleLUp", LandKleLUp)
afn("LandKleStamp", LandKleStamp)
afn("KleX1", KleX1)
afn("KleX2", KleX2)
afn("KleX3", KleX3)
afn("KleX4", KleX4)
afn("Tex1", Tex1)
afn("ueWaitFull", ueWaitFull)
afn("ueWaitNow", ueWaitNow)
afn("waitFull", waitFull)
afn("waitNow", waitNow)
afn("imiter", imiter)
afn("get_RadiusVis_", get_RadiusVis_)
afn("get_RadStroi_", get_RadStroi_)
afn("get_RadDetector_", get_RadDetector_)
afn("get_SkorosMin_", get_SkorosMin_)
afn("get_SkorosMax_", get_SkorosMax_)
afn("get_SkorosMirMax_", get_SkorosMirMax_)
afn("parentSig", parentSig)
afn("trigPultKno", trigPultKno)
afn("fromPultSig", fromPultSig)
afn("activateFgr", activateFgr)
afn("activateExt", activateExt)
afn("trigRunCase", trigRunCase)
afn("trigSensCase", trigSensCase)
afn("trigDamba", trigDamba)
afn("trigRunKlv", trigRunKlv)
afn("isMort", isMort)
afn("detRadial", detRadial)
afn("detPlace", detPlace)
afn("focusFire", focusFire)
afn("gruzZaimem", gruzZaimem)
afn("dGunUseCase", dGunUseCase)
afn("dXKlv", dXKlv)
afn("dXKlvMax", dXKlvMax)
afn("GunSpec", GunSpec)
afn("GunPlus", GunPlus)
afn("FindAutoTarg", FindAutoTarg)
afn("xExpNow", xExpNow)
afn("xExpNext", xExpNext)
afn("xExpToOrbit", xExpToOrbit)
afn("trueSarj", trueSarj)
afn("trueCaptain", trueCaptain)
afn("panic", panic)
afn("panicOut", panicOut)
afn("tactic", tactic)
afn("OnR_inFgr", OnR_inFgr)
afn("AbilConrtolUp", AbilConrtolUp)
afn("AbilConrtolDown", AbilConrtolDown)
afn("AbilDecoderUp", AbilDecoderUp)
afn("AbilSkilVers", AbilSkilVers)
afn("SkilRangBase", SkilRangBase)
afn("SkilRangExt2", SkilRangExt2)
afn("SkilRangExt3", SkilRangExt3)
afn("reNear", reNear)
afn("nearToEnemy", nearToEnemy)
afn("onPath", onPath)
afn("onPathNext", onPathNext)
afn("onPathLen", onPathLen)
afn("targPathKle", targPathKle)
afn("targPathKle2", targPathKle2)
afn("Marsh1", Marsh1)
afn("Marsh2", Marsh2)
afn("Marsh3", Marsh3)
afn("Marsh4", Marsh4)
afn("MarshKuda", MarshKuda)
afn("MarshMode", MarshMode)
afn("PafLay", PafLay)
afn("WayAdvWait", WayAdvWait)
afn("GoAwayMove", GoAwayMove)
afn("Pritormozi", Pritormozi)
afn("MirMoveMode", MirMoveMode)
afn("AnimFlagKan", AnimFlagKan)
afn("AnimBonusKan", AnimBonusKan)
afn("banerFirst", banerFirst)
afn("bunkerHost", bunkerHost)
afn("kmra_statusMode", kmra_statusMode)
afn("kmra_prior", kmra_prior)
afn("kmra_glavEkran", kmra_glavEkran)
afn("kmra_Flare2D", kmra_Flare2D)
afn("kmra_toTex", kmra_toTex)
afn("kmra_DecalMode", kmra_DecalMode)
afn("kmra_VPx", kmra_VPx)
afn("kmra_VPy", kmra_VPy)
afn("kmra_VPw", kmra_VPw)
afn("kmra_VPh", kmra_VPh)
afn("kmra_ScisX", kmra_ScisX)
afn("kmra_ScisY", kmra_ScisY)
afn("kmra_ScisW", kmra_ScisW)
afn("kmra_ScisH", kmra_ScisH)
afn("kmra_Flat", kmra_Flat)
afn("KamStudio", KamStudio)
afn("KamClearClr", KamClearClr)
afn("UnderGround", UnderGround)
afn("SpeLandHolderNom", SpeLandHolderNom)
afn("FieldSpeStro", FieldSpeStro)
afn("FieldSpeStro_PitStatus", FieldSpeStro_PitStatus)
afn("DontUseGunMode", DontUseGunMode)
afn("GabarIsFat", GabarIsFat)
afn("GabarSkeletal", GabarSkeletal)
afn("CapZero_WaterFast", CapZero_WaterFast)
afn("CapZero_WardSpec", CapZero_WardSpec)
afn("CapZero_IgnorTarg", CapZero_IgnorTarg)
afn("CapZero_ZagradSquad", CapZero_ZagradSquad)
afn("LifeCase", LifeCase)
afn("ForLifeCase", ForLifeCase)
afn("costPreset", costPreset)
afn("BringAllWaitFull", BringAllWaitFull)
afn("BringAllWaitNow", BringAllWaitNow)
afn("BringGold", BringGold)
afn("BringEner", BringEner)
afn("BringMat", BringMat)
afn("BringGem1", BringGem1)
afn("BringGem2", BringGem2)
afn("BringGem3", BringGem3)
afn("BringGem4", BringGem4)
afn("BringMana", BringMana)
afn("BringX", BringX)
afn("Kno_UK", Kno_UK)
afn("Kno_Stadi", Kno_Stadi)
afn("Kno_SpePopUp", Kno_SpePopUp)
afn("Kno_MsgTitul", Kno_MsgTitul)
afn("Kno_MsgHint1", Kno_MsgHint1)
afn("Kno_MsgHint2", Kno_MsgHint2)
afn("Kno_MsgHint3", Kno_MsgHint3)
afn("Kno_MsgHint4", Kno_MsgHint4)
afn("Kno_TMarketFgrInd", Kno_TMarketFgrInd)
afn("Kno_TMarketPropsInd", Kno_TMarketPropsInd)
afn("Kno_TMarketKlon", Kno_TMarketKlon)
afn("laser_first", laser_first)
afn("For_GameEasy", For_GameEasy)
afn("armorType", armorType)
afn("armorCore", armorCore)
afn("visualWaitFull", visualWaitFull)
afn("visualWait", visualWait)
afn("zvKan", zvKan)
afn("zvSmp", zvSmp)
afn("zvGainCase", zvGainCase)
afn("zvPitchCase", zvPitchCase)
afn("MagikVers", MagikVers)
afn("spelCastFull", spelCastFull)
afn("spelCastNow", spelCastNow)
afn("zap001", zap001)
afn("zap002", zap002)
afn("zap003", zap003)
afn("zap004", zap004)
afn("zap005", zap005)
afn("zap006", zap006)
afn("zap007", zap007)
afn("zap008", zap008)
afn("zap009", zap009)
afn("zap010", zap010)
afn("zap011", zap011)
afn("zap012", zap012)
afn("zap013", zap013)
afn("zap014", zap014)
afn("zap015", zap015)
afn("zap016", zap016)
afn("zap017", zap017)
afn("zap018", zap018)
afn("zap019", zap019)
afn("zap020", zap020)
afn("zap021", zap021)
afn("zap022", zap022)
afn("zap023", zap023)
afn("zap024", zap024)
afn("zap025", zap025)
afn("zap026", zap026)
afn("zap027", zap027)
afn("zap028", zap028)
afn("zap029", zap029)
afn("zap030", zap030)
	outType = inFgrFloType2;
afn("floX", floX)
afn("fcr", fcr)
afn("fcg", fcg)
afn("fcb", fcb)
afn("fca", fca)
afn("priv_position_x", priv_position_x)
afn("priv_position_y", priv_position_y)
afn("priv_position_z", priv_position_z)
afn("priv_position_zap", priv_position_zap)
afn("haf", haf)
afn("rot", rot)
afn("laserX", laserX)
afn("laserY", laserY)
afn("laserZ", laserZ)
afn("laserZ_zap", laserZ_zap)
afn("colorFull", colorFull)
afn("LenFull", LenFull)
afn("LenNow", LenNow)
afn("skoros", skoros)
afn("MoveOporaX", MoveOporaX)
afn("MoveOporaY", MoveOporaY)
afn("MoveOporaZ", MoveOporaZ)
afn("MoveOporaZ_zap", MoveOporaZ_zap)
afn("MoveDirX", MoveDirX)
afn("MoveDirY", MoveDirY)
afn("MoveDirZ", MoveDirZ)
afn("MoveDirZ_zap", MoveDirZ_zap)
afn("kmra_Flat__KamScW", kmra_Flat__KamScW)
afn("kmra_Flat__KamScH", kmra_Flat__KamScH)
afn("kmra_Proj__ObzorY", kmra_Proj__ObzorY)
afn("kmra_Proj__Aspect", kmra_Proj__Aspect)
afn("kmra_ZNear", kmra_ZNear)
afn("kmra_ZFar", kmra_ZFar)
afn("test_rot1", test_rot1)
afn("zvfGain", zvfGain)
afn("zvfPitch", zvfPitch)
afn("zaf001", zaf001)
afn("zaf002", zaf002)
afn("zaf003", zaf003)
afn("zaf004", zaf004)
afn("zaf005", zaf005)
afn("zaf006", zaf006)
afn("zaf007", zaf007)
afn("zaf008", zaf008)
afn("zaf009", zaf009)
afn("zaf010", zaf010)
afn("zaf011", zaf011)
afn("zaf012", zaf012)
afn("zaf013", zaf013)
afn("zaf014", zaf014)
afn("zaf015", zaf015)
afn("zaf016", zaf016)
afn("zaf017", zaf017)
afn("zaf018", zaf018)
afn("zaf019", zaf019)
afn("zaf020", zaf020)
	outType = inFgrNonType0;
	return 0;
}
#undef afn
#ifdef USE_EDITOR_PROC
//{

void Fgr_Int_ReadOnly( int n, int& readOnly)
{
	readOnly = 1;
	if(n < 1 || n > 216) return;
switch(n)
{
case 0:
case 1:
case 3:
case 5:
case 7:
case 9:
case 11:
case 13:
case 15:
case 17:
case 19:
case 22:
case 23:
	return;
default: break;
}
	readOnly = 0;
}
#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;
int Fgr_Int_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
pn( 1,  1, 0, 0, 0)
pn( 2,  1, 0, 3, 0)
pn( 3,  1, 0, 0, 0)
pn( 4,  1, 0, 3, 0)
pn( 5,  1, 0, 0, 0)
pn( 6,  1, 0, 3, 0)
pn( 7,  1, 0, 0, 0)
pn( 8,  1, 0, 3, 0)
pn( 9,  1, 0, 0, 0)
pn( 10,  1, 0, 3, 0)
pn( 11,  1, 0, 0, 0)
pn( 12,  1, 0, 3, 0)
pn( 13,  1, 0, 0, 0)
pn( 14,  1, 0, 3, 0)
pn( 15,  1, 0, 0, 0)
pn( 16,  1, 0, 3, 0)
pn( 17,  1, 0, 0, 0)
pn( 18,  1, 0, 3, 0)
pn( 19,  1, 1, 0, 0)
pn( 20,  1, 0, 0, 0)
pn( 21,  1, 0, 0, 0)
pn( 22,  1, 0, 0, 0)
pn( 23,  1, 0, 0, 0)
pn( 24,  1, 0, 0, 0)
pn( 25,  1, 0, 0, 0)
pn( 26,  1, 0, 0, 0)
pn( 27,  1, 0, 0, 0)
pn( 28,  1, 0, 0, 0)
pn( 29,  1, 0, 0, 0)
pn( 30,  1, 0, 0, 0)
pn( 31,  1, 0, 0, 0)
pn( 32,  1, 0, 0, 0)
pn( 33,  1, 0, 0, 0)
pn( 34,  1, 0, 0, 0)
pn( 35,  1, 0, 0, 0)
pn( 36,  1, 0, 0, 0)
pn( 37,  1, 0, 0, 0)
pn( 38,  1, 0, 0, 0)
pn( 39,  1, 0, 0, 0)
pn( 40,  1, 0, 0, 0)
pn( 41,  1, 0, 0, 0)
pn( 42,  1, 0, 0, 0)
pn( 43,  1, 0, 0, 0)
pn( 44,  1, 0, 0, 0)
pn( 45,  1, 0, 0, 0)
pn( 46,  1, 0, 0, 0)
pn( 47,  1, 0, 0, 0)
pn( 48,  1, 0, 0, 0)
pn( 49,  1, 0, 0, 0)
pn( 50,  1, 0, 0, 0)
pn( 51,  1, 0, 0, 0)
pn( 52,  1, 0, 0, 0)
pn( 53,  1, 0, 0, 0)
pn( 54,  1, 0, 0, 0)
pn( 55,  1, 0, 0, 0)
pn( 56,  1, 0, 0, 0)
pn( 57,  1, 0, 0, 0)
pn( 58,  1, 0, 0, 0)
pn( 59,  1, 0, 0, 0)
pn( 60,  1, 0, 0, 0)
pn( 61,  1, 0, 0, 0)
pn( 62,  1, 0, 0, 0)
pn( 63,  1, 0, 0, 0)
pn( 64,  1, 0, 0, 0)
pn( 65,  1, 0, 0, 0)
pn( 66,  1, 0, 0, 0)
pn( 67,  1, 0, 0, 0)
pn( 68,  1, 0, 0, 0)
pn( 69,  1, 0, 0, 0)
pn( 70,  1, 0, 0, 0)
pn( 71,  1, 0, 0, 0)
pn( 72,  1, 0, 0, 0)
pn( 73,  1, 0, 0, 0)
pn( 74,  1, 0, 0, 0)
pn( 75,  1, 0, 0, 0)
pn( 76,  1, 0, 0, 0)
pn( 77,  1, 0, 0, 0)
pn( 78,  1, 0, 0, 0)
pn( 79,  1, 0, 0, 0)
pn( 80,  1, 0, 0, 0)
pn( 81,  1, 0, 0, 0)
pn( 82,  1, 0, 0, 0)
pn( 83,  1, 0, 0, 0)
pn( 84,  1, 0, 0, 0)
pn( 85,  1, 0, 0, 0)
pn( 86,  1, 0, 0, 0)
pn( 87,  1, 0, 0, 0)
pn( 88,  1, 0, 0, 0)
pn( 89,  1, 0, 0, 0)
pn( 90,  1, 0, 0, 0)
pn( 91,  1, 0, 0, 0)
pn( 92,  1, 0, 0, 0)
pn( 93,  1, 0, 0, 0)
pn( 94,  1, 0, 0, 0)
pn( 95,  1, 0, 0, 0)
pn( 96,  1, 0, 0, 0)
pn( 97,  1, 0, 0, 0)
pn( 98,  1, 0, 0, 0)
pn( 99,  1, 0, 0, 0)
pn( 100,  1, 0, 0, 0)
pn( 101,  1, 0, 0, 0)
pn( 102,  1, 0, 0, 0)
pn( 103,  1, 0, 0, 0)
pn( 104,  1, 0, 0, 0)
pn( 105,  1, 0, 0, 0)
pn( 106,  1, 0, 0, 0)
pn( 107,  1, 0, 0, 0)
pn( 108,  1, 0, 0, 0)
pn( 109,  1, 0, 0, 0)
pn( 110,  1, 0, 0, 0)
pn( 111,  1, 0, 0, 0)
pn( 112,  1, 0, 0, 0)
pn( 113,  1, 0, 0, 0)
pn( 114,  1, 0, 0, 0)
pn( 115,  1, 0, 0, 0)
pn( 116,  1, 0, 0, 0)
pn( 117,  1, 0, 0, 0)
pn( 118,  1, 0, 0, 0)
pn( 119,  1, 0, 0, 0)
pn( 120,  1, 0, 0, 0)
pn( 121,  1, 0, 0, 0)
pn( 122,  1, 0, 0, 0)
pn( 123,  1, 0, 0, 0)
pn( 124,  1, 0, 0, 0)
pn( 125,  1, 0, 0, 0)
pn( 126,  1, 0, 0, 0)
pn( 127,  1, 0, 0, 0)
pn( 128,  1, 0, 0, 0)
pn( 129,  1, 0, 0, 0)
pn( 130,  1, 0, 0, 0)
pn( 131,  1, 0, 0, 0)
pn( 132,  1, 0, 0, 0)
pn( 133,  1, 0, 0, 0)
pn( 134,  1, 0, 0, 0)
pn( 135,  1, 0, 0, 0)
pn( 136,  1, 0, 0, 0)
pn( 137,  1, 0, 0, 0)
pn( 138,  1, 0, 0, 0)
pn( 139,  1, 0, 0, 0)
pn( 140,  1, 0, 0, 0)
pn( 141,  1, 0, 0, 0)
pn( 142,  1, 0, 0, 0)
pn( 143,  1, 0, 0, 0)
pn( 144,  1, 0, 0, 0)
pn( 145,  1, 0, 0, 0)
pn( 146,  1, 0, 0, 0)
pn( 147,  1, 0, 0, 0)
pn( 148,  1, 0, 0, 0)
pn( 149,  1, 0, 0, 0)
pn( 150,  1, 0, 0, 0)
pn( 151,  1, 0, 0, 0)
pn( 152,  1, 0, 0, 0)
pn( 153,  1, 0, 0, 0)
pn( 154,  1, 0, 0, 0)
pn( 155,  1, 0, 0, 0)
pn( 156,  1, 0, 0, 0)
pn( 157,  1, 0, 0, 0)
pn( 158,  1, 0, 0, 0)
pn( 159,  1, 0, 0, 0)
pn( 160,  1, 0, 0, 0)
pn( 161,  1, 0, 0, 0)
pn( 162,  1, 0, 0, 0)
pn( 163,  1, 0, 0, 0)
pn( 164,  1, 0, 0, 0)
pn( 165,  1, 0, 0, 0)
pn( 166,  1, 0, 0, 0)
pn( 167,  1, 0, 0, 0)
pn( 168,  1, 0, 0, 0)
pn( 169,  1, 0, 0, 0)
pn( 170,  1, 0, 0, 0)
pn( 171,  1, 0, 0, 0)
pn( 172,  1, 0, 0, 0)
pn( 173,  1, 0, 0, 0)
pn( 174,  1, 0, 0, 0)
pn( 175,  1, 0, 0, 0)
pn( 176,  1, 0, 0, 0)
pn( 177,  1, 0, 0, 0)
pn( 178,  1, 0, 0, 0)
pn( 179,  1, 0, 0, 0)
pn( 180,  1, 0, 0, 0)
pn( 181,  1, 0, 0, 0)
pn( 182,  1, 0, 0, 0)
pn( 183,  1, 0, 0, 0)
pn( 184,  1, 0, 0, 0)
pn( 185,  1, 0, 0, 0)
pn( 186,  1, 0, 0, 0)
pn( 187,  1, 0, 0, 0)
pn( 188,  1, 0, 0, 0)
pn( 189,  1, 0, 0, 0)
pn( 190,  1, 0, 0, 0)
pn( 191,  1, 0, 0, 0)
pn( 192,  1, 0, 0, 0)
pn( 193,  1, 0, 0, 0)
pn( 194,  1, 0, 0, 0)
pn( 195,  1, 0, 0, 0)
pn( 196,  1, 0, 0, 0)
pn( 197,  1, 0, 0, 0)
pn( 198,  1, 0, 0, 0)
pn( 199,  1, 0, 0, 0)
pn( 200,  1, 0, 0, 0)
pn( 201,  1, 0, 0, 0)
pn( 202,  1, 0, 0, 0)
pn( 203,  1, 0, 0, 0)
pn( 204,  1, 0, 0, 0)
pn( 205,  1, 0, 0, 0)
pn( 206,  1, 0, 0, 0)
pn( 207,  1, 0, 0, 0)
pn( 208,  1, 0, 0, 0)
pn( 209,  1, 0, 0, 0)
pn( 210,  1, 0, 0, 0)
pn( 211,  1, 0, 0, 0)
pn( 212,  1, 0, 0, 0)
pn( 213,  1, 0, 0, 0)
pn( 214,  1, 0, 0, 0)
pn( 215,  1, 0, 0, 0)
pn( 216,  1, 0, 0, 0)
default: break;
}
	return 0;
}
char*  Fgr_Int_Kom1( int n)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
XS( 19, "// номер в масиве //Fgrs.m[nom].nom //не обнулять при Сбросе")
XS( 20, "// kind of the figure; 0: the slot is an empty place")
XS( 21, "// если Ноль, то фигура не Рисуется и не Обновляется.")
XS( 22, "// newborn: 1 from creation until the container clears it")
XS( 23, "// running number given at creation, unique in a run")
XS( 24, "// non-zero: not drawn for the moment")
XS( 25, "// non-zero: skipped by the container update")
XS( 26, "// procedure number of the hit-bar procedure")
XS( 28, "// procedure number of the per-frame update")
XS( 29, "// procedure number of the draw (queue) procedure")
XS( 30, "// procedure number called back by rendering")
XS( 31, "// procedure number of the click handler (panel buttons)")
XS( 32, "// unit kind passport used to find units")
XS( 33, "// unit-like figure kind:")
XS( 34, "// the side the figure fights for (who placed a trigger)")
XS( 36, "// selected flag; -1: cannot be selected")
XS( 37, "// whether the figure can be attacked normally")
XS( 38, "// ignore fire at this figure")
XS( 39, "// whether the player sees the figure")
XS( 40, "// 0 or 1: this hit bar tells alive from dead")
XS( 43, "// land patch figure (kind 14): its patch number")
XS( 45, "// top-left cell from which the stamp is laid")
XS( 46, "// stamp preset of the cells a building occupies")
XS( 53, "// countdown of the automatic self update of a unit")
XS( 54, "// interval in milliseconds (for guns: reload)")
XS( 55, "// countdown of waitFull")
XS( 56, "// emitter case 1..4")
XS( 57, "// radius of sight")
XS( 58, "// building radius around buildings")
XS( 60, "// units covered per millisecond")
XS( 61, "// maximum speed, used in comparisons")
XS( 62, "// peaceful speed")
XS( 63, "// a trigger signal to its owner")
XS( 64, "// the button from which a trigger started")
XS( 65, "// the button the player pressed in the control panel")
XS( 66, "// slot number of the figure to activate")
XS( 67, "// extra value of the activation")
XS( 68, "// how a trigger carries out its signal")
XS( 69, "// sensing geometry of a trigger")
XS( 70, "// how many incoming signals a trigger still rejects")
XS( 71, "// how many times a trigger repeats")
XS( 72, "// death countdown in milliseconds; non-zero: dying")
XS( 73, "// radial influence case 1..3 of a part")
XS( 74, "// place of a part in the unit scheme")
XS( 75, "// how many attackers hit at full effect")
XS( 76, "// room a figure takes as cargo")
XS( 77, "// rule case for using guns")
XS( 78, "// counter: armour or ammunition")
XS( 80, "// gun special case")
XS( 81, "// gun extra value")
XS( 82, "// seek an own target without P_FireTarg")
XS( 83, "// experience now")
XS( 84, "// experience for the next rank")
XS( 85, "// experience kept until the next frame")
XS( 88, "// panic flag")
XS( 89, "// the level that ends the panic")
XS( 90, "// inside a tactic influence radius")
XS( 91, "// the part whose render callback is called")
XS( 92, "// ability: raise a flag at a control point")
XS( 93, "// ability: take foreign flags down")
XS( 94, "// ability: recode buildings")
XS( 99, "// near-check value of the unit")
XS( 101, "// 0 no path, 1 path, 2 path impossible")
XS( 102, "// next point of the path")
XS( 103, "// length of the path")
XS( 104, "// target cell of the route")
XS( 105, "// cell to go to after targPathKle")
XS( 106, "// route point 1 (a cell); 0 is ignored")
XS( 107, "// route point 2 (a cell); 0 is ignored")
XS( 110, "// which route point to reach; 0 stop")
XS( 111, "// how MarshKuda changes")
XS( 112, "// passability layer the unit moves on")
XS( 113, "// milliseconds during which path advance is blocked")
XS( 114, "// the move is a technical shift")
XS( 115, "// non-zero: slow down")
XS( 116, "// peaceful move mode")
XS( 119, "// the first valid owner side")
XS( 120, "// bunker kind of the owner")
XS( 121, "// camera mode of a camera figure (kind 11)")
XS( 123, "// camera: main-screen flag")
XS( 124, "// camera: 2D flag")
XS( 125, "// camera: target texture")
XS( 126, "// camera: decal mode")
XS( 135, "// camera: flat face")
XS( 136, "// studio in which the figure is filmed")
XS( 137, "// clear the colour when this camera starts")
XS( 138, "// floor: 0 surface, 1 underground")
XS( 139, "// land holder (kind 13):")
XS( 140, "// field special building value")
XS( 141, "// field special building kind")
XS( 142, "// 1: busy, cannot fire")
XS( 143, "// 1: very large unit")
XS( 144, "// 1: lattice-like unit, splinters less effective")
XS( 145, "// per-frame captain effect: water fast")
XS( 146, "// per-frame captain effect: ward")
XS( 147, "// per-frame captain effect: ignore as target")
XS( 148, "// per-frame captain effect: barrier squad")
XS( 149, "// life stage of a unit")
XS( 150, "// life stage to come")
XS( 151, "// cost case of a unit")
XS( 152, "// interval of all bring values")
XS( 154, "// amount added to or taken from the side per interval")
XS( 155, "// energy added to or taken from the side per interval")
XS( 163, "// a button figure is under the cursor")
XS( 164, "// button state")
XS( 171, "// market entry: kind of the figure offered")
XS( 175, "// easy-game adjustment")
XS( 178, "// interval of visual effects")
XS( 179, "// countdown of visual effects")
XS( 185, "// spell-cast interval (milliseconds)")
XS( 186, "// spell-cast countdown (milliseconds)")
default: break;
}
	return 0;
}
char*  Fgr_Int_KomD1( int n)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
XS( 33, "//   0 none, 1 unit")
XS( 38, "//   non-zero: no attacker takes it as target")
XS( 47, "//   spare cell word 1")
XS( 48, "//   spare cell word 2")
XS( 49, "//   spare cell word 3")
XS( 55, "//   counted down by the frame step")
XS( 57, "//   in world units")
XS( 58, "//   in world units")
XS( 59, "//   detector radius")
XS( 62, "//   used while not fighting")
XS( 68, "//   case number of the trigger action")
XS( 69, "//   or its case procedure")
XS( 71, "//   counted down per run")
XS( 74, "//   places 2..7 are tested")
XS( 75, "//   further attackers hit with less")
XS( 80, "//   read by the attacker slots")
XS( 81, "//   read by the attacker slots")
XS( 82, "//   non-zero: the unit picks P_AutoTarg")
XS( 84, "//   compared with xExpNow")
XS( 87, "//   non-zero: a captain")
XS( 91, "//   set before the batched draw procedure runs")
XS( 95, "//   skill variant of a skill figure (kind 401)")
XS( 100, "//   near-enemy value of the unit")
XS( 108, "//   route point 3 (a cell)")
XS( 111, "//   after a route point is reached")
XS( 112, "//   0 the ground layer")
XS( 119, "//   set with baner while below 2")
XS( 120, "//   1 hostile to all")
XS( 136, "//   queued only for views of the same studio")
XS( 139, "//   the land it is linked with")
XS( 141, "//   kind of the figure it builds")
XS( 143, "//   has its own path grids")
XS( 145, "//   cleared and set each frame")
XS( 146, "//   cleared and set each frame")
XS( 147, "//   cleared and set each frame")
XS( 149, "//   compared with the class of a damage entry")
XS( 150, "//   taken into LifeCase")
XS( 151, "//   what the unit costs its side")
XS( 161, "//   mana added per interval")
XS( 175, "//   applied on the easy game")
XS( 176, "//   armour type")
XS( 177, "//   armour core")
XS( 184, "//   spell book version")
XS( 185, "//   21000 after SpelCastInit")
XS( 186, "//   counted down by the frame step")
default: break;
}
	return 0;
}
char*  Fgr_Int_KomD2( int n)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
XS( 33, "//   2 item")
XS( 47, "//   carried and saved with the figure")
XS( 48, "//   carried and saved with the figure")
XS( 49, "//   carried and saved with the figure")
XS( 57, "//   a part with detPlace 3 may take its helmet value")
XS( 58, "//   others may build inside it")
XS( 59, "//   in world units")
XS( 69, "//   read by the trigger procedure")
XS( 71, "//   read by the trigger procedure")
XS( 74, "//   by the IsDetPlace predicates")
XS( 87, "//   served by static boosts")
XS( 100, "//   set by the unit procedures")
XS( 108, "//   0 is ignored")
XS( 111, "//   read by the movement code")
XS( 112, "//   other layers have their own maps")
XS( 120, "//   0 neutral")
XS( 139, "//   number of the land")
XS( 141, "//   read by the field figure")
XS( 146, "//   by the captain upkeep")
XS( 185, "//   counted by spelCastNow")
default: break;
}
	return 0;
}
char*  Fgr_Int_KomD3( int n)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
XS( 33, "//   3 squad holder")
XS( 48, "//   editable in the value panel")
XS( 71, "//   0: no more runs")
XS( 87, "//   the value is the captain number")
XS( 112, "//   path search runs on it")
XS( 120, "//   else the bunker kind")
XS( 141, "//   carried and saved")
default: break;
}
	return 0;
}
char*  Fgr_Int_NameVar( int n)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "Sub_UseGun_now")
XS( 2, "Sub_UseGun_max")
XS( 3, "Sub_UseKm_now")
XS( 4, "Sub_UseKm_max")
XS( 5, "Sub_UseDet_now")
XS( 6, "Sub_UseDet_max")
XS( 7, "Sub_UseSkil_now")
XS( 8, "Sub_UseSkil_max")
XS( 9, "Sub_MetGd_now")
XS( 10, "Sub_MetGd_max")
XS( 11, "Sub_MetBd_now")
XS( 12, "Sub_MetBd_max")
XS( 13, "Sub_Gruz_now")
XS( 14, "Sub_Gruz_max")
XS( 15, "Sub_Unit_now")
XS( 16, "Sub_Unit_max")
XS( 17, "Sub_Kno_now")
XS( 18, "Sub_Kno_max")
XS( 19, "nom")
XS( 20, "status")
XS( 21, "active")
XS( 22, "novorod")
XS( 23, "priv_LogIndex")
XS( 24, "woDraw")
XS( 25, "woUpdate")
XS( 26, "ProcNomMixHitBars1")
XS( 27, "HitBarMixCase")
XS( 28, "ProcNomUpd2")
XS( 29, "ProcNomDraw")
XS( 30, "ProcNomOnR")
XS( 31, "ProcNomOnK")
XS( 32, "bornTehnola")
XS( 33, "isUnitWork")
XS( 34, "baner")
XS( 35, "nonMassSelect")
XS( 36, "isSelected")
XS( 37, "NormAtakTarget")
XS( 38, "ImunZeroTarget")
XS( 39, "KlientVidit")
XS( 40, "useNormHP")
XS( 41, "useCaptHP")
XS( 42, "useTehnHP")
XS( 43, "SpeLoskNom")
XS( 44, "SpeDecalNom")
XS( 45, "LandKleLUp")
XS( 46, "LandKleStamp")
XS( 47, "KleX1")
XS( 48, "KleX2")
XS( 49, "KleX3")
XS( 50, "KleX4")
XS( 51, "Tex1")
XS( 52, "ueWaitFull")
XS( 53, "ueWaitNow")
XS( 54, "waitFull")
XS( 55, "waitNow")
XS( 56, "imiter")
XS( 57, "get_RadiusVis_")
XS( 58, "get_RadStroi_")
XS( 59, "get_RadDetector_")
XS( 60, "get_SkorosMin_")
XS( 61, "get_SkorosMax_")
XS( 62, "get_SkorosMirMax_")
XS( 63, "parentSig")
XS( 64, "trigPultKno")
XS( 65, "fromPultSig")
XS( 66, "activateFgr")
XS( 67, "activateExt")
XS( 68, "trigRunCase")
XS( 69, "trigSensCase")
XS( 70, "trigDamba")
XS( 71, "trigRunKlv")
XS( 72, "isMort")
XS( 73, "detRadial")
XS( 74, "detPlace")
XS( 75, "focusFire")
XS( 76, "gruzZaimem")
XS( 77, "dGunUseCase")
XS( 78, "dXKlv")
XS( 79, "dXKlvMax")
XS( 80, "GunSpec")
XS( 81, "GunPlus")
XS( 82, "FindAutoTarg")
XS( 83, "xExpNow")
XS( 84, "xExpNext")
XS( 85, "xExpToOrbit")
XS( 86, "trueSarj")
XS( 87, "trueCaptain")
XS( 88, "panic")
XS( 89, "panicOut")
XS( 90, "tactic")
XS( 91, "OnR_inFgr")
XS( 92, "AbilConrtolUp")
XS( 93, "AbilConrtolDown")
XS( 94, "AbilDecoderUp")
XS( 95, "AbilSkilVers")
XS( 96, "SkilRangBase")
XS( 97, "SkilRangExt2")
XS( 98, "SkilRangExt3")
XS( 99, "reNear")
XS( 100, "nearToEnemy")
XS( 101, "onPath")
XS( 102, "onPathNext")
XS( 103, "onPathLen")
XS( 104, "targPathKle")
XS( 105, "targPathKle2")
XS( 106, "Marsh1")
XS( 107, "Marsh2")
XS( 108, "Marsh3")
XS( 109, "Marsh4")
XS( 110, "MarshKuda")
XS( 111, "MarshMode")
XS( 112, "PafLay")
XS( 113, "WayAdvWait")
XS( 114, "GoAwayMove")
XS( 115, "Pritormozi")
XS( 116, "MirMoveMode")
XS( 117, "AnimFlagKan")
XS( 118, "AnimBonusKan")
XS( 119, "banerFirst")
XS( 120, "bunkerHost")
XS( 121, "kmra_statusMode")
XS( 122, "kmra_prior")
XS( 123, "kmra_glavEkran")
XS( 124, "kmra_Flare2D")
XS( 125, "kmra_toTex")
XS( 126, "kmra_DecalMode")
XS( 127, "kmra_VPx")
XS( 128, "kmra_VPy")
XS( 129, "kmra_VPw")
XS( 130, "kmra_VPh")
XS( 131, "kmra_ScisX")
XS( 132, "kmra_ScisY")
XS( 133, "kmra_ScisW")
XS( 134, "kmra_ScisH")
XS( 135, "kmra_Flat")
XS( 136, "KamStudio")
XS( 137, "KamClearClr")
XS( 138, "UnderGround")
XS( 139, "SpeLandHolderNom")
XS( 140, "FieldSpeStro")
XS( 141, "FieldSpeStro_PitStatus")
XS( 142, "DontUseGunMode")
XS( 143, "GabarIsFat")
XS( 144, "GabarSkeletal")
XS( 145, "CapZero_WaterFast")
XS( 146, "CapZero_WardSpec")
XS( 147, "CapZero_IgnorTarg")
XS( 148, "CapZero_ZagradSquad")
XS( 149, "LifeCase")
XS( 150, "ForLifeCase")
XS( 151, "costPreset")
XS( 152, "BringAllWaitFull")
XS( 153, "BringAllWaitNow")
XS( 154, "BringGold")
XS( 155, "BringEner")
XS( 156, "BringMat")
XS( 157, "BringGem1")
XS( 158, "BringGem2")
XS( 159, "BringGem3")
XS( 160, "BringGem4")
XS( 161, "BringMana")
XS( 162, "BringX")
XS( 163, "Kno_UK")
XS( 164, "Kno_Stadi")
XS( 165, "Kno_SpePopUp")
XS( 166, "Kno_MsgTitul")
XS( 167, "Kno_MsgHint1")
XS( 168, "Kno_MsgHint2")
XS( 169, "Kno_MsgHint3")
XS( 170, "Kno_MsgHint4")
XS( 171, "Kno_TMarketFgrInd")
XS( 172, "Kno_TMarketPropsInd")
XS( 173, "Kno_TMarketKlon")
XS( 174, "laser_first")
XS( 175, "For_GameEasy")
XS( 176, "armorType")
XS( 177, "armorCore")
XS( 178, "visualWaitFull")
XS( 179, "visualWait")
XS( 180, "zvKan")
XS( 181, "zvSmp")
XS( 182, "zvGainCase")
XS( 183, "zvPitchCase")
XS( 184, "MagikVers")
XS( 185, "spelCastFull")
XS( 186, "spelCastNow")
XS( 187, "zap001")
XS( 188, "zap002")
XS( 189, "zap003")
XS( 190, "zap004")
XS( 191, "zap005")
XS( 192, "zap006")
XS( 193, "zap007")
XS( 194, "zap008")
XS( 195, "zap009")
XS( 196, "zap010")
XS( 197, "zap011")
XS( 198, "zap012")
XS( 199, "zap013")
XS( 200, "zap014")
XS( 201, "zap015")
XS( 202, "zap016")
XS( 203, "zap017")
XS( 204, "zap018")
XS( 205, "zap019")
XS( 206, "zap020")
XS( 207, "zap021")
XS( 208, "zap022")
XS( 209, "zap023")
XS( 210, "zap024")
XS( 211, "zap025")
XS( 212, "zap026")
XS( 213, "zap027")
XS( 214, "zap028")
XS( 215, "zap029")
XS( 216, "zap030")
default: break;
}
	return 0;
}
int Fgr_Int_InitVal( int n, int& iv)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
default: break;
}
	return 0;
}
#define trv(s, x, y) case s: a =(x); b =(y); return 1;
int Fgr_Int_TramVals( int n, int& a, int& b)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
default: break;
}
	return 0;
}
#define az(s, x) case s: av =(x); return 1;
int Fgr_Int_Adv( int n, int& av)
{
	if(n < 1 || n > 216) return 0;
switch(n)
{
case 0: return 0;
default: break;
}
	return 0;
}
void Fgr_Int_Val( Fgr* pF, int n, int& nowVal)
{
	nowVal = 0;
	if(!pF) return;
	if(n < 1 || n > 216) return;
	int* im = &( pF->svZero);
	nowVal = im[n];
}
int* Fgr_Int_Adr( Fgr* pF, int n)
{
	if(!pF) return 0;
	if(n < 1 || n > 216) return 0;
	int* im = &( pF->svZero);
	return &(im[n]);
}
void Fgr_Flo_ReadOnly( int n, int& readOnly)
{
	readOnly = 1;
	if(n < 1 || n > 56) return;
switch(n)
{
case 0:
	return;
default: break;
}
	readOnly = 0;
}
#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;
int  Fgr_Flo_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
pn( 1,  2, 0, 0, 0)
pn( 2,  2, 0, 1, 0)
pn( 3,  2, 0, 2, 0)
pn( 4,  2, 0, 2, 0)
pn( 5,  2, 0, 3, 0)
pn( 6,  2, 0, 1, 0)
pn( 7,  2, 0, 2, 0)
pn( 8,  2, 0, 2, 0)
pn( 9,  2, 0, 3, 0)
pn( 10,  2, 0, 0, 0)
pn( 11,  2, 0, 0, 0)
pn( 12,  2, 0, 1, 0)
pn( 13,  2, 0, 2, 0)
pn( 14,  2, 0, 2, 0)
pn( 15,  2, 0, 3, 0)
pn( 16,  2, 0, 0, 0)
pn( 17,  2, 0, 1, 0)
pn( 18,  2, 0, 3, 0)
pn( 19,  2, 0, 0, 0)
pn( 20,  2, 0, 1, 0)
pn( 21,  2, 0, 2, 0)
pn( 22,  2, 0, 2, 0)
pn( 23,  2, 0, 3, 0)
pn( 24,  2, 0, 1, 0)
pn( 25,  2, 0, 2, 0)
pn( 26,  2, 0, 2, 0)
pn( 27,  2, 0, 3, 0)
pn( 28,  2, 0, 1, 0)
pn( 29,  2, 0, 3, 0)
pn( 30,  2, 0, 0, 0)
pn( 31,  2, 0, 0, 0)
pn( 32,  2, 0, 1, 0)
pn( 33,  2, 0, 3, 0)
pn( 34,  2, 0, 0, 0)
pn( 35,  2, 0, 0, 0)
pn( 36,  2, 0, 0, 0)
pn( 37,  2, 0, 0, 0)
pn( 38,  2, 0, 0, 0)
pn( 39,  2, 0, 0, 0)
pn( 40,  2, 0, 0, 0)
pn( 41,  2, 0, 0, 0)
pn( 42,  2, 0, 0, 0)
pn( 43,  2, 0, 0, 0)
pn( 44,  2, 0, 0, 0)
pn( 45,  2, 0, 0, 0)
pn( 46,  2, 0, 0, 0)
pn( 47,  2, 0, 0, 0)
pn( 48,  2, 0, 0, 0)
pn( 49,  2, 0, 0, 0)
pn( 50,  2, 0, 0, 0)
pn( 51,  2, 0, 0, 0)
pn( 52,  2, 0, 0, 0)
pn( 53,  2, 0, 0, 0)
pn( 54,  2, 0, 0, 0)
pn( 55,  2, 0, 0, 0)
pn( 56,  2, 0, 0, 0)
default: break;
}
	return 0;
}
char*  Fgr_Flo_Kom1( int n)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "// main scale; 2.0 after a reset")
XS( 2, "// F4r // RGBA")
XS( 6, "// position x")
XS( 7, "// position y (up)")
XS( 8, "// position z")
XS( 9, "// spare fourth of the position")
XS( 10, "// size radius; 1.0 after a reset")
XS( 11, "// a rotation, such as where a unit looks")
XS( 12, "// point a beam hits: x")
XS( 17, "// length of the segment to cover")
XS( 18, "// part of the segment covered")
XS( 19, "// current speed")
XS( 20, "// movement anchor point: x")
XS( 28, "// camera: orthographic scale width")
XS( 30, "// camera: field of view")
default: break;
}
	return 0;
}
char*  Fgr_Flo_KomD1( int n)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   editor step 0.2")
XS( 20, "//   anchor of the current move")
XS( 24, "//   movement direction: x")
XS( 28, "//   used by flat cameras")
default: break;
}
	return 0;
}
char*  Fgr_Flo_KomD2( int n)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   kept within 0.15 .. 105")
XS( 28, "//   copied into the view")
default: break;
}
	return 0;
}
char*  Fgr_Flo_KomD3( int n)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   multiplies the drawn size")
XS( 28, "//   with kmra_Flat__KamScH")
default: break;
}
	return 0;
}
char*  Fgr_Flo_NameVar( int n)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "floX")
XS( 2, "fcr")
XS( 3, "fcg")
XS( 4, "fcb")
XS( 5, "fca")
XS( 6, "priv_position_x")
XS( 7, "priv_position_y")
XS( 8, "priv_position_z")
XS( 9, "priv_position_zap")
XS( 10, "haf")
XS( 11, "rot")
XS( 12, "laserX")
XS( 13, "laserY")
XS( 14, "laserZ")
XS( 15, "laserZ_zap")
XS( 16, "colorFull")
XS( 17, "LenFull")
XS( 18, "LenNow")
XS( 19, "skoros")
XS( 20, "MoveOporaX")
XS( 21, "MoveOporaY")
XS( 22, "MoveOporaZ")
XS( 23, "MoveOporaZ_zap")
XS( 24, "MoveDirX")
XS( 25, "MoveDirY")
XS( 26, "MoveDirZ")
XS( 27, "MoveDirZ_zap")
XS( 28, "kmra_Flat__KamScW")
XS( 29, "kmra_Flat__KamScH")
XS( 30, "kmra_Proj__ObzorY")
XS( 31, "kmra_Proj__Aspect")
XS( 32, "kmra_ZNear")
XS( 33, "kmra_ZFar")
XS( 34, "test_rot1")
XS( 35, "zvfGain")
XS( 36, "zvfPitch")
XS( 37, "zaf001")
XS( 38, "zaf002")
XS( 39, "zaf003")
XS( 40, "zaf004")
XS( 41, "zaf005")
XS( 42, "zaf006")
XS( 43, "zaf007")
XS( 44, "zaf008")
XS( 45, "zaf009")
XS( 46, "zaf010")
XS( 47, "zaf011")
XS( 48, "zaf012")
XS( 49, "zaf013")
XS( 50, "zaf014")
XS( 51, "zaf015")
XS( 52, "zaf016")
XS( 53, "zaf017")
XS( 54, "zaf018")
XS( 55, "zaf019")
XS( 56, "zaf020")
default: break;
}
	return 0;
}
int Fgr_Flo_InitVal( int n, float& iv)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
case 1: iv = 2.000000f; return 1;
case 2: iv = 1.000000f; return 1;
case 3: iv = 1.000000f; return 1;
case 4: iv = 1.000000f; return 1;
case 5: iv = 1.000000f; return 1;
case 10: iv = 1.000000f; return 1;
default: break;
}
	return 0;
}
#define trv(s, x, y) case s: a =(x); b =(y); return 1;
int Fgr_Flo_TramVals( int n, float& a, float& b)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
trv(1, 0.150000f, 105.000000f)
default: break;
}
	return 0;
}
#undef trv
#define az(s, x) case s: av =(x); return 1;
int Fgr_Flo_Adv( int n, float& av)
{
	if(n < 1 || n > 56) return 0;
switch(n)
{
case 0: return 0;
az(1, 0.200000f)
default: break;
}
	return 0;
}
#undef az
void Fgr_Flo_Val( Fgr* pF, int n, float& nowVal)
{
	nowVal = 0;
	if(!pF) return;
	if(n < 1 || n > 56) return;
	float* fm = &( pF->floZero);
	nowVal = fm[n];
}
float* Fgr_Flo_Adr( Fgr* pF, int n)
{
	if(!pF) return 0;
	if(n < 1 || n > 56) return 0;
	float* fm = &( pF->floZero);
	return &(fm[n]);
}
void Fgr_Po1_ReadOnly( int n, int& readOnly)
{
	readOnly = 1;
	if(n < 1 || n > 10) return;
switch(n)
{
case 0:
case 1:
case 2:
case 3:
case 4:
case 5:
case 6:
case 7:
case 8:
case 9:
case 10:
	return;
default: break;
}
	readOnly = 0;
}
#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;
int  Fgr_Po1_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
pn( 1,  3, 0, 0, 0)
pn( 2,  3, 0, 0, 0)
pn( 3,  3, 0, 0, 0)
pn( 4,  3, 0, 1, 0)
pn( 5,  3, 0, 2, 0)
pn( 6,  3, 0, 3, 0)
pn( 7,  3, 0, 0, 0)
pn( 8,  3, 0, 0, 0)
pn( 9,  3, 0, 0, 0)
pn( 10,  3, 0, 0, 0)
default: break;
}
	return 0;
}
char*  Fgr_Po1_Kom1( int n)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "// priority target of the unit")
XS( 2, "// a target the unit chose itself")
XS( 3, "// a building that counts as its trench or border")
XS( 8, "// guest: commander or medic, or the served captain")
XS( 9, "// spell chosen from the spell book")
XS( 10, "// second spell chosen from the spell book")
default: break;
}
	return 0;
}
char*  Fgr_Po1_KomD1( int n)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   dropped when it moves to another floor")
XS( 2, "//   cleared by an order")
XS( 4, "//   attacker slot 1")
XS( 5, "//   attacker slot 2")
XS( 6, "//   attacker slot 3")
XS( 9, "//   a figure of kind 16")
default: break;
}
	return 0;
}
char*  Fgr_Po1_KomD2( int n)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   set by an order on a figure")
XS( 9, "//   cleared only when its slot is free")
default: break;
}
	return 0;
}
char*  Fgr_Po1_KomD3( int n)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
default: break;
}
	return 0;
}
char*  Fgr_Po1_NameVar( int n)
{
	if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "P_FireTarg")
XS( 2, "P_AutoTarg")
XS( 3, "P_Border")
XS( 4, "P_Ataker1")
XS( 5, "P_Ataker2")
XS( 6, "P_Ataker3")
XS( 7, "P_TrigFrom")
XS( 8, "P_Guest")
XS( 9, "P_PrepZak1")
XS( 10, "P_PrepZak2")
default: break;
}
	return 0;
}
Fgr*  Fgr_Po1_pFgr( Fgr* pF, int n)
{ // pParent like svZero
	if(!pF) return 0;
	if(n < 1 || n > 10) return 0;
	Fgr** pm = &( pF->pParent);
	return pm[n];
}
#define pu(a, b) case a: return (char*) & pF->b;
char* Fgr_Po1_Adr( Fgr* pF, int n)
{
	if(!pF) return 0;
	//if(n < 1 || n > 10) return 0;
switch(n)
{
case 0: break;
pu( 1, P_FireTarg)
pu( 2, P_AutoTarg)
pu( 3, P_Border)
pu( 4, P_Ataker1)
pu( 5, P_Ataker2)
pu( 6, P_Ataker3)
pu( 7, P_TrigFrom)
pu( 8, P_Guest)
pu( 9, P_PrepZak1)
pu( 10, P_PrepZak2)
default: break;
}
return 0;
}
void Fgr_Po2_ReadOnly( int n, int& readOnly)
{
	readOnly = 1;
	if(n < 1 || n > 3) return;
switch(n)
{
case 0:
case 1:
case 2:
case 3:
	return;
default: break;
}
	readOnly = 0;
}
#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;
int  Fgr_Po2_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
pn( 1,  4, 0, 0, 0)
pn( 2,  4, 0, 0, 0)
pn( 3,  4, 0, 0, 0)
default: break;
}
	return 0;
}
char*  Fgr_Po2_Kom1( int n)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "// equipment 1, owned by this figure")
XS( 2, "// equipment 2, owned by this figure")
XS( 3, "// equipment 3, owned by this figure")
default: break;
}
	return 0;
}
char*  Fgr_Po2_KomD1( int n)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
XS( 3, "//   reset with its owner")
default: break;
}
	return 0;
}
char*  Fgr_Po2_KomD2( int n)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
XS( 3, "//   cleared only when its slot is free")
default: break;
}
	return 0;
}
char*  Fgr_Po2_KomD3( int n)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
default: break;
}
	return 0;
}
char*  Fgr_Po2_NameVar( int n)
{
	if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "P2_UseHelm")
XS( 2, "P2_UseSuit")
XS( 3, "P2_UseCar")
default: break;
}
	return 0;
}
Fgr*  Fgr_Po2_pFgr( Fgr* pF, int n)
{ // pPrev like svZero
	if(!pF) return 0;
	if(n < 1 || n > 3) return 0;
	Fgr** pm = &( pF->pPrev);
	return pm[n];
}
#define pu(a, b) case a: return (char*) & pF->b;
char* Fgr_Po2_Adr( Fgr* pF, int n)
{
	if(!pF) return 0;
	//if(n < 1 || n > 3) return 0;
switch(n)
{
case 0: break;
pu( 1, P2_UseHelm)
pu( 2, P2_UseSuit)
pu( 3, P2_UseCar)
default: break;
}
return 0;
}
#undef pu
void Fgr_Sub_ReadOnly( int n, int& readOnly)
{
	readOnly = 1;
	if(n < 1 || n > 9) return;
switch(n)
{
case 0:
	return;
default: break;
}
	readOnly = 0;
}
#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;
int  Fgr_Sub_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
pn( 1,  5, 0, 0, 0)
pn( 2,  5, 0, 0, 0)
pn( 3,  5, 0, 0, 0)
pn( 4,  5, 0, 0, 0)
pn( 5,  5, 0, 0, 0)
pn( 6,  5, 0, 0, 0)
pn( 7,  5, 0, 0, 0)
pn( 8,  5, 0, 0, 0)
pn( 9,  5, 0, 0, 0)
default: break;
}
	return 0;
}
#undef pn
char*  Fgr_Sub_Kom1( int n)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "// chain of guns the figure uses")
XS( 2, "// chain of carried items")
XS( 3, "// chain of parts and details")
XS( 4, "// chain of skills of a captain")
XS( 5, "// chain of good marks")
XS( 6, "// chain of bad marks")
XS( 7, "// chain of cargo")
XS( 8, "// chain of units of a squad")
XS( 9, "// chain of control-panel buttons")
default: break;
}
	return 0;
}
char*  Fgr_Sub_KomD1( int n)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "//   pSubGun")
XS( 2, "//   pSubKarman")
XS( 3, "//   parts hang here, also boost triggers")
XS( 4, "//   skill figures of kind 401")
XS( 5, "//   good spells on unit")
XS( 6, "//   bad spells on unit")
XS( 7, "//   cargo figures take gruzZaimem room")
XS( 8, "//   members of a squad holder")
XS( 9, "//   buttons of kind 402")
default: break;
}
	return 0;
}
char*  Fgr_Sub_KomD2( int n)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
XS( 3, "//   member place decides its role")
XS( 7, "//   pSubGruz")
XS( 8, "//   pSubUnit")
XS( 9, "//   run by the panel signal of the unit")
default: break;
}
	return 0;
}
char*  Fgr_Sub_KomD3( int n)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
XS( 3, "//   counted by Sub_UseDet_now")
default: break;
}
	return 0;
}
char*  Fgr_Sub_NameVar( int n)
{
	if(n < 1 || n > 9) return 0;
switch(n)
{
case 0: return 0;
XS( 1, "P2_Sub_UseGun")
XS( 2, "P2_Sub_UseKm")
XS( 3, "P2_Sub_UseDet")
XS( 4, "P2_Sub_UseSkil")
XS( 5, "P2_Sub_MetGd")
XS( 6, "P2_Sub_MetBd")
XS( 7, "P2_Sub_Gruz")
XS( 8, "P2_Sub_Unit")
XS( 9, "P2_Sub_Kno")
default: break;
}
	return 0;
}
#endif
//}

// LinkNom from 1
Fgr*  Fgr_Sub_xLink_pFgr( Fgr* pF, int n, int LinkNom)
{
	if(! pF) return 0;
	switch(n)
	{
	case 0: break;
case 1: return Fgr_getLink( pF->P2_Sub_UseGun, LinkNom, 0);
case 2: return Fgr_getLink( pF->P2_Sub_UseKm, LinkNom, 0);
case 3: return Fgr_getLink( pF->P2_Sub_UseDet, LinkNom, 0);
case 4: return Fgr_getLink( pF->P2_Sub_UseSkil, LinkNom, 0);
case 5: return Fgr_getLink( pF->P2_Sub_MetGd, LinkNom, 0);
case 6: return Fgr_getLink( pF->P2_Sub_MetBd, LinkNom, 0);
case 7: return Fgr_getLink( pF->P2_Sub_Gruz, LinkNom, 0);
case 8: return Fgr_getLink( pF->P2_Sub_Unit, LinkNom, 0);
case 9: return Fgr_getLink( pF->P2_Sub_Kno, LinkNom, 0);
	default: break;
	}
return 0;
}
// LinkNom from 1
void Fgr_Sub_xLinkKick( Fgr* pF, int n, int LinkNom)
{
	if(! pF) return;
	switch(n)
	{
	case 0: break;
case 1:  pF->Sub_UseGun_Kick( Fgr_getLink( pF->P2_Sub_UseGun, LinkNom, 0)); break;
case 2:  pF->Sub_UseKm_Kick( Fgr_getLink( pF->P2_Sub_UseKm, LinkNom, 0)); break;
case 3:  pF->Sub_UseDet_Kick( Fgr_getLink( pF->P2_Sub_UseDet, LinkNom, 0)); break;
case 4:  pF->Sub_UseSkil_Kick( Fgr_getLink( pF->P2_Sub_UseSkil, LinkNom, 0)); break;
case 5:  pF->Sub_MetGd_Kick( Fgr_getLink( pF->P2_Sub_MetGd, LinkNom, 0)); break;
case 6:  pF->Sub_MetBd_Kick( Fgr_getLink( pF->P2_Sub_MetBd, LinkNom, 0)); break;
case 7:  pF->Sub_Gruz_Kick( Fgr_getLink( pF->P2_Sub_Gruz, LinkNom, 0)); break;
case 8:  pF->Sub_Unit_Kick( Fgr_getLink( pF->P2_Sub_Unit, LinkNom, 0)); break;
case 9:  pF->Sub_Kno_Kick( Fgr_getLink( pF->P2_Sub_Kno, LinkNom, 0)); break;
	default: break;
	}
}
// Добавить линк в конец или в начало -- зависит от самого SUB.
void Fgr_Sub_xLinkAdd( Fgr* pF, int n, Fgr* pL)
{
	if( ! pF  ||  ! pL) return;
	switch(n)
	{
	case 0: break;
case 1:  pF->Sub_UseGun_Add( pL); break;
case 2:  pF->Sub_UseKm_Add( pL); break;
case 3:  pF->Sub_UseDet_Add( pL); break;
case 4:  pF->Sub_UseSkil_Add( pL); break;
case 5:  pF->Sub_MetGd_Add( pL); break;
case 6:  pF->Sub_MetBd_Add( pL); break;
case 7:  pF->Sub_Gruz_Add( pL); break;
case 8:  pF->Sub_Unit_Add( pL); break;
case 9:  pF->Sub_Kno_Add( pL); break;
	default: break;
	}
}

#undef XS

//