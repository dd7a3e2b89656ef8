
 //full auto-gen

namespace org2
{
const WORD
zapa0 = 0,	// запасная ячейка

State2D = 1, // сложно следить - за кадр меняются - в конце кадра всегда ноль (норма)
FirstTime = 2, 
NeedExit = 3, // поставить сюда 1 и прога завершится
NeedScreen = 4, // ставим 1 и в ближ. кадре прога делает фотку и обнуляет эту ячейку
EngText = 5, // локал или инглиш
FirstTimeGL = 6, 
FirstTimeAL = 7, 
MultiTexE = 8, 
PixelBufE = 9, 
UserDirE = 10, // есть-ли папка юзера (спорная штука - нужно пере-придумать)
AktivIPPI = 11, 
SoundE = 12, // Изначально предполагаем наличие DirSound3D
GeneralZvuE = 13, // загрузились ли генеральные звукчки
MonitorFreq = 14, 
ScanCodes = 15, 
MultiTexUnits = 20, // сколько текс за один проход максимум
SoundMute = 21, // временное отключение звука
FrustumE = 22, // нужно-ли обновлять пирамиду взгляда (проверки Кто попадает)
MouseControlView = 23, // Используется-ли мышка для Врашений Взгляда
ManualAktivIPPI = 24, 
GL_Flush = 29, // glFlush or glFinish
GL_MaxTexSize = 30, 
GL_MaxLamps = 31, 
HideWnd = 32, 
anFocusFlag = 33, 
anSleepEachFrame = 34, 
WinPopUpMenu = 35, 
WinExtraToolsOn = 36, // перед сообшениями и диалогами выставлять Единицу, чтобы не-было срабатывания по ложному OnKillFokus ...
SkyKupBlend = 38, // -1= нет облачного купола.
SkyKupTex1G = 39, 
SkyKupTex1N = 40, 
SkyKupTex1Env = 41, 
SkyKupTex2G = 42, 
SkyKupTex2N = 43, 
SkyKupTex2Env = 44, 
SkyKupScrollCase = 45, // как двигаются облака //0= нет., 1= в одну сторону., 2= доп-стрейф ...
SkyKupAlfTest = 46, // -1= нет.,  0= умолчанка ...
DrawFPS = 47, 
GamePause = 48, 
DrawEditHelpLines = 49, 
LoskRendered = 50, 
UseVBO = 51, 
AchTable_MarkSysTime = 53, 
NowFgrKlv_Status = 56, 
KmdKeyZamen = 57, // при выборе клавиа-кнопки для некой команды игровой ...
TexMemForGeneralGru = 58, 
TexMemForLevelGru = 59, 
EtapOK = 60, 
FogDejCase = 61, 
FogDejNear = 62, 
FogDejFar = 63, 
FogPerPixel = 64, 
Ed_AutoSaveMinutes = 66, // сколько минут меж Авто-сохранками - Ноль значит нету их
UseShadowARB = 68, 
UseDepthTextureARB = 69, 
UseShaderARB1 = 70, 
UserDirTotalSpaceMB = 72, 
UserDirFreeSpaceMB = 73, 
NomScreen = 74, 
Edit_SvetForce = 75, // 0= фигуры без света., 1= спец-солнце., 2= проходит кейс фигур
WindowNonStd = 77, // рид-онли-флаг Если из конфига некое не-стандарт-окно сделано
WtrTex1 = 78, 
WtrTex2 = 79, 
FontProjTex0 = 80, // номер тексы в нолевой групе для Нолевого Проективного шрифта
FontProjTex1 = 81, 
FontProjTex2 = 82, 
FontProjTex3 = 83, 
FontProjTex4 = 84, 
FontProjTex5 = 85, 
FontProjTex6 = 86, 
FontProjTex7 = 87, 
FontProjTex8 = 88, 
FontProjTex9 = 89, 
TrySaveGenModelsBinBlo = 90, // сохранить модели в бин-блок
SvetoKv_FgrTeneKrugi = 91, 
SvetoKv_FgrTeneKruBlend = 92, 
SvetoKv_SnarBoomLand = 93, 
SvetoKv_JetSled = 94, 
ProbLand0_UseTex3 = 95, 
SveKvadTex4 = 96, // для этой Динамик-свет отдельную тексу
TestPlitDrawLand = 100, 
TestFgrDrawStolb = 101, 
TestFgrDrawUnit = 102, 
TestFgrDrawFlare = 103, 
TestFgrDrawQuads34 = 104, 
TestFgrDrawQuads38 = 105, 
TestFgrDrawQuads34D = 106, 
TestFgrDrawQuads38D = 107, 
TestFgrDrawDom = 108, 
NeedLoadEtapZvu = 110, // нужно-ли грузить Этапную групу звуков
NeedLoadEtapZvuOK = 111, // загружена-ли Этапная група звуков (не зависит от верх-флага)
NeedLoadEtapMesh = 112, 
NeedLoadEtapMeshOK = 113, 
SkipTopView = 114, // так получится камеру лиш по двум режимам гонять
KameraMode = 115, 
PultDekr = 116, 
LandEdgeWd = 117, // разом флаг и ширь ребер тайлов земли
LandPafBoxes = 118, 
KlodKupLines = 119, 
RangNormUnitMax = 120, 
RangCaptainMax = 121, 
DrawMiniMap = 122, // рисовать-ли мини-мэп и в каком режиме, если можно рисовать по разному
KliForSelect = 123, 
KliForDefAct = 124, 
KlikForSelX = 125, 
KlikForSelY = 126, 
AnyKliHvoWaitSta = 128, 
AnyKliHvoWait = 129, 
RRezInProgres = 130, 
UseSelVariant = 131, 
gmLKeyIsPush = 133, 
gmRKeyIsPush = 134, 
PlitBrushSize = 135, // 1 or 3
Plit_OfsNom = 136, // -1 как вне поля
PlitLastLandT = 137, // const PlitTypeSand is 3
EditLandKlikType = 138, // номерками ставим тип и сразу повтор от Правого клика далее
spePLiftKurX = 140, 
spePLiftKurY = 141, 
spePLiftX = 142, 
spePLiftY = 143, 
spePultLift = 144, 
spePultRot = 145, 
KursInMiniMap = 146, // от прошлого кадра всегда значение
KursInMenu = 147, // WeIsOnMenu=0;// 1= any // 2= GamePauzMenu
zEtp01 = 151, 
zEtp02 = 152, 
zEtp03 = 153, 
zEtp04 = 154, 
zEtp05 = 155, 
zEtp06 = 156, 
zEtp07 = 157, 
zEtp08 = 158, 
zEtp09 = 159, 
zEtp10 = 160, 
zEtp11 = 161, 
zEtp12 = 162, 
zEtp13 = 163, 
zEtp14 = 164, 
zEtp15 = 165, 
zEtp16 = 166, 
zEtp17 = 167, 
zEtp18 = 168, 
zEtp19 = 169, 
zEtp20 = 170, 
zEtp21 = 171, 
zEtp22 = 172, 
zEtp23 = 173, 
zEtp24 = 174, 
zEtp25 = 175, 
zEtp26 = 176, 
zEtp27 = 177, 
zEtp28 = 178, 
zEtp29 = 179, 
zEtp30 = 180, 
zEtp31 = 181, 
zEtp32 = 182, 
zEtp33 = 183, 
zEtp34 = 184, 
zEtp35 = 185, 
zEtp36 = 186, 
zEtp37 = 187, 
zEtp38 = 188, 
zEtp39 = 189, 
zEtp40 = 190, 
zEtp41 = 191, 
zEtp42 = 192, 
zEtp43 = 193, 
zEtp44 = 194, 
zEtp45 = 195, 
zEtp46 = 196, 
zEtp47 = 197, 
zEtp48 = 198, 
zEtp49 = 199, 
zEtp50 = 200, 

Case = 2,
Last = 250;//norm ych klv:174
}


