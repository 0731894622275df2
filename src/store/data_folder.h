#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "store/history.h"
#include "store/records.h"

namespace polkamina::store {

struct Delays {
  float hide = 0;   // seconds a missed pair stays face up
  float erase = 0;  // seconds a matched pair stays face up
};

struct Options {
  std::string level;             // stored level name
  std::int16_t nameDisplay = 0;  // 1 when piece names are shown
  std::int16_t autoSave = 0;     // 1 when finished games go into the history by themselves
};

// The contents of each file, from and to its bytes on disk (Shift-JIS). The
// parsers throw FileError naming fileName.
Delays parseDelays(const std::string& bytes, const std::string& fileName);
std::string formatDelays(const Delays& delays);
Options parseOptions(const std::string& bytes, const std::string& fileName);
std::string formatOptions(const Options& options, const std::string& fileName);
Records parseRecords(const std::string& bytes, const std::string& fileName);
std::string formatRecords(const Records& records, const std::string& fileName);

// The four data files of the game folder. Each call opens its file, does its
// work and closes it again; failures throw FileError. Names are looked up
// without regard to ASCII case, so "設定.TXT" finds "設定.txt". Every rewrite
// keeps the player's file (links, mode, owner) and never leaves it half
// written (see replaceFile); a rewrite with the bytes the folder's last
// rewrite of that file put down, which the file still holds, writes nothing.
class DataFolder {
 public:
  explicit DataFolder(std::filesystem::path folder = ".");

  Delays loadDelays() const;  // "設定.TXT"
  void saveDelays(const Delays& delays) const;

  Options loadOptions() const;  // "設定2.txt"
  void saveOptions(const Options& options) const;

  Records loadRecords() const;  // "記録.TXT"
  void saveRecords(const Records& records) const;

  HistoryRows readHistory() const;  // "履歴.txt"
  void appendHistoryRow(const HistoryRow& row) const;
  void clearHistory() const;

  const std::filesystem::path& path() const { return folder_; }

 private:
  // The whole content of, or a new content for, one file of the folder,
  // found by its name without regard to case.
  std::string read(const std::string& fileName) const;
  void replace(const std::string& fileName, const std::string& bytes) const;

  std::filesystem::path folder_;
  // The bytes of each file's last rewrite, by file name.
  mutable std::map<std::string, std::string> lastWritten_;
};

}  // namespace polkamina::store
