#include "support/fake_file_system.h"

#include <algorithm>

#include "platform/text.h"

namespace bingo::test {

std::string FakeFileSystem::key(const std::string& path) {
  std::string k = toUpperAscii(path);
  std::replace(k.begin(), k.end(), '/', '\\');
  while (k.size() > 1 && k.back() == '\\') k.pop_back();
  return k;
}

std::string FakeFileSystem::parentOf(const std::string& k) {
  const auto pos = k.find_last_of('\\');
  return pos == std::string::npos ? "" : k.substr(0, pos);  // relative name: the working directory
}

// The working directory, a drive root ("C:") and a UNC host ("\\HOST").
bool FakeFileSystem::isRoot(const std::string& k) {
  return k.empty() || (k.size() == 2 && k[1] == ':') ||
         (k.rfind("\\\\", 0) == 0 && k.find('\\', 2) == std::string::npos);
}

bool FakeFileSystem::folderExists(const std::string& k) const { return isRoot(k) || m_folders.count(k) != 0; }

void FakeFileSystem::addFolder(const std::string& path) {
  const std::string k = key(path);
  if (folderExists(k)) return;
  const auto pos = path.find_last_of("\\/");
  if (pos != std::string::npos) addFolder(path.substr(0, pos));
  m_folders[k] = path;
  m_folderOrder.push_back(path);
}

void FakeFileSystem::addFile(const std::string& path, std::vector<std::uint8_t> bytes) {
  const auto pos = path.find_last_of("\\/");
  if (pos != std::string::npos) addFolder(path.substr(0, pos));
  put(path, std::move(bytes));
}

void FakeFileSystem::put(const std::string& path, std::vector<std::uint8_t> bytes) {
  const std::string k = key(path);
  if (!m_files.count(k)) m_fileOrder.push_back(path);
  m_files[k] = File{path, std::move(bytes)};
}

void FakeFileSystem::fail(FileOp op, const std::string& path, int code) {
  m_failures[{op, path == "*" ? "*" : key(path)}] = code;
}

int FakeFileSystem::failure(FileOp op, const std::string& path) const {
  if (auto it = m_failures.find({op, "*"}); it != m_failures.end()) return it->second;
  if (auto it = m_failures.find({op, key(path)}); it != m_failures.end()) return it->second;
  return 0;
}

std::vector<std::uint8_t> FakeFileSystem::bytes(const std::string& path) const {
  auto it = m_files.find(key(path));
  return it == m_files.end() ? std::vector<std::uint8_t>{} : it->second.bytes;
}

std::string FakeFileSystem::text(const std::string& path) const {
  const auto b = bytes(path);
  return {b.begin(), b.end()};
}

template <typename Map>
static std::vector<std::string> present(const std::vector<std::string>& order, const Map& map) {
  std::vector<std::string> out;
  std::copy_if(order.begin(), order.end(), std::back_inserter(out),
               [&](const std::string& p) { return map.count(FakeFileSystem::key(p)) != 0; });
  return out;
}
std::vector<std::string> FakeFileSystem::filePaths() const { return present(m_fileOrder, m_files); }
std::vector<std::string> FakeFileSystem::folderPaths() const { return present(m_folderOrder, m_folders); }

int FakeFileSystem::count(FileOp op) const {
  auto it = m_counts.find(op);
  return it == m_counts.end() ? 0 : it->second;
}

// The working directory itself has no name: an empty path names nothing.
bool FakeFileSystem::exists(const std::string& path) {
  return !attempt(FileOp::Exists, path) &&
         (m_files.count(key(path)) || (!key(path).empty() && folderExists(key(path))));
}

bool FakeFileSystem::isFolder(const std::string& path) {
  return !attempt(FileOp::Exists, path) && !key(path).empty() && folderExists(key(path));
}

std::optional<std::uint64_t> FakeFileSystem::fileSize(const std::string& path) {
  auto it = m_files.find(key(path));
  if (attempt(FileOp::Size, path) || it == m_files.end()) return std::nullopt;
  return it->second.bytes.size();
}

class FakeReadFile : public ReadFile {
 public:
  FakeReadFile(FakeFileSystem& fs, std::string path, std::vector<std::uint8_t> bytes, int endCode)
      : m_fs(fs), m_path(std::move(path)), m_bytes(std::move(bytes)), m_endCode(endCode) {}
  IoStatus read(std::span<std::uint8_t> buffer, std::size_t& got) override {
    got = 0;
    if (int code = m_fs.attempt(FileOp::Read, m_path)) return {code};
    if (m_pos == m_bytes.size() && m_endCode) return {m_endCode};
    got = std::min({buffer.size(), m_bytes.size() - m_pos, m_fs.readPiece()});
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos), got, buffer.begin());
    m_pos += got;
    return {};
  }
  IoStatus close() override { return {m_fs.attempt(FileOp::Close, m_path)}; }

 private:
  FakeFileSystem& m_fs;
  std::string m_path;
  std::vector<std::uint8_t> m_bytes;  // a snapshot taken at the open
  int m_endCode;
  std::size_t m_pos = 0;
};

