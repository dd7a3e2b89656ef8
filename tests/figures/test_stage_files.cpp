// Stage files: round trips of whole stages, the byte layout the other tools rely on, and saves.
#include <filesystem>

#include "stage_fixture.h"

#include <fcntl.h>
#include <sys/resource.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "platform/platform.h"
#include "shell/files.h"
#include "shell/text.h"

namespace {

// Each live figure's chunk, re-written: what a stage file would hold for it.
std::string FigureBytes(int slot) {
  Fgr* f = &Fgrs.mf[slot];
  char* buf = nullptr;
  size_t n = 0;
  FILE* m = open_memstream(&buf, &n);
  if (f->Status()) f->SaveTo(m, slot > FgrsBaseLast);
  fclose(m);
  std::string s(buf, n);
  free(buf);
  return s;
}

using StageFiles = StageTest;

TEST_F(StageFiles, WholeStageRoundTripGivesTheSameWorldAndTheSameBytes) {
  BuildWorld(1);
  ASSERT_EQ(Etap_Save(Name("a.etp")), 1);
  std::vector<char> base1 = ReadBytes<char>(Name("a.etp")), loc1 = ReadBytes<char>(Name("a.etp03"));
  ASSERT_GT(base1.size(), 2u * 1048600u);  // the land holder carries both floors
  std::vector<std::string> chunks(kFgrsSlots);
  for (int i = 1; i < kFgrsSlots; i++) chunks[i] = FigureBytes(i);
  std::vector<Fgr*> links[kFgrsSlots];
  for (int i = 1; i < kFgrsSlots; i++)
    links[i] = {Fgrs.mf[i].pParent,    Fgrs.mf[i].pPrev,       Fgrs.mf[i].pTail,
                Fgrs.mf[i].P_FireTarg, Fgrs.mf[i].P_AutoTarg,  Fgrs.mf[i].P_Guest,
                Fgrs.mf[i].P2_UseHelm, Fgrs.mf[i].P2_Sub_Gruz, Fgrs.mf[i].P2_Sub_Unit};
  std::vector<int> sides(&Sides.SideTab[0][0], &Sides.SideTab[0][0] + kSides * kSideWords);
  WorldCopy land;
  land.Take();
  std::string unitName = Fgrs.mf[1].UN->name;

  ClearWorld();
  StageReq.EtapLocationNom = 0;
  ASSERT_EQ(EtapFile_Load(Name("a.etp")), 1);
  EXPECT_EQ(StageReq.EtapLocationNom, 3);
  for (int i = 1; i < kFgrsSlots; i++) {
    ASSERT_EQ(FigureBytes(i), chunks[i]) << "slot " << i;
    EXPECT_EQ(Fgrs.mf[i].nom, i);
    std::vector<Fgr*> now = {Fgrs.mf[i].pParent,    Fgrs.mf[i].pPrev,       Fgrs.mf[i].pTail,
                             Fgrs.mf[i].P_FireTarg, Fgrs.mf[i].P_AutoTarg,  Fgrs.mf[i].P_Guest,
                             Fgrs.mf[i].P2_UseHelm, Fgrs.mf[i].P2_Sub_Gruz, Fgrs.mf[i].P2_Sub_Unit};
    EXPECT_EQ(now, links[i]) << "slot " << i;
  }
  EXPECT_EQ(std::string(Fgrs.mf[1].UN->name), unitName);
  EXPECT_EQ(Fgrs.mf[1].UN->isUse, 1);
  EXPECT_NE(Fgrs.mf[7].item, empty_item_adr());
  EXPECT_EQ(Fgrs.mf[7].item->isUse, 1);
  EXPECT_EQ(Fgrs.mf[7].item->sta.e[0].value, 100);
  EXPECT_EQ(Fgrs.mf[1].P2_Sub_Gruz->pTail->pTail, &Fgrs.mf[9]);
  EXPECT_EQ(Fgrs.mf[9].pPrev, &Fgrs.mf[8]);
  Fgr* holder = &Fgrs.mf[10];
  EXPECT_EQ(holder->status, 13);
  EXPECT_EQ(holder->landSurf, &Land.LandSurface);
  EXPECT_EQ(holder->KamStudio, 1);
  EXPECT_EQ(Land.LandSurface.kle[300].occupant, &Fgrs.mf[501]);
  EXPECT_EQ(Land.LandSurface.kle[301].holder, &Fgrs.mf[2]);
  EXPECT_EQ(memcmp(land.landS.data(), Land.LandSurface.kle, sizeof Land.LandSurface.kle), 0);
  EXPECT_EQ(memcmp(land.landU.data(), Land.LandUnder.kle, sizeof Land.LandUnder.kle), 0);
  for (int k = 0; k < kSides; k++)
    for (int w = kSideId; w < kSideWords; w++)
      ASSERT_EQ(Sides.SideTab[k][w], sides[k * kSideWords + w]) << "side " << k << " word " << w;

  StageReq.EtapLocationNom = 3;
  ASSERT_EQ(Etap_Save(Name("b.etp")), 1);
  EXPECT_EQ(ReadBytes<char>(Name("b.etp")), base1);
  EXPECT_EQ(ReadBytes<char>(Name("b.etp03")), loc1);
}

// Every slot taken (500 base figures with the land holder, 499 location figures): a load of the save
// saves to the same bytes, and a load of that again gives the same figures.
TEST_F(StageFiles, AFullStageSavesLoadsAndSavesToTheSameBytes) {
  BuildWorld(1);
  for (int i = 0; Fgrs.FindFreeBase(); i++) {
    Fgr* f = Make(i % 3 ? 112 : 20, 1);
    ASSERT_NE(f, nullptr);
    f->zap015 = i;
    f->priv_position_x = 0.25f * i;
    if (f->UN != empty_UN_adr()) {
      Fgr_SetItemName(f, "Unit" + std::to_string(i));
      BoeCnt_Set(&f->UN->cnt, 1, 50 + i % 7, 100, 0, 200);
    }
  }
  for (int i = 0; i < 489; i++) Make(112, 0)->P_FireTarg = &Fgrs.mf[1 + i];
  int live = 0;
  for (int i = 1; i < kFgrsSlots; i++) live += Fgrs.mf[i].Status() != 0;
  ASSERT_EQ(live, 999);
  for (int i = 0; i < kLandCells; i++) Land.LandUnder.kle[i].height = (float)(i % 61) - 7.5f;

  ASSERT_EQ(Etap_Save(Name("f.etp")), 1);
  std::vector<char> base1 = ReadBytes<char>(Name("f.etp")), loc1 = ReadBytes<char>(Name("f.etp03"));
  std::vector<std::string> chunks(kFgrsSlots);
  for (int i = 1; i < kFgrsSlots; i++) chunks[i] = FigureBytes(i);
  ClearWorld();
  ASSERT_EQ(EtapFile_Load(Name("f.etp")), 1);
  ASSERT_EQ(Etap_Save(Name("g.etp")), 1);
  EXPECT_EQ(ReadBytes<char>(Name("g.etp")), base1);
  EXPECT_EQ(ReadBytes<char>(Name("g.etp03")), loc1);
  ClearWorld();
  ASSERT_EQ(EtapFile_Load(Name("g.etp")), 1);
  for (int i = 1; i < kFgrsSlots; i++) ASSERT_EQ(FigureBytes(i), chunks[i]) << "slot " << i;
}

TEST_F(StageFiles, HeadLengthWordsAndSideTagsAreWhereTheFormatPutsThem) {
  BuildWorld(0);
  ASSERT_EQ(Etap_Save(Name("h.etp")), 1);
  std::vector<char> b = ReadBytes<char>(Name("h.etp")), l = ReadBytes<char>(Name("h.etp03"));
  EXPECT_EQ(ReadInt(b, 0), (int)b.size());
  EXPECT_EQ(ReadInt(l, 0), (int)l.size());
  EXPECT_EQ((unsigned)ReadInt(b, 4), kEtapKindBase);
  EXPECT_EQ((unsigned)ReadInt(l, 4), kEtapKindLocation);
  EXPECT_EQ(ReadInt(b, 8), 500);
  EXPECT_EQ(ReadInt(l, 12), 1000);
  EXPECT_EQ(std::string(b.data() + 16, 8), "Base====");
  EXPECT_EQ(ReadInt(b, 24), 9);   // base figures
  EXPECT_EQ(ReadInt(l, 24), 10);  // location figures
  EXPECT_EQ(std::string(b.data() + 28, 8), "    adr=");
  EXPECT_EQ(ReadInt(b, 36), 1);
  EXPECT_EQ(ReadInt(b, (long)b.size() - 4), 3);  // current location ends the base file
  // The side part is the last 5 sections of 8 + 71 * 4 + 500 * 76 bytes.
  size_t sideAt = l.size() - 5 * (8 + 71 * 4 + 500 * 76);
  EXPECT_EQ(std::string(l.data() + sideAt, 8), "WSIDE=00");
  EXPECT_EQ(std::string(l.data() + sideAt + 8 + 284, 8), "_Teh0000");
  EXPECT_EQ(std::string(l.data() + sideAt + 8 + 284 + 20, 8), "_TehReq:");
  EXPECT_EQ(std::string(l.data() + l.size() - (8 + 71 * 4 + 500 * 76), 8), "WSIDE=04");
}

TEST_F(StageFiles, LinksOfALocationFigureAreStoredRelativeToTheLocationSlots) {
  Fgr* base = Make(20, 1);
  while (base->nom < 12) base = Make(20, 1);
  ASSERT_EQ(base->nom, 12);
  Fgr* f = Make(20, 0);
  f->pParent = base;  // pPrev stays none
  StageReq.EtapLocationNom = 1;
  ASSERT_EQ(Etap_Save(Name("l.etp")), 1);
  std::vector<char> l = ReadBytes<char>(Name("l.etp01"));
  size_t links = 16 + 8 + 4 + 8 + 4 + 8 + 218 * 4 + 8 + 58 * 4;
  EXPECT_EQ(ReadInt(l, 16 + 8 + 4 + 8), 1);  // slot 501 is stored as 1
  EXPECT_EQ(ReadInt(l, links), -488);
  EXPECT_EQ(ReadInt(l, links + 4), -500);
  Fgrs.ResetDynamic();  // the base figure stays: a location figure whose holder is gone is swept
  FILE* in = fopen(Name("l.etp01").c_str(), "rb");
  ASSERT_EQ(Etap_LoadFrom(&Fgrs, in), 1);
  fclose(in);
  EXPECT_EQ(Fgrs.mf[501].pParent, &Fgrs.mf[12]);
  EXPECT_EQ(Fgrs.mf[501].pPrev, nullptr);
}

TEST_F(StageFiles, BunkerKindGivesTheSideItsStartValuesInTheFileAndTheLiveRecord) {
  BuildWorld(0);
  Sides.SideTab[2][kSideBunker] = 203;
  Sides.SideTab[2][kSideEner] = 5;
  Sides.SideTab[2][kSideMat] = 6;
  ASSERT_EQ(Etap_Save(Name("s.etp")), 1);
  EXPECT_EQ(Sides.SideTab[2][kSideEner], 800);
  EXPECT_EQ(Sides.SideTab[2][kSideMat], 100);
  EXPECT_EQ(Side_Tech(2, 6)->w[0], 1);
  EXPECT_EQ(Side_Tech(2, 6)->w[1], 5000);
  EXPECT_EQ(Side_Tech(2, 6)->w[3], 9);
  EXPECT_EQ(Sides.SideTab[0][610], 3);
  std::vector<char> l = ReadBytes<char>(Name("s.etp03"));
  size_t side2 = l.size() - 3 * (8 + 71 * 4 + 500 * 76);
  EXPECT_EQ(std::string(l.data() + side2, 8), "WSIDE=02");
  EXPECT_EQ(ReadInt(l, side2 + 8 + 4), 800);
  EXPECT_EQ(ReadInt(l, side2 + 8 + 8), 100);
}

TEST_F(StageFiles, ALoadedSideRecordHasItsListsClearedAndItsBlocksTagged) {
  BuildWorld(0);
  ASSERT_EQ(Etap_Save(Name("t.etp")), 1);
  Sides.SideTab[1][kSideSeenCount] = 7;
  Sides.SideTab[1][kSideOwnCount] = 9;
  FILE* in = fopen(Name("t.etp03").c_str(), "rb");
  ASSERT_EQ(Etap_LoadFrom(&Fgrs, in), 1);
  fclose(in);
  EXPECT_EQ(Sides.SideTab[1][kSideSeenCount], 0);
  EXPECT_EQ(Sides.SideTab[1][kSideOwnCount], 0);
  EXPECT_EQ(Sides.SideTab[1][kSideEner], 150);  // bunker kind 202
  EXPECT_EQ(Sides.SideTab[1][640], 78);
  EXPECT_EQ(Side_Tech(1, 41)->w[12], 499);
}

TEST_F(StageFiles, NothingIsSavedWithoutACurrentLocation) {
  BuildWorld(0);
  StageReq.EtapLocationNom = 0;
  EXPECT_EQ(Etap_Save(Name("n.etp")), 0);
  StageReq.EtapLocationNom = 100;
  EXPECT_EQ(Etap_Save(Name("n.etp")), 0);
  EXPECT_TRUE(ReadBytes<char>(Name("n.etp")).empty());
  EXPECT_NE(LogText().find("\nSaveEtapFail: no current location for " + Name("n.etp")),
            std::string::npos);
  EXPECT_TRUE(ReadBytes<char>(Name("n.etp100")).empty());
}

int RefuseOpen(const char*, int, unsigned) {
  errno = EACCES;
  return -1;
}

// The files a save opened for writing, in order.
std::vector<std::string> gOpenedToWrite;

int OpenCounted(const char* path, int flags, unsigned mode) {
  if ((flags & O_ACCMODE) != O_RDONLY) gOpenedToWrite.push_back(path);
  return open(path, flags, (mode_t)mode);
}

TEST_F(StageFiles, ASaveKeepsTheOldFileAsBackupAndAFailedSaveLosesNothing) {
  BuildWorld(0);
  ASSERT_EQ(Etap_Save(Name("k.etp")), 1);
  std::vector<char> first = ReadBytes<char>(Name("k.etp"));
  Fgrs.mf[2].zap015 = 4321;
  // Saved over an existing pair, the files opened for writing are the two it writes: an open for
  // writing that writes nothing reaches every watcher of a stage file as a change.
  const std::string loc = Name("k.etp") + IntToStrZero(StageReq.EtapLocationNom, 2);
  auto keep = Files.OpenFd;
  Files.OpenFd = OpenCounted;
  EXPECT_EQ(Etap_Save(Name("k.etp")), 1);
  Files.OpenFd = keep;
  EXPECT_EQ(gOpenedToWrite, (std::vector<std::string>{Name("k.etp_tmp"), loc + "_tmp"}));
  EXPECT_EQ(ReadBytes<char>(Name("k.etp_bak")), first);
  std::vector<char> second = ReadBytes<char>(Name("k.etp"));
  EXPECT_NE(second, first);

  // The disk fills up halfway through the next save: the stage's own name and its backup keep
  // the last two good saves, and nothing part-written is left beside them.
  Fgrs.mf[2].zap015 = 99;
  rlimit was{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
  rlimit cut = was;
  cut.rlim_cur = second.size() / 2;
  Plat_IgnoreFileSizeSignal();  // as the program's start: a write past the limit fails instead
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &cut), 0);
  int saved = Etap_Save(Name("k.etp"));
  setrlimit(RLIMIT_FSIZE, &was);
  EXPECT_EQ(saved, 0);
  EXPECT_NE(LogText().find("\nSaveEtapFail: not written " + Name("k.etp")), std::string::npos);
  EXPECT_EQ(ReadBytes<char>(Name("k.etp")), second);
  EXPECT_EQ(ReadBytes<char>(Name("k.etp_bak")), first);
  std::set<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator("."))
    if (e.path().filename().string().rfind(Name("k.etp"), 0) == 0)
      files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{Name("k.etp"), Name("k.etp_bak"), loc, loc + "_bak"}));

  Files.OpenFd = RefuseOpen;
  EXPECT_EQ(Etap_Save(Name("k.etp")), 0);
  Files.OpenFd = keep;
  EXPECT_NE(LogText().find("\nSaveEtapFail: not open"), std::string::npos);
  EXPECT_EQ(ReadBytes<char>(Name("k.etp")), second);  // the last good save is still on disk
  EXPECT_EQ(ReadBytes<char>(Name("k.etp_bak")), first);

  EXPECT_EQ(Etap_Save("no_such_dir/x.etp"), 0);
}

