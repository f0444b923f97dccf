#pragma once
// Where the simulated server puts what a game server puts into its share
// folder `\\NAME\net`: the frame file, command files, the language and
// game-kind files, game records. Tests hand the simulator an in-memory share.

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "common/host_files.h"

namespace bingo::tools {

inline constexpr const char* kFrameFileName = "Frame.dat";

class ShareOutput {
 public:
  virtual ~ShareOutput() = default;
  virtual bool writeFrame(std::span<const std::uint8_t> record) = 0;
  // Creates or replaces a whole file of the share.
  virtual bool putFile(const std::string& name, std::span<const std::uint8_t> bytes) = 0;
  virtual bool removeFile(const std::string& name) = 0;
  virtual std::string lastError() const = 0;
};

// The passing of time between the server's writes.
class Pacer {
 public:
  virtual ~Pacer() = default;
  virtual void waitMs(std::int64_t ms) = 0;
};

class SleepingPacer final : public Pacer {
 public:
  void waitMs(std::int64_t ms) override;
};

// The share on this host: `\\server\net` mapped to a host folder by `map`, the
// same mapping the console uses.
class HostShare final : public ShareOutput {
 public:
  using PathMapper = std::function<std::string(const std::string& windowsPath)>;
  // A torn write goes out in ranges of this many bytes, which cut the used
  // part of blocks 1..5 and 8 (at 16, 64, 112, 160, 208 and 352): a reader
  // between two ranges meets blocks half old and half new.
  static constexpr std::size_t kTornRange = 16;

  HostShare(const std::string& server, PathMapper map, WriteMode mode, Pacer& pacer, int tornPauseMs);

  // Makes the share folder when it is missing.
  bool prepare();
  // `\\server\net\name`.
  std::string windowsPath(const std::string& name) const { return m_folder + "\\" + name; }

  bool writeFrame(std::span<const std::uint8_t> record) override;
  bool putFile(const std::string& name, std::span<const std::uint8_t> bytes) override;
  bool removeFile(const std::string& name) override;
  std::string lastError() const override { return m_files.lastError(); }

 private:
  std::string m_folder;
  PathMapper m_map;
  WriteMode m_mode;
  Pacer& m_pacer;
  int m_tornPauseMs;
  HostFiles m_files;
};

}  // namespace bingo::tools
