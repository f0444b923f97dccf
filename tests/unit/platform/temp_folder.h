#pragma once
// A real temporary folder for the tests that touch the host's file system,
// removed with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace bingo::test {

// The whole content of a file; empty when there is none.
inline std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bingo-platform-XXXXXX").string();
    if (const char* made = ::mkdtemp(pattern.data())) m_path = made;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& relative) const { return m_path + "/" + relative; }

  // Makes a file (and its folders) below the temporary folder.
  void file(const std::string& relative, const std::string& content = "") const {
    std::filesystem::create_directories(std::filesystem::path(*this / relative).parent_path());
    std::ofstream(*this / relative, std::ios::binary) << content;
  }
  void folder(const std::string& relative) const {
    std::filesystem::create_directories(m_path + "/" + relative);
  }
  std::string read(const std::string& relative) const { return readAll(*this / relative); }

 private:
  std::string m_path;
};

}  // namespace bingo::test
