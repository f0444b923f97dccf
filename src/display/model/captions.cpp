#include "display/model/captions.h"

#include <array>
#include <optional>
#include <vector>

#include "display/model/text_encoding.h"
#include "platform/text.h"

namespace bingo {

namespace {

struct CaptionRow {
  unsigned number;
  const char* serbian;     // Jezik 0, Windows-1250
  const char* albanian;    // Jezik 1, Windows-1250
  const char* macedonian;  // Jezik 3, YUSCII as stored
};

// Every caption number the program uses. "\x8a" is Š, "\xcb" Ë, "\xc7" Ç in
// Windows-1250; the Macedonian texts are 7-bit YUSCII.
constexpr std::array<CaptionRow, 39> kCaptionTable{{
    {0, "LIN", "VIJ", "LIN"},
    {2, "INFORMACIONA TABLA", "TABELA E INFORMATAVE", "INFORMATIVNA TABLA"},
    {3, "CENA",
     "\xc7"
     "MIMI",
     "CENA"},
    {4, "Prodato",
     "T\xcb"
     " SHITURA",
     "TALONI"},
    {5, "Izvuc. lopta",
     "TOPI I T\xcb"
     "RHEQUR",
     "IZVL. TOPKI"},
    {6, "MAX Lopta", "TOPI MAKSIMAL", "MAKS TOPKA"},
    {7, "LINIJA", "VIJA", "LINIJA"},
    {9, "BONUS", "BONUSI", "PREMIJA"},
    {10, "TABLA FONDOVA", "TABELA E FONDI", "TABLA PREMII"},
    {22, "PRODATI TIKETI",
     "TIKETA T\xcb"
     " SHITURA",
     "PRODADENI TALONI"},
    {23, "Ser", "Ser", "SER"},
    {24, "Pocetni", "Fillimi", "PO^ETEN"},
    {25, "Poslednji", "Mbarimi", "POSLEDEN"},
    {26, "RANG LISTA TIKETA", "RANG LISTA E TIKETAVE", "RANG LISTA TIKETA"},
    {27, "Najbolji tiket", "Tiketa me e mire", "Najboqi talon"},
    {28, "Najveca sansa", "Rasti ma i madhe", "Najdobra {ansa"},
    {29, "Posl. izv. lop.", "Topi i fun. i ter.", "Posl. izv. top."},
    {30, "Ceka", "Prete", "^EKA"},
    {33, "IGRA", "LOJA", "IGRA"},
    {37, "IZVUCENA LOPTA", "", "IZVLE^ENA TOPKA"},
    {38, "UNOS TIKETA",
     "TIKETA HYR\xcb"
     "SE",
     "VNES NA TALONI"},
    {39, "OD", "PREJ", "OD"},
    {40, "DO", "DERI", "DO"},
    {41,
     "VA\x8a"
     "I TIKETI SU:",
     "TIK. E JUAJA JAN\xcb"
     ":",
     "VA[I TALONI SE:"},
    {42, "TIKETA", "TIKETI", "TALONI"},
    {43, "ZA UPLATU",
     "P\xcb"
     "R PAGES\xcb",
     "ZA NAPLATA"},
    {44,
     "TIKETI SA NAJVECOM \x8a"
     "ANSOM",
     "TIK. ME SHANSIN MA T\xcb"
     " MADH\xcb",
     "TALONI SO NAJDOBRA {ANSA"},
    {45, "INFORMACIJE", "INFORMATAT", "INFORMACII"},
    {46, "BRISANJE TIKETA", "SHLYERJA E TIKETAVE", "BRI{EWE NA TALONI"},
    {49, "DOBILI STE LINIJU",
     "KENI FITUAR VIJ\xcb"
     "N",
     "DOBITNIK STE NA LINIJA"},
    {50, "DOBILI STE BINGO", "KENI FITUAR BINGO", "DOBITNIK STE NA BINGO"},
    {52, "Izlaz iz programa?", "Dalja prej programi?", "Izlez od programot?"},
    {61, "CEKA SE", "PRET\xcb", "SE ^EKA"},
    {62, "NOVO KOLO", "LOJA ERE", "NOVO KOLO"},
    {63, "Unesite kupljene tikete",
     "TIKETA HYR\xcb"
     "SE",
     "Vnesete gi kupenite taloni"},
    {65, "LOPT", "TOPI", "TOPKA"},
    {90, "KOLO", "ERE", "KOLO"},
    {92, "TIKET", "TIKET\xcb", "TALON"},
    {95, "LOPTA", "TOPI", "TOPKA"},
}};

// The first character of the language file, upper-cased, the only one that
// counts; '\0' for an empty file, nothing when it cannot be opened or read.
std::optional<char> firstLetter(FileSystem& fs, const std::string& path) {
  if (!fs.exists(path)) return std::nullopt;
  const std::optional<std::vector<std::uint8_t>> bytes = readFileBytes(fs, path, 1);
  if (!bytes) return std::nullopt;
  return bytes->empty() ? '\0' : asciiUpper(static_cast<char>(bytes->front()));
}

}  // namespace

std::string captionText(std::uint8_t Jezik, unsigned k) {
  for (const CaptionRow& row : kCaptionTable) {
    if (row.number != k) continue;
    switch (Jezik) {
      case kJezikSerbian:
        return row.serbian;
      case kJezikAlbanian:
        return row.albanian;
      case kJezikMacedonian:
        return row.macedonian;
      default:
        return {};
    }
  }
  return {};
}

std::string Captions::JezikText(unsigned k) const { return captionText(m_jezik, k); }

void Captions::Language_Select(FileSystem& fs, bool serverAnswers, const std::string& FoldersNet) {
  m_jezik = kJezikSerbian;
  const std::string sharePath = FoldersNet + "\\" + kLanguageFileName;
  m_languageFilePath = serverAnswers && fs.exists(sharePath) ? sharePath : std::string(kLanguageFileName);

  const std::optional<char> letter = firstLetter(fs, m_languageFilePath);
  if (!letter) return;
  switch (*letter) {
    case 'M':
      m_jezik = kJezikMacedonian;
      break;
    case 'S':
      m_jezik = kJezikSerbian;
      break;
    default:
      m_jezik = kJezikAlbanian;
      break;  // "A", and any other letter or none
  }
}

}  // namespace bingo
