#include "display/model/screen_dump.h"

#include <gtest/gtest.h>

#include "display/model/number_board.h"

namespace bingo {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(ScreenDump, WritesEveryPartAsTheScreenShowsIt) {
  ScreenModel model;
  model.setJezik(3);
  model.setText("LabelCEN", "  0");
  model.setText("LabelTitleWait", "^EKA");
  model.setText("LblTest_Info_LAN_Net_Frame_Name", "\\\\bingoserver\\net\\Frame.dat");
  model.memoAdd("NOVO KOLO");
  model.setMemoBackground(kRed);
  model.setStatusPanel(6, std::string("SALA\0\0\0\0", 8));  // the hall text ends at its first NUL
  model.setStatusPanel(7, "2.3.4-[151031]");
  model.boardFlags(90) = {true, true, false};
  recolourNumberBoard(model, false);
  model.setMenuVisible("mnuBub", true);

  const std::string json = screenDumpJson(model, 42);
  EXPECT_EQ(json.rfind("{\"TimerCount\":42,\"controls\":{\"PanelTablaInformaciona\":", 0), 0u);
  EXPECT_NE(json.find("\"LabelCEN\":{\"text\":\"  0\",\"visible\":true,\"fg\":\"#ff0000\",\"bg\":\"#e3e3e3\","
                      "\"parent\":\"PanelTablaInformaciona\",\"rect\":[5,36,95,20]}"),
            std::string::npos);
  // In Macedonian the YUSCII title shows Cyrillic (Ч Е К А), the path stays as it is.
  EXPECT_NE(json.find("\"LabelTitleWait\":{\"text\":\"\xd0\xa7\xd0\x95\xd0\x9a\xd0\x90\""),
            std::string::npos);
  EXPECT_NE(json.find("\"text\":\"\\\\\\\\bingoserver\\\\net\\\\Frame.dat\""), std::string::npos);
  EXPECT_NE(
      json.find(
          "\"PanelTablaCifarska\":{\"text\":\"\",\"visible\":true,\"fg\":\"#000000\",\"bg\":\"#000000\","
          "\"parent\":\"TFormClient\",\"rect\":[210,0,309,225]}"),
      std::string::npos);
  EXPECT_NE(
      json.find(
          "\"MemoINFO\":{\"lines\":[\"\xd0\x9d\xd0\x9e\xd0\x92\xd0\x9e \xd0\x9a\xd0\x9e\xd0\x9b\xd0\x9e\"],"
          "\"bg\":\"#ff0000\"}"),
      std::string::npos);
  EXPECT_NE(json.find("\"StatusBar\":[\"\",\"\",\"\",\"\",\"\",\"\",\"SALA\",\"2.3.4-[151031]\",\"\",\"\","
                      "\"\",\"\",\"\"]"),
            std::string::npos);
  EXPECT_NE(json.find("\"CifarskaBtn\":[{\"text\":\" 1\",\"fg\":\"#000000\",\"bg\":\"#a0a0a4\"}"),
            std::string::npos);
  EXPECT_NE(
      json.find("{\"text\":\"90\",\"fg\":\"#f1f0f0\",\"bg\":\"#e03030\"}],\"TiketNo\":[{\"text\":\"   1\","
                "\"bg\":\"#a0a0a4\"}"),
      std::string::npos);
  EXPECT_NE(json.find("\"mnuBub\":{\"enabled\":false,\"visible\":true,\"checked\":false}"),
            std::string::npos);
  EXPECT_EQ(count(json, "\"text\":\"*\""), 162u);
  EXPECT_NE(json.find("\"StatusBar\":{\"text\":\"\",\"visible\":true,\"fg\":\"#000000\",\"bg\":\"#f0f0f0\","
                      "\"parent\":\"TFormClient\",\"rect\":[0,711,1024,19]}}"),
            std::string::npos);
  EXPECT_EQ(count(json, "\"parent\":"), 194u);
  EXPECT_EQ(json.back(), '\n');
}

TEST(ScreenDump, EscapesWhatJsonCannotCarry) {
  EXPECT_EQ(jsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
}

}  // namespace
}  // namespace bingo
