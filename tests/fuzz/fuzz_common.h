// Shared by the loader fuzz targets. Every loader reads its file by name, most of them by a name
// relative to the working folder ("uni_files/konfig.txt", "km", "gm/__orgmix.txt"): each fuzzing
// process therefore works in a scratch folder of its own (on tmpfs when there is one), laid out
// like the game's folder, writes the input under the name the loader reads and calls the loader
// as the game does.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Once, from LLVMFuzzerInitialize (with its arguments): the log goes nowhere, the platform is
// headless (boxes are answered without a window), the scratch folder is made ("gm/",
// "uni_files/res/"), entered, and removed again when the process ends normally. Relative paths
// among the arguments (corpus folders, input files, -artifact_prefix=, -exact_artifact_path=,
// -dict=) are made absolute first, so they still name what they named where the target started.
void Fuzz_Begin(int* argc, char*** argv);

// Writes the whole file, replacing it (name relative to the scratch folder). Aborts when the file
// cannot be written: a target that silently fuzzes a missing file finds nothing.
void Fuzz_Write(const std::string& name, const void* data, size_t size);
void Fuzz_Write(const std::string& name, const std::string& bytes);

// The whole file (name relative to the scratch folder); empty when it does not open.
std::string Fuzz_Read(const std::string& name);

// The shipped file of the source tree (path relative to its root); aborts when it is missing.
std::string Fuzz_Shipped(const std::string& rel);

// Copies a shipped file to the same path inside the scratch folder.
void Fuzz_CopyShipped(const std::string& rel);

// Seeds: when TOLV_FUZZ_SEED_DIR names a folder (tools/fuzz.sh sets it, absolute), a target
// writes hand-made inputs there at start-up; null otherwise.
const char* Fuzz_SeedDir();
void Fuzz_Seed(const std::string& name, const std::string& bytes);

// Reads every byte of the block, so AddressSanitizer reports a block shorter than its sizes say.
void Fuzz_Touch(const void* p, size_t n);

// Little-endian 32-bit words appended to a byte string (binary seeds).
void Fuzz_PutI32(std::string& s, int32_t v);

// A TGA of type 2 (or 10: one run packet per row), w x h, 24 or 32 bits, one colour.
std::string Fuzz_Tga(int w, int h, int bits, int type);
