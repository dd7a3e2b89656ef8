// Header writer of the figure generator, second half: "gm/fa_proc.h", the bodies of the functions
// generated per property, kind, procedure, preset, combination and hit-bar.
#include <cstdio>
#include <string>

#include "generators/fgr_write.h"
#include "generators/gen_table.h"

static void Puts(FILE* f, const char* s) { std::fputs(s, f); }

// Floats within 1e-5 of zero print as none.
static bool FloIsZero(float v) { return v > -1e-5f && v < 1e-5f; }

static int LastSub(const FgrGenLists& L) { return L.subs.empty() ? 0 : L.subs.back().number; }
static int IntBound() { return fgrGen.intCount + 2 * fgrGen.subCount; }

static void WriteCtorAndReset(FILE* f, const FgrGenLists& L) {
  Puts(f, "\nFgr::Fgr()");
  Puts(f, "\n{ // только самое необходимое. //вызов Sbros обязателен при выдаче пустой фигуры");
  Puts(f, "\n\tstatus = 0;");
  Puts(f, "\n");
  Puts(f, "\n\titem = empty_item_adr();");
  Puts(f, "\n\tUN = empty_UN_adr();");
  Puts(f, "\n}");

  // A chain that loops back (a corrupt file) would walk forever, and a figure met again inside its
  // own reset (in its own chain or equipment) would recurse forever: the walk stops at the cap and
  // the mark set on entry (cleared by the memset) turns the second visit away, each with one line.
  Puts(f, "\n#define subSbros(a)  u = a;  n = 0;  while( u && n < kChainWalkMax) \\");
  Puts(f, "\n\t{ p = u->pTail; u->Sbros();  u = p;  n++; } \\");
  Puts(f, "\n\tif( u) LogInfo(\"\\nerr: \" #a \" LoopLink\");");
  Puts(f, "\nvoid Fgr::Sbros()");
  Puts(f, "\n{");
  Puts(f,
       "\n\tif( sbrosNow) { if( sbrosNow == 1) LogInfo(\"\\nerr: Sbros LoopLink\"); sbrosNow = 2; "
       "return; }");
  Puts(f, "\n\tsbrosNow = 1;");
  Puts(f, "\nint n = 0;");
  Puts(f, "\nFgr* u = 0; //для цепочек");
  Puts(f, "\nFgr* p = 0;");
  for (const GenFgrProp& q : L.ints)
    if (q.ignorSb) std::fprintf(f, "\nint tmp_%s = %s;", q.name.c_str(), q.name.c_str());
  for (const GenFgrProp& q : L.floats)
    if (q.ignorSb) std::fprintf(f, "\nfloat tmp_%s = %s;", q.name.c_str(), q.name.c_str());
  Puts(f, "\n// ---");
  Puts(f, "\n// Все Фигуры, которые в этих линках, это _только_наши_детальки_");
  Puts(f, "\n// и мы должны сбросить их вместе с собой без исключений.");
  Puts(f, "\n//");
  Puts(f, "\n// Если что-то нужно Оставить, то надо из этих линков заранее перед Сбросом");
  Puts(f, "\n// перекинуть к новому хозяину и уже потом удалять старого хозяина.");
  for (const GenFgrProp& q : L.po2s)
    std::fprintf(f, "\n\tif(P2_%s) P2_%s->Sbros();", q.name.c_str(), q.name.c_str());
  Puts(f, "\n// --- Sub");
  for (const GenFgrProp& q : L.subs) std::fprintf(f, "\nsubSbros( P2_Sub_%s)", q.name.c_str());
  Puts(f, "\n// ---");
  Puts(f, "\n\titem_reset(); //здесь вызов обязателен  //подобное есть в Fgrs.DeleteX()");
  Puts(f, "\n\tUN_reset();");
  Puts(f, "\n\tmemset( this, 0, sizeof(Fgr));");
  Puts(f, "\n\titem = empty_item_adr();");
  Puts(f, "\n\tUN = empty_UN_adr();");
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.ints)
    if (q.initVal != 0 && !q.ignorSb) std::fprintf(f, "\n\t%s = %d;", q.name.c_str(), q.initVal);
  for (const GenFgrProp& q : L.floats)
    if (!FloIsZero(q.initValF) && !q.ignorSb)
      std::fprintf(f, "\n\t%s = %ff;", q.name.c_str(), q.initValF);
  for (const GenFgrProp& q : L.ints)
    if (q.ignorSb) std::fprintf(f, "\n %s = tmp_%s;", q.name.c_str(), q.name.c_str());
  for (const GenFgrProp& q : L.floats)
    if (q.ignorSb) std::fprintf(f, "\n %s = tmp_%s;", q.name.c_str(), q.name.c_str());
  Puts(f, "\n}");
  Puts(f, "\n#undef subSbros");
}

