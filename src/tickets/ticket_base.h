#pragma once
// The ticket cards of the hall's current game type: for every ticket number,
// the 15 numbers on its card (three rows of five), read from the card file of
// that type on the console's own disk.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "frame/ticket_numbers.h"
#include "platform/file_system.h"

namespace bingo {

inline constexpr std::size_t kCardBytes = 15;  // three rows of five ball numbers
inline constexpr std::size_t kCardRows = 3;
inline constexpr std::size_t kRowNumbers = 5;

inline constexpr std::size_t kGameTypes = 4;
// Number of cards of game types 0..3.
inline constexpr std::array<std::uint16_t, kGameTypes> kCardCounts = {1944, 5952, 2000, 24192};

class TicketBase {
 public:
  explicit TicketBase(FileSystem& fs) : m_fs(fs) {}

  // Allocates the card table (cards that no load fills read as zero), builds the
  // four card file names, selects type 0 and loads its file.
  void TicketBase_Init();
  void TicketBase_Free();
  // Loads the file of type t when t is 0..3 and differs from the type in memory;
  // returns the type in memory. Called on every read of the frame's game type.
  std::uint8_t TicketBase_SelectType(std::uint8_t t);
  // Reads the card file of a type into cards 1, 2, ...: a short file fills only
  // the first cards, a long file's excess is ignored, an unopenable file leaves
  // the cards as they were. Nothing is ever reported.
  void TicketBase_Load(std::uint8_t type);

  // Ball number at row 1..3, place 1..5 of a ticket's card; 0 outside the table.
  std::uint8_t TicketBase_Card(std::uint16_t ticket, unsigned row, unsigned pos) const;
  // The 15 bytes of a ticket's card; empty outside the table.
  std::span<const std::uint8_t> card(std::uint16_t ticket) const;
  // The whole flat table, card of ticket t at 15t; empty before TicketBase_Init.
  std::span<const std::uint8_t> cards() const { return m_cards; }

  std::uint8_t CardTableType() const { return m_type; }
  // Changes whenever the cards may have changed (initialisation, load, release).
  std::uint64_t version() const { return m_version; }
  const std::string& CardFileName(std::uint8_t type) const { return m_fileNames.at(type); }

  // "C:\Orma\Bingo\Arh\CfgW\A" + number of cards + ".3x5".
  static std::string cardFileNameOf(std::uint8_t type);

 private:
  FileSystem& m_fs;
  std::vector<std::uint8_t> m_cards;  // flat: ticket t at bytes 15t .. 15t+14, tickets 0..24193
  std::array<std::string, kGameTypes> m_fileNames;
  std::uint8_t m_type = 0;
  std::uint64_t m_version = 1;
};

}  // namespace bingo
