#pragma once
// The one place where a Windows path text of the program becomes a host path.
//   X:\a\b          -> $BINGO_ROOT/x/a/b  (drive letter in lower case)
//   \\HOST\share\a  -> $BINGO_UNC_ROOT/HOST/share/a
//   /abs/host/path  -> itself (the program's own location on the host)
//   relative        -> relative to the working directory
// Windows names are case-insensitive: a component that does not exist with its
// exact case is matched case-insensitively against its folder's entries (a
// unique match wins); new files and folders keep the case given.

#include <string>

namespace bingo {

struct HostRoots {
  std::string bingoRoot;  // BINGO_ROOT, default $HOME/.local/share/clientbingo
  std::string uncRoot;    // BINGO_UNC_ROOT, default $BINGO_ROOT/unc

  // Reads BINGO_ROOT and BINGO_UNC_ROOT from the environment, with their defaults.
  static HostRoots fromEnvironment();
};

class HostPaths {
 public:
  explicit HostPaths(HostRoots roots) : m_roots(std::move(roots)) {}
  std::string toHost(const std::string& windowsPath) const;
  const HostRoots& roots() const { return m_roots; }

 private:
  HostRoots m_roots;
};

}  // namespace bingo
