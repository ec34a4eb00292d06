// Runs the system page over a processor, with do-nothing stand-ins for the parts of the system
// the page never touches.
#include "processor_report.h"

#include "cpu/pentium_mmx.h"
#include "cpu/system_page.h"
#include "platform/errors.h"
#include "platform/services.h"
#include "stored/registry_backend.h"
#include "ui/controls.h"

namespace identify {

namespace {

class NoRegistry : public stored::RegistryBackend {
 public:
  std::optional<Key> openKey(stored::RootKey, const std::string&, bool, bool) override {
    return std::nullopt;
  }
  void closeKey(Key) override {}
  std::optional<stored::RegistryValue> queryValue(Key, const std::string&) override {
    return std::nullopt;
  }
  bool setValue(Key, const std::string&, const stored::RegistryValue&) override { return false; }
  bool deleteValue(Key, const std::string&) override { return false; }
};

class NoLauncher : public platform::Launcher {
 public:
  ToolRun runClockTool(const std::string&, const std::string&, std::uint32_t,
                       std::uint32_t) override {
    return {};
  }
  bool runThroughShell(const std::string&, const std::string&, platform::ShowMode) override {
    return false;
  }
  bool open(const std::string&) override { return false; }
  Watched runClockBatch(const std::string&, const std::string&, std::uint32_t) override {
    return 0;
  }
  bool waitFor(Watched, std::uint32_t) override { return false; }
};

class NoOsVersion : public platform::OsVersion {
 public:
  std::optional<platform::OsVersionInfo> query() override { return std::nullopt; }
};

class NoCalendar : public platform::Calendar {
 public:
  platform::Date today() override { return {}; }
  platform::Moment now() override { return {}; }
};

class NoFolders : public platform::Folders {
 public:
  bool makeFolder(const std::string&) override { return false; }
  std::vector<std::string> fileNames(const std::string&) override { return {}; }
  bool fileExists(const std::string&) override { return false; }
};

class NoFiles : public platform::TextFiles {
 public:
  std::vector<std::string> readLines(const std::string& path) override { return refuse(path); }
  std::vector<std::string> readRawLines(const std::string& path) override { return refuse(path); }
  void writeLines(const std::string& path, const std::vector<std::string>&) override {
    refuse(path);
  }
  void writeRawLines(const std::string& path, const std::vector<std::string>&) override {
    refuse(path);
  }
  void moveOver(const std::string&, const std::string& target) override { refuse(target); }
  void remove(const std::string&) override {}

 private:
  static std::vector<std::string> refuse(const std::string& path) {
    throw platform::UserError(platform::format1("ファイル %s は開けません", path));
  }
};

class NoDialogs : public platform::Dialogs {
 public:
  platform::MessageResult messageBox(const std::string&, const std::string&, platform::MessageIcon,
                                     platform::MessageButtons) override {
    return platform::MessageResult::Ok;
  }
  std::optional<std::string> openFile(const platform::FileDialogOptions&) override {
    return std::nullopt;
  }
  std::optional<std::string> saveFile(const platform::FileDialogOptions&) override {
    return std::nullopt;
  }
};

}  // namespace

ProcessorReport reportProcessor(platform::ProcessorQuery& processor, platform::MilliTimer& timer) {
  NoRegistry registry;
  NoLauncher launcher;
  NoOsVersion os;
  NoCalendar calendar;
  NoFiles files;
  NoFolders folders;
  NoDialogs dialogs;
  platform::Services services{registry, launcher, os,     timer,     calendar,
                              files,    folders,  dialogs, processor, std::string()};

  ui::TabSheet TabSheet4{nullptr, "TabSheet4", "その他の機能"};
  cpu::TPentiumMMX PentiumMMX1(processor);
  platform::MachineFacts machine;
  cpu::SystemPage page(TabSheet4, services, PentiumMMX1, machine);

  ProcessorReport report;
  machine.processor = page.identifyAtStartUp();
  report.startUpName = page.Label62.caption();
  report.startUpDetail = page.Label71.caption();
  // What the General tab then shows: where the identification decides nothing, the platform
  // label and the two boxes stay as the main window makes them ("Unknown", both usable).
  report.platform = machine.processor.platformLabel.value_or("Unknown");
  report.writeCombiningEnabled = machine.processor.writeCombiningUsable.value_or(true);
  report.threeDNowEnabled = machine.processor.threeDNowUsable.value_or(true);

  page.TabSheet4Show();
  report.vendorShortName = page.Label64.caption();
  report.pageName = page.Label62.caption();
  report.pageDetail = page.Label71.caption();
  report.threeDNowText = page.Label82.caption();
  report.simdText = page.Label83.caption();
  report.clockText = page.Label58.caption();
  return report;
}

std::string formatReport(const ProcessorReport& r) {
  const char* const tab = "\t";
  return r.vendorShortName + tab + r.startUpName + tab + r.startUpDetail + tab + r.platform + tab +
         (r.writeCombiningEnabled ? "1" : "0") + tab + (r.threeDNowEnabled ? "1" : "0") + tab +
         r.pageName + tab + r.pageDetail + tab + r.threeDNowText + tab + r.simdText;
}

}  // namespace identify
