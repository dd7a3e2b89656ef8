// The generator targets: the input's first byte picks one of the generator's tables (modulo their
// count) and the rest of the input takes its place; the other tables stay the shipped ones. The
// generator then reads them all and writes its headers into the scratch folder's "gm/".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_common.h"

struct GenTables {
  std::vector<std::string> names;    // as the generator reads them, relative to the folder
  std::vector<std::string> shipped;  // their shipped texts

  // Once (from LLVMFuzzerInitialize: the names are other files' globals): the shipped tables
  // copied in, and one seed per table (its number, then the table).
  void Begin(std::vector<std::string> tableNames) {
    names = std::move(tableNames);
    for (size_t i = 0; i < names.size(); i++) {
      shipped.push_back(Fuzz_Shipped(names[i]));
      Fuzz_Write(names[i], shipped[i]);
      std::string leaf = names[i].substr(names[i].rfind('/') + 1);
      Fuzz_Seed("shipped_" + leaf, std::string(1, (char)i) + shipped[i]);
    }
  }

  // Puts the input in place of its table and runs the generator; then the table is the shipped
  // one again.
  template <class Generator>
  void Run(const uint8_t* data, size_t size, Generator&& generate) {
    if (size < 1) return;
    size_t k = data[0] % names.size();
    Fuzz_Write(names[k], data + 1, size - 1);
    generate();
    Fuzz_Write(names[k], shipped[k]);
  }
};
