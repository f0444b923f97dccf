// A ticket beyond the ninth run of bought tickets still wins.

#include <gtest/gtest.h>

#include "app/console/console.h"
#include "console_hall.h"

namespace bingo {
namespace {

using test::Record;

TEST(Console, ALineOnATicketBeyondTheNinthRunIsAnnounced) {
  test::ConsoleHall hall;
  // Sold 1-3 and 5-200: the first entered run splits in two at the second ball.
  Record game = Record().price(100).sold(0, 1, 3).sold(1, 5, 200);
  hall.frame(game);
  hall.start();
  hall.ticks(2);
  // Ticket 100 is the only bought ticket whose first row holds 35, 37, 39, 41, 43.
  for (const char* range :
       {"1 9", "11 12", "21 22", "31 32", "41 42", "51 52", "61 62", "71 72", "100 101"}) {
    const std::string text = range;
    hall.console.EditKupEndExit(text.substr(0, text.find(' ')), text.substr(text.find(' ') + 1));
  }
  hall.frame(game.lop(2).drawn({35, 37}).kug(37));
  hall.ticks(2);
  EXPECT_EQ(hall.text("LabelTkKupEnd9"), "72");
  EXPECT_EQ(hall.text("LabelTkKupPoc10"), "100");
  EXPECT_EQ(hall.text("LabelTkKupEnd10"), "101");
  EXPECT_EQ(hall.text("LabelTkKupCount"), "24");
  EXPECT_EQ(hall.text("LabelTkKupUplata"), "2400");
  hall.frame(game.lop(5).drawn({39, 41, 43}).kug(43));
  hall.ticks(2);
  EXPECT_EQ(hall.text("LblLIN"), "DOBILI STE LINIJU TIKET: 100");
}

}  // namespace
}  // namespace bingo
