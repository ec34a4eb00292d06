// identify-cpu: what Corvane will say about a processor, for CPUID dumps read from standard input
// or, with --this, for the processor it runs on.
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include "cpu/x86_processor.h"
#include "dump_line.h"
#include "host_timer.h"
#include "platform/text.h"
#include "processor_report.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

const char* const kUsage =
    "usage: identify-cpu [--utf8] < dumps.tsv\n"
    "       identify-cpu [--utf8] --this\n"
    "Input lines: vendor<TAB>max_leaf_hex<TAB>leaf1_eax_hex<TAB>leaf1_edx_hex<TAB>mhz\n"
    "(a vendor of other than 12 characters names no known vendor).\n"
    "Output, one line each: vendor short name; after start-up: name, detail, platform,\n"
    "write-combining box enabled (1/0), 3DNow box enabled (1/0); after the system page's\n"
    "refresh: name, detail, 3DNow!! text, streaming SIMD text.\n"
    "--utf8 writes UTF-8 on Windows too (default there: the ANSI code page).\n";

// A processor as a dump line describes it; its counter advances by exactly `mhz` over the
// 501 ms that ClockTimer lets pass, so the page measures the given clock.
class DumpProcessor : public platform::ProcessorQuery {
 public:
  explicit DumpProcessor(const identify::DumpLine& line)
      : line_(line), vendor_(identify::cpuidVendorBytes(line.vendor)) {
    counterReadings_ = {0, std::uint64_t(line.mhz) * 501000};
  }
  bool idFlagToggles() override { return true; }
  platform::CpuidResult cpuid(std::uint32_t leaf) override {
    if (leaf == 0) return {line_.maxLeaf, word(0), word(8), word(4)};
    if (leaf == 1) return {line_.leaf1Eax, 0, 0, line_.leaf1Edx};
    return {};
  }
  std::uint64_t rdtsc() override {
    if (!counterReadings_.empty()) {
      last_ = counterReadings_.front();
      counterReadings_.pop_front();
    }
    return last_;
  }

 private:
  std::uint32_t word(int at) const {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
      value = value << 8 | static_cast<unsigned char>(vendor_[at + i]);
    return value;
  }
  identify::DumpLine line_;
  std::string vendor_;  // always 12 bytes
  std::deque<std::uint64_t> counterReadings_;
  std::uint64_t last_ = 0;
};

// 0 at the first reading, 501 ever after: one wait of 501 ms.
class ClockTimer : public platform::MilliTimer {
 public:
  std::uint32_t now() override {
    if (started_) return 501;
    started_ = true;
    return 0;
  }

 private:
  bool started_ = false;
};

void writeLine(const std::string& utf8, bool keepUtf8) {
  std::string out = utf8;
#ifdef _WIN32
  if (!keepUtf8) {
    const std::u16string wide = platform::utf8ToUtf16(utf8);
    if (!wide.empty()) {
      const wchar_t* w = reinterpret_cast<const wchar_t*>(wide.data());
      const int n = static_cast<int>(wide.size());
      const int size = WideCharToMultiByte(CP_ACP, 0, w, n, nullptr, 0, nullptr, nullptr);
      if (size > 0) {
        out.assign(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, w, n, &out[0], size, nullptr, nullptr);
      }
    }
  }
#else
  (void)keepUtf8;
#endif
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fputc('\n', stdout);
}

// One line of any length, without its line break (and without a CR before it).
bool readLine(std::FILE* in, std::string& line) {
  line.clear();
  int c;
  bool any = false;
  while ((c = std::fgetc(in)) != EOF) {
    any = true;
    if (c == '\n') break;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

}  // namespace

int main(int argc, char** argv) {
  bool thisProcessor = false;
  bool keepUtf8 = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--this") == 0) {
      thisProcessor = true;
    } else if (std::strcmp(argv[i], "--utf8") == 0) {
      keepUtf8 = true;
    } else if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "identify-cpu: unknown option \"%s\"\n%s", argv[i], kUsage);
      return 2;
    }
  }

  if (thisProcessor) {
    cpu::X86Processor processor;
    identify::HostMilliTimer timer;
    writeLine(identify::formatReport(identify::reportProcessor(processor, timer)), keepUtf8);
    return 0;
  }

#ifdef _WIN32
  // Bytes as they are: in text mode the runtime would end the input at a 0x1A byte and drop CRs.
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  int status = 0;
  std::string text;
  unsigned long lineNumber = 0;
  while (readLine(stdin, text)) {
    ++lineNumber;
    if (text.empty()) continue;
    identify::DumpLine line;
    std::string error;
    if (!identify::parseDumpLine(text, line, error)) {
      std::fprintf(stderr, "identify-cpu: line %lu: %s\n", lineNumber, error.c_str());
      status = 1;
      continue;
    }
    DumpProcessor processor(line);
    ClockTimer timer;
    writeLine(identify::formatReport(identify::reportProcessor(processor, timer)), keepUtf8);
  }
  return status;
}