static void WriteKillDeadLinks(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n// В цепочках могут лежать фигуры pF->active as zero");
  // A looping chain is as broken as a dead member: the walk stops at the cap, logs and stops the game.
  Puts(f, "\n#define  sub_DeadL(a, s)  u = a; n = 0; while( u && n < kChainWalkMax) \\");
  Puts(f, "\n{ if( ! u->Status() ){ LogInfo(s); o2::NeedExit = 1;} u = u->pTail; n++; } \\");
  Puts(f, "\nif( u) { LogInfo(\"\\nerr: \" #a \" LoopLink\"); o2::NeedExit = 1; }");
  Puts(f, "\n#define  po1_notStatus(a)  if(a) { if( ! a->Status()) a = 0; }");
  Puts(f, "\n#define  po1_notActive(a)  if(a) { if( ! a->Active()) a = 0; }");
  Puts(f, "\n#define  po2_notStatus(a)  if(a) { if( ! a->Status()) a = 0; }");
  Puts(f, "\n#define  po2_notActive(a)  if(a){  if( ! a->Active()) { a->pParent = 0; a = 0; }  }");
  Puts(f, "\nvoid Fgr::KillDeadLinks()");
  Puts(f, "\n{ // проверить каждый свой указатель");
  Puts(f, "\nint n = 0;");
  Puts(f, "\nFgr* u = 0;");
  Puts(f, "\n\tif(activateFgr) // activateFgr получается обязательным свойством аля status.");
  Puts(f, "\n\t{");
  Puts(f, "\n\t\tif( Fgrs.mOut(activateFgr) ) activateFgr = 0;");
  Puts(f, "\n\t\telse if( ! Fgrs.mf[activateFgr].Status() ) activateFgr = 0;");
  Puts(f, "\n\t}");
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.po1s)
    std::fprintf(f, q.needActive ? "\npo1_notActive( P_%s)" : "\npo1_notStatus( P_%s)", q.name.c_str());
  Puts(f, "\n\n// ---");
  for (const GenFgrProp& q : L.po2s)
    std::fprintf(f, q.needActive ? "\npo2_notActive( P2_%s)" : "\npo2_notStatus( P2_%s)",
                 q.name.c_str());
  Puts(f, "\n\n// ---");
  for (const GenFgrProp& q : L.subs)
    std::fprintf(f, "\nsub_DeadL( P2_Sub_%s, \"\\nerr: Sub_%s DeadLink\")\n", q.name.c_str(),
                 q.name.c_str());
  Puts(f, "\n}");
  Puts(f, "\n#undef sub_DeadL");
  Puts(f, "\n#undef po1_notStatus");
  Puts(f, "\n#undef po1_notActive");
  Puts(f, "\n#undef po2_notStatus");
  Puts(f, "\n#undef po2_notActive");
}