namespace orgF
{
const WORD
zapa0 = 0,

Pre1xName2 = 1, 
oggMuzGain1 = 3, // звуки фоновой музыки
frazUnitGain1 = 4, // звуки фраз от юнитов
BcgYTrans = 5, 
KupolYTrans = 6, // разом и BcgYTrans выправляет
SvKvdAlf = 8, 
SkyR = 11, 
SkyG = 12, 
SkyB = 13, 
SkyFogR = 14, // туман для Поверхности
SkyFogG = 15, 
SkyFogB = 16, 
FogR = 17, // туман для Подземки
FogG = 18, 
FogB = 19, 
PlitFadeBelt = 20, 
Wtr1A = 21, 
Wtr1R = 22, 
Wtr1G = 23, 
Wtr1B = 24, 
burum_bum = 25, // 1234 burum_bum первый коментарий
ifcHitBarMid = 26, 
ifcHitBarBig = 27, 
ifcDamageMid = 28, 
ifcDamageBig = 29, 
zfEtp01 = 51, 
zfEtp02 = 52, 
zfEtp03 = 53, 
zfEtp04 = 54, 
zfEtp05 = 55, 
zfEtp06 = 56, 
zfEtp07 = 57, 
zfEtp08 = 58, 
zfEtp09 = 59, 
zfEtp10 = 60, 
zfEtp11 = 61, 
zfEtp12 = 62, 
zfEtp13 = 63, 
zfEtp14 = 64, 
zfEtp15 = 65, 
zfEtp16 = 66, 
zfEtp17 = 67, 
zfEtp18 = 68, 
zfEtp19 = 69, 
zfEtp20 = 70, 
zfEtp21 = 71, 
zfEtp22 = 72, 
zfEtp23 = 73, 
zfEtp24 = 74, 
zfEtp25 = 75, 
zfEtp26 = 76, 
zfEtp27 = 77, 
zfEtp28 = 78, 
zfEtp29 = 79, 
zfEtp30 = 80, 
zfEtp31 = 81, 
zfEtp32 = 82, 
zfEtp33 = 83, 
zfEtp34 = 84, 
zfEtp35 = 85, 
zfEtp36 = 86, 
zfEtp37 = 87, 
zfEtp38 = 88, 
zfEtp39 = 89, 
zfEtp40 = 90, 
zfEtp41 = 91, 
zfEtp42 = 92, 
zfEtp43 = 93, 
zfEtp44 = 94, 
zfEtp45 = 95, 
zfEtp46 = 96, 
zfEtp47 = 97, 
zfEtp48 = 98, 
zfEtp49 = 99, 
zfEtp50 = 100, 

Case = 3,
Last = 150;//norm ych klv:75
}

int org2n[ org2::Last + 1 ];

float orgFn[ orgF::Last + 1 ];

namespace o2
{
int& State2D = org2n[org2::State2D];
int& FirstTime = org2n[org2::FirstTime];
int& NeedExit = org2n[org2::NeedExit];
int& NeedScreen = org2n[org2::NeedScreen];
int& EngText = org2n[org2::EngText];
int& FirstTimeGL = org2n[org2::FirstTimeGL];
int& FirstTimeAL = org2n[org2::FirstTimeAL];
int& MultiTexE = org2n[org2::MultiTexE];
int& PixelBufE = org2n[org2::PixelBufE];
int& UserDirE = org2n[org2::UserDirE];
int& AktivIPPI = org2n[org2::AktivIPPI];
int& SoundE = org2n[org2::SoundE];
int& GeneralZvuE = org2n[org2::GeneralZvuE];
int& MonitorFreq = org2n[org2::MonitorFreq];
int& ScanCodes = org2n[org2::ScanCodes];
int& MultiTexUnits = org2n[org2::MultiTexUnits];
int& SoundMute = org2n[org2::SoundMute];
int& FrustumE = org2n[org2::FrustumE];
int& MouseControlView = org2n[org2::MouseControlView];
int& ManualAktivIPPI = org2n[org2::ManualAktivIPPI];
int& GL_Flush = org2n[org2::GL_Flush];
int& GL_MaxTexSize = org2n[org2::GL_MaxTexSize];
int& GL_MaxLamps = org2n[org2::GL_MaxLamps];
int& HideWnd = org2n[org2::HideWnd];
int& anFocusFlag = org2n[org2::anFocusFlag];
int& anSleepEachFrame = org2n[org2::anSleepEachFrame];
int& WinPopUpMenu = org2n[org2::WinPopUpMenu];
int& WinExtraToolsOn = org2n[org2::WinExtraToolsOn];
int& SkyKupBlend = org2n[org2::SkyKupBlend];
int& SkyKupTex1G = org2n[org2::SkyKupTex1G];
int& SkyKupTex1N = org2n[org2::SkyKupTex1N];
int& SkyKupTex1Env = org2n[org2::SkyKupTex1Env];
int& SkyKupTex2G = org2n[org2::SkyKupTex2G];
int& SkyKupTex2N = org2n[org2::SkyKupTex2N];
int& SkyKupTex2Env = org2n[org2::SkyKupTex2Env];
int& SkyKupScrollCase = org2n[org2::SkyKupScrollCase];
int& SkyKupAlfTest = org2n[org2::SkyKupAlfTest];
int& DrawFPS = org2n[org2::DrawFPS];
int& GamePause = org2n[org2::GamePause];
int& DrawEditHelpLines = org2n[org2::DrawEditHelpLines];
int& LoskRendered = org2n[org2::LoskRendered];
int& UseVBO = org2n[org2::UseVBO];
int& AchTable_MarkSysTime = org2n[org2::AchTable_MarkSysTime];
int& NowFgrKlv_Status = org2n[org2::NowFgrKlv_Status];
int& KmdKeyZamen = org2n[org2::KmdKeyZamen];
int& TexMemForGeneralGru = org2n[org2::TexMemForGeneralGru];
int& TexMemForLevelGru = org2n[org2::TexMemForLevelGru];
int& EtapOK = org2n[org2::EtapOK];
int& FogDejCase = org2n[org2::FogDejCase];
int& FogDejNear = org2n[org2::FogDejNear];
int& FogDejFar = org2n[org2::FogDejFar];
int& FogPerPixel = org2n[org2::FogPerPixel];
int& Ed_AutoSaveMinutes = org2n[org2::Ed_AutoSaveMinutes];
int& UseShadowARB = org2n[org2::UseShadowARB];
int& UseDepthTextureARB = org2n[org2::UseDepthTextureARB];
int& UseShaderARB1 = org2n[org2::UseShaderARB1];
int& UserDirTotalSpaceMB = org2n[org2::UserDirTotalSpaceMB];
int& UserDirFreeSpaceMB = org2n[org2::UserDirFreeSpaceMB];
int& NomScreen = org2n[org2::NomScreen];
int& Edit_SvetForce = org2n[org2::Edit_SvetForce];
int& WindowNonStd = org2n[org2::WindowNonStd];
int& WtrTex1 = org2n[org2::WtrTex1];
int& WtrTex2 = org2n[org2::WtrTex2];
int& FontProjTex0 = org2n[org2::FontProjTex0];
int& FontProjTex1 = org2n[org2::FontProjTex1];
int& FontProjTex2 = org2n[org2::FontProjTex2];
int& FontProjTex3 = org2n[org2::FontProjTex3];
int& FontProjTex4 = org2n[org2::FontProjTex4];
int& FontProjTex5 = org2n[org2::FontProjTex5];
int& FontProjTex6 = org2n[org2::FontProjTex6];
int& FontProjTex7 = org2n[org2::FontProjTex7];
int& FontProjTex8 = org2n[org2::FontProjTex8];
int& FontProjTex9 = org2n[org2::FontProjTex9];
int& TrySaveGenModelsBinBlo = org2n[org2::TrySaveGenModelsBinBlo];
int& SvetoKv_FgrTeneKrugi = org2n[org2::SvetoKv_FgrTeneKrugi];
int& SvetoKv_FgrTeneKruBlend = org2n[org2::SvetoKv_FgrTeneKruBlend];
int& SvetoKv_SnarBoomLand = org2n[org2::SvetoKv_SnarBoomLand];
int& SvetoKv_JetSled = org2n[org2::SvetoKv_JetSled];
int& ProbLand0_UseTex3 = org2n[org2::ProbLand0_UseTex3];
int& SveKvadTex4 = org2n[org2::SveKvadTex4];
int& TestPlitDrawLand = org2n[org2::TestPlitDrawLand];
int& TestFgrDrawStolb = org2n[org2::TestFgrDrawStolb];
int& TestFgrDrawUnit = org2n[org2::TestFgrDrawUnit];
int& TestFgrDrawFlare = org2n[org2::TestFgrDrawFlare];
int& TestFgrDrawQuads34 = org2n[org2::TestFgrDrawQuads34];
int& TestFgrDrawQuads38 = org2n[org2::TestFgrDrawQuads38];
int& TestFgrDrawQuads34D = org2n[org2::TestFgrDrawQuads34D];
int& TestFgrDrawQuads38D = org2n[org2::TestFgrDrawQuads38D];
int& TestFgrDrawDom = org2n[org2::TestFgrDrawDom];
int& NeedLoadEtapZvu = org2n[org2::NeedLoadEtapZvu];
int& NeedLoadEtapZvuOK = org2n[org2::NeedLoadEtapZvuOK];
int& NeedLoadEtapMesh = org2n[org2::NeedLoadEtapMesh];
int& NeedLoadEtapMeshOK = org2n[org2::NeedLoadEtapMeshOK];
int& SkipTopView = org2n[org2::SkipTopView];
int& KameraMode = org2n[org2::KameraMode];
int& PultDekr = org2n[org2::PultDekr];
int& LandEdgeWd = org2n[org2::LandEdgeWd];
int& LandPafBoxes = org2n[org2::LandPafBoxes];
int& KlodKupLines = org2n[org2::KlodKupLines];
int& RangNormUnitMax = org2n[org2::RangNormUnitMax];
int& RangCaptainMax = org2n[org2::RangCaptainMax];
int& DrawMiniMap = org2n[org2::DrawMiniMap];
int& KliForSelect = org2n[org2::KliForSelect];
int& KliForDefAct = org2n[org2::KliForDefAct];
int& KlikForSelX = org2n[org2::KlikForSelX];
int& KlikForSelY = org2n[org2::KlikForSelY];
int& AnyKliHvoWaitSta = org2n[org2::AnyKliHvoWaitSta];
int& AnyKliHvoWait = org2n[org2::AnyKliHvoWait];
int& RRezInProgres = org2n[org2::RRezInProgres];
int& UseSelVariant = org2n[org2::UseSelVariant];
int& gmLKeyIsPush = org2n[org2::gmLKeyIsPush];
int& gmRKeyIsPush = org2n[org2::gmRKeyIsPush];
int& PlitBrushSize = org2n[org2::PlitBrushSize];
int& Plit_OfsNom = org2n[org2::Plit_OfsNom];
int& PlitLastLandT = org2n[org2::PlitLastLandT];
int& EditLandKlikType = org2n[org2::EditLandKlikType];
int& spePLiftKurX = org2n[org2::spePLiftKurX];
int& spePLiftKurY = org2n[org2::spePLiftKurY];
int& spePLiftX = org2n[org2::spePLiftX];
int& spePLiftY = org2n[org2::spePLiftY];
int& spePultLift = org2n[org2::spePultLift];
int& spePultRot = org2n[org2::spePultRot];
int& KursInMiniMap = org2n[org2::KursInMiniMap];
int& KursInMenu = org2n[org2::KursInMenu];
int& zEtp01 = org2n[org2::zEtp01];
int& zEtp02 = org2n[org2::zEtp02];
int& zEtp03 = org2n[org2::zEtp03];
int& zEtp04 = org2n[org2::zEtp04];
int& zEtp05 = org2n[org2::zEtp05];
int& zEtp06 = org2n[org2::zEtp06];
int& zEtp07 = org2n[org2::zEtp07];
int& zEtp08 = org2n[org2::zEtp08];
int& zEtp09 = org2n[org2::zEtp09];
int& zEtp10 = org2n[org2::zEtp10];
int& zEtp11 = org2n[org2::zEtp11];
int& zEtp12 = org2n[org2::zEtp12];
int& zEtp13 = org2n[org2::zEtp13];
int& zEtp14 = org2n[org2::zEtp14];
int& zEtp15 = org2n[org2::zEtp15];
int& zEtp16 = org2n[org2::zEtp16];
int& zEtp17 = org2n[org2::zEtp17];
int& zEtp18 = org2n[org2::zEtp18];
int& zEtp19 = org2n[org2::zEtp19];
int& zEtp20 = org2n[org2::zEtp20];
int& zEtp21 = org2n[org2::zEtp21];
int& zEtp22 = org2n[org2::zEtp22];
int& zEtp23 = org2n[org2::zEtp23];
int& zEtp24 = org2n[org2::zEtp24];
int& zEtp25 = org2n[org2::zEtp25];
int& zEtp26 = org2n[org2::zEtp26];
int& zEtp27 = org2n[org2::zEtp27];
int& zEtp28 = org2n[org2::zEtp28];
int& zEtp29 = org2n[org2::zEtp29];
int& zEtp30 = org2n[org2::zEtp30];
int& zEtp31 = org2n[org2::zEtp31];
int& zEtp32 = org2n[org2::zEtp32];
int& zEtp33 = org2n[org2::zEtp33];
int& zEtp34 = org2n[org2::zEtp34];
int& zEtp35 = org2n[org2::zEtp35];
int& zEtp36 = org2n[org2::zEtp36];
int& zEtp37 = org2n[org2::zEtp37];
int& zEtp38 = org2n[org2::zEtp38];
int& zEtp39 = org2n[org2::zEtp39];
int& zEtp40 = org2n[org2::zEtp40];
int& zEtp41 = org2n[org2::zEtp41];
int& zEtp42 = org2n[org2::zEtp42];
int& zEtp43 = org2n[org2::zEtp43];
int& zEtp44 = org2n[org2::zEtp44];
int& zEtp45 = org2n[org2::zEtp45];
int& zEtp46 = org2n[org2::zEtp46];
int& zEtp47 = org2n[org2::zEtp47];
int& zEtp48 = org2n[org2::zEtp48];
int& zEtp49 = org2n[org2::zEtp49];
int& zEtp50 = org2n[org2::zEtp50];
}