IoStatus FakeFileSystem::openRead(const std::string& path, std::unique_ptr<ReadFile>& file) {
  file.reset();
  if (int code = attempt(FileOp::Open, path)) return {code};
  const std::string k = key(path);
  auto it = m_files.find(k);
  if (it == m_files.end()) return {m_folders.count(k) ? EISDIR : ENOENT};
  auto bytes = it->second.bytes;
  int endCode = 0;
  if (auto lim = m_readLimits.find(k); lim != m_readLimits.end() && bytes.size() > lim->second.first) {
    bytes.resize(lim->second.first);
    endCode = lim->second.second;
  }
  file = std::make_unique<FakeReadFile>(*this, path, std::move(bytes), endCode);
  return {};
}

IoStatus FakeFileSystem::store(FileOp op, const std::string& path, std::string_view bytes) {
  if (int code = attempt(op, path)) return {code};
  const std::string k = key(path);
  if (!folderExists(parentOf(k))) return {ENOENT};
  if (m_folders.count(k)) return {EISDIR};
  auto it = m_files.find(k);
  std::vector<std::uint8_t> all =
      it == m_files.end() || op == FileOp::Write ? std::vector<std::uint8_t>{} : it->second.bytes;
  all.insert(all.end(), bytes.begin(), bytes.end());
  put(it == m_files.end() ? path : it->second.givenPath, std::move(all));
  return {};
}

IoStatus FakeFileSystem::removeFile(const std::string& path) {
  if (int code = attempt(FileOp::Remove, path)) return {code};
  const std::string k = key(path);
  if (m_folders.count(k)) return {EISDIR};
  return {m_files.erase(k) ? 0 : ENOENT};
}

IoStatus FakeFileSystem::makeFolder(const std::string& path) {
  if (int code = attempt(FileOp::MakeFolder, path)) return {code};
  const std::string k = key(path);
  if (folderExists(k) || m_files.count(k)) return {EEXIST};
  if (!folderExists(parentOf(k))) return {ENOENT};
  addFolder(path);
  return {};
}

std::optional<std::vector<std::string>> FakeFileSystem::listFiles(const std::string& folder,
                                                                  const std::string& pattern) {
  if (attempt(FileOp::List, folder)) return std::nullopt;
  const std::string k = key(folder);
  if (!folderExists(k)) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& [fileKey, file] : m_files) {
    if (parentOf(fileKey) != k) continue;
    const auto pos = file.givenPath.find_last_of("\\/");
    std::string name = pos == std::string::npos ? file.givenPath : file.givenPath.substr(pos + 1);
    if (wildcardMatch(pattern, name)) names.push_back(std::move(name));
  }
  return names;
}

IoStatus FakeFileSystem::transfer(FileOp op, const std::string& from, const std::string& to) {
  note(op, from);
  if (m_recording) m_touches.push_back({op, to});
  if (int code = failure(op, from)) return {code};
  if (int code = failure(op, to)) return {code};
  auto it = m_files.find(key(from));
  if (it == m_files.end()) return {m_folders.count(key(from)) ? EISDIR : ENOENT};
  if (!folderExists(parentOf(key(to)))) return {ENOENT};
  if (folderExists(key(to))) return {EISDIR};
  auto bytes = it->second.bytes;
  if (op == FileOp::Move) m_files.erase(it);
  put(to, std::move(bytes));
  return {};
}

}  // namespace bingo::test