static void WriteSaveLoad(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n#define xPtFi(name_p)  i = Fgr_Slot_Nom( name_p, forLocation);  IntWrite( i, ff);");
  Puts(f, "\nvoid Fgr::SaveTo( FILE* ff, int forLocation)");
  Puts(f, "\n{");
  Puts(f, "\n// forLocation значит все линки сохранять (номерок_из_указателя минус FgrsBaseLast)");
  Puts(f, "\n\tif(! ff) return;");
  Puts(f, "\n\tint i;");
  Puts(f, "\n\tchar* b8 = \"Fgr#====\";  fwrite( b8, 1, 8, ff); // важно делать всё кратным 4");
  Puts(f, "\n// ---");
  Puts(f, "\n\tIntWriteMem2( &svZero, &svLast,  ff);");
  Puts(f, "\n\tb8 = \"Fgr#Flo=\";  fwrite( b8, 1, 8, ff);");
  Puts(f, "\n// ---");
  Puts(f, "\n\tFloWriteMem2( &floZero, &floLast,  ff);");
  Puts(f, "\nxPtFi(pParent)");
  Puts(f, "\nxPtFi(pPrev)");
  Puts(f, "\nxPtFi(pTail)");
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.po1s) std::fprintf(f, "\nxPtFi( P_%s)", q.name.c_str());
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.po2s) std::fprintf(f, "\nxPtFi( P2_%s)", q.name.c_str());
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.subs) std::fprintf(f, "\nxPtFi( P2_Sub_%s)", q.name.c_str());
  Puts(f, "\n\tpriv_FgrExtra_SaveTo( this, ff, forLocation);");
  Puts(f, "\n}");

  Puts(f, "\n#define xLfFp(name_p)  IntRead( i, ff);  name_p = Etap_pFgrFromNom( i, forLocation);");
  Puts(f, "\nvoid Fgr::LoadFrom( FILE* ff, int forLocation)");
  Puts(f, "\n{");
  Puts(f, "\n// forLocation значит все линки получать ( указатель_из( FgrsBaseLast + номерок) )");
  Puts(f, "\n\tif(! ff) return;");
  Puts(f, "\n\tint i;");
  Puts(f, "\n\tchar  b8[8];");
  Puts(f, "\n\tfread( b8, 1, 8, ff);");
  Puts(f, "\n// ---");
  Puts(f, "\n\tIntReadToMem2( &svZero, &svLast,  ff);");
  Puts(f, "\n\tfread( b8, 1, 8, ff);");
  Puts(f, "\n// ---");
  Puts(f, "\n\tFloReadToMem2( &floZero, &floLast,  ff);");
  Puts(f, "\nxLfFp(pParent)");
  Puts(f, "\nxLfFp(pPrev)");
  Puts(f, "\nxLfFp(pTail)");
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.po1s) std::fprintf(f, "\nxLfFp( P_%s)", q.name.c_str());
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.po2s) std::fprintf(f, "\nxLfFp( P2_%s)", q.name.c_str());
  Puts(f, "\n// ---");
  for (const GenFgrProp& q : L.subs) std::fprintf(f, "\nxLfFp( P2_Sub_%s)", q.name.c_str());
  Puts(f, "\n\tpriv_FgrExtra_LoadFrom( this, ff, forLocation);");
  Puts(f, "\n}");
  Puts(f, "\n#undef xPtFi");
  Puts(f, "\n#undef xLfFp");
}

static void WriteSwitches(FILE* f, const FgrGenLists& L) {
  Puts(f, "\nchar* fgrXName( int fgrIndex )");
  Puts(f, "\n{");
  Puts(f, "\n\tswitch(fgrIndex)");
  Puts(f, "\n\t{");
  Puts(f, "\nXS( fgrZero, \"errIndex\")");
  for (const GenFgrKind& k : L.kinds)
    std::fprintf(f, "\n\nXS( fgr%s, \"%s\")", k.name.c_str(), k.name.c_str());
  Puts(f, "\ndefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n\treturn \"?\";");
  Puts(f, "\n}");

  Puts(f, "\nvoid ProcFgr( int procNom, Fgr* pf)");
  Puts(f, "\n{ //сами процедуры в файле  r_p.h  // иногда их нужно создать там.");
  Puts(f, "\n\tswitch(procNom)");
  Puts(f, "\n\t{");
  Puts(f, "\ncase ProcFgr_Zero: return;");
  for (const GenProcRec& r : L.procs) {
    const char* a = r.namePart1.c_str();
    const char* b = r.namePart2.c_str();
    std::fprintf(f, "\ncase\n\tr_%s_%s:\n\tr_%s_%s_( pf); return;", a, b, a, b);
  }
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n}");

  Puts(f, "\nint PropsFill(int propsIndex, Fgr* pF,  int ifError_ClearStatus)");
  Puts(f, "\n{");
  Puts(f, "\n//int IFC_Root(int fgrIndex, Fgr* pF)");
  Puts(f, "\n//int InitFromCode(int fgrIndex, Fgr* pF)");
  Puts(f, "\n\tif(! pF) return 0;");
  Puts(f, "\n\t//if(! pF->novorod ) return 0; уже есть пример залива _давно_готовой_фигуры_");
  Puts(f, "\n\tint re =0;");
  Puts(f, "\n\tswitch( propsIndex )");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase props_Zero: break;\n");
  for (const GenPropsPreset& p : L.presets) {
    const char* n = p.name.c_str();
    if (p.fromTxt) std::fprintf(f, "\ncase %s: re = PropsReadTxt( \"%s.txt\", pF); break;\n", n, n);
    else std::fprintf(f, "\ncase %s:\nre = %s_( pF); break;\n", n, n);
  }
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n\tif(re) PropsFill_FinTram( propsIndex, pF, re);");
  Puts(f, "\n\tif(EditModeOn) pF->UnderGround = visUnderGround;");
  Puts(f, "\n\tif( ifError_ClearStatus){ if(! re) pF->status = 0; }");
  Puts(f, "\nreturn re;");
  Puts(f, "\n}");

  Puts(f, "\nint fgrIndexUnitOrItem( int fgrIndex)");
  Puts(f, "\n{");
  Puts(f, "\n\tswitch( fgrIndex )");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase fgrZero: break;");
  int items = 0, units = 0;
  for (const GenFgrKind& k : L.kinds)
    if (k.isItem) std::fprintf(f, "\ncase fgr%s :", k.name.c_str()), items++;
  if (items) std::fprintf(f, "\n\treturn item_ind2; // klv: %d", items);
  for (const GenFgrKind& k : L.kinds)
    if (k.isUnit) std::fprintf(f, "\ncase fgr%s :", k.name.c_str()), units++;
  if (units) std::fprintf(f, "\n\treturn UN_ind1; // klv: %d", units);
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\nreturn 0;");
  Puts(f, "\n}");

  Puts(f, "\nFgr*  KombiPreset( int kombi_NegNom, int forBaner, int toBase)");
  Puts(f, "\n{");
  Puts(f, "\n\tswitch(kombi_NegNom)");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase KombiPreset_Zero: return 0;");
  for (const GenKombiRec& r : L.kombis)
    std::fprintf(f, "\ncase\nkombi_%s: return\nkombi_%s_( forBaner, toBase);", r.name.c_str(),
                 r.name.c_str());
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n\treturn 0;");
  Puts(f, "\n}");
}

