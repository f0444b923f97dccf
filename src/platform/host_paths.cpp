#include "platform/host_paths.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/text.h"

namespace bingo {
namespace {

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string homeFolder() {
  if (std::string home = environmentValue("HOME"); !home.empty()) return home;
  // No HOME (a service started without a login): ask the password database.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return found->pw_dir;
  return ".";
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool entryExists(const std::string& hostPath) {
  struct stat st {};
  return ::lstat(hostPath.c_str(), &st) == 0;
}

// The one entry of `folder` whose name equals `name` ignoring case; nothing
// when there is none or more than one (a unique match wins).
std::optional<std::string> uniqueCaseInsensitiveEntry(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> match;
  bool ambiguous = false;
  while (const dirent* entry = ::readdir(dir)) {
    if (!equalsIgnoreCase(entry->d_name, name)) continue;
    if (match) ambiguous = true;
    match = entry->d_name;
  }
  ::closedir(dir);
  if (ambiguous) return std::nullopt;
  return match;
}

std::string joinHost(const std::string& base, const std::string& name) {
  if (base.empty()) return name;
  if (base.back() == '/') return base + name;
  return base + "/" + name;
}

}  // namespace

HostRoots HostRoots::fromEnvironment() {
  HostRoots roots;
  roots.bingoRoot = environmentValue("BINGO_ROOT");
  if (roots.bingoRoot.empty()) roots.bingoRoot = homeFolder() + "/.local/share/clientbingo";
  roots.bingoRoot = withoutTrailingSlashes(roots.bingoRoot);
  roots.uncRoot = environmentValue("BINGO_UNC_ROOT");
  if (roots.uncRoot.empty()) roots.uncRoot = roots.bingoRoot + "/unc";
  roots.uncRoot = withoutTrailingSlashes(roots.uncRoot);
  return roots;
}

std::string HostPaths::toHost(const std::string& windowsPath) const {
  if (windowsPath.empty()) return {};

  // Settle the host folder the path starts from and where its components begin.
  std::string base;
  std::size_t rest = 0;
  if (windowsPath[0] == '/') {
    base = "/";
    rest = 1;
  } else if (windowsPath.size() >= 2 && windowsPath[0] == '\\' && windowsPath[1] == '\\') {
    base = m_roots.uncRoot;
    rest = 2;
  } else if (windowsPath.size() >= 2 && windowsPath[1] == ':' && asciiUpper(windowsPath[0]) >= 'A' &&
             asciiUpper(windowsPath[0]) <= 'Z') {
    base = joinHost(m_roots.bingoRoot, std::string(1, asciiLower(windowsPath[0])));
    rest = 2;
  }

  // Components, with "." dropped and ".." taken back lexically as Windows does,
  // never above the starting folder.
  std::vector<std::string> components;
  std::size_t pos = rest;
  while (pos <= windowsPath.size()) {
    std::size_t end = pos;
    while (end < windowsPath.size() && !isSeparator(windowsPath[end])) ++end;
    std::string component = windowsPath.substr(pos, end - pos);
    if (component == "..") {
      if (!components.empty()) components.pop_back();
    } else if (!component.empty() && component != ".") {
      components.push_back(std::move(component));
    }
    pos = end + 1;
  }

  // Each component that does not exist with its exact case takes the one entry
  // of its folder that matches it ignoring case. Once a component is missing
  // altogether, nothing below it can exist, and the rest keep the case given.
  std::string host = base;
  bool matching = true;
  for (const std::string& component : components) {
    std::string exact = joinHost(host, component);
    if (matching && !entryExists(exact)) {
      if (auto found = uniqueCaseInsensitiveEntry(host, component)) {
        exact = joinHost(host, *found);
      } else {
        matching = false;
      }
    }
    host = std::move(exact);
  }
  if (host.empty()) return ".";
  return host;
}

}  // namespace bingo
