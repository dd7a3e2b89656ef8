// Resource and key-command header writer: "gm/res_a.h" with the texture, sample and phrase
// constants, the key-command class with its loader, and the key re-binding mode.
#include <cstdio>

#include "generators/gen_table.h"
#include "generators/res_gen.h"

// Entries with a negative number are left out; the block's Last is the number of the last entry
// printed (0 when none).
static void ResPrintConstants(FILE* f, const GenResList& list, const char* head, const char* decl,
                              const char* lastName) {
  int last = 0;
  fprintf(f, "%s", head);
  fprintf(f, "%s", decl);
  for (const GenResRec& r : list) {
    if (r.id < 0) continue;
    fprintf(f, "\n%s = %d,", r.name.c_str(), r.id);
    last = r.id;
  }
  fprintf(f, "\n%s = %d;", lastName, last);
  fprintf(f, "\n");
}

void ResAGen_WriteHeader(GenResList& tex, GenResList& smp, GenResList& mb, GenResList& kmd) {
  FILE* f = GenOut_Open();
  if (!f) return;

  fprintf(f, "\n//");
  fprintf(f, "\n// full auto-gen   // do not manual editing");
  fprintf(f, "\n// полный авто-ген // вручную не редактировать");
  fprintf(f, "\n//-------------------------");
  fprintf(f, "\n\n\n");

  ResPrintConstants(f, tex, "\n// --- пикселя-текстуры..", "\nconst int", "texLast");
  fprintf(f, "\n\n\n\n");
  ResPrintConstants(f, smp, "\n// --- звуко-сэмплы..", "\nconst int", "smpLast");
  fprintf(f, "\n\n\n\n");
  ResPrintConstants(f, mb, "\n// --- тексто-фразы..", "\n  int", "mbLast");
  fprintf(f, "\n\n\n\n\n\n// --------\n\n\n\n");

  fprintf(f, "\nconst int anSetKeys1_4Klv = %d;", ResKmdCount);
  fprintf(f, "\nint anSetKeysMode = 0; // поочереди все кнопки и снова Ноль.");
  fprintf(f,
          "\nint anSetKeys1_4[ anSetKeys1_4Klv +1]; // здесь храним \"что уже собрали для "
          "пере-назначения\".");
  fprintf(f, "\n");
  fprintf(f, "\n");

  fprintf(f, "\nchar* inerPParserZacep1 = \"//==\";");
  fprintf(f, "\n");
  fprintf(f, "\n#define inerPKUntNext \\");
  fprintf(f, "\nif( ! frs.eof() ) \\");
  fprintf(f, "\n{ \\");
  fprintf(f, "\n\tfor(;;) \\");
  fprintf(f, "\n\t{ \\");
  fprintf(f, "\n\t\tif( frs.eof() ) break; \\");
  fprintf(f, "\n\t\tgetline(frs, s);  s = TextTrimS( s); \\");
  fprintf(f, "\n\t\tif( TextPos( s.c_str(), inerPParserZacep1, 0) == 0) break; \\");
  fprintf(f, "\n\t} \\");
  fprintf(f, "\n}");
  fprintf(f, "\n\n\n");

  fprintf(f, "\nclass inerProjKmd");
  fprintf(f, "\n{");
  fprintf(f, "\npublic:");
  fprintf(f, "\n");
  for (const GenResRec& r : kmd)
    if (r.id >= 0) fprintf(f, "\nIKmd2  %s;", r.name.c_str());
  fprintf(f, "\n");
  fprintf(f, "\nIKmd2  Last;");
  fprintf(f, "\n");
  fprintf(f, "\n");
  fprintf(f, "\n\tint _Load()");
  fprintf(f, "\n\t{");
  fprintf(f, "\n\t\tstd::ifstream frs;");
  fprintf(f, "\n\t\tstd::string s;");
  fprintf(f, "\n\tfrs.clear();");
  fprintf(f, "\n\tfrs.open( sig1_LoadFileName.c_str() );  if( ! frs.is_open() ) return 0;");
  fprintf(f, "\n");
  for (const GenResRec& r : kmd)
    if (r.id >= 0)
      fprintf(f, "\n\tinerPKUntNext\n\t\tIKmd2_InitFromTxtStream( %s, frs );", r.name.c_str());
  fprintf(f, "\n");
  fprintf(f, "\n\tfrs.close();");
  fprintf(f, "\n\treturn 1;");
  fprintf(f, "\n\t}");
  fprintf(f, "\n};");
  fprintf(f, "\n");
  fprintf(f, "\ninerProjKmd  kmdSbor;");
  fprintf(f, "\n");
  fprintf(f, "\n\n\n");

  fprintf(f, "\nchar* anSetKeysS1Eng = \"Step %%d/%d ( %%s ).  press Key \";", ResKmdCount);
  fprintf(f, "\nchar* anSetKeysS1Rus = \"Шаг  %%d/%d ( %%s ).  жми кнопку\";", ResKmdCount);
  fprintf(f, "\nchar* anSetKeysS1(){if(o2::EngText) return anSetKeysS1Eng; return anSetKeysS1Rus;}");
  fprintf(f, "\n");
  fprintf(f, "\n");

  fprintf(f, "\nchar* anSetKeysModeStr()");
  fprintf(f, "\n{");
  fprintf(f, "\n\tswitch(anSetKeysMode)");
  fprintf(f, "\n\t{");
  fprintf(f, "\n\tcase 0: break;");
  for (const GenResRec& r : kmd)
    if (r.id >= 0) fprintf(f, "\ncase %d: return \"%s\";", r.id, r.name.c_str());
  fprintf(f, "\n\tdefault: break;");
  fprintf(f, "\n\t}");
  fprintf(f, "\nreturn \"x\";");
  fprintf(f, "\n}");
  fprintf(f, "\n\n\n");

  fprintf(f, "\nint anSetKeysModeOn()");
  fprintf(f, "\n{");
  fprintf(f, "\n\tif( ! anSetKeysMode) return 0;");
  fprintf(f, "\n");
  fprintf(f, "\n\tglClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);");
  fprintf(f, "\n");
  fprintf(f, "\n\tglColor3f( 1.f, 1.f, 1.f);");
  fprintf(f, "\n");
  fprintf(f, "\n\tprint1.frz( StrFmt( anSetKeysS1(), anSetKeysMode, anSetKeysModeStr() ),");
  fprintf(f, "\n\t\t5,  20, (g_wnd_h/2),   0,0, g_wnd_w, g_wnd_h );");
  fprintf(f, "\n");
  fprintf(f, "\n");
  fprintf(f, "\n\tif(anSetKeysMode > anSetKeys1_4Klv) //достигли или оборвали, прибавив +1000");
  fprintf(f, "\n\t{");
  fprintf(f, "\n\t\tanSetKeysMode = 0;");
  fprintf(f, "\n\t\t\t// и переделать Клавиши управления пользуясь anSetKeys1_4[]");
  fprintf(f, "\n");
  for (const GenResRec& r : kmd)
    if (r.id >= 0) fprintf(f, "\n\t\tkmdSbor.%s.Set_KeyVers2(anSetKeys1_4[%d]);", r.name.c_str(), r.id);
  fprintf(f, "\n");
  fprintf(f, "\n\t}");
  fprintf(f, "\n\treturn 1;");
  fprintf(f, "\n}");
  fprintf(f, "\n\n\n");

  fprintf(f, "\nint anSetKeysModeOnKeyDn()");
  fprintf(f, "\n{");
  fprintf(f, "\n\tif( ! anSetKeysMode) return 0;");
  fprintf(f, "\n\tif( anSetKeysMode > anSetKeys1_4Klv) return 0;");
  fprintf(f, "\n\treturn 1;");
  fprintf(f, "\n}");
  fprintf(f, "\n");

  fprintf(f, "\nint anSetKeysModeOnKeyUp(int vk)");
  fprintf(f, "\n{");
  fprintf(f, "\n\tif( ! anSetKeysMode) return 0;");
  fprintf(f, "\n\tif( anSetKeysMode > anSetKeys1_4Klv) return 0;");
  fprintf(f, "\n");
  fprintf(f, "\n\tanSetKeys1_4[anSetKeysMode] = vk;");
  fprintf(f, "\n\tanSetKeysMode += 1;");
  fprintf(f, "\n\treturn 1;");
  fprintf(f, "\n}");
  fprintf(f, "\n");

  fprintf(f, "\n\n//");
  GenOut_Close(f, gsFileResA);
}
