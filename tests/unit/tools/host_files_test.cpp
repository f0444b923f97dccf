#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/card_file_source.h"
#include "common/card_generator.h"
#include "common/host_files.h"
#include "unit/platform/temp_folder.h"

namespace bingo::tools {
namespace {

class HostFilesTest : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return m_tmp / name; }
  std::vector<std::uint8_t> bytesOf(const std::string& file) const {
    const std::string text = m_tmp.read(file.substr(m_tmp.path().size() + 1));
    return {text.begin(), text.end()};
  }
  void fill(const std::string& file, std::size_t size, std::uint8_t value) const {
    m_tmp.file(file.substr(m_tmp.path().size() + 1), std::string(size, static_cast<char>(value)));
  }
  test::TempFolder m_tmp;
  HostFiles m_files;
};

std::vector<std::uint8_t> newRecord() {
  std::vector<std::uint8_t> record(384);
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(i);
  return record;
}

// In place, the way the server writes: the file is overwritten, never
// truncated, so a longer file keeps its tail and readers never find it empty.
// An atomic write replaces the whole file.
TEST_F(HostFilesTest, WritingInPlaceOverwritesTheFirstRecordOnly) {
  const std::string frame = path("Frame.dat");
  fill(frame, 768, 0xAA);
  ASSERT_TRUE(m_files.writeInPlace(frame, newRecord())) << m_files.lastError();
  auto expected = newRecord();
  expected.resize(768, 0xAA);
  EXPECT_EQ(bytesOf(frame), expected);
  ASSERT_TRUE(m_files.writeAtomic(frame, newRecord())) << m_files.lastError();
  EXPECT_EQ(bytesOf(frame), newRecord());
  EXPECT_FALSE(std::filesystem::exists(frame + ".tmp"));
}

TEST_F(HostFilesTest, CardFilesAreMadeWhenMissingAndNeverOverwritten) {
  std::ostringstream log;
  const std::string file = path("c/Orma/Bingo/Arh/CfgW/A1944.3x5");
  const auto made = loadOrMakeCards(m_files, file, 1944, log);
  EXPECT_EQ(made, generateCards(1944, kCardFileSeed));
  EXPECT_EQ(bytesOf(file), cardFileBytes(made));

  // The hall's own file is used as it is.
  auto own = generateCards(1944, 77);
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(cardFileBytes(own).data()), 1944 * 15);
  EXPECT_EQ(loadOrMakeCards(m_files, file, 1944, log), own);

  // A file of another size is left alone.
  fill(file, 100, 0x01);
  EXPECT_EQ(loadOrMakeCards(m_files, file, 1944, log), made);
  EXPECT_EQ(bytesOf(file).size(), 100u);
}

}  // namespace
}  // namespace bingo::tools