namespace o3
{
float& Pre1xName2 = orgFn[orgF::Pre1xName2];
float& oggMuzGain1 = orgFn[orgF::oggMuzGain1];
float& frazUnitGain1 = orgFn[orgF::frazUnitGain1];
float& BcgYTrans = orgFn[orgF::BcgYTrans];
float& KupolYTrans = orgFn[orgF::KupolYTrans];
float& SvKvdAlf = orgFn[orgF::SvKvdAlf];
float& SkyR = orgFn[orgF::SkyR];
float& SkyG = orgFn[orgF::SkyG];
float& SkyB = orgFn[orgF::SkyB];
float& SkyFogR = orgFn[orgF::SkyFogR];
float& SkyFogG = orgFn[orgF::SkyFogG];
float& SkyFogB = orgFn[orgF::SkyFogB];
float& FogR = orgFn[orgF::FogR];
float& FogG = orgFn[orgF::FogG];
float& FogB = orgFn[orgF::FogB];
float& PlitFadeBelt = orgFn[orgF::PlitFadeBelt];
float& Wtr1A = orgFn[orgF::Wtr1A];
float& Wtr1R = orgFn[orgF::Wtr1R];
float& Wtr1G = orgFn[orgF::Wtr1G];
float& Wtr1B = orgFn[orgF::Wtr1B];
float& burum_bum = orgFn[orgF::burum_bum];
float& ifcHitBarMid = orgFn[orgF::ifcHitBarMid];
float& ifcHitBarBig = orgFn[orgF::ifcHitBarBig];
float& ifcDamageMid = orgFn[orgF::ifcDamageMid];
float& ifcDamageBig = orgFn[orgF::ifcDamageBig];
float& zfEtp01 = orgFn[orgF::zfEtp01];
float& zfEtp02 = orgFn[orgF::zfEtp02];
float& zfEtp03 = orgFn[orgF::zfEtp03];
float& zfEtp04 = orgFn[orgF::zfEtp04];
float& zfEtp05 = orgFn[orgF::zfEtp05];
float& zfEtp06 = orgFn[orgF::zfEtp06];
float& zfEtp07 = orgFn[orgF::zfEtp07];
float& zfEtp08 = orgFn[orgF::zfEtp08];
float& zfEtp09 = orgFn[orgF::zfEtp09];
float& zfEtp10 = orgFn[orgF::zfEtp10];
float& zfEtp11 = orgFn[orgF::zfEtp11];
float& zfEtp12 = orgFn[orgF::zfEtp12];
float& zfEtp13 = orgFn[orgF::zfEtp13];
float& zfEtp14 = orgFn[orgF::zfEtp14];
float& zfEtp15 = orgFn[orgF::zfEtp15];
float& zfEtp16 = orgFn[orgF::zfEtp16];
float& zfEtp17 = orgFn[orgF::zfEtp17];
float& zfEtp18 = orgFn[orgF::zfEtp18];
float& zfEtp19 = orgFn[orgF::zfEtp19];
float& zfEtp20 = orgFn[orgF::zfEtp20];
float& zfEtp21 = orgFn[orgF::zfEtp21];
float& zfEtp22 = orgFn[orgF::zfEtp22];
float& zfEtp23 = orgFn[orgF::zfEtp23];
float& zfEtp24 = orgFn[orgF::zfEtp24];
float& zfEtp25 = orgFn[orgF::zfEtp25];
float& zfEtp26 = orgFn[orgF::zfEtp26];
float& zfEtp27 = orgFn[orgF::zfEtp27];
float& zfEtp28 = orgFn[orgF::zfEtp28];
float& zfEtp29 = orgFn[orgF::zfEtp29];
float& zfEtp30 = orgFn[orgF::zfEtp30];
float& zfEtp31 = orgFn[orgF::zfEtp31];
float& zfEtp32 = orgFn[orgF::zfEtp32];
float& zfEtp33 = orgFn[orgF::zfEtp33];
float& zfEtp34 = orgFn[orgF::zfEtp34];
float& zfEtp35 = orgFn[orgF::zfEtp35];
float& zfEtp36 = orgFn[orgF::zfEtp36];
float& zfEtp37 = orgFn[orgF::zfEtp37];
float& zfEtp38 = orgFn[orgF::zfEtp38];
float& zfEtp39 = orgFn[orgF::zfEtp39];
float& zfEtp40 = orgFn[orgF::zfEtp40];
float& zfEtp41 = orgFn[orgF::zfEtp41];
float& zfEtp42 = orgFn[orgF::zfEtp42];
float& zfEtp43 = orgFn[orgF::zfEtp43];
float& zfEtp44 = orgFn[orgF::zfEtp44];
float& zfEtp45 = orgFn[orgF::zfEtp45];
float& zfEtp46 = orgFn[orgF::zfEtp46];
float& zfEtp47 = orgFn[orgF::zfEtp47];
float& zfEtp48 = orgFn[orgF::zfEtp48];
float& zfEtp49 = orgFn[orgF::zfEtp49];
float& zfEtp50 = orgFn[orgF::zfEtp50];
}



