// Binary file of one key command: length, version, word count, the forty words, the name again.
#include <cstring>

#include "shell/binfile.h"
#include "shell/bytebuf.h"
#include "shell/file_save.h"
#include "shell/files.h"
#include "shell/key_commands.h"
#include "shell/log.h"

namespace {

constexpr int kBinVersion = 3451;
constexpr int kWords = 40;

int* Words(IKmd2* k) { return reinterpret_cast<int*>(k); }

}  // namespace

int IKmd2_SaveBin(IKmd2* k, const char* fileName, short backupPolicy) {
  if (!fileName || !fileName[0]) return 0;
  if (k->active < 1) return 0;
  k->error = 0;
  IKmd2_Check(k);
  if (k->error != 0) return 0;
  k->latch = 0;
  k->holdMs = 0;
  k->repeatStart = 0;
  std::string name = fileName;
  FILE* f = FileOpenBak(name, "", backupPolicy, kFileBakWrite);
  if (!f) return 0;
  IntWrite(1, f);
  IntWrite(kBinVersion, f);
  IntWrite(kWords, f);
  const int* w = Words(k);
  for (int i = 0; i < kWords; i++) IntWrite(w[i], f);
  for (int i = 36; i <= 38; i++) IntWrite(w[i], f);
  int len = (int)std::ftell(f);
  std::fseek(f, 0, SEEK_SET);
  IntWrite(len, f);
  if (FileCloseBak(f, name)) return 1;
  LogInfo("\nkey command file %s: not written (%s)", FileSave_Failure().name.c_str(),
          FileSave_Failure().why.c_str());
  return 0;
}

int IKmd2_LoadBin(IKmd2* k, std::string fileName, std::string ext) {
  ByteBuf b;
  ByteBuf_Init(&b);
  if (!FileReadAll(&b, fileName, "", ext, 0)) {
    ByteBuf_Free(&b);
    return 0;
  }
  ByteBuf_ReadI32(&b, 1);  // length
  ByteBuf_ReadI32(&b, 1);  // version
  int n = ByteBuf_ReadI32(&b, 1);
  if (n < 0 || n > kWords) {
    // More words than the record holds would run past it.
    LogInfo("\nkey command file %s: word count %d refused", fileName.c_str(), n);
    ByteBuf_Free(&b);
    return 0;
  }
  IKmd2 tmp = *k;  // words past the count keep their values
  int* w = Words(&tmp);
  for (int i = 0; i < n; i++) w[i] = ByteBuf_ReadI32(&b, 1);
  for (int i = 36; i <= 38; i++) w[i] = ByteBuf_ReadI32(&b, 1);
  ByteBuf_Free(&b);
  tmp.name[sizeof(tmp.name) - 1] = 0;
  std::memcpy(k, &tmp, sizeof(tmp));
  IKmd2_Check(k);
  if (k->error != 0) {
    k->active = 0;
    return 0;
  }
  return k->active;
}