static void WriteBoeLabels(FILE* f, const FgrGenLists& L) {
  Puts(f, "\nchar* Boe_KanChars( int bsKan) // const char*");
  Puts(f, "\n{ // максимум 13 знаков");
  Puts(f, "\n\tswitch(bsKan)");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase bcZero: break;");
  for (const GenBoeRec& b : L.boes) {
    const char* n = b.name.c_str();
    std::fprintf(f, "\nXS( bc%s,  \"%s\")\nXS( bc%s_, \"%s^\")\n", n, n, n, n);
  }
  Puts(f, "\n// ---");
  int prevBc = 0;
  for (const GenKvRec& kv : L.channels) {
    const GenBoeRec* b = FgrGen_FindBoe(L, kv.bcNom);
    if (!b) continue;
    if (b->bcNom != prevBc) Puts(f, "\n");
    prevBc = b->bcNom;
    std::fprintf(f, "\nXS( kv%s_%s, \"%s_%s\")", b->name.c_str(), kv.name.c_str(),
                 b->name.substr(0, 6).c_str(), kv.name.substr(0, 6).c_str());
  }
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n\treturn \"xBoe\";");
  Puts(f, "\n}");
  Puts(f, "\n\n\n\n// ------------\n\n");
}

static void WriteAdrFromName(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n#define afn(s, n) if( strcmp( NameFgrProp, s) == 0) return (char*)(&pF->n);");
  Puts(f, "\nchar* FgrEd_AdrFromName( Fgr* pF, const char* NameFgrProp, int& outType)");
  Puts(f, "\n{");
  Puts(f, "\n\toutType = inFgrNonType0;");  // a refusal must not leave the caller's old type
  Puts(f, "\n\tif(! pF) return 0;");
  Puts(f, "\n\tif(! NameFgrProp) return 0;");
  Puts(f, "\n\toutType = inFgrIntType1;");
  for (const GenFgrProp& s : L.subs) {
    const char* n = s.name.c_str();
    std::fprintf(f, "\nafn(\"Sub_%s_now\", Sub_%s_now)", n, n);
    std::fprintf(f, "\nafn(\"Sub_%s_max\", Sub_%s_max)", n, n);
  }
  for (const GenFgrProp& q : L.ints)
    std::fprintf(f, "\nafn(\"%s\", %s)", q.name.c_str(), q.name.c_str());
  Puts(f, "\n\toutType = inFgrFloType2;");
  for (const GenFgrProp& q : L.floats)
    std::fprintf(f, "\nafn(\"%s\", %s)", q.name.c_str(), q.name.c_str());
  Puts(f, "\n\toutType = inFgrNonType0;");
  Puts(f, "\n\treturn 0;");
  Puts(f, "\n}");
  Puts(f, "\n#undef afn");
}

