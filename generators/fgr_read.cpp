// Section readers of the five figure tables and the counters that number their records.
#include "generators/fgr_tables.h"

#include "generators/gen_table.h"
#include "shell/log.h"

FgrGenCounters fgrGen;

void FgrGen_ResetCounters() {
  fgrGen = FgrGenCounters{};
  fgrGen.nextPresetId = 9001;
  fgrGen.nextIntNom = fgrGen.nextFloNom = fgrGen.nextPo1Nom = 1;
  fgrGen.nextPo2Nom = fgrGen.nextSubNom = fgrGen.nextProcNom = 1;
  fgrGen.nextKombiNom = -1;
  fgrGen.nextBcNom = 1;
}

static bool Begins(const std::string& s, const char* head) { return s.rfind(head, 0) == 0; }

// A section whose name line never came (end of file) adds nothing: an empty name would not compile.
static void LogCutShort(const char* what) {
  LogInfo("\nFgrAGen: %s section cut short at end of file, dropped", what);
}

static std::string ReadComment(std::istream& in) {
  std::string line;
  GenReadLine(in, line);
  return KomentFromTxtLine(line);
}

void FgrAGen_ReadKindSection(std::istream& in, std::vector<GenFgrKind>& kinds,
                             std::vector<GenPropsPreset>& presets, std::string& markerLine) {
  GenFgrKind k;
  k.markerComment = GenLine_ToComment(markerLine);
  k.lineComment = ReadComment(in);
  GenReadInt(in, k.number);
  GenEndNumberLine(in);
  if (!GenReadLine(in, k.name)) {
    LogCutShort("kind");
    return;
  }
  std::string type;
  GenReadLine(in, type);
  if (Begins(type, "item")) {
    k.isItem = 1;
  } else if (Begins(type, "unit")) {
    k.isUnit = 1;
  }
  kinds.push_back(k);
  fgrGen.kindCount++;

  // Preset lines up to the "/*" that opens the kind's note; then the note up to "*/".
  std::string line;
  while (GenReadLine(in, line) && !Begins(line, "/*")) {
    GenPropsPreset p;
    p.propsIndex = fgrGen.nextPresetId;
    p.fromTxt = Begins(line, "txt") ? 1 : 0;
    p.name = line;
    presets.push_back(p);
    fgrGen.nextPresetId += 10;
    fgrGen.presetCount++;
  }
  while (GenReadLine(in, line) && !Begins(line, "*/")) {
  }
}

void FgrAGen_ReadPropSection(std::istream& in, std::vector<GenFgrProp>& ints,
                             std::vector<GenFgrProp>& floats, std::vector<GenFgrProp>& po1s,
                             std::vector<GenFgrProp>& po2s, std::vector<GenFgrProp>& subs,
                             std::string& markerLine) {
  GenFgrProp p;
  p.markerComment = GenLine_ToComment(markerLine);
  p.comment1 = ReadComment(in);
  p.comment2 = ReadComment(in);
  p.comment3 = ReadComment(in);
  std::string type;
  GenReadLine(in, type);
  std::vector<GenFgrProp>* list;
  int* next;
  int* count;
  if (Begins(type, "int")) {
    p.tip = 1, list = &ints, next = &fgrGen.nextIntNom, count = &fgrGen.intCount;
  } else if (Begins(type, "flo")) {
    p.tip = 2, list = &floats, next = &fgrGen.nextFloNom, count = &fgrGen.floCount;
  } else if (Begins(type, "po1")) {
    p.tip = 3, list = &po1s, next = &fgrGen.nextPo1Nom, count = &fgrGen.po1Count;
  } else if (Begins(type, "po2")) {
    p.tip = 4, list = &po2s, next = &fgrGen.nextPo2Nom, count = &fgrGen.po2Count;
  } else if (Begins(type, "sub")) {
    p.tip = 5, list = &subs, next = &fgrGen.nextSubNom, count = &fgrGen.subCount;
  } else {
    return;  // unknown type: the section is dropped, nothing more consumed
  }
  if (!GenReadLine(in, p.name)) {
    LogCutShort("property");
    return;
  }
  // The values stop at the first one that does not read; the rest keep 0.
  bool ok = GenReadInt(in, p.readOnly) && GenReadInt(in, p.ignorSb);
  switch (p.tip) {
    case 1:
      ok = ok && GenReadInt(in, p.initVal) && GenReadInt(in, p.adv) && GenReadInt(in, p.min) &&
           GenReadInt(in, p.max) && GenReadInt(in, p.visp) && GenReadInt(in, p.spec);
      break;
    case 2:
      ok = ok && GenReadFlo(in, p.initValF) && GenReadFlo(in, p.advF) && GenReadFlo(in, p.minF) &&
           GenReadFlo(in, p.maxF) && GenReadInt(in, p.visp) && GenReadInt(in, p.spec);
      break;
    case 3:
    case 4:
      ok = ok && GenReadInt(in, p.visp) && GenReadInt(in, p.spec) && GenReadInt(in, p.needActive);
      break;
    default: ok = ok && GenReadInt(in, p.visp) && GenReadInt(in, p.spec); break;
  }
  (void)ok;
  GenEndNumberLine(in);
  p.number = (*next)++;
  list->push_back(p);
  (*count)++;
}

void FgrAGen_ReadProcSection(std::istream& in, std::vector<GenProcRec>& procs, std::string& markerLine) {
  GenProcRec r;
  r.markerComment = GenLine_ToComment(markerLine);
  if (!GenReadLine(in, r.namePart1) || !GenReadLine(in, r.namePart2)) {
    LogCutShort("procedure");
    return;
  }
  r.procNom = fgrGen.nextProcNom++;
  procs.push_back(r);
  fgrGen.procCount++;
}

void FgrAGen_ReadKombiSection(std::istream& in, std::vector<GenKombiRec>& kombis,
                              std::string& markerLine) {
  GenKombiRec r;
  r.markerComment = GenLine_ToComment(markerLine);
  if (!GenReadLine(in, r.name)) {
    LogCutShort("combination");
    return;
  }
  r.kombiNom = fgrGen.nextKombiNom--;
  kombis.push_back(r);
  fgrGen.kombiCount++;
}

void FgrAGen_ReadBoeSection(std::istream& in, std::vector<GenBoeRec>& boes,
                            std::vector<GenKvRec>& channels, std::string& markerLine) {
  GenBoeRec b;
  b.markerComment = GenLine_ToComment(markerLine);
  b.lineComment = ReadComment(in);
  if (!GenReadLine(in, b.name)) {
    LogCutShort("hit-bar");
    return;
  }
  b.bcNom = fgrGen.nextBcNom;
  fgrGen.nextBcNom += 2;
  boes.push_back(b);
  fgrGen.bcCount++;

  int c = 0;
  GenReadInt(in, c);
  GenEndNumberLine(in);
  if (c < 1 || c > 50) return;
  for (int k = 1; k <= c; k++) {
    GenKvRec kv;
    if (!GenReadLine(in, kv.name)) return;
    kv.k = k;
    kv.bcNom = b.bcNom;
    channels.push_back(kv);
    fgrGen.kvCount++;
  }
}
