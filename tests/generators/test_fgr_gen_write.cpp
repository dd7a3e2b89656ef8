// The figure headers written from small tables: the edge cases of the constants, the record and
// the generated functions, missing inputs and tails, and runs that must not hang.
#include <gtest/gtest.h>

#include "generators/generators.h"
#include "test_fgr_gen_fixture.h"

using fgrtest::GenRun;
using fgrtest::Tables;

namespace {

const char* kEmpty = "//==\n//\n//\n//\n";  // a property section head with no comments

Tables SmallTables() {
  Tables t;
  t.status =
      "//== first kind\n// its line\n3\nA\nother\nTank1\ntxt_Bunker\n/*\n*/\n"
      "//==\n//\n1\nB\nunit\n/*\nnote\n*/\n"
      "//==\n//\n7\nC\nitem  // carried\n/*\n*/\n";
  t.in = std::string("//== the gun chain\n// pSubGun\n//\n//\nsub\nUseGun\n0 0 0 0\n") + kEmpty +
         "sub\nKno\n0 0 0 0\n" + "//== slot\n//\n//\n//\nint\nnom\n1 1 5 0 0 0 0 0\n" +
         "//==\n// only second\n//\n//\nint\nstatus\n0 0 5 2 -1 9 1 0\n" + kEmpty +
         "flo\nf1\n0 0 0.000001 0 0 0 0 0\n" + kEmpty + "flo\nf2\n0 0 0.00001 0 0 0 0 0\n" + kEmpty +
         "flo\nf3\n1 0 -0.00001 0.5 0 1 2 0\n" + kEmpty + "po1\nA\n0 0 0 0 0\n" + kEmpty +
         "po1\nB\n1 0 1 0 1\n" + kEmpty + "po2\nH\n1 0 0 0 0\n";
  t.rea = "//== fade\nProc\nFade\n//==\nEmpty\n2\n";
  t.kombi = "//== one\nOne\n//==\nTwo\n";
  t.boe =
      "//== life\n// now and "
      "max\nHp\n2\nFire\nIce\n//==\n//\nMana\n0\n//==\n//\nCaptainHP\n1\nPoisoned\n";
  return t;
}

TEST(FgrWrite, ConstantsOfKindsPresetsCombinationsAndHitBars) {
  GenRun r("constants");
  r(SmallTables());
  ExpectHas(r.pre,
            {"\nfgrA = 3, // first kind\n\t\t//   its line\n",
             "\nfgrB = 1, \n",  // empty line comment: no second line
             "\nfgrLast = 7; //norm klv:3",
             "\nTank1 = 9001,",
             "\n txt_Bunker = 9011, // res/txt_Bunker.txt",
             "\nprops_Last = 9011; //norm klv:2",
             "\nr_Proc_Fade = 1, // fade\n",
             "\nProcFgr_Last = 2; //norm klv:2",
             "\nkombi_Two = -2, \n",
             "\nkombi_Negat_Last = -2; //norm klv:2",
             "\nbcHp = 1,\nbcHp_ = 2,\n\t// life\n\t//   now and max\n\t//-----\n",
             "\nbcMana = 3,\nbcMana_ = 4,",
             "\nbcOrig_odd_Last = 5,",
             "\n bcOrig_cho_Last = 6,",
             "\nboe_counters_Last = 6; //norm klv:3",
             "\nkvZero = 0, // нет варианта\n\nkvHp_Fire = boe_counters_Last * 1 + bcHp,"
             "\nkvHp_Ice = boe_counters_Last * 2 + bcHp,\n"
             "\nkvCaptainHP_Poisoned = boe_counters_Last * 1 + bcCaptainHP,",
             "\n\nkvJustUpor = 9999;// некий (kvX_X) не должен быть равен kvJustUpor. //norm klv:3",
             "\nconst int Fgr_IntPropsKlv = 6;",
             "\nconst int Fgr_FloPropsKlv = 3;\nconst int Fgr_Po1PropsKlv = 2;"
             "\nconst int Fgr_Po2PropsKlv = 1;\nconst int Fgr_SubPropsKlv = 2;",
             "\n int  Fgr_Flo_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);",
             "\nint Fgr_Flo_TramVals( int n, float& a, float& b);",
             "\nvoid Fgr_Sub_xLinkAdd( Fgr* pF, int n, Fgr* pL);"});
}

TEST(FgrWrite, RecordLayoutPutsTheChainCountersFirst) {
  GenRun r("record");
  r(SmallTables());
  // The tail follows eleven line feeds, byte for byte.
  ExpectHas(r.fin, {"\nint\nsvZero, // не используется\n\nSub_UseGun_now,\nSub_UseGun_max,\n"
                    "\nSub_Kno_now,\nSub_Kno_max,\n\nnom, // slot\n\t//-----\n",
                    "\nstatus, \n\t//   only second\n\t//-----\n", "\nsvLast; //norm_klv:2  + sub_klv:4",
                    "\nfloLast; //norm_klv:3", "\nFgr* P_A; \n\t//-----\n", "\nFgr* P2_H; \n",
                    "\nFgr*  P2_Sub_UseGun; // the gun chain\n\t//   pSubGun\n\t//-----\n",
                    "\n//norm_klv:2\n//}\n\n\n\n\n\n\n\n\n\n\n};\n"});
  EXPECT_EQ(r.fin.substr(r.fin.size() - 3), "};\n");
  // Numbers: sub k owns 2k-1 and 2k, int i is 2S+i.
  ExpectHas(r.proc,
            {"\nXS( 1, \"Sub_UseGun_now\")\nXS( 2, \"Sub_UseGun_max\")"
             "\nXS( 3, \"Sub_Kno_now\")\nXS( 4, \"Sub_Kno_max\")\nXS( 5, \"nom\")\nXS( 6, \"status\")",
             "\nvoid Fgr_Int_ReadOnly( int n, int& readOnly)\n{\n\treadOnly = 1;"
             "\n\tif(n < 1 || n > 6) return;\nswitch(n)\n{\ncase 0:\ncase 1:\ncase 3:\ncase 5:"
             "\n\treturn;\ndefault: break;\n}\n\treadOnly = 0;\n}",
             "\npn( 1,  1, 0, 0, 0)\npn( 2,  1, 0, 3, 0)\npn( 3,  1, 0, 0, 0)\npn( 4,  1, 0, 3, 0)"
             "\npn( 5,  1, 1, 0, 0)\npn( 6,  1, 0, 1, 0)"});
}

TEST(FgrWrite, ResetKeepsIgnoredValuesAndSetsStartValues) {
  GenRun r("reset");
  r(SmallTables());
  ExpectHas(
      r.proc,
      {"\nFgr* p = 0;\nint tmp_nom = nom;\n// ---", "\n\tstatus = 5;", "\n\tf2 = 0.000010f;",
       "\n\tf3 = -0.000010f;", "\n nom = tmp_nom;\n}\n#undef subSbros",
       "\n\tif(P2_H) P2_H->Sbros();\n// --- Sub\nsubSbros( P2_Sub_UseGun)\nsubSbros( P2_Sub_Kno)"});
  EXPECT_FALSE(Has(r.proc, "\tnom = 5;"));  // kept through the reset: no start value
  EXPECT_FALSE(Has(r.proc, "\tf1 = "));     // 0.000001 counts as zero
}

TEST(FgrWrite, EditorTablesOfValues) {
  GenRun r("values");
  r(SmallTables());
  ExpectHas(r.proc,
            {"\ncase 5: iv = 5; return 1;\ncase 6: iv = 5; return 1;", "\ntrv(6, -1, 9)", "\naz(6, 2)",
             "\ncase 2: iv = 0.000010f; return 1;",
             "\ntrv(3, 0.000000f, 1.000000f)\ndefault: break;\n}\n\treturn 0;\n}\n#undef trv",
             "\naz(3, 0.500000f)\ndefault: break;\n}\n\treturn 0;\n}\n#undef az",
             "\nint  Fgr_Flo_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)",
             "\npn( 3,  2, 0, 2, 0)",
             "\nvoid Fgr_Flo_ReadOnly( int n, int& readOnly)\n{\n\treadOnly = 1;"
             "\n\tif(n < 1 || n > 3) return;\nswitch(n)\n{\ncase 0:\ncase 3:",
             // Links: a link with readOnly 0 has no address case; needActive picks the dead-link rule.
             "\npu( 2, P_B)", "\npu( 1, P2_H)\ndefault: break;\n}\nreturn 0;\n}\n#undef pu",
             "\npo1_notStatus( P_A)\npo1_notActive( P_B)",
             "\n{ // pParent like svZero\n\tif(!pF) return 0;\n\tif(n < 1 || n > 2) return 0;"
             "\n\tFgr** pm = &( pF->pParent);",
             "\nXS( 1, \"P_A\")\nXS( 2, \"P_B\")", "\nXS( 1, \"P2_Sub_UseGun\")\nXS( 2, \"P2_Sub_Kno\")",
             "\nchar*  Fgr_Sub_KomD1( int n)\n{\n\tif(n < 1 || n > 2) return 0;"
             "\nswitch(n)\n{\ncase 0: return 0;\nXS( 1, \"//   pSubGun\")\ndefault: break;",
             "\nafn(\"Sub_Kno_max\", Sub_Kno_max)\nafn(\"nom\", nom)\nafn(\"status\", status)"
             "\n\toutType = inFgrFloType2;\nafn(\"f1\", f1)"});
  EXPECT_FALSE(Has(r.proc, "\ntrv(5,"));  // min and max both 0: no range
  ExpectHasNot(r.proc, {"\ntrv(1, 0.000000f", "\npu( 1, P_A)"});
}

// Each function that uses a case macro has the macro's definition right before it.
TEST(FgrWrite, EveryEditorFamilyDefinesItsCaseMacrosBeforeUse) {
  GenRun r("macros");
  r(SmallTables());
  const std::string pn =
      "\n#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;";
  const std::string trv = "\n#define trv(s, x, y) case s: a =(x); b =(y); return 1;";
  const std::string az = "\n#define az(s, x) case s: av =(x); return 1;";
  const std::string pu = "\n#define pu(a, b) case a: return (char*) & pF->b;";
  ExpectHas(
      r.proc,
      {pn + "\nint Fgr_Int_AnFlags(", pn + "\nint  Fgr_Flo_AnFlags(", pn + "\nint  Fgr_Po1_AnFlags(",
       pn + "\nint  Fgr_Po2_AnFlags(", pn + "\nint  Fgr_Sub_AnFlags(", trv + "\nint Fgr_Int_TramVals(",
       trv + "\nint Fgr_Flo_TramVals(", az + "\nint Fgr_Int_Adv(", az + "\nint Fgr_Flo_Adv(",
       pu + "\nchar* Fgr_Po1_Adr(", pu + "\nchar* Fgr_Po2_Adr("});
}

TEST(FgrWrite, SwitchesOfKindsProceduresPresetsAndLabels) {
  GenRun r("switches");
  r(SmallTables());
  ExpectHas(
      r.proc,
      {"\nXS( fgrZero, \"errIndex\")\n\nXS( fgrA, \"A\")",
       "\ncase\n\tr_Empty_2:\n\tr_Empty_2_( pf); return;", "\ncase Tank1:\nre = Tank1_( pF); break;\n",
       "\ncase txt_Bunker: re = PropsReadTxt( \"txt_Bunker.txt\", pF); break;\n",
       "\ncase fgrC :\n\treturn item_ind2; // klv: 1\ncase fgrB :\n\treturn UN_ind1; // klv: 1",
       "\ncase\nkombi_One: return\nkombi_One_( forBaner, toBase);",
       "\nXS( bcHp,  \"Hp\")\nXS( bcHp_, \"Hp^\")\n", "\nXS( kvCaptainHP_Poisoned, \"Captai_Poison\")",
       "\n// ---\n\nXS( kvHp_Fire, \"Hp_Fire\")\nXS( kvHp_Ice, \"Hp_Ice\")\n\nXS( kvCaptainHP",
       "\nsub_DeadL( P2_Sub_Kno, \"\\nerr: Sub_Kno DeadLink\")\n",
       "\nxPtFi( P_A)\nxPtFi( P_B)\n// ---\nxPtFi( P2_H)\n// ---\nxPtFi( P2_Sub_UseGun)"});
}

TEST(FgrWrite, ChainHelpersActOnOneChainEach) {
  GenRun r("chains");
  r(SmallTables());
  ExpectHas(r.proc,
            {"\ncase 2: return Fgr_getLink( pF->P2_Sub_Kno, LinkNom, 0);",
             "\ncase 1:  pF->Sub_UseGun_Kick( Fgr_getLink( pF->P2_Sub_UseGun, LinkNom, 0)); break;"
             "\ncase 2:  pF->Sub_Kno_Kick( Fgr_getLink( pF->P2_Sub_Kno, LinkNom, 0)); break;",
             "\ncase 1:  pF->Sub_UseGun_Add( pL); break;\ncase 2:  pF->Sub_Kno_Add( pL); break;"});
  EXPECT_TRUE(r.proc.ends_with("\n\n#undef XS\n\n//"));
}

TEST(FgrWrite, EmptyTablesStillWriteTheThreeHeaders) {
  GenRun r("empty");
  r(Tables{});
  ExpectHas(r.pre, {"\nfgrLast = 0; //norm klv:0", "\nkombi_Negat_Last = 0; //norm klv:0",
                    "\nbcOrig_odd_Last = -1,", "\nboe_counters_Last = 0; //norm klv:0"});
  EXPECT_FALSE(Has(r.pre, "kvJustUpor"));
  ExpectHasNot(r.proc, {"item_ind2", "UN_ind1"});
  EXPECT_TRUE(Has(r.proc, "\n\tcase fgrZero: break;\n\tdefault: break;\n\t}\nreturn 0;\n}"));
  EXPECT_TRUE(Has(r.fin, "\nsvLast; //norm_klv:0  + sub_klv:0"));
}

TEST(FgrWrite, MissingTailMakesTheRecordFailToCompile) {
  GenRun r("notail");
  Tables t = SmallTables();
  t.tail.clear();
  r(t);
  EXPECT_TRUE(r.fin.ends_with(
      "\n//}\n\n\n\n\n\n\n\n\n\n\n\n q // не нашли файл-врезку  uni_files/res/fa_in_end.h\n}\n"));
  GenRun e("emptytail");
  e.Write(SmallTables());
  WriteAll(e.dir / "uni_files/res/fa_in_end.h", "");
  e.Generate();
  EXPECT_TRUE(Has(e.fin, "\n q // "));
}

TEST(FgrWrite, MissingTableWritesNothing) {
  GenRun r("missing");
  r.Write(SmallTables());
  std::filesystem::remove(r.dir / "gm/__fgr_kombi.txt");
  WriteAll(r.dir / "gm/fa_pre.h", "old pre");
  r.Generate();
  EXPECT_EQ(r.pre, "old pre");
  EXPECT_FALSE(std::filesystem::exists(r.dir / "gm/fa_in.h"));
  EXPECT_FALSE(std::filesystem::exists(r.dir / "gm/fa_proc.h"));
  EXPECT_TRUE(Has(r.log, "\n\nFgrAGen: ReStart  "));
  EXPECT_TRUE(Has(r.log, "\nFgrAGen: Err: нет файла gm/__fgr_kombi.txt \nFgrAGen Fin.\n"));
}

TEST(FgrWrite, SecondRunAndCrLfTablesGiveTheSameHeaders) {
  GenRun a("twice");
  a(SmallTables());
  std::string pre = a.pre, fin = a.fin, proc = a.proc;
  a.Generate();
  EXPECT_EQ(a.pre, pre);
  EXPECT_EQ(a.fin, fin);
  EXPECT_EQ(a.proc, proc);

  Tables crlf = SmallTables();
  for (std::string* s : {&crlf.status, &crlf.in, &crlf.rea, &crlf.kombi, &crlf.boe}) *s = CrLf(*s);
  GenRun b("crlf");
  b(crlf);
  EXPECT_EQ(b.pre, pre);
  EXPECT_EQ(b.fin, fin);
  EXPECT_EQ(b.proc, proc);
}

TEST(FgrWrite, MalformedTablesEndTheRun) {
  // Words where numbers belong, a kind list without its note, a cut-off property: each file's loop
  // ends and the headers are written from what was read. A hang would hit the test timeout.
  Tables t;
  t.status = "//==\n//\nseven\nA\nother\nA1\n";
  t.in = "//==\n//\n//\n//\nint\nnom\n1 x 0\n//==\n//\n//\n//\nint\nstatus\n";
  t.rea = "//==\nProc\n";
  t.kombi = "//==\n";
  t.boe = "//==\n//\nHp\nmany\nFire\n";
  GenRun r("malformed");
  r(t);
  EXPECT_TRUE(Has(r.pre, "\nfgrLast = 0; //norm klv:0"));  // no name could follow the failed number
  EXPECT_TRUE(Has(r.pre, "\nconst int Fgr_IntPropsKlv = 1;"));
  EXPECT_TRUE(Has(r.pre, "\nProcFgr_Last = 0; //norm klv:0"));
  EXPECT_TRUE(Has(r.pre, "\nboe_counters_Last = 2; //norm klv:1"));
  EXPECT_TRUE(Has(r.log, "unreadable line in gm/__fgr_status.txt"));
  EXPECT_TRUE(Has(r.log, "unreadable line in gm/__fgr_in.txt"));
}

}  // namespace

namespace {

TEST(FgrWrite, EntryWithRunZeroDoesNothing) {
  fgrtest::GenRun r("entry");
  r.Write(SmallTables());
  std::filesystem::path back = std::filesystem::current_path();
  std::filesystem::current_path(r.dir);
  FgrAuto(0);
  std::filesystem::current_path(back);
  EXPECT_FALSE(std::filesystem::exists(r.dir / "gm/fa_pre.h"));
  EXPECT_FALSE(std::filesystem::exists(r.dir / "uni_files/log.txt"));
}

}  // namespace
