// Named-variable header writer: turns the checked records into "gm/org_base_a.h" (numbers, value
// arrays, reference names, table functions, stage part, clearing), written in Windows-1251 as read.
#include <cmath>
#include <cstdio>

#include "generators/gen_table.h"
#include "generators/org_gen.h"

void TextOrQ(std::string& name, std::string& copy) {
  if (name.empty()) name = "q";
  copy = name;
}

int StrCopyIfSameLen(const std::string& name, const std::string& clr, std::string& out) {
  if (clr.empty() || clr.size() != name.size()) return 0;
  out = clr;
  return 1;
}

namespace {

bool Kept(const GenOrgVar& v) { return v.blok < 10; }

std::string NameOf(GenOrgVar& v) {
  std::string s;
  TextOrQ(v.name, s);
  return s;
}

bool NearZero(float v) { return std::fabs(v) < 0.00001f; }

// Which records get a case line, and how it is printed.
enum Table { tTram, tFlags, tKom1, tKom2, tName, tClr, tAdv };

bool HasCase(Table t, const GenOrgVar& v) {
  std::string clr;
  switch (t) {
    case tTram:
      if (v.tip == 1) return v.min != 0 || v.max != 0;
      return !(NearZero(v.fMin) && std::fabs(v.fMin - v.fMax) < 0.00001f);
    case tFlags: return true;
    case tKom1: return !v.koment1.empty();
    case tKom2: return !v.koment2.empty();
    case tName: return true;
    case tClr: return StrCopyIfSameLen(v.name, v.nameClr, clr) == 1;
    case tAdv:
      if (v.readOnly != 0) return false;
      if (v.tip == 1) return v.adv != 0;
      return !NearZero(v.fAdv);
  }
  return false;
}

void PrintCase(FILE* f, Table t, GenOrgVar& v) {
  switch (t) {
    case tTram:
      if (v.tip == 1) {
        fprintf(f, "\ntv(%s, %d, %d)", NameOf(v).c_str(), v.min, v.max);
      } else {
        // Only min decides the format of the pair: whole thousandths print short. The millionths
        // are cut toward zero and tested in double: no integer holds those of a minimum beyond
        // about 9.22e12, and NaN or an infinity has none (they print long).
        const double micro = std::trunc((double)v.fMin * 1000000.0);
        if (std::fmod(micro, 1000.0) == 0.0)
          fprintf(f, "\ntf(%s, %3.3ff, %3.3ff)", NameOf(v).c_str(), v.fMin, v.fMax);
        else fprintf(f, "\ntf(%s, %1.6ff, %1.6ff)", NameOf(v).c_str(), v.fMin, v.fMax);
      }
      break;
    case tFlags: fprintf(f, "\npn(%d,  %d, %d, %d, %d)", v.id, v.blok, v.tip, v.etap, v.visp); break;
    case tKom1: fprintf(f, "\npn(%d, \"%s\")", v.id, v.koment1.c_str()); break;
    case tKom2: fprintf(f, "\npn(%d, \"%s\")", v.id, v.koment2.c_str()); break;
    case tName: fprintf(f, "\npn(%d, \"%s\")", v.id, NameOf(v).c_str()); break;
    case tClr: fprintf(f, "\npn(%d, \"%s\")", v.id, v.nameClr.c_str()); break;
    case tAdv:
      if (v.tip == 1) fprintf(f, "\npa(%d, %d)", v.id, v.adv);
      else fprintf(f, "\npa(%d, %ff)", v.id, v.fAdv);
      break;
  }
}

// One switch function: head, guard, zapa0 line, a case line per record that has one, default.
void PrintSwitch(FILE* f, GenOrgList& list, bool flo, Table t, const char* before, const char* head,
                 const char* zapa0, const char* after) {
  if (before) fprintf(f, "%s\n", before);
  fprintf(f, "%s", head);
  fprintf(f, "\n{");
  fprintf(f, flo ? "\n\tif(n < 1 || n > orgF::Last) return 0;"
                 : "\n\tif(n < 1 || n > org2::Last) return 0;");
  fprintf(f, "\n switch(n)");
  fprintf(f, "\n {");
  fprintf(f, "%s", zapa0);
  for (GenOrgVar& v : list)
    if (Kept(v) && HasCase(t, v)) PrintCase(f, t, v);
  fprintf(f, "\ndefault: break;");
  fprintf(f, "\n }//sw");
  fprintf(f, "\nreturn 0;");
  fprintf(f, "\n}");
  fprintf(f, "%s", after);
}

void PrintNumbers(FILE* f, GenOrgList& list, const char* ns, const char* zapa0, const char* caseLine,
                  int count) {
  int highest = 0;
  fprintf(f, "\nnamespace %s", ns);
  fprintf(f, "\n{");
  fprintf(f, "\nconst WORD");
  fprintf(f, "%s", zapa0);
  for (GenOrgVar& v : list) {
    if (!Kept(v)) continue;
    fprintf(f, "\n%s = %d, %s", NameOf(v).c_str(), v.id, v.koment1.c_str());
    if (v.id > highest) highest = v.id;
  }
  fprintf(f, "\n\n%s", caseLine);
  fprintf(f, "\nLast = %d;//norm ych klv:%d", highest + 50, count - 1);
  fprintf(f, "\n}");
}

void PrintReadOnly(FILE* f, GenOrgList& list, bool flo) {
  const char* ns = flo ? "orgF" : "org2";
  fprintf(f, "\nvoid %s_ReadOnly(int n, int& readOnly)", ns);
  fprintf(f, "\n{");
  fprintf(f, "\n\tif(n < 1 || n > %s::Last) return;", ns);
  fprintf(f, "\nswitch(n)");
  fprintf(f, "\n{");
  fprintf(f, "\ncase %s::zapa0:", ns);
  for (GenOrgVar& v : list)
    if (Kept(v) && v.readOnly != 0) fprintf(f, "\ncase %s::%s:", ns, NameOf(v).c_str());
  fprintf(f, "\n\treadOnly = 1; return;");
  fprintf(f, "\ndefault: break;");
  fprintf(f, "\n}//sw");
  fprintf(f, "\nreadOnly = 0;");
  fprintf(f, "\n}");
}

void PrintEtap(FILE* f, GenOrgList& list, bool flo) {
  const char* ns = flo ? "orgF" : "org2";
  const char* ref = flo ? "o3" : "o2";
  const char* kind = flo ? "Flo" : "Int";
  int count = 0;
  fprintf(f, "\nvoid %s_PartEtap_SaveTo( FILE* ff)", ns);
  fprintf(f, "\n{");
  fprintf(f, "\n if(! ff) return;");
  for (GenOrgVar& v : list) {
    if (!Kept(v) || v.etap <= 0) continue;
    fprintf(f, "\n%sWrite( %s::%s, ff);", kind, ref, NameOf(v).c_str());
    count += 1;
  }
  fprintf(f, "\n}");
  fprintf(f, "\n\n");
  fprintf(f, "\nint %s_PartEtap_LoadFr( FILE* ff)", ns);
  fprintf(f, "\n{");
  fprintf(f, "\n if(! ff) return 0;");
  fprintf(f, "\n int t =0;");
  for (GenOrgVar& v : list)
    if (Kept(v) && v.etap > 0)
      fprintf(f, "\n%sRead( %s::%s, ff);  t += 1;", kind, ref, NameOf(v).c_str());
  fprintf(f, "\nif(t != %d) return 0;", count);
  fprintf(f, "\nreturn 1;");
  fprintf(f, "\n}");
  fprintf(f, "\n\n");
  fprintf(f, "\n");
}

}  // namespace

