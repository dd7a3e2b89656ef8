// Named global variables: what every file but gm/org_base.cpp sees of them. The definitions come
// from the generated gm/org_base_a.h, compiled once in gm/org_base.cpp, which includes this
// header first so that the compiler checks each declaration against its definition.
#pragma once

#include <cstdio>

typedef unsigned short WORD;

// Cells of the value arrays: numbers 0..org2::Last and 0..orgF::Last.
constexpr int kOrg2Cells = 251;
constexpr int kOrgFCells = 151;

// The spare cell and the highest number of each table. The defining unit takes them from the
// generated header instead and checks them against the cell counts above.
#ifndef ORG_BASE_DEFINING
namespace org2 {
constexpr WORD zapa0 = 0, Last = kOrg2Cells - 1;
}
namespace orgF {
constexpr WORD zapa0 = 0, Last = kOrgFCells - 1;
}
#endif

extern int org2n[kOrg2Cells];
extern float orgFn[kOrgFCells];

namespace o2 {
extern int& State2D;
extern int& FirstTime;
extern int& NeedExit;
extern int& NeedScreen;
extern int& EngText;
extern int& FirstTimeGL;
extern int& FirstTimeAL;
extern int& MultiTexE;
extern int& PixelBufE;
extern int& UserDirE;
extern int& AktivIPPI;
extern int& SoundE;
extern int& GeneralZvuE;
extern int& MonitorFreq;
extern int& ScanCodes;
extern int& MultiTexUnits;
extern int& SoundMute;
extern int& FrustumE;
extern int& MouseControlView;
extern int& ManualAktivIPPI;
extern int& GL_Flush;
extern int& GL_MaxTexSize;
extern int& GL_MaxLamps;
extern int& HideWnd;
extern int& anFocusFlag;
extern int& anSleepEachFrame;
extern int& WinPopUpMenu;
extern int& WinExtraToolsOn;
extern int& SkyKupBlend;
extern int& SkyKupTex1G;
extern int& SkyKupTex1N;
extern int& SkyKupTex1Env;
extern int& SkyKupTex2G;
extern int& SkyKupTex2N;
extern int& SkyKupTex2Env;
extern int& SkyKupScrollCase;
extern int& SkyKupAlfTest;
extern int& DrawFPS;
extern int& GamePause;
extern int& DrawEditHelpLines;
extern int& LoskRendered;
extern int& UseVBO;
extern int& AchTable_MarkSysTime;
extern int& NowFgrKlv_Status;
extern int& KmdKeyZamen;
extern int& TexMemForGeneralGru;
extern int& TexMemForLevelGru;
extern int& EtapOK;
extern int& FogDejCase;
extern int& FogDejNear;
extern int& FogDejFar;
extern int& FogPerPixel;
extern int& Ed_AutoSaveMinutes;
extern int& UseShadowARB;
extern int& UseDepthTextureARB;
extern int& UseShaderARB1;
extern int& UserDirTotalSpaceMB;
extern int& UserDirFreeSpaceMB;
extern int& NomScreen;
extern int& Edit_SvetForce;
extern int& WindowNonStd;
extern int& WtrTex1;
extern int& WtrTex2;
extern int& FontProjTex0;
extern int& FontProjTex1;
extern int& FontProjTex2;
extern int& FontProjTex3;
extern int& FontProjTex4;
extern int& FontProjTex5;
extern int& FontProjTex6;
extern int& FontProjTex7;
extern int& FontProjTex8;
extern int& FontProjTex9;
extern int& TrySaveGenModelsBinBlo;
extern int& SvetoKv_FgrTeneKrugi;
extern int& SvetoKv_FgrTeneKruBlend;
extern int& SvetoKv_SnarBoomLand;
extern int& SvetoKv_JetSled;
extern int& ProbLand0_UseTex3;
extern int& SveKvadTex4;
extern int& TestPlitDrawLand;
extern int& TestFgrDrawStolb;
extern int& TestFgrDrawUnit;
extern int& TestFgrDrawFlare;
extern int& TestFgrDrawQuads34;
extern int& TestFgrDrawQuads38;
extern int& TestFgrDrawQuads34D;
extern int& TestFgrDrawQuads38D;
extern int& TestFgrDrawDom;
extern int& NeedLoadEtapZvu;
extern int& NeedLoadEtapZvuOK;
extern int& NeedLoadEtapMesh;
extern int& NeedLoadEtapMeshOK;
extern int& SkipTopView;
extern int& KameraMode;
extern int& PultDekr;
extern int& LandEdgeWd;
extern int& LandPafBoxes;
extern int& KlodKupLines;
extern int& RangNormUnitMax;
extern int& RangCaptainMax;
extern int& DrawMiniMap;
extern int& KliForSelect;
extern int& KliForDefAct;
extern int& KlikForSelX;
extern int& KlikForSelY;
extern int& AnyKliHvoWaitSta;
extern int& AnyKliHvoWait;
extern int& RRezInProgres;
extern int& UseSelVariant;
extern int& gmLKeyIsPush;
extern int& gmRKeyIsPush;
extern int& PlitBrushSize;
extern int& Plit_OfsNom;
extern int& PlitLastLandT;
extern int& EditLandKlikType;
extern int& spePLiftKurX;
extern int& spePLiftKurY;
extern int& spePLiftX;
extern int& spePLiftY;
extern int& spePultLift;
extern int& spePultRot;
extern int& KursInMiniMap;
extern int& KursInMenu;
extern int& zEtp01;
extern int& zEtp02;
extern int& zEtp03;
extern int& zEtp04;
extern int& zEtp05;
extern int& zEtp06;
extern int& zEtp07;
extern int& zEtp08;
extern int& zEtp09;
extern int& zEtp10;
extern int& zEtp11;
extern int& zEtp12;
extern int& zEtp13;
extern int& zEtp14;
extern int& zEtp15;
extern int& zEtp16;
extern int& zEtp17;
extern int& zEtp18;
extern int& zEtp19;
extern int& zEtp20;
extern int& zEtp21;
extern int& zEtp22;
extern int& zEtp23;
extern int& zEtp24;
extern int& zEtp25;
extern int& zEtp26;
extern int& zEtp27;
extern int& zEtp28;
extern int& zEtp29;
extern int& zEtp30;
extern int& zEtp31;
extern int& zEtp32;
extern int& zEtp33;
extern int& zEtp34;
extern int& zEtp35;
extern int& zEtp36;
extern int& zEtp37;
extern int& zEtp38;
extern int& zEtp39;
extern int& zEtp40;
extern int& zEtp41;
extern int& zEtp42;
extern int& zEtp43;
extern int& zEtp44;
extern int& zEtp45;
extern int& zEtp46;
extern int& zEtp47;
extern int& zEtp48;
extern int& zEtp49;
extern int& zEtp50;
}  // namespace o2