// Opening and closing of one switch function of an editor family.
static void SwitchHead(FILE* f, const char* head, int bound, const char* caseZero) {
  std::fprintf(f, "%s", head);
  Puts(f, "\n{");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return 0;", bound);
  std::fprintf(f, "\nswitch(n)\n{\ncase 0: %s", caseZero);
}
static void SwitchTail(FILE* f) {
  Puts(f, "\ndefault: break;\n}");
  Puts(f, "\n\treturn 0;");
  Puts(f, "\n}");
}

// One editor family's code number of a property: ints come after the sub counter pairs.
static int CaseNo(const GenFgrProp& q, int offset) { return offset + q.number; }

static void WriteReadOnly(FILE* f, const char* fam, const std::vector<GenFgrProp>& list, int bound,
                          int offset, const std::vector<GenFgrProp>* subs) {
  std::fprintf(f, "\nvoid Fgr_%s_ReadOnly( int n, int& readOnly)", fam);
  Puts(f, "\n{");
  Puts(f, "\n\treadOnly = 1;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return;", bound);
  Puts(f, "\nswitch(n)\n{\ncase 0:");
  if (subs)
    for (const GenFgrProp& s : *subs) std::fprintf(f, "\ncase %d:", 2 * s.number - 1);
  for (const GenFgrProp& q : list)
    if (q.readOnly > 0) std::fprintf(f, "\ncase %d:", CaseNo(q, offset));
  Puts(f, "\n\treturn;\ndefault: break;\n}");
  Puts(f, "\n\treadOnly = 0;");
  Puts(f, "\n}");
}

// Every family writes its own case macros before the function that uses them (an identical
// redefinition is valid), as the families are listed one after another.
static const char kPnDefine[] =
    "\n#define pn(x, a, b, c, d) case x: tip = a; ignorSb = b; visp = c; spec = d; return 1;";
static const char kTrvDefine[] = "\n#define trv(s, x, y) case s: a =(x); b =(y); return 1;";
static const char kAzDefine[] = "\n#define az(s, x) case s: av =(x); return 1;";

static void WriteAnFlags(FILE* f, const char* fam, const char* gap, const std::vector<GenFgrProp>& list,
                         int bound, int offset, int tip, const std::vector<GenFgrProp>* subs) {
  Puts(f, kPnDefine);
  std::string head = std::string("\nint") + gap + "Fgr_" + fam +
                     "_AnFlags( int n, int& tip, int& ignorSb, int& visp, int& spec)";
  SwitchHead(f, head.c_str(), bound, "return 0;");
  if (subs)
    for (const GenFgrProp& s : *subs) {
      std::fprintf(f, "\npn( %d,  %d, 0, 0, 0)", 2 * s.number - 1, 1);
      std::fprintf(f, "\npn( %d,  %d, 0, 3, 0)", 2 * s.number, 1);
    }
  for (const GenFgrProp& q : list)
    std::fprintf(f, "\npn( %d,  %d, %d, %d, %d)", CaseNo(q, offset), tip, q.ignorSb, q.visp, q.spec);
  SwitchTail(f);
}

static void WriteTexts(FILE* f, const char* fam, const std::vector<GenFgrProp>& list, int bound,
                       int offset) {
  const char* funcs[4] = {"Kom1", "KomD1", "KomD2", "KomD3"};
  for (int i = 0; i < 4; i++) {
    std::string head = std::string("\nchar*  Fgr_") + fam + "_" + funcs[i] + "( int n)";
    SwitchHead(f, head.c_str(), bound, "return 0;");
    for (const GenFgrProp& q : list) {
      const std::string& t = i == 0   ? q.markerComment
                             : i == 1 ? q.comment1
                             : i == 2 ? q.comment2
                                      : q.comment3;
      if (!t.empty()) std::fprintf(f, "\nXS( %d, \"%s\")", CaseNo(q, offset), t.c_str());
    }
    SwitchTail(f);
  }
}

