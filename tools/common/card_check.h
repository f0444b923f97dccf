#pragma once
// Validates a card file: whole 15-byte cards; each card three ascending rows of
// five numbers 1..90, no two numbers of a row in one grid column, every column
// used once to three times and ascending down the card; every strip of six
// cards holds each number at most once (a complete strip therefore 1..90).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/card.h"

namespace bingo::tools {

// What is wrong with one card on its own; nothing when it is a valid card.
std::optional<std::string> cardFault(const Card& card);

struct CardFileCheck {
  struct Fault {
    std::size_t card = 0;  // ticket number, 1-based; 0 for none
    std::string text;
  };
  bool ok = false;
  std::size_t cards = 0;    // whole cards in the file
  std::size_t badCard = 0;  // ticket number (1-based) of the first bad card; 0 for a fault of the file
  std::string fault;        // what is wrong, empty when ok
};

CardFileCheck checkCardFile(std::span<const std::uint8_t> bytes);

}  // namespace bingo::tools
