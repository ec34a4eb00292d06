#pragma once
// A PIN wizard and its viewer over the test doubles, with the moves a user makes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fakes.h"
#include "pins/pin_form.h"
#include "pins/wiz_form.h"

// What the navigation shows: page state, visible pages, Back, Next and the third button.
struct Nav {
  int state;
  std::string page;
  bool back, next;
  std::string third;
  bool operator==(const Nav& o) const {
    return state == o.state && page == o.page && back == o.back && next == o.next &&
           third == o.third;
  }
};

inline std::ostream& operator<<(std::ostream& out, const Nav& n) {
  return out << "{" << n.state << ", " << n.page << ", back " << n.back << ", next " << n.next
             << ", " << n.third << "}";
}

// The lines and the bytes of a golden file under tests/data/pins.
std::vector<std::string> goldenLines(const std::string& name);
std::string goldenBytes(const std::string& name);

class WizardTest : public ::testing::Test {
 protected:
  doubles::World world;
  platform::Services services = world.services();
  std::string toolPath = "E:\\TOOLS\\G200clk.exe";
  pins::TPINForm viewer{world.runtime};
  pins::TWizForm wizard{world.runtime, services, viewer, [this] { return toolPath; }};

  Nav nav() {
    std::string pages;
    for (ui::Panel* p : {&wizard.Panel1, &wizard.Panel2, &wizard.Panel3, &wizard.Panel4,
                         &wizard.Panel5, &wizard.Panel6})
      if (p->visible()) pages += (pages.empty() ? "" : "+") + p->name();
    return {static_cast<int>(wizard.pageState()), pages, wizard.Button1.enabled(), wizard.Button2.enabled(),
            wizard.Button3.caption()};
  }
  void next() { wizard.Button2.userClick(); }
  void back() { wizard.Button1.userClick(); }
  void toCreatePage() {
    wizard.show();
    next();
    wizard.Button6.userClick();
  }
  // Entry `n` of the generated text without its "  n: ".
  std::string entry(int n) {
    const std::string line = wizard.pinBuffer().at(6 + static_cast<std::size_t>(n));
    const std::string prefix = "  " + std::to_string(n) + ": ";
    return line.compare(0, prefix.size(), prefix) == 0 ? line.substr(prefix.size()) : "?" + line;
  }
  std::vector<int> spins() {
    std::vector<int> positions;
    for (ui::UpDown* s : {&wizard.UpDown2, &wizard.UpDown3, &wizard.UpDown4, &wizard.UpDown5,
                          &wizard.UpDown6, &wizard.UpDown7, &wizard.UpDown8})
      positions.push_back(s->position());
    return positions;
  }
};
