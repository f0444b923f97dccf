// The whole screen of a console after start-up and two ticks of a game with a
// line won on a bought ticket, one reviewed dump per language. A change of the
// layout, a caption or a colour shows up here as a difference to review.
// BINGO_UPDATE_GOLDEN=1 rewrites the files instead of comparing.

#include <gtest/gtest.h>

#include "console_hall.h"
#include "display/model/screen_dump.h"

namespace bingo {
namespace {

TEST(ScreenGolden, StartUpAndALineWonInEachLanguage) {
  for (const char* letter : {"S", "A", "M"}) {
    SCOPED_TRACE(letter);
    test::ConsoleHall hall;
    hall.fs.addTextFile("\\\\srv\\net\\cJezik.txt", std::string(letter) + "\r\n");
    test::Record game = test::Record().lop(6).kug(29).price(120).drawn({1, 3, 5, 7, 9, 29}).sold(0, 1, 500);
    // Round 7, fund 1, a rank-list row and a waiting row.
    game.kolo(7).bcd4(98, 1234).set(100, 0x56).bcd4(193, 1234).set(195, 0x07).bcd4(212, 5609);
    hall.frame(game);
    hall.start();
    hall.console.EditKupEndExit("1", "2");
    hall.ticks(2);
    hall.console.AppEventsIdle(true, false);
    hall.console.ActionListUpdate();
    test::compareWithGolden(std::string("screen-") + letter + ".json",
                            screenDumpJson(hall.console.screen(), 2));
  }
}

}  // namespace
}  // namespace bingo