int org2_out(int n)
{
	if(n < 1 || n > org2::Last) return 1;
return 0;
}


int orgF_out(int n)
{
	if(n < 1 || n > orgF::Last) return 1;
return 0;
}


void org2_ReadOnly(int n, int& readOnly)
{
	if(n < 1 || n > org2::Last) return;
switch(n)
{
case org2::zapa0:
case org2::State2D:
case org2::FirstTime:
case org2::FirstTimeGL:
case org2::FirstTimeAL:
case org2::MultiTexE:
case org2::PixelBufE:
case org2::UserDirE:
case org2::AktivIPPI:
case org2::GeneralZvuE:
case org2::MonitorFreq:
case org2::ScanCodes:
case org2::MultiTexUnits:
case org2::GL_MaxTexSize:
case org2::GL_MaxLamps:
case org2::WinExtraToolsOn:
case org2::LoskRendered:
case org2::UseVBO:
case org2::NowFgrKlv_Status:
case org2::TexMemForGeneralGru:
case org2::TexMemForLevelGru:
case org2::EtapOK:
case org2::UseShadowARB:
case org2::UseDepthTextureARB:
case org2::UseShaderARB1:
case org2::UserDirTotalSpaceMB:
case org2::UserDirFreeSpaceMB:
case org2::NomScreen:
case org2::WindowNonStd:
case org2::KliForSelect:
case org2::KliForDefAct:
case org2::KlikForSelX:
case org2::KlikForSelY:
case org2::AnyKliHvoWait:
case org2::RRezInProgres:
case org2::UseSelVariant:
case org2::gmLKeyIsPush:
case org2::gmRKeyIsPush:
case org2::spePLiftKurX:
case org2::spePLiftKurY:
case org2::spePLiftX:
case org2::spePLiftY:
case org2::spePultLift:
case org2::spePultRot:
case org2::KursInMiniMap:
case org2::KursInMenu:
	readOnly = 1; return;
default: break;
}//sw
readOnly = 0;
}


void orgF_ReadOnly(int n, int& readOnly)
{
	if(n < 1 || n > orgF::Last) return;
switch(n)
{
case orgF::zapa0:
	readOnly = 1; return;
default: break;
}//sw
readOnly = 0;
}



#define tv(s, x, y) case org2::s: a =(x); b =(y); return 1;

int org2_TramVals(int n, int& a, int& b)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: break;
tv(SkipTopView, 0, 1)
default: break;
 }//sw
return 0;
}
#undef tv


#define tf(s, x, y) case orgF::s: a =(x); b =(y); return 1;

int orgF_TramVals(int n, float& a, float& b)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: break;
tf(oggMuzGain1, 0.000f, 1.000f)
tf(frazUnitGain1, 0.000f, 1.000f)
tf(SvKvdAlf, 0.000f, 1.000f)
tf(SkyR, 0.000f, 1.000f)
tf(SkyG, 0.000f, 1.000f)
tf(SkyB, 0.000f, 1.000f)
tf(SkyFogR, 0.000f, 1.000f)
tf(SkyFogG, 0.000f, 1.000f)
tf(SkyFogB, 0.000f, 1.000f)
tf(FogR, 0.000f, 1.000f)
tf(FogG, 0.000f, 1.000f)
tf(FogB, 0.000f, 1.000f)
tf(Wtr1A, 0.100f, 1.000f)
tf(Wtr1R, 0.100f, 1.000f)
tf(Wtr1G, 0.100f, 1.000f)
tf(Wtr1B, 0.100f, 1.000f)
tf(burum_bum, 0.000050f, 1234567.000000f)
default: break;
 }//sw
return 0;
}
#undef tf



#define pn(x, a, b, c, d)  case x: blok = a; tip = b; etap = c; visp = d; return 1;

int  org2_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(1,  2, 1, 0, 0)
pn(2,  2, 1, 0, 0)
pn(3,  2, 1, 0, 0)
pn(4,  2, 1, 0, 0)
pn(5,  2, 1, 0, 0)
pn(6,  2, 1, 0, 1)
pn(7,  2, 1, 0, 3)
pn(8,  2, 1, 0, 0)
pn(9,  2, 1, 0, 0)
pn(10,  2, 1, 0, 0)
pn(11,  2, 1, 0, 0)
pn(12,  2, 1, 0, 0)
pn(13,  2, 1, 0, 0)
pn(14,  2, 1, 0, 0)
pn(15,  2, 1, 0, 0)
pn(20,  2, 1, 0, 0)
pn(21,  2, 1, 0, 0)
pn(22,  2, 1, 0, 0)
pn(23,  2, 1, 0, 0)
pn(24,  2, 1, 0, 0)
pn(29,  2, 1, 0, 0)
pn(30,  2, 1, 0, 0)
pn(31,  2, 1, 0, 0)
pn(32,  2, 1, 0, 0)
pn(33,  2, 1, 0, 0)
pn(34,  2, 1, 0, 0)
pn(35,  2, 1, 0, 0)
pn(36,  2, 1, 0, 0)
pn(38,  2, 1, 0, 0)
pn(39,  2, 1, 0, 0)
pn(40,  2, 1, 0, 0)
pn(41,  2, 1, 0, 0)
pn(42,  2, 1, 0, 0)
pn(43,  2, 1, 0, 0)
pn(44,  2, 1, 0, 0)
pn(45,  2, 1, 0, 0)
pn(46,  2, 1, 0, 0)
pn(47,  2, 1, 0, 0)
pn(48,  2, 1, 1, 0)
pn(49,  2, 1, 0, 0)
pn(50,  2, 1, 0, 0)
pn(51,  2, 1, 0, 0)
pn(53,  2, 1, 0, 0)
pn(56,  2, 1, 0, 0)
pn(57,  2, 1, 0, 0)
pn(58,  2, 1, 0, 0)
pn(59,  2, 1, 0, 0)
pn(60,  2, 1, 0, 0)
pn(61,  2, 1, 0, 0)
pn(62,  2, 1, 0, 0)
pn(63,  2, 1, 0, 0)
pn(64,  2, 1, 0, 0)
pn(66,  2, 1, 0, 0)
pn(68,  2, 1, 0, 0)
pn(69,  2, 1, 0, 0)
pn(70,  2, 1, 0, 0)
pn(72,  2, 1, 0, 0)
pn(73,  2, 1, 0, 0)
pn(74,  2, 1, 0, 0)
pn(75,  2, 1, 0, 0)
pn(77,  2, 1, 0, 0)
pn(78,  2, 1, 1, 0)
pn(79,  2, 1, 1, 0)
pn(80,  2, 1, 0, 1)
pn(81,  2, 1, 0, 2)
pn(82,  2, 1, 0, 2)
pn(83,  2, 1, 0, 2)
pn(84,  2, 1, 0, 2)
pn(85,  2, 1, 0, 2)
pn(86,  2, 1, 0, 2)
pn(87,  2, 1, 0, 2)
pn(88,  2, 1, 0, 2)
pn(89,  2, 1, 0, 3)
pn(90,  2, 1, 0, 0)
pn(91,  2, 1, 0, 0)
pn(92,  2, 1, 0, 0)
pn(93,  2, 1, 0, 0)
pn(94,  2, 1, 0, 0)
pn(95,  2, 1, 0, 0)
pn(96,  2, 1, 0, 0)
pn(100,  2, 1, 0, 0)
pn(101,  2, 1, 0, 0)
pn(102,  2, 1, 0, 0)
pn(103,  2, 1, 0, 0)
pn(104,  2, 1, 0, 0)
pn(105,  2, 1, 0, 0)
pn(106,  2, 1, 0, 0)
pn(107,  2, 1, 0, 0)
pn(108,  2, 1, 0, 0)
pn(110,  2, 1, 0, 0)
pn(111,  2, 1, 0, 0)
pn(112,  2, 1, 0, 0)
pn(113,  2, 1, 0, 0)
pn(114,  2, 1, 0, 0)
pn(115,  2, 1, 0, 0)
pn(116,  2, 1, 0, 0)
pn(117,  2, 1, 0, 0)
pn(118,  2, 1, 0, 0)
pn(119,  2, 1, 0, 0)
pn(120,  2, 1, 1, 0)
pn(121,  2, 1, 1, 0)
pn(122,  2, 1, 0, 0)
pn(123,  2, 1, 0, 0)
pn(124,  2, 1, 0, 0)
pn(125,  2, 1, 0, 0)
pn(126,  2, 1, 0, 0)
pn(128,  2, 1, 0, 0)
pn(129,  2, 1, 0, 0)
pn(130,  2, 1, 0, 0)
pn(131,  2, 1, 0, 0)
pn(133,  2, 1, 0, 0)
pn(134,  2, 1, 0, 0)
pn(135,  2, 1, 0, 0)
pn(136,  2, 1, 0, 0)
pn(137,  2, 1, 0, 0)
pn(138,  2, 1, 0, 0)
pn(140,  2, 1, 0, 0)
pn(141,  2, 1, 0, 0)
pn(142,  2, 1, 0, 0)
pn(143,  2, 1, 0, 0)
pn(144,  2, 1, 0, 0)
pn(145,  2, 1, 0, 0)
pn(146,  2, 1, 0, 0)
pn(147,  2, 1, 0, 0)
pn(151,  2, 1, 1, 0)
pn(152,  2, 1, 1, 0)
pn(153,  2, 1, 1, 0)
pn(154,  2, 1, 1, 0)
pn(155,  2, 1, 1, 0)
pn(156,  2, 1, 1, 0)
pn(157,  2, 1, 1, 0)
pn(158,  2, 1, 1, 0)
pn(159,  2, 1, 1, 0)
pn(160,  2, 1, 1, 0)
pn(161,  2, 1, 1, 0)
pn(162,  2, 1, 1, 0)
pn(163,  2, 1, 1, 0)
pn(164,  2, 1, 1, 0)
pn(165,  2, 1, 1, 0)
pn(166,  2, 1, 1, 0)
pn(167,  2, 1, 1, 0)
pn(168,  2, 1, 1, 0)
pn(169,  2, 1, 1, 0)
pn(170,  2, 1, 1, 0)
pn(171,  2, 1, 1, 0)
pn(172,  2, 1, 1, 0)
pn(173,  2, 1, 1, 0)
pn(174,  2, 1, 1, 0)
pn(175,  2, 1, 1, 0)
pn(176,  2, 1, 1, 0)
pn(177,  2, 1, 1, 0)
pn(178,  2, 1, 1, 0)
pn(179,  2, 1, 1, 0)
pn(180,  2, 1, 1, 0)
pn(181,  2, 1, 1, 0)
pn(182,  2, 1, 1, 0)
pn(183,  2, 1, 1, 0)
pn(184,  2, 1, 1, 0)
pn(185,  2, 1, 1, 0)
pn(186,  2, 1, 1, 0)
pn(187,  2, 1, 1, 0)
pn(188,  2, 1, 1, 0)
pn(189,  2, 1, 1, 0)
pn(190,  2, 1, 1, 0)
pn(191,  2, 1, 1, 0)
pn(192,  2, 1, 1, 0)
pn(193,  2, 1, 1, 0)
pn(194,  2, 1, 1, 0)
pn(195,  2, 1, 1, 0)
pn(196,  2, 1, 1, 0)
pn(197,  2, 1, 1, 0)
pn(198,  2, 1, 1, 0)
pn(199,  2, 1, 1, 0)
pn(200,  2, 1, 1, 0)
default: break;
 }//sw