static void WriteNameVar(FILE* f, const char* fam, const char* prefix,
                         const std::vector<GenFgrProp>& list, int bound, int offset,
                         const std::vector<GenFgrProp>* subs) {
  std::string head = std::string("\nchar*  Fgr_") + fam + "_NameVar( int n)";
  SwitchHead(f, head.c_str(), bound, "return 0;");
  if (subs)
    for (const GenFgrProp& s : *subs) {
      std::fprintf(f, "\nXS( %d, \"Sub_%s_now\")", 2 * s.number - 1, s.name.c_str());
      std::fprintf(f, "\nXS( %d, \"Sub_%s_max\")", 2 * s.number, s.name.c_str());
    }
  for (const GenFgrProp& q : list)
    if (subs || !q.name.empty())
      std::fprintf(f, "\nXS( %d, \"%s%s\")", CaseNo(q, offset), prefix, q.name.c_str());
  SwitchTail(f);
}

static void WriteIntValues(FILE* f, const FgrGenLists& L, int bound, int offset) {
  SwitchHead(f, "\nint Fgr_Int_InitVal( int n, int& iv)", bound, "return 0;");
  for (const GenFgrProp& q : L.ints)
    if (q.initVal != 0) std::fprintf(f, "\ncase %d: iv = %d; return 1;", CaseNo(q, offset), q.initVal);
  SwitchTail(f);

  Puts(f, kTrvDefine);
  SwitchHead(f, "\nint Fgr_Int_TramVals( int n, int& a, int& b)", bound, "return 0;");
  for (const GenFgrProp& q : L.ints)
    if (q.min != 0 || q.max != 0) std::fprintf(f, "\ntrv(%d, %d, %d)", CaseNo(q, offset), q.min, q.max);
  SwitchTail(f);

  Puts(f, kAzDefine);
  SwitchHead(f, "\nint Fgr_Int_Adv( int n, int& av)", bound, "return 0;");
  for (const GenFgrProp& q : L.ints)
    if (q.adv != 0) std::fprintf(f, "\naz(%d, %d)", CaseNo(q, offset), q.adv);
  SwitchTail(f);

  Puts(f, "\nvoid Fgr_Int_Val( Fgr* pF, int n, int& nowVal)");
  Puts(f, "\n{");
  Puts(f, "\n\tnowVal = 0;");
  Puts(f, "\n\tif(!pF) return;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return;", bound);
  Puts(f, "\n\tint* im = &( pF->svZero);");
  Puts(f, "\n\tnowVal = im[n];");
  Puts(f, "\n}");

  Puts(f, "\nint* Fgr_Int_Adr( Fgr* pF, int n)");
  Puts(f, "\n{");
  Puts(f, "\n\tif(!pF) return 0;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return 0;", bound);
  Puts(f, "\n\tint* im = &( pF->svZero);");
  Puts(f, "\n\treturn &(im[n]);");
  Puts(f, "\n}");
}

static void WriteFloValues(FILE* f, const FgrGenLists& L, int bound) {
  SwitchHead(f, "\nint Fgr_Flo_InitVal( int n, float& iv)", bound, "return 0;");
  for (const GenFgrProp& q : L.floats)
    if (!FloIsZero(q.initValF)) std::fprintf(f, "\ncase %d: iv = %ff; return 1;", q.number, q.initValF);
  SwitchTail(f);

  Puts(f, kTrvDefine);
  SwitchHead(f, "\nint Fgr_Flo_TramVals( int n, float& a, float& b)", bound, "return 0;");
  for (const GenFgrProp& q : L.floats) {
    bool none = FloIsZero(q.minF) && FloIsZero(q.maxF - q.minF);
    if (!none) std::fprintf(f, "\ntrv(%d, %ff, %ff)", q.number, q.minF, q.maxF);
  }
  SwitchTail(f);
  Puts(f, "\n#undef trv");

  Puts(f, kAzDefine);
  SwitchHead(f, "\nint Fgr_Flo_Adv( int n, float& av)", bound, "return 0;");
  for (const GenFgrProp& q : L.floats)
    if (!FloIsZero(q.advF)) std::fprintf(f, "\naz(%d, %ff)", q.number, q.advF);
  SwitchTail(f);
  Puts(f, "\n#undef az");

  Puts(f, "\nvoid Fgr_Flo_Val( Fgr* pF, int n, float& nowVal)");
  Puts(f, "\n{");
  Puts(f, "\n\tnowVal = 0;");
  Puts(f, "\n\tif(!pF) return;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return;", bound);
  Puts(f, "\n\tfloat* fm = &( pF->floZero);");
  Puts(f, "\n\tnowVal = fm[n];");
  Puts(f, "\n}");

  Puts(f, "\nfloat* Fgr_Flo_Adr( Fgr* pF, int n)");
  Puts(f, "\n{");
  Puts(f, "\n\tif(!pF) return 0;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return 0;", bound);
  Puts(f, "\n\tfloat* fm = &( pF->floZero);");
  Puts(f, "\n\treturn &(fm[n]);");
  Puts(f, "\n}");
}