TEST_F(StageFiles, AStageTheGameWouldRefuseIsNeverWrittenOverTheLastGoodOne) {
  BuildWorld(0);
  ASSERT_EQ(Etap_Save(Name("r.etp")), 1);
  const std::string loc = Name("r.etp") + IntToStrZero(StageReq.EtapLocationNom, 2);
  const std::vector<char> base = ReadBytes<char>(Name("r.etp")), locBytes = ReadBytes<char>(loc);
  // Two figures wear each other: a load refuses the loop, so the save must not write it.
  Fgrs.mf[2].P2_UseHelm = &Fgrs.mf[4];
  Fgrs.mf[4].P2_UseHelm = &Fgrs.mf[2];
  EXPECT_EQ(Etap_Save(Name("r.etp")), 0);
  Fgrs.mf[2].P2_UseHelm = Fgrs.mf[4].P2_UseHelm = nullptr;
  EXPECT_NE(LogText().find("\nSaveEtapFail: " + Name("r.etp") +
                           " would not load again; the previous files are kept"),
            std::string::npos);
  EXPECT_EQ(ReadBytes<char>(Name("r.etp")), base);
  EXPECT_EQ(ReadBytes<char>(loc), locBytes);
  EXPECT_FALSE(std::filesystem::exists(Name("r.etp") + "_tmp"));
  EXPECT_FALSE(std::filesystem::exists(loc + "_tmp"));
}