return 0;
}



int  orgF_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(1,  2, 2, 0, 0)
pn(3,  2, 2, 1, 0)
pn(4,  2, 2, 1, 0)
pn(5,  2, 2, 1, 0)
pn(6,  2, 2, 0, 0)
pn(8,  2, 2, 0, 0)
pn(11,  2, 2, 1, 1)
pn(12,  2, 2, 1, 2)
pn(13,  2, 2, 1, 3)
pn(14,  2, 2, 1, 1)
pn(15,  2, 2, 1, 2)
pn(16,  2, 2, 1, 3)
pn(17,  2, 2, 1, 0)
pn(18,  2, 2, 1, 0)
pn(19,  2, 2, 1, 0)
pn(20,  2, 2, 0, 0)
pn(21,  2, 2, 1, 1)
pn(22,  2, 2, 1, 2)
pn(23,  2, 2, 1, 2)
pn(24,  2, 2, 1, 3)
pn(25,  2, 2, 0, 0)
pn(26,  2, 2, 0, 0)
pn(27,  2, 2, 0, 0)
pn(28,  2, 2, 0, 0)
pn(29,  2, 2, 0, 0)
pn(51,  2, 2, 1, 0)
pn(52,  2, 2, 1, 0)
pn(53,  2, 2, 1, 0)
pn(54,  2, 2, 1, 0)
pn(55,  2, 2, 1, 0)
pn(56,  2, 2, 1, 0)
pn(57,  2, 2, 1, 0)
pn(58,  2, 2, 1, 0)
pn(59,  2, 2, 1, 0)
pn(60,  2, 2, 1, 0)
pn(61,  2, 2, 1, 0)
pn(62,  2, 2, 1, 0)
pn(63,  2, 2, 1, 0)
pn(64,  2, 2, 1, 0)
pn(65,  2, 2, 1, 0)
pn(66,  2, 2, 1, 0)
pn(67,  2, 2, 1, 0)
pn(68,  2, 2, 1, 0)
pn(69,  2, 2, 1, 0)
pn(70,  2, 2, 1, 0)
pn(71,  2, 2, 1, 0)
pn(72,  2, 2, 1, 0)
pn(73,  2, 2, 1, 0)
pn(74,  2, 2, 1, 0)
pn(75,  2, 2, 1, 0)
pn(76,  2, 2, 1, 0)
pn(77,  2, 2, 1, 0)
pn(78,  2, 2, 1, 0)
pn(79,  2, 2, 1, 0)
pn(80,  2, 2, 1, 0)
pn(81,  2, 2, 1, 0)
pn(82,  2, 2, 1, 0)
pn(83,  2, 2, 1, 0)
pn(84,  2, 2, 1, 0)
pn(85,  2, 2, 1, 0)
pn(86,  2, 2, 1, 0)
pn(87,  2, 2, 1, 0)
pn(88,  2, 2, 1, 0)
pn(89,  2, 2, 1, 0)
pn(90,  2, 2, 1, 0)
pn(91,  2, 2, 1, 0)
pn(92,  2, 2, 1, 0)
pn(93,  2, 2, 1, 0)
pn(94,  2, 2, 1, 0)
pn(95,  2, 2, 1, 0)
pn(96,  2, 2, 1, 0)
pn(97,  2, 2, 1, 0)
pn(98,  2, 2, 1, 0)
pn(99,  2, 2, 1, 0)
pn(100,  2, 2, 1, 0)
default: break;
 }//sw
return 0;
}
#undef pn




#define pn(x, s)  case x: return s;

char*  org2_Koment1(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(1, "// сложно следить - за кадр меняются - в конце кадра всегда ноль (норма)")
pn(3, "// поставить сюда 1 и прога завершится")
pn(4, "// ставим 1 и в ближ. кадре прога делает фотку и обнуляет эту ячейку")
pn(5, "// локал или инглиш")
pn(10, "// есть-ли папка юзера (спорная штука - нужно пере-придумать)")
pn(12, "// Изначально предполагаем наличие DirSound3D")
pn(13, "// загрузились ли генеральные звукчки")
pn(20, "// сколько текс за один проход максимум")
pn(21, "// временное отключение звука")
pn(22, "// нужно-ли обновлять пирамиду взгляда (проверки Кто попадает)")
pn(23, "// Используется-ли мышка для Врашений Взгляда")
pn(29, "// glFlush or glFinish")
pn(36, "// перед сообшениями и диалогами выставлять Единицу, чтобы не-было срабатывания по ложному OnKillFokus ...")
pn(38, "// -1= нет облачного купола.")
pn(45, "// как двигаются облака //0= нет., 1= в одну сторону., 2= доп-стрейф ...")
pn(46, "// -1= нет.,  0= умолчанка ...")
pn(57, "// при выборе клавиа-кнопки для некой команды игровой ...")
pn(66, "// сколько минут меж Авто-сохранками - Ноль значит нету их")
pn(75, "// 0= фигуры без света., 1= спец-солнце., 2= проходит кейс фигур")
pn(77, "// рид-онли-флаг Если из конфига некое не-стандарт-окно сделано")
pn(80, "// номер тексы в нолевой групе для Нолевого Проективного шрифта")
pn(90, "// сохранить модели в бин-блок")
pn(96, "// для этой Динамик-свет отдельную тексу")
pn(110, "// нужно-ли грузить Этапную групу звуков")
pn(111, "// загружена-ли Этапная група звуков (не зависит от верх-флага)")
pn(114, "// так получится камеру лиш по двум режимам гонять")
pn(117, "// разом флаг и ширь ребер тайлов земли")
pn(122, "// рисовать-ли мини-мэп и в каком режиме, если можно рисовать по разному")
pn(135, "// 1 or 3")
pn(136, "// -1 как вне поля")
pn(137, "// const PlitTypeSand is 3")
pn(138, "// номерками ставим тип и сразу повтор от Правого клика далее")
pn(146, "// от прошлого кадра всегда значение")
pn(147, "// WeIsOnMenu=0;// 1= any // 2= GamePauzMenu")
default: break;
 }//sw
return 0;
}



