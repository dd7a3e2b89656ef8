// The scratch folder, file writing and seeds of the loader fuzz targets.
#include "fuzz_common.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell/log.h"

namespace fs = std::filesystem;

namespace {

fs::path gScratch;
std::string gSeedDir;
volatile uint8_t gTouchSink;     // keeps the reads of Fuzz_Touch
std::vector<std::string> gArgs;  // the rewritten arguments libFuzzer reads after Initialize

void RemoveScratch() {
  std::error_code ec;
  fs::current_path(gScratch.parent_path(), ec);
  fs::remove_all(gScratch, ec);
}

}  // namespace

void Fuzz_Begin(int* argc, char*** argv) {
  static const char* const kPathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict="};
  gArgs.reserve((size_t)*argc);
  for (int i = 1; i < *argc; i++) {
    std::string a = (*argv)[i];
    if (a.empty()) continue;
    if (a[0] != '-') {
      a = fs::absolute(a).string();
    } else {
      for (const char* flag : kPathFlags) {
        size_t n = strlen(flag);
        if (a.compare(0, n, flag) == 0 && a.size() > n && a[n] != '/')
          a = flag + fs::absolute(a.substr(n)).string();
      }
    }
    gArgs.push_back(a);
    (*argv)[i] = gArgs.back().data();
  }
  Logger.gsFileLog = "/dev/null";
  setenv("TOLV_VIDEO", "headless", 1);
  if (const char* seeds = getenv("TOLV_FUZZ_SEED_DIR"); seeds && *seeds) {
    gSeedDir = fs::absolute(seeds).string();
    fs::create_directories(gSeedDir);
  }
  const char* tmp = getenv("TOLV_FUZZ_TMP");
  fs::path base = tmp && *tmp                    ? fs::path(tmp)
                  : fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                 : fs::temp_directory_path();
  gScratch = base / ("tolv-fuzz-" + std::to_string(getpid()));
  std::error_code ec;
  fs::remove_all(gScratch, ec);
  fs::create_directories(gScratch / "gm");
  fs::create_directories(gScratch / "uni_files" / "res");
  fs::current_path(gScratch);
  atexit(RemoveScratch);
}

void Fuzz_Write(const std::string& name, const void* data, size_t size) {
  FILE* f = fopen(name.c_str(), "wb");
  if (!f || (size && fwrite(data, 1, size, f) != size) || fclose(f) != 0) {
    fprintf(stderr, "fuzz: cannot write %s in the scratch folder\n", name.c_str());
    abort();
  }
}

void Fuzz_Write(const std::string& name, const std::string& bytes) {
  Fuzz_Write(name, bytes.data(), bytes.size());
}

std::string Fuzz_Read(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Fuzz_Shipped(const std::string& rel) {
  std::ifstream in(std::string(TOLV_SOURCE_DIR) + "/" + rel, std::ios::binary);
  if (!in) {
    fprintf(stderr, "fuzz: shipped file %s is missing\n", rel.c_str());
    abort();
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Fuzz_CopyShipped(const std::string& rel) { Fuzz_Write(rel, Fuzz_Shipped(rel)); }

const char* Fuzz_SeedDir() { return gSeedDir.empty() ? nullptr : gSeedDir.c_str(); }

void Fuzz_Seed(const std::string& name, const std::string& bytes) {
  if (gSeedDir.empty()) return;
  std::ofstream out(gSeedDir + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), (std::streamsize)bytes.size());
}

void Fuzz_Touch(const void* p, size_t n) {
  const volatile uint8_t* b = static_cast<const volatile uint8_t*>(p);
  uint8_t sum = 0;
  for (size_t i = 0; i < n; i++) sum ^= b[i];
  gTouchSink = sum;
}

void Fuzz_PutI32(std::string& s, int32_t v) {
  for (int i = 0; i < 4; i++) s.push_back((char)((uint32_t)v >> (8 * i)));
}

std::string Fuzz_Tga(int w, int h, int bits, int type) {
  std::string f(18, '\0');
  f[2] = (char)type;
  f[12] = (char)(w & 0xFF), f[13] = (char)(w >> 8), f[14] = (char)(h & 0xFF), f[15] = (char)(h >> 8);
  f[16] = (char)bits;
  const std::string px =
      bits == 32 ? std::string("\x30\x60\x90\xff", 4) : std::string("\x30\x60\x90", 3);
  for (int y = 0; y < h; y++) {
    if (type == 2) {
      for (int x = 0; x < w; x++) f += px;
      continue;
    }
    for (int x = 0; x < w; x += 128) {
      int run = w - x < 128 ? w - x : 128;
      f.push_back((char)(0x80 | (run - 1)));
      f += px;
    }
  }
  return f;
}
