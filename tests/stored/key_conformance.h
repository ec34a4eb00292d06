#pragma once
// A registry key's rules, checked against any registry: natively against the in-memory one,
// under Wine against it and the real registry, so the double cannot drift.
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "stored/registry.h"

struct RegistryMaker {
  std::string name;
  // A fresh registry; every key the test uses lies below "\Software\CorvaneConformance" of
  // HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, which the maker empties first.
  std::function<std::shared_ptr<stored::Registry>()> make;
};

class KeyConformance : public ::testing::TestWithParam<RegistryMaker> {
 protected:
  void SetUp() override { registry = GetParam().make(); }
  std::shared_ptr<stored::Registry> registry;
};

// The message of the registry error `f` raised, or "(no error)".
std::string errorOf(const std::function<void()>& f);

inline std::string makerName(const ::testing::TestParamInfo<RegistryMaker>& info) {
  return info.param.name;
}