char*  orgF_Koment1(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(3, "// звуки фоновой музыки")
pn(4, "// звуки фраз от юнитов")
pn(6, "// разом и BcgYTrans выправляет")
pn(14, "// туман для Поверхности")
pn(17, "// туман для Подземки")
pn(25, "// 1234 burum_bum первый коментарий")
default: break;
 }//sw
return 0;
}





char*  org2_Koment2(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(1, "//   второй коментарий State2D")
pn(151, "//   серия запасных глобалок, которые сохраняются в файл Этапа.")
default: break;
 }//sw
return 0;
}



char*  orgF_Koment2(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(14, "//   Смена значений _здесь_ не работает, если грузится Готовый этап")
pn(25, "//  5678 второй коментарий")
pn(51, "//   серия запасных флоатов, которые сохраняются в файл Этапа")
default: break;
 }//sw
return 0;
}





char*  org2_NameVar(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(1, "State2D")
pn(2, "FirstTime")
pn(3, "NeedExit")
pn(4, "NeedScreen")
pn(5, "EngText")
pn(6, "FirstTimeGL")
pn(7, "FirstTimeAL")
pn(8, "MultiTexE")
pn(9, "PixelBufE")
pn(10, "UserDirE")
pn(11, "AktivIPPI")
pn(12, "SoundE")
pn(13, "GeneralZvuE")
pn(14, "MonitorFreq")
pn(15, "ScanCodes")
pn(20, "MultiTexUnits")
pn(21, "SoundMute")
pn(22, "FrustumE")
pn(23, "MouseControlView")
pn(24, "ManualAktivIPPI")
pn(29, "GL_Flush")
pn(30, "GL_MaxTexSize")
pn(31, "GL_MaxLamps")
pn(32, "HideWnd")
pn(33, "anFocusFlag")
pn(34, "anSleepEachFrame")
pn(35, "WinPopUpMenu")
pn(36, "WinExtraToolsOn")
pn(38, "SkyKupBlend")
pn(39, "SkyKupTex1G")
pn(40, "SkyKupTex1N")
pn(41, "SkyKupTex1Env")
pn(42, "SkyKupTex2G")
pn(43, "SkyKupTex2N")
pn(44, "SkyKupTex2Env")
pn(45, "SkyKupScrollCase")
pn(46, "SkyKupAlfTest")
pn(47, "DrawFPS")
pn(48, "GamePause")
pn(49, "DrawEditHelpLines")
pn(50, "LoskRendered")
pn(51, "UseVBO")
pn(53, "AchTable_MarkSysTime")
pn(56, "NowFgrKlv_Status")
pn(57, "KmdKeyZamen")
pn(58, "TexMemForGeneralGru")
pn(59, "TexMemForLevelGru")
pn(60, "EtapOK")
pn(61, "FogDejCase")
pn(62, "FogDejNear")
pn(63, "FogDejFar")
pn(64, "FogPerPixel")
pn(66, "Ed_AutoSaveMinutes")
pn(68, "UseShadowARB")
pn(69, "UseDepthTextureARB")
pn(70, "UseShaderARB1")
pn(72, "UserDirTotalSpaceMB")
pn(73, "UserDirFreeSpaceMB")
pn(74, "NomScreen")
pn(75, "Edit_SvetForce")
pn(77, "WindowNonStd")
pn(78, "WtrTex1")
pn(79, "WtrTex2")
pn(80, "FontProjTex0")
pn(81, "FontProjTex1")
pn(82, "FontProjTex2")
pn(83, "FontProjTex3")
pn(84, "FontProjTex4")
pn(85, "FontProjTex5")
pn(86, "FontProjTex6")
pn(87, "FontProjTex7")
pn(88, "FontProjTex8")
pn(89, "FontProjTex9")
pn(90, "TrySaveGenModelsBinBlo")
pn(91, "SvetoKv_FgrTeneKrugi")
pn(92, "SvetoKv_FgrTeneKruBlend")
pn(93, "SvetoKv_SnarBoomLand")
pn(94, "SvetoKv_JetSled")
pn(95, "ProbLand0_UseTex3")
pn(96, "SveKvadTex4")
pn(100, "TestPlitDrawLand")
pn(101, "TestFgrDrawStolb")
pn(102, "TestFgrDrawUnit")
pn(103, "TestFgrDrawFlare")
pn(104, "TestFgrDrawQuads34")
pn(105, "TestFgrDrawQuads38")
pn(106, "TestFgrDrawQuads34D")
pn(107, "TestFgrDrawQuads38D")
pn(108, "TestFgrDrawDom")
pn(110, "NeedLoadEtapZvu")
pn(111, "NeedLoadEtapZvuOK")
pn(112, "NeedLoadEtapMesh")
pn(113, "NeedLoadEtapMeshOK")
pn(114, "SkipTopView")
pn(115, "KameraMode")
pn(116, "PultDekr")
pn(117, "LandEdgeWd")
pn(118, "LandPafBoxes")
pn(119, "KlodKupLines")
pn(120, "RangNormUnitMax")
pn(121, "RangCaptainMax")
pn(122, "DrawMiniMap")
pn(123, "KliForSelect")
pn(124, "KliForDefAct")
pn(125, "KlikForSelX")
pn(126, "KlikForSelY")
pn(128, "AnyKliHvoWaitSta")
pn(129, "AnyKliHvoWait")
pn(130, "RRezInProgres")
pn(131, "UseSelVariant")
pn(133, "gmLKeyIsPush")
pn(134, "gmRKeyIsPush")
pn(135, "PlitBrushSize")
pn(136, "Plit_OfsNom")
pn(137, "PlitLastLandT")
pn(138, "EditLandKlikType")
pn(140, "spePLiftKurX")
pn(141, "spePLiftKurY")
pn(142, "spePLiftX")
pn(143, "spePLiftY")
pn(144, "spePultLift")
pn(145, "spePultRot")
pn(146, "KursInMiniMap")
pn(147, "KursInMenu")
pn(151, "zEtp01")
pn(152, "zEtp02")
pn(153, "zEtp03")
pn(154, "zEtp04")
pn(155, "zEtp05")
pn(156, "zEtp06")
pn(157, "zEtp07")
pn(158, "zEtp08")
pn(159, "zEtp09")
pn(160, "zEtp10")
pn(161, "zEtp11")
pn(162, "zEtp12")
pn(163, "zEtp13")
pn(164, "zEtp14")
pn(165, "zEtp15")
pn(166, "zEtp16")
pn(167, "zEtp17")
pn(168, "zEtp18")
pn(169, "zEtp19")
pn(170, "zEtp20")
pn(171, "zEtp21")
pn(172, "zEtp22")
pn(173, "zEtp23")
pn(174, "zEtp24")
pn(175, "zEtp25")
pn(176, "zEtp26")
pn(177, "zEtp27")
pn(178, "zEtp28")
pn(179, "zEtp29")
pn(180, "zEtp30")
pn(181, "zEtp31")
pn(182, "zEtp32")
pn(183, "zEtp33")
pn(184, "zEtp34")
pn(185, "zEtp35")
pn(186, "zEtp36")
pn(187, "zEtp37")
pn(188, "zEtp38")
pn(189, "zEtp39")
pn(190, "zEtp40")
pn(191, "zEtp41")
pn(192, "zEtp42")
pn(193, "zEtp43")
pn(194, "zEtp44")
pn(195, "zEtp45")
pn(196, "zEtp46")
pn(197, "zEtp47")
pn(198, "zEtp48")
pn(199, "zEtp49")
pn(200, "zEtp50")
default: break;
 }//sw
return 0;
}



char*  orgF_NameVar(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pn(1, "Pre1xName2")
pn(3, "oggMuzGain1")
pn(4, "frazUnitGain1")
pn(5, "BcgYTrans")
pn(6, "KupolYTrans")
pn(8, "SvKvdAlf")
pn(11, "SkyR")
pn(12, "SkyG")
pn(13, "SkyB")
pn(14, "SkyFogR")
pn(15, "SkyFogG")
pn(16, "SkyFogB")
pn(17, "FogR")
pn(18, "FogG")
pn(19, "FogB")
pn(20, "PlitFadeBelt")
pn(21, "Wtr1A")
pn(22, "Wtr1R")
pn(23, "Wtr1G")
pn(24, "Wtr1B")
pn(25, "burum_bum")
pn(26, "ifcHitBarMid")
pn(27, "ifcHitBarBig")
pn(28, "ifcDamageMid")
pn(29, "ifcDamageBig")
pn(51, "zfEtp01")
pn(52, "zfEtp02")
pn(53, "zfEtp03")
pn(54, "zfEtp04")
pn(55, "zfEtp05")
pn(56, "zfEtp06")
pn(57, "zfEtp07")
pn(58, "zfEtp08")
pn(59, "zfEtp09")
pn(60, "zfEtp10")
pn(61, "zfEtp11")
pn(62, "zfEtp12")
pn(63, "zfEtp13")
pn(64, "zfEtp14")
pn(65, "zfEtp15")
pn(66, "zfEtp16")
pn(67, "zfEtp17")
pn(68, "zfEtp18")
pn(69, "zfEtp19")
pn(70, "zfEtp20")
pn(71, "zfEtp21")
pn(72, "zfEtp22")
pn(73, "zfEtp23")
pn(74, "zfEtp24")
pn(75, "zfEtp25")
pn(76, "zfEtp26")
pn(77, "zfEtp27")
pn(78, "zfEtp28")
pn(79, "zfEtp29")
pn(80, "zfEtp30")
pn(81, "zfEtp31")
pn(82, "zfEtp32")
pn(83, "zfEtp33")
pn(84, "zfEtp34")
pn(85, "zfEtp35")
pn(86, "zfEtp36")
pn(87, "zfEtp37")
pn(88, "zfEtp38")
pn(89, "zfEtp39")
pn(90, "zfEtp40")
pn(91, "zfEtp41")
pn(92, "zfEtp42")
pn(93, "zfEtp43")
pn(94, "zfEtp44")
pn(95, "zfEtp45")
pn(96, "zfEtp46")
pn(97, "zfEtp47")
pn(98, "zfEtp48")
pn(99, "zfEtp49")
pn(100, "zfEtp50")
default: break;
 }//sw
