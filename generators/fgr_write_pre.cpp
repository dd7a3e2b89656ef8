// Header writer of the figure generator, first half: "gm/fa_pre.h" (numbering constants and the
// declarations of the generated functions) and "gm/fa_in.h" (the data part of the figure record,
// closed by the hand-written tail).
#include <cstdio>

#include "generators/fgr_tables.h"
#include "generators/fgr_write.h"
#include "generators/gen_table.h"
#include "shell/files.h"

static const char* kHead[4] = {
    "\n//",
    "\n// full auto-gen   // do not manual editing",
    "\n// полный авто-ген // вручную не редактировать",
    "\n//-------------------------",
};

static void Puts(FILE* f, const char* s) { std::fputs(s, f); }

static void WriteKinds(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n//{  fgrXName константы");
  Puts(f, "\nconst int");
  Puts(f, "\nfgrZero = 0, // нет фигуры\n");
  int last = 0;
  for (const GenFgrKind& k : L.kinds) {
    std::fprintf(f, "\nfgr%s = %d, %s\n", k.name.c_str(), k.number, k.markerComment.c_str());
    if (!k.lineComment.empty()) std::fprintf(f, "\t\t%s\n", k.lineComment.c_str());
    if (k.number > last) last = k.number;
  }
  std::fprintf(f, "\nfgrLast = %d; //norm klv:%d", last, fgrGen.kindCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
}

static void WriteProcs(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n\n\n\n");
  Puts(f, "\n//{  номерки процэдур для  void ProcFgr(...)");
  Puts(f, "\nconst int");
  Puts(f, "\nProcFgr_Zero = 0, // r_Zero // нет варианта\n");
  int last = 0;
  for (const GenProcRec& r : L.procs) {
    std::fprintf(f, "\nr_%s_%s = %d, %s\n", r.namePart1.c_str(), r.namePart2.c_str(), r.procNom,
                 r.markerComment.c_str());
    if (r.procNom > last) last = r.procNom;
  }
  std::fprintf(f, "\nProcFgr_Last = %d; //norm klv:%d", last, fgrGen.procCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
}

static void WritePresets(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n\n\n\n");
  Puts(f, "\n//{  PropsFill // можно обыединить с ProcFgr");
  Puts(f, "\nconst int");
  Puts(f, "\nprops_Zero = 0, // нет варианта\n");
  int last = 0;
  for (const GenPropsPreset& p : L.presets) {
    if (p.fromTxt)
      std::fprintf(f, "\n %s = %d, // res/%s.txt", p.name.c_str(), p.propsIndex, p.name.c_str());
    else std::fprintf(f, "\n%s = %d,", p.name.c_str(), p.propsIndex);
    if (p.propsIndex > last) last = p.propsIndex;
  }
  std::fprintf(f, "\nprops_Last = %d; //norm klv:%d", last, fgrGen.presetCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
}

static void WriteKombis(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n\n\n\n");
  Puts(f, "\n//{  набор негативных значений для процэдуры KombiPreset");
  Puts(f, "\nconst int");
  Puts(f, "\nKombiPreset_Zero = 0, // нет варианта\n");
  int last = 0;
  for (const GenKombiRec& r : L.kombis) {
    std::fprintf(f, "\nkombi_%s = %d, %s\n", r.name.c_str(), r.kombiNom, r.markerComment.c_str());
    if (r.kombiNom < last) last = r.kombiNom;
  }
  std::fprintf(f, "\nkombi_Negat_Last = %d; //norm klv:%d", last, fgrGen.kombiCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
}

const GenBoeRec* FgrGen_FindBoe(const FgrGenLists& L, int bcNom) {
  for (const GenBoeRec& b : L.boes)
    if (b.bcNom == bcNom) return &b;
  return nullptr;
}

static void WriteBoes(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n\n\n\n");
  Puts(f, "\n//{  набор констант для хит-баров (в каждом юните много хит-баров)");
  Puts(f, "\nconst int");
  Puts(f, "\nbcZero = 0, // нет хит-бара или канала влияния\n");
  int last = 0;
  for (const GenBoeRec& b : L.boes) {
    std::fprintf(f, "\nbc%s = %d,\nbc%s_ = %d,", b.name.c_str(), b.bcNom, b.name.c_str(), b.bcNom + 1);
    std::fprintf(f, "\n\t%s\n\t%s\n\t//-----\n", b.markerComment.c_str(), b.lineComment.c_str());
    last = (last > b.bcNom ? last : b.bcNom) + 1;
  }
  std::fprintf(f, "\nbcOrig_odd_Last = %d, //последний оригинальный хит-бар.", last - 1);
  std::fprintf(f, "\n bcOrig_cho_Last = %d, //копия boe_counters_Last", last);
  std::fprintf(f, "\nboe_counters_Last = %d; //norm klv:%d", last, fgrGen.bcCount);
  Puts(f, "\n//}");
  Puts(f, "\n");

  if (last <= 0) return;
  Puts(f, "\n\n\n");
  Puts(f, "\n//{  Dубль-каналы влияния // (их можно юзать вместо bcXName)");
  Puts(f, "\nconst int");
  Puts(f, "\nkvZero = 0, // нет варианта");
  int prevBc = 0;
  for (const GenKvRec& kv : L.channels) {
    const GenBoeRec* b = FgrGen_FindBoe(L, kv.bcNom);
    if (!b) continue;
    if (b->bcNom != prevBc) Puts(f, "\n");
    prevBc = b->bcNom;
    std::fprintf(f, "\nkv%s_%s = boe_counters_Last * %d + bc%s,", b->name.c_str(), kv.name.c_str(), kv.k,
                 b->name.c_str());
  }
  std::fprintf(f,
               "\n\nkvJustUpor = 9999;// некий (kvX_X) не должен быть равен kvJustUpor. //norm klv:%d",
               fgrGen.kvCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
}

static void WriteDeclarations(FILE* f) {
  Puts(f, "\n\n\n\n");
  Puts(f, "\n// ------------");
  Puts(f, "\n// далее \"обыявы\" процэдур..");
  Puts(f, "\n");
  Puts(f, "\nchar* fgrXName( int fgrIndex );\n");
  Puts(f, "\nvoid ProcFgr( int procNom, Fgr* pf);\n");
  Puts(f, "\nint PropsFill(int propsIndex, Fgr* pF,  int ifError_ClearStatus = 1);\n");
  Puts(f, "\nint fgrIndexUnitOrItem( int fgrIndex);\n");
  Puts(f, "\nFgr*  KombiPreset( int kombi_NegNom, int forBaner, int toBase);\n");
  Puts(f, "\nchar* Boe_KanChars( int bsKan); // const char*\n");
  Puts(f, "\n\n");
}

static void WriteCounts(FILE* f) {
  Puts(f, "\n\n\n\n// ------");
  std::fprintf(f, "\nconst int Fgr_IntPropsKlv = %d;", fgrGen.intCount + 2 * fgrGen.subCount);
  std::fprintf(f, "\nconst int Fgr_FloPropsKlv = %d;", fgrGen.floCount);
  std::fprintf(f, "\nconst int Fgr_Po1PropsKlv = %d;", fgrGen.po1Count);
  std::fprintf(f, "\nconst int Fgr_Po2PropsKlv = %d;", fgrGen.po2Count);
  std::fprintf(f, "\nconst int Fgr_SubPropsKlv = %d;", fgrGen.subCount);
  Puts(f, "\n\n\nchar* FgrEd_AdrFromName( Fgr* pF, const char* NameFgrProp, int& outType);");
  Puts(f, "\n\n");
}

// The declarations every family shares: read-only flag, flags, four comment lines, name.
static void WriteFamilyHead(FILE* f, const char* fam, const char* anFlagsGap) {
  std::fprintf(f, "\nvoid Fgr_%s_ReadOnly( int n, int& readOnly);", fam);
  std::fprintf(f, "\n int%sFgr_%s_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec);",
               anFlagsGap, fam);
  Puts(f, "\n");
  std::fprintf(f, "\nchar*  Fgr_%s_Kom1( int n);", fam);
  std::fprintf(f, "\nchar*  Fgr_%s_KomD1( int n);", fam);
  std::fprintf(f, "\nchar*  Fgr_%s_KomD2( int n);", fam);
  std::fprintf(f, "\nchar*  Fgr_%s_KomD3( int n);", fam);
  std::fprintf(f, "\nchar*  Fgr_%s_NameVar( int n);", fam);
  std::fprintf(f, "\n//char*  Fgr_%s_NameClr( int n);", fam);
}

static void WriteEditorDecls(FILE* f) {
  Puts(f, "\n#ifdef USE_EDITOR_PROC");
  Puts(f, "\n//{  --- здесь обыявы проц для Доставания инфы о Свойствах фигуры.");
  Puts(f, "\n// возврат int значит \"есть или нет\" // не охота bool юзать.");
  Puts(f, "\n\n// ---");

  WriteFamilyHead(f, "Int", " ");
  Puts(f, "\n");
  Puts(f, "\nint Fgr_Int_InitVal( int n, int& iv);");
  Puts(f, "\nint Fgr_Int_TramVals( int n, int& a, int& b);");
  Puts(f, "\nint Fgr_Int_Adv( int n, int& av);");
  Puts(f, "\n");
  Puts(f, "\nvoid Fgr_Int_Val( Fgr* pF, int n, int& nowVal);");
  Puts(f, "\nint* Fgr_Int_Adr( Fgr* pF, int n);");
  Puts(f, "\n\n\n");
  Puts(f, "\n// ---");

  WriteFamilyHead(f, "Flo", "  ");
  Puts(f, "\n");
  Puts(f, "\nint Fgr_Flo_InitVal( int n, float& iv);");
  Puts(f, "\nint Fgr_Flo_TramVals( int n, float& a, float& b);");
  Puts(f, "\nint Fgr_Flo_Adv( int n, float& av);");
  Puts(f, "\n");
  Puts(f, "\nvoid Fgr_Flo_Val( Fgr* pF, int n, float& nowVal);");
  Puts(f, "\nfloat* Fgr_Flo_Adr( Fgr* pF, int n);");
  Puts(f, "\n\n\n\n");
  Puts(f, "\n// ---");

  WriteFamilyHead(f, "Po1", "  ");
  Puts(f, "\n");
  Puts(f, "\nFgr*  Fgr_Po1_pFgr( Fgr* pF, int n);");
  Puts(f, "\nchar* Fgr_Po1_Adr( Fgr* pF, int n);");
  Puts(f, "\n// char* chp_input = Fgr_Po1_Adr(){ return (char*)(& P1_XName); }");
  Puts(f, "\n// pF_link = pFgrSelectForLink(...);");
  Puts(f, "\n// memcpy( chp_input, &(pF_link), size_of_charP);");
  Puts(f, "\n\n");
  Puts(f, "\n// ---");

  WriteFamilyHead(f, "Po2", "  ");
  Puts(f, "\n");
  Puts(f, "\nFgr*  Fgr_Po2_pFgr( Fgr* pF, int n);");
  Puts(f, "\nchar* Fgr_Po2_Adr( Fgr* pF, int n);");
  Puts(f, "\n\n\n");
  Puts(f, "\n// ---");

  WriteFamilyHead(f, "Sub", "  ");
  Puts(f, "\n//}");
  Puts(f, "\n#endif");
  Puts(f, "\n");
}

static void WriteChainDecls(FILE* f) {
  Puts(f, "\nFgr*  Fgr_Sub_xLink_pFgr( Fgr* pF, int n, int LinkNom);");
  Puts(f, "\nvoid Fgr_Sub_xLinkKick( Fgr* pF, int n, int LinkNom);");
  Puts(f, "\nvoid Fgr_Sub_xLinkAdd( Fgr* pF, int n, Fgr* pL);");
  Puts(f, "\n\t// Добавить линк в конец или в начало - зависит от самого SUB.");
  Puts(f, "\n\n");
  Puts(f, "\n\n//");
}

int FgrGen_WritePre(const FgrGenLists& L, const char* path) {
  FILE* f = GenOut_Open();
  if (!f) return 0;
  for (const char* s : kHead) Puts(f, s);
  Puts(f, "\n");
  WriteKinds(f, L);
  WriteProcs(f, L);
  WritePresets(f, L);
  WriteKombis(f, L);
  WriteBoes(f, L);
  WriteDeclarations(f);
  WriteCounts(f);
  WriteEditorDecls(f);
  WriteChainDecls(f);
  return GenOut_Close(f, path);
}

// A property's declaration line is followed by its non-empty comment lines and a rule.
static void WritePropComments(FILE* f, const GenFgrProp& p) {
  for (const std::string* c : {&p.comment1, &p.comment2, &p.comment3})
    if (!c->empty()) std::fprintf(f, "\t%s\n", c->c_str());
  Puts(f, "\t//-----\n");
}

// Copies the hand-written rest of the class; without it the header must not compile.
static void WriteTail(FILE* f, const char* tailPath) {
  FILE* t = FileOpenRead(tailPath);
  long len = 0;
  if (t && std::fseek(t, 0, SEEK_END) == 0) {
    len = std::ftell(t);
    std::fseek(t, 0, SEEK_SET);
  }
  if (!t || len <= 0) {
    Puts(f, "\n q // не нашли файл-врезку  uni_files/res/fa_in_end.h");
    Puts(f, "\n}");
    Puts(f, "\n");
    if (t) std::fclose(t);
    return;
  }
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, t)) > 0) std::fwrite(buf, 1, n, f);
  std::fclose(t);
}

int FgrGen_WriteIn(const FgrGenLists& L, const char* path, const char* tailPath) {
  FILE* f = GenOut_Open();
  if (!f) return 0;
  for (const char* s : kHead) Puts(f, s);
  Puts(f, "\n\n");
  Puts(f, "\nclass Fgr");
  Puts(f, "\n{");
  Puts(f, "\npublic:");
  Puts(f, "\n\n");
  Puts(f, "\n");

  Puts(f, "\n//{  fgr int props  // включая Sub элементы");
  Puts(f, "\nint");
  Puts(f, "\nsvZero, // не используется\n");
  for (const GenFgrProp& s : L.subs)
    std::fprintf(f, "\nSub_%s_now,\nSub_%s_max,\n", s.name.c_str(), s.name.c_str());
  for (const GenFgrProp& p : L.ints) {
    std::fprintf(f, "\n%s, %s\n", p.name.c_str(), p.markerComment.c_str());
    WritePropComments(f, p);
  }
  std::fprintf(f, "\nsvLast; //norm_klv:%d  + sub_klv:%d", fgrGen.intCount, 2 * fgrGen.subCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
  Puts(f, "\n\n\n");

  Puts(f, "\n//{  fgr float props");
  Puts(f, "\nfloat");
  Puts(f, "\nfloZero, // не используется\n");
  for (const GenFgrProp& p : L.floats) {
    std::fprintf(f, "\n%s, %s\n", p.name.c_str(), p.markerComment.c_str());
    WritePropComments(f, p);
  }
  std::fprintf(f, "\nfloLast; //norm_klv:%d", fgrGen.floCount);
  Puts(f, "\n//}");
  Puts(f, "\n");
  Puts(f, "\n\n\n");

  Puts(f, "\nFgr* pParent; // mark // spec.   // pF->get_pParent();");
  Puts(f, "\n");
  Puts(f, "\n//{  fgr pointers  one way");
  Puts(f, "\n");
  for (const GenFgrProp& p : L.po1s) {
    std::fprintf(f, "\nFgr* P_%s; %s\n", p.name.c_str(), p.markerComment.c_str());
    WritePropComments(f, p);
  }
  std::fprintf(f, "\n//norm_klv:%d", fgrGen.po1Count);
  Puts(f, "\n//}");
  Puts(f, "\n");
  Puts(f, "\n\n\n");

  Puts(f, "\nFgr* pPrev; // mark // sub spec. // pF->get_pPrev();");
  Puts(f, "\n");
  Puts(f, "\n//{  fgr pointers //P2_Link->pParent = this");
  Puts(f, "\n");
  for (const GenFgrProp& p : L.po2s) {
    std::fprintf(f, "\nFgr* P2_%s; %s\n", p.name.c_str(), p.markerComment.c_str());
    WritePropComments(f, p);
  }
  std::fprintf(f, "\n//norm_klv:%d", fgrGen.po2Count);
  Puts(f, "\n//}");
  Puts(f, "\n");
  Puts(f, "\n\n\n");

  Puts(f, "\nFgr* pTail; // mark // sub spec. // pF->get_pTail();");
  Puts(f, "\n");
  Puts(f, "\n//{  fgr Sub system pointers");
  Puts(f, "\n// --- \"Sub\" означает начало \"цэпочки фигур-деталек\"");
  Puts(f, "\n// One fgr in one chain only.");
  Puts(f, "\n");
  for (const GenFgrProp& p : L.subs) {
    std::fprintf(f, "\nFgr*  P2_Sub_%s; %s\n", p.name.c_str(), p.markerComment.c_str());
    WritePropComments(f, p);
  }
  std::fprintf(f, "\n//norm_klv:%d", fgrGen.subCount);
  Puts(f, "\n//}");
  Puts(f, "\n\n\n\n\n\n\n\n\n\n\n");

  WriteTail(f, tailPath);
  return GenOut_Close(f, path);
}