namespace o3 {
extern float& Pre1xName2;
extern float& oggMuzGain1;
extern float& frazUnitGain1;
extern float& BcgYTrans;
extern float& KupolYTrans;
extern float& SvKvdAlf;
extern float& SkyR;
extern float& SkyG;
extern float& SkyB;
extern float& SkyFogR;
extern float& SkyFogG;
extern float& SkyFogB;
extern float& FogR;
extern float& FogG;
extern float& FogB;
extern float& PlitFadeBelt;
extern float& Wtr1A;
extern float& Wtr1R;
extern float& Wtr1G;
extern float& Wtr1B;
extern float& burum_bum;
extern float& ifcHitBarMid;
extern float& ifcHitBarBig;
extern float& ifcDamageMid;
extern float& ifcDamageBig;
extern float& zfEtp01;
extern float& zfEtp02;
extern float& zfEtp03;
extern float& zfEtp04;
extern float& zfEtp05;
extern float& zfEtp06;
extern float& zfEtp07;
extern float& zfEtp08;
extern float& zfEtp09;
extern float& zfEtp10;
extern float& zfEtp11;
extern float& zfEtp12;
extern float& zfEtp13;
extern float& zfEtp14;
extern float& zfEtp15;
extern float& zfEtp16;
extern float& zfEtp17;
extern float& zfEtp18;
extern float& zfEtp19;
extern float& zfEtp20;
extern float& zfEtp21;
extern float& zfEtp22;
extern float& zfEtp23;
extern float& zfEtp24;
extern float& zfEtp25;
extern float& zfEtp26;
extern float& zfEtp27;
extern float& zfEtp28;
extern float& zfEtp29;
extern float& zfEtp30;
extern float& zfEtp31;
extern float& zfEtp32;
extern float& zfEtp33;
extern float& zfEtp34;
extern float& zfEtp35;
extern float& zfEtp36;
extern float& zfEtp37;
extern float& zfEtp38;
extern float& zfEtp39;
extern float& zfEtp40;
extern float& zfEtp41;
extern float& zfEtp42;
extern float& zfEtp43;
extern float& zfEtp44;
extern float& zfEtp45;
extern float& zfEtp46;
extern float& zfEtp47;
extern float& zfEtp48;
extern float& zfEtp49;
extern float& zfEtp50;
}  // namespace o3

// Tables of the variables by number: 1 or a text when the number has the property, else 0 or null.
int org2_out(int n);
int orgF_out(int n);
void org2_ReadOnly(int n, int& readOnly);
void orgF_ReadOnly(int n, int& readOnly);
int org2_TramVals(int n, int& a, int& b);
int orgF_TramVals(int n, float& a, float& b);
int org2_AnFlags(int n, int& blok, int& tip, int& etap, int& visp);
int orgF_AnFlags(int n, int& blok, int& tip, int& etap, int& visp);
char* org2_Koment1(int n);
char* orgF_Koment1(int n);
char* org2_Koment2(int n);
char* orgF_Koment2(int n);
char* org2_NameVar(int n);
char* orgF_NameVar(int n);
char* org2_NameClr(int n);
char* orgF_NameClr(int n);
int org2_Adv(int n);
int orgF_Adv(int n, float& val);

// The variables saved with the stage, in number order; a load answers 0 on a null stream.
void org2_PartEtap_SaveTo(FILE* ff);
int org2_PartEtap_LoadFr(FILE* ff);
void orgF_PartEtap_SaveTo(FILE* ff);
int orgF_PartEtap_LoadFr(FILE* ff);

// Every cell to 0.
void org2_Init();
void orgF_Init();

// Answers 1; nothing calls it.
int Org_Stub1();