return 0;
}





char*  org2_NameClr(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pn(1, "rrqrrqr")
pn(5, "aaggbba")
default: break;
 }//sw
return 0;
}



char*  orgF_NameClr(int n)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
default: break;
 }//sw
return 0;
}
#undef pn




#define pa(x, a)  case x: return a;

int org2_Adv(int n)
{
	if(n < 1 || n > org2::Last) return 0;
 switch(n)
 {
case org2::zapa0: return 0;
pa(5, 1)
pa(12, 1)
pa(21, 1)
pa(22, 1)
pa(23, 1)
pa(29, 1)
pa(32, 1)
pa(33, 1)
pa(34, 1)
pa(38, 1)
pa(40, 1)
pa(41, 1)
pa(43, 1)
pa(44, 1)
pa(45, 1)
pa(46, 1)
pa(47, 1)
pa(49, 1)
pa(53, 1)
pa(57, 1)
pa(75, 1)
pa(78, 1)
pa(79, 1)
pa(80, 1)
pa(81, 1)
pa(82, 1)
pa(83, 1)
pa(84, 1)
pa(85, 1)
pa(86, 1)
pa(87, 1)
pa(88, 1)
pa(89, 1)
pa(91, 1)
pa(92, 1)
pa(93, 1)
pa(94, 1)
pa(95, 1)
pa(96, 1)
pa(100, 1)
pa(101, 1)
pa(102, 1)
pa(103, 1)
pa(104, 1)
pa(105, 1)
pa(106, 1)
pa(107, 1)
pa(108, 1)
pa(114, 1)
pa(115, 1)
pa(116, 1)
pa(117, 1)
pa(118, 1)
pa(119, 1)
pa(120, 1)
pa(121, 1)
pa(122, 1)
pa(128, 1)
pa(135, 1)
pa(137, 1)
default: break;
 }//sw
return 0;
}

#undef pa

#define pa(x, a)  case x: val = a; return 1;

int orgF_Adv(int n, float& val)
{
	if(n < 1 || n > orgF::Last) return 0;
 switch(n)
 {
case orgF::zapa0: return 0;
pa(1, 0.500000f)
pa(3, 0.050000f)
pa(4, 0.050000f)
pa(5, 1.000000f)
pa(6, 1.000000f)
pa(11, 0.050000f)
pa(12, 0.050000f)
pa(13, 0.050000f)
pa(14, 0.050000f)
pa(15, 0.050000f)
pa(16, 0.050000f)
pa(17, 0.050000f)
pa(18, 0.050000f)
pa(19, 0.050000f)
pa(20, 0.500000f)
pa(21, 0.100000f)
pa(22, 0.100000f)
pa(23, 0.100000f)
pa(24, 0.100000f)
pa(25, 25.000010f)
pa(26, 10.000000f)
pa(27, 10.000000f)
pa(28, 1.000000f)
pa(29, 1.000000f)
default: break;
 }//sw
return 0;
}
#undef pa




void org2_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
IntWrite( o2::GamePause, ff);
IntWrite( o2::WtrTex1, ff);
IntWrite( o2::WtrTex2, ff);
IntWrite( o2::RangNormUnitMax, ff);
IntWrite( o2::RangCaptainMax, ff);
IntWrite( o2::zEtp01, ff);
IntWrite( o2::zEtp02, ff);
IntWrite( o2::zEtp03, ff);
IntWrite( o2::zEtp04, ff);
IntWrite( o2::zEtp05, ff);
IntWrite( o2::zEtp06, ff);
IntWrite( o2::zEtp07, ff);
IntWrite( o2::zEtp08, ff);
IntWrite( o2::zEtp09, ff);
IntWrite( o2::zEtp10, ff);
IntWrite( o2::zEtp11, ff);
IntWrite( o2::zEtp12, ff);
IntWrite( o2::zEtp13, ff);
IntWrite( o2::zEtp14, ff);
IntWrite( o2::zEtp15, ff);
IntWrite( o2::zEtp16, ff);
IntWrite( o2::zEtp17, ff);
IntWrite( o2::zEtp18, ff);
IntWrite( o2::zEtp19, ff);
IntWrite( o2::zEtp20, ff);
IntWrite( o2::zEtp21, ff);
IntWrite( o2::zEtp22, ff);
IntWrite( o2::zEtp23, ff);
IntWrite( o2::zEtp24, ff);
IntWrite( o2::zEtp25, ff);
IntWrite( o2::zEtp26, ff);
IntWrite( o2::zEtp27, ff);
IntWrite( o2::zEtp28, ff);
IntWrite( o2::zEtp29, ff);
IntWrite( o2::zEtp30, ff);
IntWrite( o2::zEtp31, ff);
IntWrite( o2::zEtp32, ff);
IntWrite( o2::zEtp33, ff);
IntWrite( o2::zEtp34, ff);
IntWrite( o2::zEtp35, ff);
IntWrite( o2::zEtp36, ff);
IntWrite( o2::zEtp37, ff);
IntWrite( o2::zEtp38, ff);
IntWrite( o2::zEtp39, ff);
IntWrite( o2::zEtp40, ff);
IntWrite( o2::zEtp41, ff);
IntWrite( o2::zEtp42, ff);
IntWrite( o2::zEtp43, ff);
IntWrite( o2::zEtp44, ff);
IntWrite( o2::zEtp45, ff);
IntWrite( o2::zEtp46, ff);
IntWrite( o2::zEtp47, ff);
IntWrite( o2::zEtp48, ff);
IntWrite( o2::zEtp49, ff);
IntWrite( o2::zEtp50, ff);
}


int org2_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
IntRead( o2::GamePause, ff);  t += 1;
IntRead( o2::WtrTex1, ff);  t += 1;
IntRead( o2::WtrTex2, ff);  t += 1;
IntRead( o2::RangNormUnitMax, ff);  t += 1;
IntRead( o2::RangCaptainMax, ff);  t += 1;
IntRead( o2::zEtp01, ff);  t += 1;
IntRead( o2::zEtp02, ff);  t += 1;
IntRead( o2::zEtp03, ff);  t += 1;
IntRead( o2::zEtp04, ff);  t += 1;
IntRead( o2::zEtp05, ff);  t += 1;
IntRead( o2::zEtp06, ff);  t += 1;
IntRead( o2::zEtp07, ff);  t += 1;
IntRead( o2::zEtp08, ff);  t += 1;
IntRead( o2::zEtp09, ff);  t += 1;
IntRead( o2::zEtp10, ff);  t += 1;
IntRead( o2::zEtp11, ff);  t += 1;
IntRead( o2::zEtp12, ff);  t += 1;
IntRead( o2::zEtp13, ff);  t += 1;
IntRead( o2::zEtp14, ff);  t += 1;
IntRead( o2::zEtp15, ff);  t += 1;
IntRead( o2::zEtp16, ff);  t += 1;
IntRead( o2::zEtp17, ff);  t += 1;
IntRead( o2::zEtp18, ff);  t += 1;
IntRead( o2::zEtp19, ff);  t += 1;
IntRead( o2::zEtp20, ff);  t += 1;
IntRead( o2::zEtp21, ff);  t += 1;
IntRead( o2::zEtp22, ff);  t += 1;
IntRead( o2::zEtp23, ff);  t += 1;
IntRead( o2::zEtp24, ff);  t += 1;
IntRead( o2::zEtp25, ff);  t += 1;
IntRead( o2::zEtp26, ff);  t += 1;
IntRead( o2::zEtp27, ff);  t += 1;
IntRead( o2::zEtp28, ff);  t += 1;
IntRead( o2::zEtp29, ff);  t += 1;
IntRead( o2::zEtp30, ff);  t += 1;
IntRead( o2::zEtp31, ff);  t += 1;
IntRead( o2::zEtp32, ff);  t += 1;
IntRead( o2::zEtp33, ff);  t += 1;
IntRead( o2::zEtp34, ff);  t += 1;
IntRead( o2::zEtp35, ff);  t += 1;
IntRead( o2::zEtp36, ff);  t += 1;
IntRead( o2::zEtp37, ff);  t += 1;
IntRead( o2::zEtp38, ff);  t += 1;
IntRead( o2::zEtp39, ff);  t += 1;
IntRead( o2::zEtp40, ff);  t += 1;
IntRead( o2::zEtp41, ff);  t += 1;
IntRead( o2::zEtp42, ff);  t += 1;
IntRead( o2::zEtp43, ff);  t += 1;
IntRead( o2::zEtp44, ff);  t += 1;
IntRead( o2::zEtp45, ff);  t += 1;
IntRead( o2::zEtp46, ff);  t += 1;
IntRead( o2::zEtp47, ff);  t += 1;
IntRead( o2::zEtp48, ff);  t += 1;
IntRead( o2::zEtp49, ff);  t += 1;
IntRead( o2::zEtp50, ff);  t += 1;
if(t != 55) return 0;
return 1;
}



