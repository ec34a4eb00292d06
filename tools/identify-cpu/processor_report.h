#pragma once
// What Corvane says about a processor: the start-up identification and the system page's refresh,
// run on the program's own page code with nothing else of the program around it.
#include <string>

#include "platform/seams.h"

namespace identify {

struct ProcessorReport {
  std::string vendorShortName;
  // After the start-up pass, from the main window's initial fields.
  std::string startUpName, startUpDetail, platform;
  bool writeCombiningEnabled = true, threeDNowEnabled = true;
  // After the system page's refresh (which measures the clock with `timer`).
  std::string pageName, pageDetail, threeDNowText, simdText;
  std::string clockText;  // "350.4990MHz" or "---.----MHz"
};

ProcessorReport reportProcessor(platform::ProcessorQuery& processor, platform::MilliTimer& timer);

// The tab-separated output line (without the line break).
std::string formatReport(const ProcessorReport& report);

}  // namespace identify