TEST_F(StageFiles, TheBaseFileNamesTheLocationFileToRead) {
  BuildWorld(0, 4);
  StageReq.EtapLocationNom = 3;
  ASSERT_EQ(Etap_Save(Name("m.etp")), 1);
  // A second location of the same stage, with other figures.
  Fgrs.ResetDynamic();
  Make(20, 0)->zap015 = 55;
  std::vector<char> other;
  {
    char* buf = nullptr;
    size_t n = 0;
    FILE* m = open_memstream(&buf, &n);
    Etap_SaveTo(&Fgrs, m);
    fclose(m);
    other.assign(buf, buf + n);
    free(buf);
  }
  WriteBytes(Name("m.etp07"), other, other.size());
  ClearWorld();
  ASSERT_EQ(EtapFile_Load(Name("m.etp")), 1);
  EXPECT_EQ(Fgrs.mf[504].status, 20);  // location 3 had four figures
  EXPECT_EQ(Fgrs.mf[505].status, 0);
  EXPECT_EQ(Fgrs.mf[501].zap015, 0);
  StageReq.EtapName = Name("m");
  ASSERT_EQ(Etap_LoadLocation(7), 1);
  EXPECT_EQ(StageReq.EtapLocationNom, 7);
  EXPECT_EQ(Fgrs.mf[501].zap015, 55);
  EXPECT_EQ(Fgrs.mf[502].status, 0);
  EXPECT_EQ(Fgrs.mf[1].status, 112);  // base figures stay

  // A folder in a stage file's place reads as a missing file: no refusal, nothing changes.
  std::filesystem::create_directory(Name("m.etp08"));
  std::filesystem::create_directory(Name("d.etp"));
  WorldCopy before;
  before.Take();
  EXPECT_EQ(Etap_LoadLocation(8), 0);
  EXPECT_EQ(EtapFile_Load(Name("d.etp")), 0);
  EXPECT_TRUE(before.Same());
  EXPECT_EQ(LogText().find("LoadEtap"), std::string::npos) << LogText();
}