void orgF_PartEtap_SaveTo( FILE* ff)
{
 if(! ff) return;
FloWrite( o3::oggMuzGain1, ff);
FloWrite( o3::frazUnitGain1, ff);
FloWrite( o3::BcgYTrans, ff);
FloWrite( o3::SkyR, ff);
FloWrite( o3::SkyG, ff);
FloWrite( o3::SkyB, ff);
FloWrite( o3::SkyFogR, ff);
FloWrite( o3::SkyFogG, ff);
FloWrite( o3::SkyFogB, ff);
FloWrite( o3::FogR, ff);
FloWrite( o3::FogG, ff);
FloWrite( o3::FogB, ff);
FloWrite( o3::Wtr1A, ff);
FloWrite( o3::Wtr1R, ff);
FloWrite( o3::Wtr1G, ff);
FloWrite( o3::Wtr1B, ff);
FloWrite( o3::zfEtp01, ff);
FloWrite( o3::zfEtp02, ff);
FloWrite( o3::zfEtp03, ff);
FloWrite( o3::zfEtp04, ff);
FloWrite( o3::zfEtp05, ff);
FloWrite( o3::zfEtp06, ff);
FloWrite( o3::zfEtp07, ff);
FloWrite( o3::zfEtp08, ff);
FloWrite( o3::zfEtp09, ff);
FloWrite( o3::zfEtp10, ff);
FloWrite( o3::zfEtp11, ff);
FloWrite( o3::zfEtp12, ff);
FloWrite( o3::zfEtp13, ff);
FloWrite( o3::zfEtp14, ff);
FloWrite( o3::zfEtp15, ff);
FloWrite( o3::zfEtp16, ff);
FloWrite( o3::zfEtp17, ff);
FloWrite( o3::zfEtp18, ff);
FloWrite( o3::zfEtp19, ff);
FloWrite( o3::zfEtp20, ff);
FloWrite( o3::zfEtp21, ff);
FloWrite( o3::zfEtp22, ff);
FloWrite( o3::zfEtp23, ff);
FloWrite( o3::zfEtp24, ff);
FloWrite( o3::zfEtp25, ff);
FloWrite( o3::zfEtp26, ff);
FloWrite( o3::zfEtp27, ff);
FloWrite( o3::zfEtp28, ff);
FloWrite( o3::zfEtp29, ff);
FloWrite( o3::zfEtp30, ff);
FloWrite( o3::zfEtp31, ff);
FloWrite( o3::zfEtp32, ff);
FloWrite( o3::zfEtp33, ff);
FloWrite( o3::zfEtp34, ff);
FloWrite( o3::zfEtp35, ff);
FloWrite( o3::zfEtp36, ff);
FloWrite( o3::zfEtp37, ff);
FloWrite( o3::zfEtp38, ff);
FloWrite( o3::zfEtp39, ff);
FloWrite( o3::zfEtp40, ff);
FloWrite( o3::zfEtp41, ff);
FloWrite( o3::zfEtp42, ff);
FloWrite( o3::zfEtp43, ff);
FloWrite( o3::zfEtp44, ff);
FloWrite( o3::zfEtp45, ff);
FloWrite( o3::zfEtp46, ff);
FloWrite( o3::zfEtp47, ff);
FloWrite( o3::zfEtp48, ff);
FloWrite( o3::zfEtp49, ff);
FloWrite( o3::zfEtp50, ff);
}


int orgF_PartEtap_LoadFr( FILE* ff)
{
 if(! ff) return 0;
 int t =0;
FloRead( o3::oggMuzGain1, ff);  t += 1;
FloRead( o3::frazUnitGain1, ff);  t += 1;
FloRead( o3::BcgYTrans, ff);  t += 1;
FloRead( o3::SkyR, ff);  t += 1;
FloRead( o3::SkyG, ff);  t += 1;
FloRead( o3::SkyB, ff);  t += 1;
FloRead( o3::SkyFogR, ff);  t += 1;
FloRead( o3::SkyFogG, ff);  t += 1;
FloRead( o3::SkyFogB, ff);  t += 1;
FloRead( o3::FogR, ff);  t += 1;
FloRead( o3::FogG, ff);  t += 1;
FloRead( o3::FogB, ff);  t += 1;
FloRead( o3::Wtr1A, ff);  t += 1;
FloRead( o3::Wtr1R, ff);  t += 1;
FloRead( o3::Wtr1G, ff);  t += 1;
FloRead( o3::Wtr1B, ff);  t += 1;
FloRead( o3::zfEtp01, ff);  t += 1;
FloRead( o3::zfEtp02, ff);  t += 1;
FloRead( o3::zfEtp03, ff);  t += 1;
FloRead( o3::zfEtp04, ff);  t += 1;
FloRead( o3::zfEtp05, ff);  t += 1;
FloRead( o3::zfEtp06, ff);  t += 1;
FloRead( o3::zfEtp07, ff);  t += 1;
FloRead( o3::zfEtp08, ff);  t += 1;
FloRead( o3::zfEtp09, ff);  t += 1;
FloRead( o3::zfEtp10, ff);  t += 1;
FloRead( o3::zfEtp11, ff);  t += 1;
FloRead( o3::zfEtp12, ff);  t += 1;
FloRead( o3::zfEtp13, ff);  t += 1;
FloRead( o3::zfEtp14, ff);  t += 1;
FloRead( o3::zfEtp15, ff);  t += 1;
FloRead( o3::zfEtp16, ff);  t += 1;
FloRead( o3::zfEtp17, ff);  t += 1;
FloRead( o3::zfEtp18, ff);  t += 1;
FloRead( o3::zfEtp19, ff);  t += 1;
FloRead( o3::zfEtp20, ff);  t += 1;
FloRead( o3::zfEtp21, ff);  t += 1;
FloRead( o3::zfEtp22, ff);  t += 1;
FloRead( o3::zfEtp23, ff);  t += 1;
FloRead( o3::zfEtp24, ff);  t += 1;
FloRead( o3::zfEtp25, ff);  t += 1;
FloRead( o3::zfEtp26, ff);  t += 1;
FloRead( o3::zfEtp27, ff);  t += 1;
FloRead( o3::zfEtp28, ff);  t += 1;
FloRead( o3::zfEtp29, ff);  t += 1;
FloRead( o3::zfEtp30, ff);  t += 1;
FloRead( o3::zfEtp31, ff);  t += 1;
FloRead( o3::zfEtp32, ff);  t += 1;
FloRead( o3::zfEtp33, ff);  t += 1;
FloRead( o3::zfEtp34, ff);  t += 1;
FloRead( o3::zfEtp35, ff);  t += 1;
FloRead( o3::zfEtp36, ff);  t += 1;
FloRead( o3::zfEtp37, ff);  t += 1;
FloRead( o3::zfEtp38, ff);  t += 1;
FloRead( o3::zfEtp39, ff);  t += 1;
FloRead( o3::zfEtp40, ff);  t += 1;
FloRead( o3::zfEtp41, ff);  t += 1;
FloRead( o3::zfEtp42, ff);  t += 1;
FloRead( o3::zfEtp43, ff);  t += 1;
FloRead( o3::zfEtp44, ff);  t += 1;
FloRead( o3::zfEtp45, ff);  t += 1;
FloRead( o3::zfEtp46, ff);  t += 1;
FloRead( o3::zfEtp47, ff);  t += 1;
FloRead( o3::zfEtp48, ff);  t += 1;
FloRead( o3::zfEtp49, ff);  t += 1;
FloRead( o3::zfEtp50, ff);  t += 1;
if(t != 66) return 0;
return 1;
}



void org2_Init()
{
	memset(  &(org2n[0]), 0, (sizeof(int) * (org2::Last+1))	);

}

void orgF_Init()
{
	memset(  &(orgFn[0]), 0, (sizeof(float) * (orgF::Last+1))	);

}
