// Pieces of a generated text: whether one stands in it, and the checks of a list of them, each
// failure naming its piece.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

inline bool Has(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

// Every piece stands in the text.
inline void ExpectHas(const std::string& text, const std::vector<std::string>& pieces) {
  for (const std::string& p : pieces) EXPECT_TRUE(Has(text, p)) << "not found:\n" << p;
}

// No piece stands in the text.
inline void ExpectHasNot(const std::string& text, const std::vector<std::string>& pieces) {
  for (const std::string& p : pieces) EXPECT_FALSE(Has(text, p)) << "found:\n" << p;
}