void OrgBaseA_Write(GenOrgList& ints, GenOrgList& flos) {
  FILE* f = GenOut_Open();
  if (!f) return;

  fprintf(f, "\n //full auto-gen");
  fprintf(f, "\n");

  PrintNumbers(f, ints, "org2", "\nzapa0 = 0,\t// запасная ячейка\n", "Case = 2,", OrgIntCount);
  fprintf(f, "\n\n");
  PrintNumbers(f, flos, "orgF", "\nzapa0 = 0,\n", "Case = 3,", OrgFloCount);
  fprintf(f, "\n");

  fprintf(f, "\nint org2n[ org2::Last + 1 ];");
  fprintf(f, "\n");
  fprintf(f, "\nfloat orgFn[ orgF::Last + 1 ];");
  fprintf(f, "\n");

  fprintf(f, "\nnamespace o2");
  fprintf(f, "\n{");
  for (GenOrgVar& v : ints) {
    if (!Kept(v)) continue;
    std::string n = NameOf(v);
    fprintf(f, "\nint& %s = org2n[org2::%s];", n.c_str(), n.c_str());
  }
  fprintf(f, "\n}");
  fprintf(f, "\n");
  fprintf(f, "\nnamespace o3");
  fprintf(f, "\n{");
  for (GenOrgVar& v : flos) {
    if (!Kept(v)) continue;
    std::string n = NameOf(v);
    fprintf(f, "\nfloat& %s = orgFn[orgF::%s];", n.c_str(), n.c_str());
  }
  fprintf(f, "\n}");
  fprintf(f, "\n\n\n");

  fprintf(f, "\nint org2_out(int n)");
  fprintf(f, "\n{");
  fprintf(f, "\n\tif(n < 1 || n > org2::Last) return 1;");
  fprintf(f, "\nreturn 0;");
  fprintf(f, "\n}");
  fprintf(f, "\n\n");
  fprintf(f, "\nint orgF_out(int n)");
  fprintf(f, "\n{");
  fprintf(f, "\n\tif(n < 1 || n > orgF::Last) return 1;");
  fprintf(f, "\nreturn 0;");
  fprintf(f, "\n}");
  fprintf(f, "\n\n");

  PrintReadOnly(f, ints, false);
  fprintf(f, "\n\n");
  PrintReadOnly(f, flos, true);
  fprintf(f, "\n\n\n");

  PrintSwitch(f, ints, false, tTram, "\n#define tv(s, x, y) case org2::s: a =(x); b =(y); return 1;",
              "\nint org2_TramVals(int n, int& a, int& b)", "\ncase org2::zapa0: break;",
              "\n#undef tv\n\n");
  PrintSwitch(f, flos, true, tTram, "\n#define tf(s, x, y) case orgF::s: a =(x); b =(y); return 1;",
              "\nint orgF_TramVals(int n, float& a, float& b)", "\ncase orgF::zapa0: break;",
              "\n#undef tf\n\n\n");
  PrintSwitch(f, ints, false, tFlags,
              "\n#define pn(x, a, b, c, d)  case x: blok = a; tip = b; etap = c; visp = d; return 1;",
              "\nint  org2_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)",
              "\ncase org2::zapa0: return 0;", "\n\n\n");
  PrintSwitch(f, flos, true, tFlags, nullptr,
              "\nint  orgF_AnFlags(int n, int& blok, int& tip, int& etap, int& visp)",
              "\ncase orgF::zapa0: return 0;", "\n#undef pn\n\n\n\n");
  PrintSwitch(f, ints, false, tKom1, "\n#define pn(x, s)  case x: return s;",
              "\nchar*  org2_Koment1(int n)", "\ncase org2::zapa0: return 0;", "\n\n\n");
  PrintSwitch(f, flos, true, tKom1, nullptr, "\nchar*  orgF_Koment1(int n)",
              "\ncase orgF::zapa0: return 0;", "\n\n\n\n\n");
  PrintSwitch(f, ints, false, tKom2, nullptr, "\nchar*  org2_Koment2(int n)",
              "\ncase org2::zapa0: return 0;", "\n\n\n");
  PrintSwitch(f, flos, true, tKom2, nullptr, "\nchar*  orgF_Koment2(int n)",
              "\ncase orgF::zapa0: return 0;", "\n\n\n\n\n");
  PrintSwitch(f, ints, false, tName, nullptr, "\nchar*  org2_NameVar(int n)",
              "\ncase org2::zapa0: return 0;", "\n\n\n");
  PrintSwitch(f, flos, true, tName, nullptr, "\nchar*  orgF_NameVar(int n)",
              "\ncase orgF::zapa0: return 0;", "\n\n\n\n\n");
  PrintSwitch(f, ints, false, tClr, nullptr, "\nchar*  org2_NameClr(int n)",
              "\ncase org2::zapa0: return 0;", "\n\n\n");
  PrintSwitch(f, flos, true, tClr, nullptr, "\nchar*  orgF_NameClr(int n)",
              "\ncase orgF::zapa0: return 0;", "\n#undef pn\n\n\n\n");
  PrintSwitch(f, ints, false, tAdv, "\n#define pa(x, a)  case x: return a;", "\nint org2_Adv(int n)",
              "\ncase org2::zapa0: return 0;", "\n\n#undef pa\n");
  PrintSwitch(f, flos, true, tAdv, "\n#define pa(x, a)  case x: val = a; return 1;",
              "\nint orgF_Adv(int n, float& val)", "\ncase orgF::zapa0: return 0;",
              "\n#undef pa\n\n\n\n");

  PrintEtap(f, ints, false);
  PrintEtap(f, flos, true);

  fprintf(f, "\nvoid org2_Init()");
  fprintf(f, "\n{");
  fprintf(f, "\n\tmemset(  &(org2n[0]), 0, (sizeof(int) * (org2::Last+1))\t);");
  fprintf(f, "\n");
  fprintf(f, "\n}");
  fprintf(f, "\n");
  fprintf(f, "\nvoid orgF_Init()");
  fprintf(f, "\n{");
  fprintf(f, "\n\tmemset(  &(orgFn[0]), 0, (sizeof(float) * (orgF::Last+1))\t);");
  fprintf(f, "\n");
  fprintf(f, "\n}");
  fprintf(f, "\n");
  GenOut_Close(f, gsFileOrgBaseA);
}