// Links of one group: the figure by number (indexed from the group's first pointer) and the
// address of a link field by number.
static void WriteLinkValues(FILE* f, const char* fam, const char* base, const char* prefix,
                            const std::vector<GenFgrProp>& list, int bound) {
  std::fprintf(f, "\nFgr*  Fgr_%s_pFgr( Fgr* pF, int n)", fam);
  std::fprintf(f, "\n{ // %s like svZero", base);
  Puts(f, "\n\tif(!pF) return 0;");
  std::fprintf(f, "\n\tif(n < 1 || n > %d) return 0;", bound);
  std::fprintf(f, "\n\tFgr** pm = &( pF->%s);", base);
  Puts(f, "\n\treturn pm[n];");
  Puts(f, "\n}");

  Puts(f, "\n#define pu(a, b) case a: return (char*) & pF->b;");
  std::fprintf(f, "\nchar* Fgr_%s_Adr( Fgr* pF, int n)", fam);
  Puts(f, "\n{");
  Puts(f, "\n\tif(!pF) return 0;");
  std::fprintf(f, "\n\t//if(n < 1 || n > %d) return 0;", bound);
  Puts(f, "\nswitch(n)\n{\ncase 0: break;");
  for (const GenFgrProp& q : list)
    if (q.readOnly > 0) std::fprintf(f, "\npu( %d, %s%s)", q.number, prefix, q.name.c_str());
  Puts(f, "\ndefault: break;\n}\nreturn 0;");
  Puts(f, "\n}");
}

static void WriteEditorFamilies(FILE* f, const FgrGenLists& L) {
  int nInt = IntBound();
  int off = 2 * LastSub(L);
  Puts(f, "\n#ifdef USE_EDITOR_PROC\n//{\n");

  WriteReadOnly(f, "Int", L.ints, nInt, off, &L.subs);
  WriteAnFlags(f, "Int", " ", L.ints, nInt, off, 1, &L.subs);
  WriteTexts(f, "Int", L.ints, nInt, off);
  WriteNameVar(f, "Int", "", L.ints, nInt, off, &L.subs);
  WriteIntValues(f, L, nInt, off);

  int nFlo = fgrGen.floCount;
  WriteReadOnly(f, "Flo", L.floats, nFlo, 0, nullptr);
  WriteAnFlags(f, "Flo", "  ", L.floats, nFlo, 0, 2, nullptr);
  WriteTexts(f, "Flo", L.floats, nFlo, 0);
  WriteNameVar(f, "Flo", "", L.floats, nFlo, 0, nullptr);
  WriteFloValues(f, L, nFlo);

  int nPo1 = fgrGen.po1Count;
  WriteReadOnly(f, "Po1", L.po1s, nPo1, 0, nullptr);
  WriteAnFlags(f, "Po1", "  ", L.po1s, nPo1, 0, 3, nullptr);
  WriteTexts(f, "Po1", L.po1s, nPo1, 0);
  WriteNameVar(f, "Po1", "P_", L.po1s, nPo1, 0, nullptr);
  WriteLinkValues(f, "Po1", "pParent", "P_", L.po1s, nPo1);

  int nPo2 = fgrGen.po2Count;
  WriteReadOnly(f, "Po2", L.po2s, nPo2, 0, nullptr);
  WriteAnFlags(f, "Po2", "  ", L.po2s, nPo2, 0, 4, nullptr);
  WriteTexts(f, "Po2", L.po2s, nPo2, 0);
  WriteNameVar(f, "Po2", "P2_", L.po2s, nPo2, 0, nullptr);
  WriteLinkValues(f, "Po2", "pPrev", "P2_", L.po2s, nPo2);
  Puts(f, "\n#undef pu");

  int nSub = fgrGen.subCount;
  WriteReadOnly(f, "Sub", L.subs, nSub, 0, nullptr);
  WriteAnFlags(f, "Sub", "  ", L.subs, nSub, 0, 5, nullptr);
  Puts(f, "\n#undef pn");
  WriteTexts(f, "Sub", L.subs, nSub, 0);
  WriteNameVar(f, "Sub", "P2_Sub_", L.subs, nSub, 0, nullptr);

  Puts(f, "\n#endif\n//}\n");
}

