#pragma once
// Small fakes of the platform interfaces.

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/network.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace bingo::test {

class FakeClock : public Clock {
 public:
  LocalTime time{2026, 12, 6, 9, 30, 15, 250};
  LocalTime now() const override { return time; }
};

class FakeNetwork : public Network {
 public:
  bool reachable = true;
  std::vector<std::string> pinged;
  bool Server_Ping(const std::string& name) override {
    pinged.push_back(name);
    return reachable;
  }
  std::string Local_IPText() override { return "192.168.1.20"; }
};

class FakeShell : public Shell {
 public:
  struct Started {
    std::string program;
    std::vector<std::string> args;
  };
  std::vector<Started> started;
  std::vector<bool> powerOffs;  // true for a reboot
  int terminations = 0;
  bool startSucceeds = true;
  bool startDetached(const std::string& program, const std::vector<std::string>& args) override {
    started.push_back({program, args});
    return startSucceeds;
  }
  bool requestPowerOff(bool reboot) override {
    powerOffs.push_back(reboot);
    return true;
  }
  void requestTermination() override { ++terminations; }
};

class FakeSystemInfo : public SystemInfo {
 public:
  OsVersion version{0, 6, 1, 0, ""};
  std::uint64_t physicalMemory = 2147483648ull;
  OsVersion osVersion() const override { return version; }
  std::uint64_t physicalMemoryBytes() const override { return physicalMemory; }
  HeapStats heapStats() const override { return {12, 3456}; }
};

}  // namespace bingo::test