// Names inside the game are Windows-1251 (a dialog hands them so); the file system's are UTF-8.
TEST_F(StageFiles, AStageNamedInCyrillicIsSavedUnderItsUtf8NameAndLoadsBack) {
  BuildWorld(0, 4);
  StageReq.EtapLocationNom = 2;
  const std::string game = Name("карта.etp");  // compiled as Windows-1251 bytes
  const std::string disk = Name("\xD0\xBA\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0.etp");
  for (const std::string& n : {game, game + "02", disk, disk + "02", disk + "_bak", disk + "02_bak"})
    std::filesystem::remove(n);  // an earlier run's files
  ASSERT_EQ(Etap_Save(game), 1);
  EXPECT_TRUE(std::filesystem::exists(disk));
  EXPECT_TRUE(std::filesystem::exists(disk + "02"));
  EXPECT_FALSE(std::filesystem::exists(game));
  std::vector<char> saved = ReadBytes<char>(disk);
  ASSERT_EQ(Etap_Save(game), 1);  // again: the backup gets the file system's name too
  EXPECT_EQ(ReadBytes<char>(disk + "_bak"), saved);
  ClearWorld();
  ASSERT_EQ(EtapFile_Load(game), 1);
  EXPECT_EQ(StageReq.EtapLocationNom, 2);
  EXPECT_EQ(Fgrs.mf[504].status, 20);
  StageReq.EtapName = Name("карта");
  ASSERT_EQ(Etap_LoadLocation(2), 1);
}

}  // namespace