// The chain helpers; every case ends with break so one call acts on one chain only.
static void WriteChainHelpers(FILE* f, const FgrGenLists& L) {
  Puts(f, "\n// LinkNom from 1");
  Puts(f, "\nFgr*  Fgr_Sub_xLink_pFgr( Fgr* pF, int n, int LinkNom)");
  Puts(f, "\n{");
  Puts(f, "\n\tif(! pF) return 0;");
  Puts(f, "\n\tswitch(n)");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase 0: break;");
  for (const GenFgrProp& s : L.subs)
    std::fprintf(f, "\ncase %d: return Fgr_getLink( pF->P2_Sub_%s, LinkNom, 0);", s.number,
                 s.name.c_str());
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\nreturn 0;");
  Puts(f, "\n}");

  Puts(f, "\n// LinkNom from 1");
  Puts(f, "\nvoid Fgr_Sub_xLinkKick( Fgr* pF, int n, int LinkNom)");
  Puts(f, "\n{");
  Puts(f, "\n\tif(! pF) return;");
  Puts(f, "\n\tswitch(n)");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase 0: break;");
  for (const GenFgrProp& s : L.subs)
    std::fprintf(f, "\ncase %d:  pF->Sub_%s_Kick( Fgr_getLink( pF->P2_Sub_%s, LinkNom, 0)); break;",
                 s.number, s.name.c_str(), s.name.c_str());
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n}");

  Puts(f, "\n// Добавить линк в конец или в начало -- зависит от самого SUB.");
  Puts(f, "\nvoid Fgr_Sub_xLinkAdd( Fgr* pF, int n, Fgr* pL)");
  Puts(f, "\n{");
  Puts(f, "\n\tif( ! pF  ||  ! pL) return;");
  Puts(f, "\n\tswitch(n)");
  Puts(f, "\n\t{");
  Puts(f, "\n\tcase 0: break;");
  for (const GenFgrProp& s : L.subs)
    std::fprintf(f, "\ncase %d:  pF->Sub_%s_Add( pL); break;", s.number, s.name.c_str());
  Puts(f, "\n\tdefault: break;");
  Puts(f, "\n\t}");
  Puts(f, "\n}");
}

int FgrGen_WriteProc(const FgrGenLists& L, const char* path) {
  FILE* f = GenOut_Open();
  if (!f) return 0;
  Puts(f, "\n// //proc body");
  Puts(f, "\n// full auto-gen   // do not manual editing");
  Puts(f, "\n// полный авто-ген // вручную не редактировать");
  Puts(f, "\n//-------------------------\n\n\n");
  Puts(f, "\n");
  Puts(f, "\n#define XS(x, s) case x: return s;");
  Puts(f, "\n");
  WriteCtorAndReset(f, L);
  WriteKillDeadLinks(f, L);
  WriteSaveLoad(f, L);
  WriteSwitches(f, L);
  WriteBoeLabels(f, L);
  WriteAdrFromName(f, L);
  WriteEditorFamilies(f, L);
  WriteChainHelpers(f, L);
  Puts(f, "\n\n#undef XS");
  Puts(f, "\n\n//");
  return GenOut_Close(f, path);
}

void FgrAGen_WriteHeaders(const std::vector<GenFgrKind>& kinds,
                          const std::vector<GenPropsPreset>& presets,
                          const std::vector<GenFgrProp>& ints, const std::vector<GenFgrProp>& floats,
                          const std::vector<GenFgrProp>& po1s, const std::vector<GenFgrProp>& po2s,
                          const std::vector<GenFgrProp>& subs, const std::vector<GenProcRec>& procs,
                          const std::vector<GenKombiRec>& kombis, const std::vector<GenBoeRec>& boes,
                          const std::vector<GenKvRec>& channels) {
  FgrGenLists L{kinds, presets, ints, floats, po1s, po2s, subs, procs, kombis, boes, channels};
  if (!FgrGen_WritePre(L, "gm/fa_pre.h")) return;
  if (!FgrGen_WriteIn(L, "gm/fa_in.h", "uni_files/res/fa_in_end.h")) return;
  FgrGen_WriteProc(L, "gm/fa_proc.h");
}
